// The least a Qt Widgets window costs: one label, Qt's default style and
// fonts, up to its first paint. The form's start-up is measured against it.
#include "firstpaint.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    auto *label = new QLabel(QStringLiteral("M.S(weight)-TKW"), &window);
    label->move(10, 10);
    ExitAfterFirstPaint exitAfterPaint(&window);
    window.show();
    return app.exec();
}
