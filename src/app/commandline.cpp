#include "app/commandline.h"

#include "app/menubar.h"
#include "app/userform1.h"

#include <QCommandLineParser>
#include <QPointer>
#include <QTimer>

namespace msweight {

QString SheetFileArgument(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("sheet"), QStringLiteral("A job sheet file (.csv) to open."));
    parser.parse(arguments);
    const QStringList files = parser.positionalArguments();
    return files.isEmpty() ? QString() : files.front();
}

void OpenFromCommandLine(UserForm1 &form, const QStringList &arguments)
{
    const QString path = SheetFileArgument(arguments);
    if (path.isEmpty())
        return;
    QTimer::singleShot(0, &form, [form = QPointer(&form), path] {
        if (auto *menus = form ? form->findChild<CalculatorMenus *>() : nullptr)
            menus->openSheetFile(path);
    });
}

} // namespace msweight
