#include "sheet/sheetkeys.h"

#include <QAction>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include <functional>

namespace msweight {

namespace {

bool IsRedo(const QKeyEvent *key)
{
    return key->matches(QKeySequence::Redo) || key->keyCombination() == (Qt::CTRL | Qt::Key_Y);
}

// A box takes the undo keys for its own history before any shortcut is
// looked for; with none left it lets them through to the window's commands.
class UndoKeys final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto *box = static_cast<QLineEdit *>(watched);
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Undo))
            return !box->isUndoAvailable();
        if (IsRedo(key))
            return !box->isRedoAvailable();
        return false;
    }
};

const QString RecentKey = QStringLiteral("sheet/recentFiles");

QString Canonical(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}

} // namespace

void LeaveUndoToWindow(QLineEdit *box)
{
    box->installEventFilter(new UndoKeys(box));
    // Queued: after the sheet has taken the text.
    QObject::connect(
        box, &QLineEdit::editingFinished, box,
        [box] {
            if (!box->isUndoAvailable() && !box->isRedoAvailable())
                return;
            const int cursor = box->cursorPosition();
            box->setText(box->text()); // which clears the box's history
            box->setCursorPosition(cursor);
        },
        Qt::QueuedConnection);
}

QString KeyRow(const QString &keys, const QString &what)
{
    return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(keys, what);
}

QString MenuKeyRows(const QMenuBar *bar)
{
    QString rows;
    const std::function<void(const QMenu *)> list = [&](const QMenu *menu) {
        for (const QAction *action : menu->actions()) {
            if (action->menu())
                list(action->menu());
            else if (!action->shortcuts().isEmpty()) {
                QStringList keys;
                for (const QKeySequence &key : action->shortcuts())
                    keys << key.toString(QKeySequence::NativeText);
                rows += KeyRow(keys.join(QStringLiteral(", ")).toHtmlEscaped(),
                               action->text().remove(u'&').toHtmlEscaped());
            }
        }
    };
    for (const QAction *menu : bar->actions()) {
        if (menu->menu())
            list(menu->menu());
    }
    return rows;
}

QStringList RecentFiles()
{
    return QSettings(QStringLiteral("msweight"), QStringLiteral("msweight"))
        .value(RecentKey)
        .toStringList()
        .mid(0, MaxRecentFiles);
}

void RememberRecentFile(const QString &path)
{
    const QString file = Canonical(path);
    QStringList files = RecentFiles();
    files.removeAll(file);
    files.prepend(file);
    QSettings(QStringLiteral("msweight"), QStringLiteral("msweight")).setValue(RecentKey, files.mid(0, MaxRecentFiles));
}

void ForgetRecentFile(const QString &path)
{
    QStringList files = RecentFiles();
    files.removeAll(path);
    QSettings(QStringLiteral("msweight"), QStringLiteral("msweight")).setValue(RecentKey, files);
}

} // namespace msweight
