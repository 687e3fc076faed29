#include "app/commandline.h"
#include "app/userform1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    msweight::PrepareApplication();
    msweight::UserForm1 form;
    form.show();
    msweight::OpenFromCommandLine(form, QApplication::arguments());
    return app.exec();
}
