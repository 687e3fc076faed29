// The sheet as others take it: the texts to print or export as PDF, and the
// cells of some lines for the clipboard. Both carry the texts the sheet
// shows.
#pragma once

#include "sheet/jobsheet.h"
#include "sheet/printout.h"

#include <QDate>

#include <memory>

class QMimeData;

namespace msweight {

// The job's name, the date and the sheet's rate, the lines as the sheet
// shows them, and the totals.
Printout SheetPrintout(const JobSheet &sheet, QDate date);

// The cells of `rows` as tab-separated text and as an HTML table, which a
// spreadsheet pastes as cells.
std::unique_ptr<QMimeData> SheetCells(const JobSheet &sheet, QList<int> rows);

// Rows of cells as tab-separated text, a tab or line break inside a cell
// made a space, and as an HTML table.
std::unique_ptr<QMimeData> CellsMimeData(const std::vector<QStringList> &rows);

} // namespace msweight
