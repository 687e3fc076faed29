// What the sheet and the print module, msweight_print, agree on. The module
// alone links Qt's print support, which would otherwise load with the
// program and slow its start; the sheet loads it on the first Print or
// Export PDF.
#pragma once

#include <QString>

#include <functional>

class QDialog;
class QTextDocument;
class QWidget;

namespace msweight {

struct PrintRequest
{
    QTextDocument *document = nullptr;
    QWidget *parent = nullptr;
    QString title;                           // the print job's name
    QString pdfPath;                         // empty: to a printer chosen in the print dialog
    std::function<int(QDialog &)> runDialog; // shows the print dialog, returns its result
    QString error;                           // why it failed
};

enum class PrintOutcome : int { Printed, Cancelled, Failed };

// The module's entry point: returns a PrintOutcome. Its name carries the
// version of PrintRequest, so that a module of another build is not called.
using PrintEntry = int (*)(PrintRequest *request);
inline constexpr char PrintEntryName[] = "msweight_print_v1";

} // namespace msweight
