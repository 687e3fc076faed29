#include "ui/workarounds.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QtMath>

#include <algorithm>

namespace msweight {

// Measured on Qt 6.4.2: the raster engine hands any blend of 96 spans or
// more to the global thread pool, starting its threads on first use. Fusion
// draws the frame round the pages with translucent lines, and under the clip
// of a widget with opaque children each pixel of such a line is a span of its
// own: the frame alone would start two threads, at a cost far above that of
// drawing it. Only fills of one opaque colour are never handed on. Against
// the frame in one go, taking turns (bench_startup_form on a 2-core VM), the
// pieces saved 2.2 ms of 22.6, 9.7% (median of 300 runs each), and 0.4 to
// 0.8 ms in three shorter runs; the threads' start also shows as 20 context
// switches against 2. It can go when tst_paint's firstPaintStartsNoThreads
// passes with the frame drawn in one go.
namespace {

// Fusion draws within this many logical pixels of the frame's sides.
constexpr int FrameReach = 4;

void DrawPageFrameInPieces(const QStyle &style, const QStyleOption *option, QPainter *painter, const QWidget *widget)
{
    const QTransform toDevice = painter->deviceTransform();
    const QTransform fromDevice = toDevice.inverted();
    const auto drawWithin = [&](const QRect &clip) {
        painter->save();
        painter->setClipRect(fromDevice.mapRect(QRectF(clip)), Qt::IntersectClip);
        style.drawPrimitive(QStyle::PE_FrameTabWidget, option, painter, widget);
        painter->restore();
    };
    // In device pixels: a piece of an edge with the ends of the edges across
    // it stays below 96 spans; past a scale of 9 the pieces stop shrinking.
    const int edge = qCeil(FrameReach * painter->device()->devicePixelRatio());
    const int length = std::max(16, 95 - 2 * edge);
    const QRect frame = toDevice.mapRect(QRectF(option->rect)).toAlignedRect();
    const QRect outside = frame.adjusted(-edge, -edge, edge, edge);
    const QRect inside = frame.adjusted(edge, edge, -edge, -edge);
    drawWithin(inside);
    for (int x = outside.left(); x <= outside.right(); x += length) {
        const int width = std::min(length, outside.right() + 1 - x);
        drawWithin(QRect(x, outside.top(), width, inside.top() - outside.top()));
        drawWithin(QRect(x, inside.bottom() + 1, width, outside.bottom() - inside.bottom()));
    }
    for (int y = inside.top(); y <= inside.bottom(); y += length) {
        const int height = std::min(length, inside.bottom() + 1 - y);
        drawWithin(QRect(outside.left(), y, inside.left() - outside.left(), height));
        drawWithin(QRect(inside.right() + 1, y, outside.right() - inside.right(), height));
    }
}

} // namespace

void DrawPageFrame(const QStyle &style, const QStyleOption *option, QPainter *painter, const QWidget *widget)
{
    // Pieces cut along device pixels need a painter that only moves and
    // scales; drawn turned, the frame is drawn in one go.
    if (painter->deviceTransform().type() > QTransform::TxScale)
        style.drawPrimitive(QStyle::PE_FrameTabWidget, option, painter, widget);
    else
        DrawPageFrameInPieces(style, option, painter, widget);
}

namespace {

// A standard icon of a style, loaded from the style when it is first drawn
// or measured.
class DeferredIcon : public QIconEngine
{
public:
    DeferredIcon(const QStyle *style, QStyle::StandardPixmap which)
        : m_style(style)
        , m_which(which)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new DeferredIcon(m_style, m_which); }
    QString key() const override { return QStringLiteral("DeferredIcon"); }

private:
    const QIcon &icon()
    {
        if (!m_loaded) {
            const QStyle *style = m_style ? m_style.data() : QApplication::style();
            m_icon = style->standardIcon(m_which);
            m_loaded = true;
        }
        return m_icon;
    }

    QPointer<const QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QIcon m_icon;
    bool m_loaded = false;
};

// Measured on Qt 6.4.2: a QMenuBar makes, in its constructor, the button that
// shows the menus that do not fit, and Fusion reads that button's icon from
// its images at once: 3.8 M instructions, 5% of start-up, for a button that
// the calculator's four menus never show. It can go when the QMenuBar
// constructor no longer asks for that icon (callgrind on bench_startup_form:
// QStyle::standardIcon under QMenuBar::QMenuBar).
class FormStyle : public QProxyStyle
{
public:
    FormStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const override
    {
        if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
            return QIcon(new DeferredIcon(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

} // namespace

QStyle *ApplicationStyle()
{
    return new FormStyle;
}

} // namespace msweight
