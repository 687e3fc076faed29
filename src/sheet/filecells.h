// How a text as typed goes into a cell of the sheet's file and comes back
// from it: the same text under either decimal separator, and never a cell
// that a spreadsheet runs as a formula.
#pragma once

#include <QString>

namespace msweight {

// A spreadsheet takes a cell that begins with one of "=+-@", a tab, a
// carriage return or an apostrophe as a formula; an apostrophe before it
// keeps it text, and is taken off when read.
QString TextCell(const QString &text);
QString ReadTextCell(const QString &cell);

// A number as typed goes in with '.'; any other text stays text, after an
// apostrophe where it would be read as a formula or as a number.
QString NumberCell(const QString &typed, QStringView separator);
QString ReadNumberCell(const QString &cell, QStringView separator);

// A list of lengths as the cutting settings take them ("12, 6",
// "12,5 x 4; 6") goes in as QSettings keeps it: '.' for the decimals and ';'
// between the items, read the same under either separator. A text that
// would not come back as typed goes in as typed, after an apostrophe.
QString ListCell(const QString &typed, QStringView separator);
QString ReadListCell(const QString &cell, QStringView separator);

} // namespace msweight
