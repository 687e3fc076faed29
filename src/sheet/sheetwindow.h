// The job sheet's window: the lines in a table, the current line's inputs in
// labelled boxes, the totals, and the commands on the sheet, each with a key.
// Made on first use, never at the program's start.
#pragma once

#include "sheet/jobsheet.h"

#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTableView;
class QTextDocument;

namespace msweight {

class SheetWindow : public QWidget
{
    Q_OBJECT

public:
    enum class Answer { Save, Discard, Cancel };

    // The dialogs the window asks through; tests put their own in their place
    // so that nothing waits for a modal dialog.
    struct Dialogs
    {
        // A file to open, or to save to when `save`; empty when cancelled.
        std::function<QString(QWidget *parent, bool save, const QString &title, const QString &filter,
                              const QString &suggested)>
            chooseFile;
        std::function<Answer(QWidget *parent, const QString &question)> askToSave;
        std::function<void(QWidget *parent, const QString &message)> inform;
        std::function<void(QWidget *parent, const QString &message)> fail;
        std::function<int(QDialog &dialog)> runDialog; // the print dialog
    };

    explicit SheetWindow(QWidget *parent = nullptr);
    ~SheetWindow() override;

    JobSheet &sheet() { return m_sheet; }
    // Members left empty keep the window's own dialogs.
    void setDialogs(Dialogs dialogs);

    // Shows, raises and activates the window, placed beside `calculator`
    // without covering it.
    void showBeside(const QWidget *calculator);

    // Each returns false when the user cancelled or it failed, having told
    // the user why.
    bool openFile();
    bool save();
    bool saveAs();
    bool print();
    bool exportPdf();
    // Asks to save unsaved changes (Save, Discard, Cancel); Discard empties
    // the sheet. True when the sheet may go.
    bool mayClose();

    bool openPath(const QString &path);
    bool saveTo(const QString &path);
    bool exportPdfTo(const QString &path);
    const QString &filePath() const { return m_path; }

    // Where the print module is looked for, the first that exists:
    // $MSWEIGHT_PRINT_MODULE, beside the program, then where it is installed.
    static QStringList printModulePaths();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void commitPending();
    bool askToSaveFirst();
    bool printRequest(const QString &pdfPath);
    void copyLines();
    void deleteLines();
    void moveCurrent(int step);
    QList<int> selectedRows() const;
    int currentRow() const;
    void showLine(int row);
    void commitInput(std::size_t input);
    void commitLineRate();
    void showTotals();
    void updateTitle();

    JobSheet m_sheet;
    Dialogs m_dialogs;
    QString m_path;

    QLineEdit *m_job;
    QLineEdit *m_rate;
    QTableView *m_view;
    QGroupBox *m_line;
    std::array<QLabel *, 6> m_inputLabels{};
    std::array<QLineEdit *, 6> m_inputs{};
    QLineEdit *m_lineRate;
    QLabel *m_lineFault;
    QLabel *m_weightTotal;
    QLabel *m_amountTotal;
    int m_shownRow = -1; // the line the boxes hold
};

} // namespace msweight
