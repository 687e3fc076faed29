// Keys that do what the menus say: a box's own undo only while its text is
// still being typed, the list of every command's keys, and the files opened
// last.
#pragma once

#include <QString>
#include <QStringList>

class QLineEdit;
class QMenuBar;

namespace msweight {

// Once what `box` holds has gone into the sheet (editingFinished), its own
// undo history goes, and Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y are the window's
// whenever the box has nothing of its own to undo or redo.
void LeaveUndoToWindow(QLineEdit *box);

// Rows of an HTML table, one for each command of `bar` that has keys: its
// keys, then what it does.
QString MenuKeyRows(const QMenuBar *bar);
QString KeyRow(const QString &keys, const QString &what);

// The sheet files opened or saved last, the newest first; at most
// MaxRecentFiles, kept in the settings.
constexpr int MaxRecentFiles = 8;
QStringList RecentFiles();
void RememberRecentFile(const QString &path);
void ForgetRecentFile(const QString &path);

} // namespace msweight
