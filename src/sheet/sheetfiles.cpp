// The job sheet window's commands on files: open, save, print and export as
// PDF, and the questions they ask.
#include "sheet/sheetexport.h"
#include "sheet/sheetfile.h"
#include "sheet/sheetkeys.h"
#include "sheet/sheetwindow.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QSaveFile>

namespace msweight {

namespace {

const char *const Caption = "Job sheet";

SheetWindow::Dialogs StandardDialogs()
{
    SheetWindow::Dialogs dialogs;
    dialogs.chooseFile = [](QWidget *parent, const SheetWindow::FileQuestion &question) {
        QFileDialog dialog(parent, question.title, question.suggested, question.filter);
        if (question.save) {
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setDefaultSuffix(question.suffix);
            // A native dialog asks about the name typed, before the suffix
            // is added; the window asks about the name it writes.
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        } else {
            dialog.setFileMode(QFileDialog::ExistingFile);
        }
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    dialogs.askToSave = [](QWidget *parent, const QString &question) {
        QMessageBox box(QMessageBox::Warning, QLatin1String(Caption), question,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Save);
        switch (box.exec()) {
        case QMessageBox::Save:
            return SheetWindow::Answer::Save;
        case QMessageBox::Discard:
            return SheetWindow::Answer::Discard;
        default:
            return SheetWindow::Answer::Cancel;
        }
    };
    dialogs.askToReplace = [](QWidget *parent, const QString &question) {
        return QMessageBox::warning(parent, QLatin1String(Caption), question, QMessageBox::Yes | QMessageBox::No,
                                    QMessageBox::No)
            == QMessageBox::Yes;
    };
    dialogs.inform = [](QWidget *parent, const QString &message) {
        QMessageBox::information(parent, QLatin1String(Caption), message);
    };
    dialogs.fail = [](QWidget *parent, const QString &message) {
        QMessageBox::critical(parent, QLatin1String(Caption), message);
    };
    dialogs.runDialog = [](QDialog &dialog) { return dialog.exec(); };
    return dialogs;
}

QString WithSuffix(QString path, const QString &suffix)
{
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += u'.' + suffix;
    return path;
}

} // namespace

void SheetWindow::setDialogs(Dialogs dialogs)
{
    const Dialogs standard = StandardDialogs();
    const auto keep = [](auto &mine, auto &given, const auto &fallback) {
        if (given)
            mine = std::move(given);
        else if (!mine)
            mine = fallback;
    };
    keep(m_dialogs.chooseFile, dialogs.chooseFile, standard.chooseFile);
    keep(m_dialogs.askToSave, dialogs.askToSave, standard.askToSave);
    keep(m_dialogs.askToReplace, dialogs.askToReplace, standard.askToReplace);
    keep(m_dialogs.inform, dialogs.inform, standard.inform);
    keep(m_dialogs.fail, dialogs.fail, standard.fail);
    keep(m_dialogs.runDialog, dialogs.runDialog, standard.runDialog);
}

bool SheetWindow::askToSaveFirst()
{
    commitTyping();
    if (m_sheet.undoStack().isClean())
        return true;
    const QString job = m_sheet.jobName().isEmpty() ? QStringLiteral("the job sheet")
                                                    : QStringLiteral("the job sheet \"%1\"").arg(m_sheet.jobName());
    switch (m_dialogs.askToSave(this, QStringLiteral("The changes to %1 are not saved. Save them?").arg(job))) {
    case Answer::Save:
        return save();
    case Answer::Discard:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

bool SheetWindow::mayClose()
{
    if (!askToSaveFirst())
        return false;
    if (!m_sheet.undoStack().isClean()) { // discarded
        m_sheet.replace({});
        m_path.clear();
        updateTitle();
    }
    return true;
}

// The name chosen with its suffix, once the user has agreed to replace a
// file of that name; empty when cancelled.
QString SheetWindow::chooseSavePath(const QString &title, const QString &filter, const QString &suffix,
                                    const QString &suggested)
{
    const QString path = WithSuffix(m_dialogs.chooseFile(this, {true, title, filter, suggested, suffix}), suffix);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return path;
    const QString question
        = QStringLiteral("%1 already exists. Do you want to replace it?").arg(QFileInfo(path).fileName());
    return m_dialogs.askToReplace(this, question) ? path : QString();
}

bool SheetWindow::openFile()
{
    if (!askToSaveFirst())
        return false;
    const QString path = m_dialogs.chooseFile(this,
                                              {false,
                                               QStringLiteral("Open a job sheet"),
                                               QStringLiteral("Job sheets (*.csv);;All files (*)"),
                                               QFileInfo(m_path).path(),
                                               {}});
    return !path.isEmpty() && openPath(path);
}

bool SheetWindow::openPath(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_dialogs.fail(this, QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
        return false;
    }
    // A long file shows how far it has come and can be given up; the sheet
    // stays as it was until the whole file is read.
    QProgressDialog progress(QStringLiteral("Opening %1…").arg(QFileInfo(path).fileName()), QStringLiteral("Cancel"), 0,
                             1000, this);
    progress.setWindowTitle(QLatin1String(Caption));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    auto read = ReadSheet(file.readAll(), m_sheet.separator(), [&progress](qint64 done, qint64 total) {
        progress.setValue(int(done * 1000 / std::max<qint64>(total, 1)));
        return !progress.wasCanceled();
    });
    progress.reset();
    file.close();
    if (std::holds_alternative<ReadCancelled>(read))
        return false;
    if (const QString *why = std::get_if<QString>(&read)) {
        m_dialogs.fail(this, QStringLiteral("Cannot open %1.\n%2").arg(path, *why));
        return false;
    }
    SheetFile &opened = std::get<SheetFile>(read);
    m_sheet.replace(std::move(opened.contents));
    m_path = path;
    RememberRecentFile(path);
    updateTitle();
    if (!opened.reworked.isEmpty()) {
        // The corrected weights are a change to save.
        m_sheet.undoStack().resetClean();
        QStringList lines;
        for (qsizetype i = 0; i < std::min<qsizetype>(opened.reworked.size(), 10); ++i)
            lines << QString::number(opened.reworked[i]);
        if (opened.reworked.size() > 10)
            lines << QStringLiteral("and %1 more").arg(opened.reworked.size() - 10);
        m_dialogs.inform(this,
                         QStringLiteral("In %1 the weight of line %2 did not agree with its inputs; the sheet "
                                        "shows the weight worked out from the inputs. Save the sheet to keep "
                                        "the corrected weights.")
                             .arg(path, lines.join(QLatin1String(", "))));
    }
    return true;
}

bool SheetWindow::save()
{
    return m_path.isEmpty() ? saveAs() : saveTo(m_path);
}

bool SheetWindow::saveAs()
{
    const QString suggested = m_path.isEmpty()
        ? (m_sheet.jobName().isEmpty() ? QStringLiteral("Job sheet") : m_sheet.jobName()) + ".csv"
        : m_path;
    const QString path = chooseSavePath(QStringLiteral("Save the job sheet"), QStringLiteral("Job sheets (*.csv)"),
                                        QStringLiteral("csv"), suggested);
    return !path.isEmpty() && saveTo(path);
}

// Whole or not at all: the old file stays as it was until the new one is
// complete.
bool SheetWindow::saveTo(const QString &path)
{
    commitTyping();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(WriteSheet(m_sheet.contents(), m_sheet.separator())) < 0
        || !file.commit()) {
        m_dialogs.fail(this, QStringLiteral("Cannot save %1: %2").arg(path, file.errorString()));
        return false;
    }
    m_path = path;
    RememberRecentFile(path);
    m_sheet.undoStack().setClean();
    updateTitle();
    return true;
}

bool SheetWindow::print()
{
    commitTyping();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle().remove(QLatin1String("[*]")));
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (m_dialogs.runDialog(dialog) != QDialog::Accepted)
        return false;
    if (!paint(printer, QStringLiteral("Cannot print"), [&printer] { printer.abort(); }))
        return false;
    if (printer.printerState() == QPrinter::Error) {
        m_dialogs.fail(this, QStringLiteral("Cannot print: the printer reported an error."));
        return false;
    }
    return true;
}

bool SheetWindow::exportPdf()
{
    const QString base = m_path.isEmpty()
        ? (m_sheet.jobName().isEmpty() ? QStringLiteral("Job sheet") : m_sheet.jobName())
        : QFileInfo(m_path).path() + u'/' + QFileInfo(m_path).completeBaseName();
    const QString path = chooseSavePath(QStringLiteral("Export the job sheet as PDF"),
                                        QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf"), base + ".pdf");
    return !path.isEmpty() && exportPdfTo(path);
}

// Through a file written aside: a failed or cancelled export leaves a file
// of that name as it was.
bool SheetWindow::exportPdfTo(const QString &path)
{
    commitTyping();
    const QString doing = QStringLiteral("Cannot export %1").arg(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_dialogs.fail(this, doing + QStringLiteral(": ") + file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(m_sheet.jobName());
        writer.setCreator(QStringLiteral("msweight"));
        writer.setPageOrientation(QPageLayout::Landscape);
        if (!paint(writer, doing))
            return false; // the file is given up as it goes
    }                     // the writer finishes the PDF as it goes
    if (!file.commit()) {
        m_dialogs.fail(this, doing + QStringLiteral(": ") + file.errorString());
        return false;
    }
    return true;
}

// Page by page, with a dialog that shows how far it has come and can cancel;
// the window's other events are handled between pages.
bool SheetWindow::paint(QPagedPaintDevice &device, const QString &doing, const std::function<void()> &abort)
{
    QProgressDialog progress(QStringLiteral("Laying out the sheet…"), QStringLiteral("Cancel"), 0, 1, this);
    progress.setWindowTitle(QLatin1String(Caption));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    const PaintOutcome outcome
        = PaintPrintout(SheetPrintout(m_sheet, QDate::currentDate()), device, [&](int done, int pages) {
              progress.setMaximum(pages);
              progress.setLabelText(QStringLiteral("Page %1 of %2").arg(done + 1).arg(pages));
              progress.setValue(done);
              if (!progress.wasCanceled())
                  return true;
              if (abort)
                  abort();
              return false;
          });
    progress.reset();
    if (outcome == PaintOutcome::Failed)
        m_dialogs.fail(this, doing + QStringLiteral(": the page has no room for the sheet's lines."));
    return outcome == PaintOutcome::Painted;
}

} // namespace msweight
