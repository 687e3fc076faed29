// The job sheet on paper: its texts laid out as a table and painted page by
// page with QPainter. A QTextDocument of the same table takes seconds for a
// few thousand lines; this takes a small part of that, and says how far it
// has come between pages so that a dialog can show it and cancel.
//
// Qt Gui only: a QPdfWriter and a QPrinter are both QPagedPaintDevices.
#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

#include <functional>
#include <vector>

class QPagedPaintDevice;

namespace msweight {

// A table after the sheet's: its heading, column headings and cells.
struct PrintTable
{
    QString heading;
    QStringList headers;
    std::vector<Qt::Alignment> alignments; // per column; left where missing
    std::vector<QStringList> rows;
};

// What is printed: plain texts, made by the sheet from what it shows.
struct Printout
{
    QString title;                         // the job's name
    QStringList preamble;                  // lines under the title: the date, "Rate per kg: 12.5"
    QStringList headers;                   // column headings
    std::vector<Qt::Alignment> alignments; // per column; left where missing
    std::vector<QStringList> rows;         // cells, one list per line
    QStringList footer;                    // the totals, bold
    std::vector<PrintTable> after;         // each from a new page, under its heading
};

enum class PaintOutcome { Painted, Cancelled, Failed };

// Called before the first page with (0, pageCount) and after each page;
// returns false to cancel.
using PrintProgress = std::function<bool(int pagesDone, int pageCount)>;

// Paints `printout` on `device` in the device's own page layout and
// resolution: the title and preamble on the first page, the headings at the
// top of every page, the footer after the last line and "Page 3 of 41" at
// the foot of each page. Columns take the width of their texts, the widest
// narrowed until the table fits the page; a cell wider than its column
// wraps within its line, so that no text is lost. A line is kept on one
// page unless it is taller than a page.
//
// Failed: the device would not paint or take another page, or its page has
// no room for the headings and a line. A QPdfWriter does not tell when its
// QIODevice cannot be written: the QSaveFile it writes to does, on commit.
//
// The painter ends on every outcome, so a QPdfWriter has written what was
// painted so far: write the PDF through a QSaveFile and commit it only when
// the outcome is Painted. A QPrinter's caller aborts the print job from
// `progress` before returning false.
PaintOutcome PaintPrintout(const Printout &printout, QPagedPaintDevice &device, const PrintProgress &progress = {});

} // namespace msweight
