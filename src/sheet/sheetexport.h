// The sheet as others take it: a document for the printer and for PDF, and
// the cells of some lines for the clipboard. Both carry the texts the sheet
// shows.
#pragma once

#include "sheet/jobsheet.h"

#include <QDate>
#include <QTextDocument>

#include <memory>

class QMimeData;

namespace msweight {

// The job's name, the date, the lines and the totals, with no page size of
// its own, so that printing it numbers its pages.
std::unique_ptr<QTextDocument> SheetDocument(const JobSheet &sheet, QDate date);

// The cells of `rows` as tab-separated text and as an HTML table, which a
// spreadsheet pastes as cells.
std::unique_ptr<QMimeData> SheetCells(const JobSheet &sheet, QList<int> rows);

} // namespace msweight
