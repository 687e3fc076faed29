#include "ui/workarounds.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QRegion>
#include <QRgba64>
#include <QStyleFactory>
#include <QStyleOption>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace msweight {

// Measured on Qt 6.4.2: the raster engine hands any blend of 96 spans or
// more to the global thread pool, starting its threads on first use. Fusion
// draws the frame round the pages with translucent lines, and under the clip
// of a widget with opaque children each pixel of such a line is a span of its
// own: the frame alone would start two threads, at a cost far above that of
// drawing it. Only fills of one opaque colour are never handed on. It can go
// when tst_paint's firstPaintStartsNoThreads passes with the frame drawn in
// one go.
namespace {

// Fusion draws within this many logical pixels of the frame's sides.
constexpr int FrameReach = 4;

// The scale of a painter that maps logical pixels onto whole device pixels by
// 1, 2, 3 or 4, or else 0. Up to 4 a corner is at most 32 rows high, fewer
// than 96 spans even at two a row.
int WholePixelScale(const QTransform &toDevice)
{
    const qreal scale = toDevice.m11();
    const auto whole = [](qreal value) { return value == std::floor(value); };
    if (toDevice.type() > QTransform::TxScale || toDevice.m22() != scale || !whole(scale) || scale < 1 || scale > 4
        || !whole(toDevice.dx()) || !whole(toDevice.dy()))
        return 0;
    return int(scale);
}

// Fusion's frame is the same all along each edge, and inside. So where the
// painter maps logical pixels onto whole device pixels, a small frame drawn
// into an image has all its pixels: its corners, which are copied, and the
// one colour of each row of its top and bottom edges, of each column of its
// sides and of its inside, which are filled. Corners are few rows high, and a
// row is a span a device row; columns and the inside must be opaque. Nothing
// is drawn where the frame is not so.
bool DrawPageFrameFromSmall(const QStyle &style, const QStyleOption *option, QPainter *painter, const QWidget *widget)
{
    // The small frame's middle lies FrameReach from its sides, as on any
    // frame at least this large; the image has room for FrameReach round it.
    constexpr int Small = 2 * FrameReach + 2;
    constexpr int Side = Small + 2 * FrameReach;
    constexpr int Middle = Small - 2 * FrameReach;
    const auto *frame = qstyleoption_cast<const QStyleOptionTabWidgetFrame *>(option);
    const int scale = WholePixelScale(painter->deviceTransform());
    const QRect &rect = option->rect;
    if (!frame || scale == 0 || painter->opacity() != 1
        || painter->compositionMode() != QPainter::CompositionMode_SourceOver || rect.width() < Small
        || rect.height() < Small)
        return false;

    QImage small(QSize(Side, Side) * scale, QImage::Format_ARGB32_Premultiplied);
    small.setDevicePixelRatio(scale);
    small.fill(Qt::transparent);
    {
        QStyleOptionTabWidgetFrame smallOption(*frame);
        smallOption.rect = QRect(FrameReach, FrameReach, Small, Small);
        QPainter smallPainter(&small);
        style.drawPrimitive(QStyle::PE_FrameTabWidget, &smallOption, &smallPainter, widget);
    }

    // A stretch of the small frame (logical pixels) and where it is filled.
    struct Fill
    {
        QRect from;
        QRect to;
        bool mayBeTranslucent;
        QColor colour = {};
    };
    std::vector<Fill> fills;
    fills.reserve(4 * 2 * FrameReach + 1);
    for (int along = 0; along < 2 * FrameReach; ++along) {
        const int top = rect.y() - FrameReach, bottom = rect.bottom() + 1 - FrameReach;
        const int left = rect.x() - FrameReach, right = rect.right() + 1 - FrameReach;
        fills.push_back({{2 * FrameReach, along, Middle, 1},
                         {rect.x() + FrameReach, top + along, rect.width() - 2 * FrameReach, 1},
                         true});
        fills.push_back({{2 * FrameReach, Small + along, Middle, 1},
                         {rect.x() + FrameReach, bottom + along, rect.width() - 2 * FrameReach, 1},
                         true});
        fills.push_back({{along, 2 * FrameReach, 1, Middle},
                         {left + along, rect.y() + FrameReach, 1, rect.height() - 2 * FrameReach},
                         false});
        fills.push_back({{Small + along, 2 * FrameReach, 1, Middle},
                         {right + along, rect.y() + FrameReach, 1, rect.height() - 2 * FrameReach},
                         false});
    }
    fills.push_back({{2 * FrameReach, 2 * FrameReach, Middle, Middle},
                     rect.adjusted(FrameReach, FrameReach, -FrameReach, -FrameReach),
                     false});
    for (Fill &fill : fills) {
        const QRect pixels(fill.from.topLeft() * scale, fill.from.size() * scale);
        const QRgb pixel = reinterpret_cast<const QRgb *>(small.constScanLine(pixels.top()))[pixels.left()];
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(small.constScanLine(y));
            if (!std::all_of(line + pixels.left(), line + pixels.right() + 1,
                             [pixel](QRgb other) { return other == pixel; }))
                return false;
        }
        // The colour that the engine fills with this very pixel.
        fill.colour = QColor::fromRgba(qUnpremultiply(pixel));
        const bool translucent = qAlpha(pixel) != 0 && qAlpha(pixel) != 255;
        if ((translucent && !fill.mayBeTranslucent) || qPremultiply(fill.colour.rgba64()).toArgb32() != pixel)
            return false;
    }

