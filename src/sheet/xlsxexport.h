// The job sheet as a workbook for spreadsheets (Office Open XML, .xlsx):
// numbers stored as numbers, so that a spreadsheet in any locale reads them
// as it writes them, which the CSV cannot promise; the job and the rate at
// the top, the lines as the sheet shows them, a totals row of formulas. The
// CSV stays the sheet's own file: this is for others to take.
#pragma once

#include "sheet/jobsheet.h"

namespace msweight {

// The rows above the lines: the job, the rate, a blank row and the column
// names; the lines start on the row after (1-based, as a spreadsheet counts).
inline constexpr int XlsxFirstLineRow = 5;

// Writes `sheet` to `path` whole or not at all: a failure leaves a file
// there as it was. Empty on success, else why it failed.
QString ExportXlsx(const JobSheet &sheet, const QString &path);

} // namespace msweight
