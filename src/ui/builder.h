// Makes the window's tab control, pages and controls from the layout tables.
#pragma once

#include "ui/layout.h"

#include <QFont>
#include <QKeySequence>
#include <QString>
#include <QWidget>

#include <span>
#include <string_view>
#include <unordered_map>

namespace msweight {

// The most characters an input box takes. A text box lays out its whole text
// at every keystroke and click; up to this length it answers within a few
// milliseconds, and far longer pastes would freeze the window for seconds.
// A longer paste or entry is refused whole (QLineEdit::inputRejected).
inline constexpr qsizetype MaxBoxText = 32767;

// The layout's and catalogue's texts, all ASCII, as the toolkit's strings.
QString ToQString(std::string_view text);

// The window's controls by name; the names are the layout table's own.
using ControlMap = std::unordered_map<std::string_view, QWidget *>;

// Builds MultiPage1 with its eight pages and the controls of `table` inside
// `window`, sized to the fixed client area, with the "ISMB" page in front and
// the focus in its first box, and gives `window` the light colours the layout
// is drawn for, whatever the desktop's. Returns the controls by object name.
// A name the tables use but do not define stops the program, naming it.
ControlMap BuildForm(QWidget *window, std::span<const ControlSpec> table = Controls());

QWidget *ResolveControl(const ControlMap &controls, std::string_view name, const char *kind, bool (*isKind)(QWidget *));

// The control named `name`, of the kind `Control`; a control missing from
// the window is a programming error, and stops the program naming it.
template<typename Control>
Control *Resolve(const ControlMap &controls, std::string_view name)
{
    return static_cast<Control *>(
        ResolveControl(controls, name, Control::staticMetaObject.className(),
                       [](QWidget *widget) { return qobject_cast<Control *>(widget) != nullptr; }));
}

// Makes Tahoma available: the installed face, or the metric-compatible one
// that Debian's fonts-wine ships. Call before any font is used.
void EnsureTahoma();

// The desktop's keys for a standard command, or `common` where it binds none
// (Save As has none outside KDE and GNOME).
QList<QKeySequence> StandardKeys(QKeySequence::StandardKey key, QKeyCombination common);

// Tahoma at the form's 8.25 points, with every property set: the window's,
// the tabs' and the application's font.
QFont FormFont();

} // namespace msweight
