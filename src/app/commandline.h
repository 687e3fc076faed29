// What the program is started with: a sheet file named on the command line,
// as the file manager names one through the desktop entry's %f.
#pragma once

#include <QStringList>

namespace msweight {

class UserForm1;

// The sheet file among `arguments` (the program's, its name first), or an
// empty text where none is named.
QString SheetFileArgument(const QStringList &arguments);

// Opens the sheet file named in `arguments`, if any, beside `form` once
// `form` has been placed and painted.
void OpenFromCommandLine(UserForm1 &form, const QStringList &arguments);

} // namespace msweight
