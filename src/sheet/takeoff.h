// A take-off: the rows an estimator copies from a spreadsheet or saves as
// CSV, each a designation, a length in metres, a quantity and optionally a
// mark and a material, read into sheet lines by the item parser. All rows or
// none: a take-off with a row not understood adds nothing, and says which.
#pragma once

#include "catalogue/itemparser.h"
#include "sheet/csv.h"
#include "sheet/sheetline.h"

#include <span>

namespace msweight {

struct TakeOffFault
{
    int row;      // as the file or the paste counts its lines, from 1
    QString text; // the row's designation, or the cell at fault
    QString reason;
};

struct TakeOff
{
    std::vector<SheetLine> lines;     // none where a row is at fault
    std::vector<TakeOffFault> faults; // in the order of the rows
};

// The rows' cells, a first row of column names skipped; numbers may be
// written with `separator` or with '.', and are kept with `separator`.
TakeOff ReadTakeOff(std::span<const CsvRecord> rows, QStringView separator, const ParseOptions &options = {});

// A CSV file's rows (UTF-8, a byte order mark or not).
TakeOff ReadTakeOffCsv(const QByteArray &file, QStringView separator, const ParseOptions &options = {});

// Cells copied from a spreadsheet: tab-separated, a row a line.
TakeOff ReadTakeOffText(QStringView text, QStringView separator, const ParseOptions &options = {});

// Why a take-off was refused, its first `shown` faults a line each:
// "Row 3, \"ISMB 201\": ...".
QString TakeOffMessage(const TakeOff &takeOff, std::size_t shown = 5);

} // namespace msweight
