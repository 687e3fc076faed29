// Start-up ends with the window's first paint: the process exits as soon as
// the paint that put the window into its backing store has returned to the
// event loop. Teardown is no part of start-up, so nothing is destroyed.
#pragma once

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

class ExitAfterFirstPaint : public QObject
{
public:
    explicit ExitAfterFirstPaint(QWidget *window)
    {
        window->installEventFilter(this);
        // A window that never paints fails the run instead of hanging it.
        QTimer::singleShot(10'000, this, [] {
            std::fputs("the window did not paint within 10 s\n", stderr);
            std::_Exit(1);
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The window itself is painted before its children; the zero timer
        // runs once the whole paint, children and flush included, is done.
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return false;
    }
};