    // Under the pages most of the inside is never shown: a fill that the
    // painter's region leaves out altogether is not made.
    const QRegion shown = painter->paintEngine()->systemClip();
    const QTransform toDevice = painter->deviceTransform();
    for (const Fill &fill : fills) {
        if (fill.colour.alpha() != 0 && (shown.isEmpty() || shown.intersects(toDevice.mapRect(fill.to))))
            painter->fillRect(fill.to, fill.colour);
    }
    const QPoint corners[] = {{0, 0}, {Small, 0}, {0, Small}, {Small, Small}};
    for (const QPoint &corner : corners) {
        const QPoint to = rect.topLeft() - QPoint(FrameReach, FrameReach)
            + QPoint(corner.x() ? rect.width() - Small : 0, corner.y() ? rect.height() - Small : 0) + corner;
        painter->drawImage(QRectF(to, QSizeF(2 * FrameReach, 2 * FrameReach)), small,
                           QRectF(corner * scale, QSizeF(2 * FrameReach, 2 * FrameReach) * scale));
    }
    return true;
}

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
    else if (!DrawPageFrameFromSmall(style, option, painter, widget))
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

// The smallest rendering that fills the size asked for, scaled down to fit
// it; the largest where none does. The same in every mode and state.
class OnDemandIconEngine final : public QIconEngine
{
public:
    OnDemandIconEngine(QString path, std::span<const int> sides)
        : m_path(std::move(path))
        , m_sides(sides)
    {
    }

    QIconEngine *clone() const override { return new OnDemandIconEngine(m_path, m_sides); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : m_sides)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int wanted = std::min(size.width(), size.height());
        const auto at = std::find_if(m_sides.begin(), m_sides.end(), [wanted](int side) { return side >= wanted; });
        const int side = at == m_sides.end() ? m_sides.back() : *at;
        QPixmap pixmap(m_path.arg(side));
        if (side > wanted)
            pixmap = pixmap.scaled(wanted, wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return pixmap;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

private:
    QString m_path;
    std::span<const int> m_sides;
};

} // namespace

QStyle *ApplicationStyle()
{
    return new FormStyle;
}

// Measured on Qt 6.4.2: QIcon::addFile reads and decodes the image as it is
// added, even with its size given: 1 ms for eight renderings from 16 to 256
// pixels, 5 to 10 ms in a process that had decoded no PNG yet, and so also
// where the platform shows no window icon (Wayland, offscreen). Read on
// demand, the renderings are only read where it does (X11), as the platform
// hands them to the server. It can go when a QIcon made with addFile(file,
// size) for each rendering opens none of the files before a pixmap is asked
// for (strace -e openat).
QIcon IconReadOnDemand(const QString &path, std::span<const int> sides)
{
    return QIcon(new OnDemandIconEngine(path, sides));
}

} // namespace msweight
