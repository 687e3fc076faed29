// The job sheet window's commands on take-offs and items: a take-off read
// from a CSV file or from cells on the clipboard, and the edition a
// designation is read in.
#include "sheet/itemsearch.h"
#include "sheet/lineeditor.h"
#include "sheet/sheetwindow.h"
#include "sheet/takeoff.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QSettings>

namespace msweight {

namespace {

const char *const EditionKey = "sheet/preferredEdition";

QSettings Settings()
{
    return QSettings(QStringLiteral("msweight"), QStringLiteral("msweight"));
}

} // namespace

ParseOptions SheetWindow::parseOptions() const
{
    return {Settings().value(QLatin1String(EditionKey)).toString()};
}

void SheetWindow::setPreferredEdition(const QString &edition)
{
    Settings().setValue(QLatin1String(EditionKey), edition);
    m_search->setOptions(parseOptions());
    m_line->setOptions(parseOptions());
}

bool SheetWindow::importTakeOff()
{
    commitTyping();
    const QString path = m_dialogs.chooseFile(this,
                                              {false,
                                               QStringLiteral("Import a take-off"),
                                               QStringLiteral("Take-off (*.csv);;All files (*)"),
                                               m_path.isEmpty() ? QString() : QFileInfo(m_path).path(),
                                               {}});
    return !path.isEmpty() && importTakeOffFrom(path);
}

bool SheetWindow::importTakeOffFrom(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_dialogs.fail(this,
                       QStringLiteral("%1 cannot be read: %2").arg(QFileInfo(path).fileName(), file.errorString()));
        return false;
    }
    return addTakeOff(ReadTakeOffCsv(file.readAll(), m_sheet.separator(), parseOptions()),
                      QStringLiteral("Import %1").arg(QFileInfo(path).fileName()));
}

bool SheetWindow::pasteTakeOff()
{
    commitTyping();
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    const QString text = mime ? mime->text() : QString();
    if (text.trimmed().isEmpty()) {
        m_dialogs.fail(this,
                       QStringLiteral("The clipboard holds no take-off: copy its rows from a spreadsheet "
                                      "(designation, length in m, quantity, and a mark and a material)."));
        return false;
    }
    return addTakeOff(ReadTakeOffText(text, m_sheet.separator(), parseOptions()), QStringLiteral("Paste take-off"));
}

// All the rows as one change, or none of them.
bool SheetWindow::addTakeOff(const TakeOff &takeOff, const QString &from)
{
    if (!takeOff.faults.empty()) {
        m_dialogs.fail(this, TakeOffMessage(takeOff));
        return false;
    }
    if (takeOff.lines.empty()) {
        m_dialogs.fail(this, QStringLiteral("The take-off has no rows."));
        return false;
    }
    const std::size_t count = takeOff.lines.size();
    m_sheet.addLines(takeOff.lines,
                     count == 1 ? from + QStringLiteral(": 1 line") : from + QStringLiteral(": %1 lines").arg(count));
    return true;
}

} // namespace msweight
