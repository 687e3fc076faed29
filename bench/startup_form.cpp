// The real start-up, as main does it, up to the window's first paint.
#include "firstpaint.h"

#include "app/userform1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    msweight::PrepareApplication();
    msweight::UserForm1 form;
    ExitAfterFirstPaint exitAfterPaint(&form);
    form.show();
    return app.exec();
}
