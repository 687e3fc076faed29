#include "sheet/sheetexport.h"

#include "sheet/summary.h"

#include <QLocale>
#include <QMimeData>

#include <algorithm>

namespace msweight {

namespace {

// As the sheet shows it, for the printout.
QString Shown(const JobSheet &sheet, int row, int column)
{
    return sheet.data(sheet.index(row, column)).toString();
}

// As a spreadsheet takes it: figures exact and ungrouped, with the locale's
// separator, which it reads as numbers; grouped ones it reads as text.
QString Cell(const JobSheet &sheet, int row, int column)
{
    return sheet.data(sheet.index(row, column), JobSheet::ExactRole).toString();
}

QString Header(const JobSheet &sheet, int column)
{
    return sheet.headerData(column, Qt::Horizontal).toString();
}

bool IsNumber(int column)
{
    return column >= JobSheet::QuantityColumn && column <= JobSheet::AmountColumn;
}

} // namespace

Printout SheetPrintout(const JobSheet &sheet, QDate date)
{
    Printout printout{sheet.jobName().isEmpty() ? QStringLiteral("Job sheet") : sheet.jobName(),
                      {QLocale().toString(date, QLocale::LongFormat)},
                      {},
                      {},
                      {},
                      {sheet.weightTotalText(), sheet.amountTotalText()},
                      {}};
    if (!sheet.sheetRate().isEmpty())
        printout.preamble << sheet.rateCaption() + QStringLiteral(": ") + sheet.sheetRate();
    for (int c = 0; c < JobSheet::ColumnCount; ++c) {
        printout.headers << Header(sheet, c);
        printout.alignments.push_back(IsNumber(c) ? Qt::AlignRight : Qt::AlignLeft);
    }
    printout.rows.reserve(std::size_t(sheet.rowCount()));
    for (int r = 0; r < sheet.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < JobSheet::ColumnCount; ++c)
            cells << Shown(sheet, r, c);
        printout.rows.push_back(std::move(cells));
    }
    // The totals by section: what is sent to a supplier.
    SheetSummary summary(sheet);
    summary.refresh();
    SummaryText text = SummaryCellsText(summary, Qt::DisplayRole);
    PrintTable &table = printout.after.emplace_back(
        PrintTable{QStringLiteral("Totals by section"), std::move(text.header), {}, std::move(text.rows)});
    for (int c = 0; c < SheetSummary::ColumnCount; ++c)
        table.alignments.push_back(c >= SheetSummary::PiecesColumn ? Qt::AlignRight : Qt::AlignLeft);
    return printout;
}

std::unique_ptr<QMimeData> CellsMimeData(const std::vector<QStringList> &rows)
{
    QString tsv;
    QString html = QStringLiteral("<table>");
    for (const QStringList &row : rows) {
        html += QStringLiteral("<tr>");
        for (qsizetype c = 0; c < row.size(); ++c) {
            QString cell = row[c];
            html += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
            // A tab or a line break would start another cell.
            for (QChar &ch : cell) {
                if (ch == u'\t' || ch == u'\n' || ch == u'\r')
                    ch = u' ';
            }
            if (c > 0)
                tsv += u'\t';
            tsv += cell;
        }
        html += QStringLiteral("</tr>");
        tsv += u'\n';
    }
    html += QStringLiteral("</table>");
    auto mime = std::make_unique<QMimeData>();
    mime->setText(tsv);
    mime->setHtml(html);
    return mime;
}

std::unique_ptr<QMimeData> SheetCells(const JobSheet &sheet, QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    std::vector<QStringList> cells;
    cells.reserve(std::size_t(rows.size()));
    for (int row : rows) {
        QStringList &line = cells.emplace_back();
        for (int c = 0; c < JobSheet::ColumnCount; ++c)
            line << Cell(sheet, row, c);
    }
    return CellsMimeData(cells);
}

} // namespace msweight
