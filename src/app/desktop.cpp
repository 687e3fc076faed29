#include "app/desktop.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <QWidget>

// The icon's renderings are resources of a static library, which the linker
// leaves out unless they are registered by name, from outside any namespace.
static void RegisterIconResources()
{
    Q_INIT_RESOURCE(desktop);
}

namespace msweight {

namespace {

// The sides of the icon's renderings, as installed under share/icons/hicolor.
constexpr int IconSides[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Gives the program's windows their icon once the window it watches has
// painted for the first time. Under X11 the icon is read and handed to the
// server as a window is made, 3 to 4 ms that the first paint need not wait
// for; elsewhere no rendering is read at all.
class IconAfterFirstPaint final : public QObject
{
public:
    explicit IconAfterFirstPaint(QWidget *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Once the whole paint, children and flush included, is done.
            QTimer::singleShot(0, this, [] {
                RegisterIconResources();
                QIcon icon;
                for (const int side : IconSides)
                    icon.addFile(QStringLiteral(":/icons/%1x%1.png").arg(side), QSize(side, side));
                QApplication::setWindowIcon(icon);
            });
        }
        return false;
    }
};

} // namespace

void PrepareDesktop()
{
    QGuiApplication::setDesktopFileName(QStringLiteral("org.msweight.msweight"));
    // Under X11 the window's class is the application's name, else the name
    // the program was started by; the desktop entry's StartupWMClass names it.
    QCoreApplication::setApplicationName(QStringLiteral("msweight"));
}

void PrepareWindow(QWidget *window)
{
    window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    new IconAfterFirstPaint(window);
}

} // namespace msweight
