#include "sheet/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace msweight {

void ShowBeside(QWidget &window, const QWidget &other)
{
    const QRect beside = other.frameGeometry();
    const QScreen *screen = other.screen() ? other.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    if (!window.isVisible())
        window.show(); // the frame's margins are known once it is shown
    const QRect inner = window.geometry(), outer = window.frameGeometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    const QSize wanted = window.size().grownBy(frame);
    const QSize least = window.minimumSizeHint().grownBy(frame);
    constexpr int Gap = 8;

    const QRect rooms[] = {
        QRect(QPoint(beside.right() + 1 + Gap, area.top()), area.bottomRight()),
        QRect(area.topLeft(), QPoint(beside.left() - 1 - Gap, area.bottom())),
        QRect(QPoint(area.left(), beside.bottom() + 1 + Gap), area.bottomRight()),
        QRect(area.topLeft(), QPoint(area.right(), beside.top() - 1 - Gap)),
    };
    const QRect *room = nullptr;
    for (const QRect &candidate : rooms) {
        if (candidate.width() >= least.width() && candidate.height() >= least.height()) {
            room = &candidate;
            break;
        }
    }
    if (!room) {
        room = &rooms[0];
        for (const QRect &candidate : rooms) {
            if (candidate.width() * qint64(candidate.height()) > room->width() * qint64(room->height()))
                room = &candidate;
        }
    }
    QRect placed(QPoint(), wanted.boundedTo(room->size()).expandedTo(QSize(1, 1)));
    // Level with the calculator where it can be, inside the room.
    const bool sideways = room == &rooms[0] || room == &rooms[1];
    placed.moveTopLeft(sideways ? QPoint(room == &rooms[0] ? room->left() : room->right() - placed.width() + 1,
                                         std::clamp(beside.top(), room->top(), room->bottom() - placed.height() + 1))
                                : QPoint(std::clamp(beside.left(), room->left(), room->right() - placed.width() + 1),
                                         room == &rooms[2] ? room->top() : room->bottom() - placed.height() + 1));
    // Where no room holds the window's least size, it shrinks below it
    // rather than cover the calculator: a window manager keeps a window at
    // least as large as its minimum.
    const QSize inside = placed.marginsRemoved(frame).size();
    if (inside.width() < window.minimumWidth() || inside.height() < window.minimumHeight())
        window.setMinimumSize(window.minimumSize().boundedTo(inside));
    window.setGeometry(placed.marginsRemoved(frame));
    // Shown beside the calculator by an add, it leaves the focus where it is.
    if (window.testAttribute(Qt::WA_ShowWithoutActivating))
        return;
    window.raise();
    window.activateWindow();
}

} // namespace msweight
