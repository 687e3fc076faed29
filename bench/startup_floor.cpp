// The least a Qt Widgets window of the form's size costs: one label, Qt's
// default style and fonts, up to its first paint. The form's start-up is
// measured against it.
#include "firstpaint.h"

#include "ui/layout.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(msweight::Pixels(msweight::ClientWidth), msweight::Pixels(msweight::ClientHeight));
    auto *label = new QLabel(QString::fromLatin1(msweight::WindowCaption), &window);
    label->move(10, 10);
    ExitAfterFirstPaint exitAfterPaint(&window);
    window.show();
    return app.exec();
}
