// Makes the window's tab control, pages and controls from the layout tables.
#pragma once

#include <QFont>
#include <QHash>
#include <QString>

#include <string_view>

class QWidget;

namespace msweight {

// The layout's and catalogue's texts, all ASCII, as the toolkit's strings.
QString ToQString(std::string_view text);

// Builds MultiPage1 with its eight pages and 267 controls inside `window`,
// sized to the fixed client area, with the "ISMB" page in front, and gives
// `window` the light colours the layout is drawn for, whatever the desktop's.
// Returns the controls by object name.
QHash<QString, QWidget *> BuildForm(QWidget *window);

// Makes Tahoma available: the installed face, or the metric-compatible one
// that Debian's fonts-wine ships. Call before any font is used.
void EnsureTahoma();

// Tahoma at the form's 8.25 points, with every property set: the window's,
// the tabs' and the application's font.
QFont FormFont();

} // namespace msweight
