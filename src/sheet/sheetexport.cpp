#include "sheet/sheetexport.h"

#include "sheet/summary.h"

#include <QLocale>
#include <QMimeData>

#include <algorithm>

namespace msweight {

namespace {

QString Cell(const JobSheet &sheet, int row, int column)
{
    return sheet.data(sheet.index(row, column)).toString();
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

std::unique_ptr<QTextDocument> SheetDocument(const JobSheet &sheet, QDate date)
{
    const QString job = sheet.jobName().isEmpty() ? QStringLiteral("Job sheet") : sheet.jobName();
    QString html;
    html.reserve(sheet.rowCount() * 400 + 1024);
    html += QStringLiteral("<html><body><h2>%1</h2><p>%2</p>")
                .arg(job.toHtmlEscaped(), QLocale().toString(date, QLocale::LongFormat).toHtmlEscaped());
    if (!sheet.sheetRate().isEmpty())
        html += QStringLiteral("<p>Rate per kg: %1</p>").arg(sheet.sheetRate().toHtmlEscaped());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><thead><tr>");
    for (int c = 0; c < JobSheet::ColumnCount; ++c)
        html += QStringLiteral("<th>%1</th>").arg(Header(sheet, c).toHtmlEscaped());
    html += QStringLiteral("</tr></thead>");
    for (int r = 0; r < sheet.rowCount(); ++r) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < JobSheet::ColumnCount; ++c) {
            html += IsNumber(c) ? QStringLiteral("<td align=\"right\">") : QStringLiteral("<td>");
            html += Cell(sheet, r, c).toHtmlEscaped();
            html += QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table><p><b>%1</b><br><b>%2</b></p>")
                .arg(sheet.weightTotalText().toHtmlEscaped(), sheet.amountTotalText().toHtmlEscaped());
    SheetSummary summary(sheet);
    html += SummaryHtml(summary) + QStringLiteral("</body></html>");

    auto document = std::make_unique<QTextDocument>();
    document->setMetaInformation(QTextDocument::DocumentTitle, job);
    document->setHtml(html);
    return document;
}

std::unique_ptr<QMimeData> SheetCells(const JobSheet &sheet, QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    QString tsv;
    QString html = QStringLiteral("<table>");
    for (int row : rows) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < JobSheet::ColumnCount; ++c) {
            QString cell = Cell(sheet, row, c);
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

} // namespace msweight
