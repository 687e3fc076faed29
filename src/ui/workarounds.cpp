#include "ui/workarounds.h"

#include <QIconEngine>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <QtMath>

#include <algorithm>

namespace msweight {

// Measured on Qt 6.4.2 (xcb and offscreen): GLib's event loop writes to an
// eventfd for every posted event, and building the window posts one
// PolishRequest for each of its 267 controls, a system call each. Nothing
// here uses GLib. It can go when a start with QT_NO_GLIB=0 makes no more
// system calls than one without (strace -c bench_startup_form).
void ChooseEventLoop()
{
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
}

// Measured on Qt 6.4.2: the raster engine hands any blend of 96 spans or
// more to the global thread pool, starting its threads on first use. Fusion
// draws the frame round the pages with translucent lines, and under the clip
// of a widget with opaque children each pixel of such a line is a span of its
// own: the frame alone would start two threads, at a cost far above that of
// drawing it. So the frame is drawn in pieces, each clipped small enough to
// stay below that: its inside, where there is only the fill, and its edges in
// short lengths. The pieces are whole device pixels and do not overlap, so
// every pixel is drawn once, as in one go. It can go when tst_paint's
// firstPaintStartsNoThreads passes with the frame drawn in one go.
void DrawPageFrame(const QStyle &style, const QStyleOption *option, QPainter *painter, const QWidget *widget)
{
    const QTransform toDevice = painter->deviceTransform();
    // Pieces cut along device pixels need a painter that only moves and
    // scales; drawn turned, the frame is drawn in one go.
    if (toDevice.type() > QTransform::TxScale) {
        style.drawPrimitive(QStyle::PE_FrameTabWidget, option, painter, widget);
        return;
    }
    const QTransform fromDevice = toDevice.inverted();
    const auto drawWithin = [&](const QRect &clip) {
        painter->save();
        painter->setClipRect(fromDevice.mapRect(QRectF(clip)), Qt::IntersectClip);
        style.drawPrimitive(QStyle::PE_FrameTabWidget, option, painter, widget);
        painter->restore();
    };
    // In device pixels: the lines lie within four logical pixels of the
    // frame's sides, inside or out. A piece of an edge with the ends of the
    // edges across it stays below 96 spans; past a scale of 9 the pieces stop
    // shrinking.
    const int edge = qCeil(4 * painter->device()->devicePixelRatio());
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

namespace {

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
