// The print module: the sheet's document to a printer or to a PDF file.
#include "sheet/printmodule.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

extern "C" Q_DECL_EXPORT int msweight_print_v1(msweight::PrintRequest *request)
{
    using msweight::PrintOutcome;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(request->title);
    if (!request->pdfPath.isEmpty()) {
        // The printer only warns when it cannot write; ask the file first.
        QFile file(request->pdfPath);
        if (!file.open(QIODevice::WriteOnly)) {
            request->error = file.errorString();
            return int(PrintOutcome::Failed);
        }
        file.close();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(request->pdfPath);
    } else {
        QPrintDialog dialog(&printer, request->parent);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        if (request->runDialog(dialog) != QDialog::Accepted)
            return int(PrintOutcome::Cancelled);
    }
    request->document->print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        request->error = QStringLiteral("the printer reported an error.");
        return int(PrintOutcome::Failed);
    }
    return int(PrintOutcome::Printed);
}
