// The job sheet window's menus: every command on the sheet, each with its
// keys, and the edition a designation is read in.
#include "sheet/sheetwindow.h"

#include "sheet/cutplanwindow.h"
#include "sheet/itemsearch.h"
#include "sheet/sheetkeys.h"
#include "ui/look.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QUndoStack>

namespace msweight {

// Each command enters what is being typed first, so that nothing typed is
// lost or applied to another line.
void SheetWindow::buildMenus()
{
    auto *bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    const auto add = [this](QMenu *menu, const QString &text, auto keys, const char *name, auto command) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, command] {
            commitTyping();
            command();
        });
        addAction(action); // its key works wherever the focus is in the window
        return action;
    };
    using Keys = QList<QKeySequence>;
    const auto keys = StandardKeys;

    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    add(file, QStringLiteral("&New"), keys(QKeySequence::New, Qt::CTRL | Qt::Key_N), "New", [this] { newSheet(); });
    add(file, QStringLiteral("&Open…"), keys(QKeySequence::Open, Qt::CTRL | Qt::Key_O), "Open", [this] { openFile(); });
    QMenu *recent = file->addMenu(QStringLiteral("Open &recent"));
    recent->setObjectName(QStringLiteral("OpenRecent"));
    connect(recent, &QMenu::aboutToShow, this, [this, recent] {
        recent->clear();
        const QStringList files = RecentFiles();
        for (int i = 0; i < files.size(); ++i) {
            const QString path = files[i];
            QAction *action = recent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
            action->setToolTip(path);
            connect(action, &QAction::triggered, this, [this, path] {
                commitTyping();
                openRecent(path);
            });
        }
        if (files.isEmpty())
            recent->addAction(QStringLiteral("No files yet"))->setEnabled(false);
    });
    add(file, QStringLiteral("&Save"), keys(QKeySequence::Save, Qt::CTRL | Qt::Key_S), "Save", [this] { save(); });
    add(file, QStringLiteral("&Import take-off…"), Keys{QKeySequence(Qt::CTRL | Qt::Key_I)}, "ImportTakeOff",
        [this] { importTakeOff(); });
    add(file, QStringLiteral("Save &As…"), keys(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S), "SaveAs",
        [this] { saveAs(); });
    file->addSeparator();
    add(file, QStringLiteral("&Print…"), keys(QKeySequence::Print, Qt::CTRL | Qt::Key_P), "Print", [this] { print(); });
    add(file, QStringLiteral("&Export as PDF…"), Keys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)}, "ExportPdf",
        [this] { exportPdf(); });
    add(file, QStringLiteral("Export for sprea&dsheets…"), Keys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X)},
        "ExportXlsx", [this] { exportXlsx(); });
    file->addSeparator();
    add(file, QStringLiteral("&Close"), keys(QKeySequence::Close, Qt::CTRL | Qt::Key_W), "Close", [this] { close(); });

    QMenu *edit = bar->addMenu(QStringLiteral("&Edit"));
    QUndoStack &stack = m_sheet.undoStack();
    QAction *undo = add(edit, QStringLiteral("&Undo"), keys(QKeySequence::Undo, Qt::CTRL | Qt::Key_Z), "Undo",
                        [&stack] { stack.undo(); });
    // Ctrl+Y as well, as spreadsheets have it.
    Keys redoKeys = keys(QKeySequence::Redo, Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys << QKeySequence(Qt::CTRL | Qt::Key_Y);
    QAction *redo = add(edit, QStringLiteral("&Redo"), redoKeys, "Redo", [&stack] { stack.redo(); });
    // As QUndoStack's own actions show it, but entering what is typed first.
    const auto follow = [](QAction *action, const QString &prefix, bool can, const QString &text) {
        action->setEnabled(can);
        action->setText(text.isEmpty() ? prefix : prefix + u' ' + text);
    };
    connect(&stack, &QUndoStack::canUndoChanged, undo,
            [=, &stack](bool can) { follow(undo, QStringLiteral("&Undo"), can, stack.undoText()); });
    connect(&stack, &QUndoStack::undoTextChanged, undo,
            [=, &stack](const QString &text) { follow(undo, QStringLiteral("&Undo"), stack.canUndo(), text); });
    connect(&stack, &QUndoStack::canRedoChanged, redo,
            [=, &stack](bool can) { follow(redo, QStringLiteral("&Redo"), can, stack.redoText()); });
    connect(&stack, &QUndoStack::redoTextChanged, redo,
            [=, &stack](const QString &text) { follow(redo, QStringLiteral("&Redo"), stack.canRedo(), text); });
    follow(undo, QStringLiteral("&Undo"), false, {});
    follow(redo, QStringLiteral("&Redo"), false, {});
    edit->addSeparator();
    m_lineCommands << add(edit, QStringLiteral("&Copy lines"), keys(QKeySequence::Copy, Qt::CTRL | Qt::Key_C), "Copy",
                          [this] { copyLines(); });
    add(edit, QStringLiteral("&Paste take-off"), Keys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)}, "PasteTakeOff",
        [this] { pasteTakeOff(); });
    add(edit, QStringLiteral("&Find an item"),
        Keys{QKeySequence(Qt::CTRL | Qt::Key_L), QKeySequence(Qt::CTRL | Qt::Key_F)}, "FindItem", [this] {
            m_search->box()->setFocus(Qt::ShortcutFocusReason);
            m_search->box()->selectAll();
        });
    m_lineCommands << add(edit, QStringLiteral("&Delete lines"),
                          keys(QKeySequence::Delete, QKeyCombination(Qt::Key_Delete)), "Delete",
                          [this] { deleteLines(); });
    m_lineCommands << add(edit, QStringLiteral("Move line &up"), Keys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up)},
                          "MoveUp", [this] { moveCurrent(-1); });
    m_lineCommands << add(edit, QStringLiteral("Move line do&wn"),
                          Keys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down)}, "MoveDown",
                          [this] { moveCurrent(+1); });

    // The cutting plan's window, made on first use.
    QMenu *plan = bar->addMenu(QStringLiteral("&Plan"));
    add(plan, QStringLiteral("&Cutting plan…"), Keys{QKeySequence(Qt::CTRL | Qt::Key_T)}, "CuttingPlan", [this] {
        auto *window = findChild<CutPlanWindow *>();
        if (!window)
            window = new CutPlanWindow(m_sheet, m_dialogs, this);
        window->show();
        window->raise();
        window->activateWindow();
    });

    // Where a designation is in both editions of IS 808, which is meant.
    QMenu *settings = bar->addMenu(QStringLiteral("&Settings"));
    QAction *older = settings->addAction(QStringLiteral("Read designations as IS 808:&1964"));
    older->setObjectName(QStringLiteral("PreferOldEdition"));
    older->setCheckable(true);
    older->setChecked(!parseOptions().preferredEdition.isEmpty());
    connect(older, &QAction::toggled, this,
            [this](bool on) { setPreferredEdition(on ? QStringLiteral("IS 808:1964") : QString()); });
    QAction *figures = settings->addAction(QStringLiteral("&Figures…"));
    figures->setObjectName(QStringLiteral("FiguresSettings"));
    connect(figures, &QAction::triggered, this, [this] {
        commitTyping();
        editFigures();
    });

    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    add(help, QStringLiteral("&Keyboard shortcuts"), keys(QKeySequence::HelpContents, QKeyCombination(Qt::Key_F1)),
        "Keys", [this] { showKeys(); });
}

bool SheetWindow::newSheet()
{
    if (!askToSaveFirst())
        return false;
    m_sheet.replace({});
    m_path.clear();
    updateTitle();
    return true;
}

bool SheetWindow::openRecent(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        ForgetRecentFile(path);
        m_dialogs.fail(this,
                       QStringLiteral("%1 is no longer there; it is taken off the list of recent files.")
                           .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return askToSaveFirst() && openPath(path);
}

void SheetWindow::showKeys()
{
    QString rows = QStringLiteral("<tr><th colspan=\"2\" align=\"left\">The job sheet</th></tr>")
        + MenuKeyRows(findChild<QMenuBar *>());
    if (m_calculatorKeys)
        rows += QStringLiteral("<tr><th colspan=\"2\" align=\"left\">The calculator</th></tr>") + m_calculatorKeys();
    m_dialogs.inform(this, QStringLiteral("<table cellspacing=\"4\">%1</table>").arg(rows));
}

void SheetWindow::updateLineCommands()
{
    const bool any = m_sheet.rowCount() > 0 && !selectedRows().isEmpty();
    for (QAction *action : std::as_const(m_lineCommands))
        action->setEnabled(any);
}

} // namespace msweight
