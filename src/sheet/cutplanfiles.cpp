// The cutting plan's window on paper: print and export as PDF, the purchase
// list and the bars through the sheet's own page-by-page printout.
#include "sheet/cutplanwindow.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

namespace msweight {

bool CutPlanWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (m_dialogs.runDialog(dialog) != QDialog::Accepted)
        return false;
    const Printout printout = CutPlanPrintout(m_purchases, m_bars, m_sheet.jobName(), QDate::currentDate());
    if (PaintPrintout(printout, printer) != PaintOutcome::Painted || printer.printerState() == QPrinter::Error) {
        m_dialogs.fail(this, QStringLiteral("Cannot print the cutting plan."));
        return false;
    }
    return true;
}

bool CutPlanWindow::exportPdf()
{
    const QString job = m_sheet.jobName().isEmpty() ? QStringLiteral("Job") : m_sheet.jobName();
    QString path = m_dialogs.chooseFile(this,
                                        {true, QStringLiteral("Export the cutting plan as PDF"),
                                         QStringLiteral("PDF files (*.pdf)"), job + QStringLiteral(" cutting plan.pdf"),
                                         QStringLiteral("pdf")});
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    if (QFileInfo::exists(path)
        && !m_dialogs.askToReplace(
            this, QStringLiteral("%1 already exists. Do you want to replace it?").arg(QFileInfo(path).fileName())))
        return false;
    return exportPdfTo(path);
}

// Through a file written aside, as the sheet's export: a failed export
// leaves a file of that name as it was.
bool CutPlanWindow::exportPdfTo(const QString &path)
{
    const QString doing = QStringLiteral("Cannot export %1").arg(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_dialogs.fail(this, doing + QStringLiteral(": ") + file.errorString());
        return false;
    }
    PaintOutcome outcome;
    {
        QPdfWriter writer(&file);
        writer.setTitle(windowTitle());
        writer.setCreator(QStringLiteral("msweight"));
        writer.setPageOrientation(QPageLayout::Landscape);
        outcome = PaintPrintout(CutPlanPrintout(m_purchases, m_bars, m_sheet.jobName(), QDate::currentDate()), writer);
    }
    if (outcome != PaintOutcome::Painted || !file.commit()) {
        m_dialogs.fail(this, doing + QStringLiteral(": ") + file.errorString());
        return false;
    }
    return true;
}

} // namespace msweight
