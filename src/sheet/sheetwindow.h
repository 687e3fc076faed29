// The job sheet's window: the lines in a table, the current line's inputs in
// labelled boxes, the totals, and the commands on the sheet, each with a key.
// Made on first use, never at the program's start.
#pragma once

#include "catalogue/itemparser.h"
#include "sheet/jobsheet.h"
#include "sheet/summary.h"

#include <QWidget>

#include <functional>

class QAction;
class QBoxLayout;
class QComboBox;
class QScrollArea;
class QDialog;
class QMenu;
class QLabel;
class QLineEdit;
class QPagedPaintDevice;
class QTabWidget;
class QTableView;

namespace msweight {

class ItemSearch;
class LineEditor;
struct TakeOff;

class SheetWindow : public QWidget
{
    Q_OBJECT

public:
    enum class Answer { Save, Discard, Cancel };

    // What the window asks a file dialog.
    struct FileQuestion
    {
        bool save;
        QString title;
        QString filter;
        QString suggested; // a file or folder to start from
        QString suffix;    // saving: the suffix a name without one is given
    };

    // The dialogs the window asks through; tests put their own in their place
    // so that nothing waits for a modal dialog.
    struct Dialogs
    {
        // The file chosen, or empty when cancelled. A save dialog does not ask
        // about a file that exists: the window asks, on the name with its
        // suffix.
        std::function<QString(QWidget *parent, const FileQuestion &question)> chooseFile;
        std::function<Answer(QWidget *parent, const QString &question)> askToSave;
        std::function<bool(QWidget *parent, const QString &question)> askToReplace;
        std::function<void(QWidget *parent, const QString &message)> inform;
        std::function<void(QWidget *parent, const QString &message)> fail;
        std::function<int(QDialog &dialog)> runDialog; // the print and the figures dialogs
    };

    explicit SheetWindow(QWidget *parent = nullptr);
    ~SheetWindow() override;

    JobSheet &sheet() { return m_sheet; }
    // Members left empty keep the window's own dialogs.
    void setDialogs(Dialogs dialogs);

    // Shows, raises and activates the window, placed beside `calculator`
    // without covering it.
    void showBeside(const QWidget *calculator);

    // Enters into the sheet what is being typed in any of the window's boxes
    // and not yet entered. Every command does this first.
    void commitTyping();

    // Each returns false when the user cancelled or it failed, having told
    // the user why.
    bool openFile();
    // Asks to save first; then an empty sheet with no file.
    bool newSheet();
    // A file of File → Open recent; one no longer there says so and leaves
    // the list.
    bool openRecent(const QString &path);
    bool save();
    bool saveAs();
    bool print();
    bool exportPdf();
    // The sheet as a workbook for spreadsheets (xlsxexport.h).
    bool exportXlsx();
    // How weights and amounts are shown, in a dialog; kept in the settings.
    bool editFigures();
    // Asks to save unsaved changes (Save, Discard, Cancel); Discard empties
    // the sheet. True when the sheet may go.
    bool mayClose();

    bool openPath(const QString &path);
    bool saveTo(const QString &path);
    bool exportPdfTo(const QString &path);
    bool exportXlsxTo(const QString &path);
    const QString &filePath() const { return m_path; }

    // A take-off's rows as lines, all or none (takeoff.h): from a CSV file
    // chosen, or from cells on the clipboard.
    bool importTakeOff();
    bool importTakeOffFrom(const QString &path);
    bool pasteTakeOff();

    SheetSummary &summary() { return m_summary; }

    // Rows of the calculator's keys (sheetkeys.h's KeyRow) for the list that
    // F1 shows beside the sheet's own.
    void setCalculatorKeys(std::function<QString()> rows) { m_calculatorKeys = std::move(rows); }
    // The keys of the sheet's commands and the calculator's, through the
    // Dialogs' inform.
    void showKeys();
    // The edition a designation of both editions of IS 808 is read in:
    // empty for the newest; kept in the settings.
    ParseOptions parseOptions() const;
    void setPreferredEdition(const QString &edition);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildMenus();
    QComboBox *newRateUnitBox();
    bool askToSaveFirst();
    QString chooseSavePath(const QString &title, const QString &filter, const QString &suffix,
                           const QString &suggested);
    bool paint(QPagedPaintDevice &device, const QString &doing, const std::function<void()> &abort = {});
    void buildItemMenus(QMenu *file, QMenu *edit);
    bool addTakeOff(const TakeOff &takeOff, const QString &from);
    void addItem(const Item &item);
    void copyLines();
    void deleteLines();
    void moveCurrent(int step);
    QList<int> selectedRows() const;
    int currentRow() const;
    void showTotals();
    void updateLineCommands();
    void placeLine();
    void updateTitle();

    JobSheet m_sheet;
    SheetSummary m_summary{m_sheet};
    Dialogs m_dialogs;
    QString m_path;
    std::function<QString()> m_calculatorKeys;
    QList<QAction *> m_lineCommands; // Copy, Delete and Move: only with a line to act on

    QLineEdit *m_job;
    QLineEdit *m_rate;
    QComboBox *m_rateUnit;
    QTableView *m_view;
    QTabWidget *m_tabs;
    QTableView *m_summaryView;
    ItemSearch *m_search;
    LineEditor *m_line;
    QBoxLayout *m_middle;
    QScrollArea *m_side;
    QLabel *m_weightTotal;
    QLabel *m_amountTotal;
};

} // namespace msweight
