#include "app/commandline.h"

#include "app/menubar.h"
#include "app/userform1.h"

#include <QCommandLineParser>
#include <QEvent>
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

namespace {

// Opens the file once the calculator has painted: by then the window
// manager has placed it, and the sheet goes beside it, not where the
// calculator was before it was placed.
class OpenAfterFirstPaint final : public QObject
{
public:
    OpenAfterFirstPaint(UserForm1 &form, QString path)
        : QObject(&form)
        , m_form(form)
        , m_path(std::move(path))
    {
        form.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            m_form.removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                if (auto *menus = m_form.findChild<CalculatorMenus *>())
                    menus->openSheetFile(m_path);
                deleteLater();
            });
        }
        return false;
    }

private:
    UserForm1 &m_form;
    QString m_path;
};

} // namespace

void OpenFromCommandLine(UserForm1 &form, const QStringList &arguments)
{
    const QString path = SheetFileArgument(arguments);
    if (!path.isEmpty())
        new OpenAfterFirstPaint(form, path);
}

} // namespace msweight
