// The job sheet's window as a user meets it, offscreen: typing in the table
// and the line's boxes, undo and redo by key, the close prompt, saving that
// fails, files that are refused or corrected, print and PDF read back with
// pdftotext, copying, and where the window opens. Dialogs are answered by
// the test's own hooks.
#include "sheet/sheetfile.h"
#include "sheet/sheetkeys.h"
#include "sheet/sheetwindow.h"
#include "sheetrows.h"
#include "ui/layout.h"

#include <QClipboard>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolTip>
#include <QtTest>

#include <memory>

using namespace msweight;
using namespace Qt::StringLiterals;

namespace {

// The offscreen platform says, each time a window changes, what it cannot do.
QtMessageHandler ShownMessages = nullptr;
void QuietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(u"This plugin does not support"_s))
        ShownMessages(type, context, message);
}

} // namespace

class TestSheetWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ShownMessages = qInstallMessageHandler(QuietPlatform);
        QStandardPaths::setTestModeEnabled(true); // the edition chosen is not the user's
    }
    void init();
    void cleanup();

    void typingEditsALine();
    void everyCommandHasAKey();
    void tabReachesEveryPart();
    void savesWhatIsBeingTyped();
    void closePrompt_data();
    void closePrompt();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void asksBeforeReplacing_data();
    void asksBeforeReplacing();
    void commandsKeepWhatIsTyped_data();
    void commandsKeepWhatIsTyped();
    void openRefusesABadFile();
    void openReworksADisagreeingWeight();
    void printAndPdf_data();
    void printAndPdf();
    void copyGivesCells();
    void searchAddsALine_data();
    void searchAddsALine();
    void takeOff_data();
    void takeOff();
    void opensBesideTheCalculator_data();
    void opensBesideTheCalculator();
    void weightsInView_data();
    void weightsInView();
    void keys_data();
    void keys();
    void recentFiles();
    void inputsAsThePageShows_data();
    void inputsAsThePageShows();

private:
    template<typename T = QWidget>
    T *part(const char *name) const
    {
        T *widget = window->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no %s in the sheet's window", name);
        return widget;
    }
    QString text(const char *label) const { return part<QLabel>(label)->text(); }
    QString cell(int row, int column) const { return sheet().index(row, column).data().toString(); }
    JobSheet &sheet() const { return window->sheet(); }
    void addChannelAndBeam() const
    {
        sheet().addLine(*CalculationNamed(u"ISMC channel"), FindRow("OptionButton1").row, {u"6"_s, u"10"_s});
        sheet().addLine(*CalculationNamed(u"ISMB beam"), FindRow("OptionButton12").row, {u"12"_s, u"3"_s});
    }
    // Replaces a box's text by typing, then leaves it with Tab.
    static void type(QWidget *box, const QString &text)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
    }

    std::unique_ptr<SheetWindow> window;
    QTemporaryDir dir;
    QString chosenFile;
    SheetWindow::Answer answer = SheetWindow::Answer::Cancel;
    std::function<int(QDialog &)> printDialog;
    QStringList questions, informed, failures, asked;
    bool replace = false;
};

void TestSheetWindow::init()
{
    questions.clear();
    asked.clear();
    replace = false;
    informed.clear();
    failures.clear();
    chosenFile.clear();
    printDialog = nullptr;
    window = std::make_unique<SheetWindow>();
    SheetWindow::Dialogs dialogs;
    dialogs.chooseFile = [this](QWidget *, const SheetWindow::FileQuestion &question) {
        asked << question.title;
        return chosenFile;
    };
    dialogs.askToSave = [this](QWidget *, const QString &question) {
        questions << question;
        return answer;
    };
    dialogs.askToReplace = [this](QWidget *, const QString &question) {
        questions << question;
        return replace;
    };
    dialogs.inform = [this](QWidget *, const QString &message) { informed << message; };
    dialogs.fail = [this](QWidget *, const QString &message) { failures << message; };
    dialogs.runDialog = [this](QDialog &dialog) {
        if (!printDialog)
            qFatal("an unexpected dialog: %s", qPrintable(dialog.windowTitle()));
        return printDialog(dialog);
    };
    window->setDialogs(dialogs);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestSheetWindow::cleanup()
{
    window->sheet().undoStack().setClean(); // no prompt on the way out
    window.reset();
}

void TestSheetWindow::typingEditsALine()
{
    addChannelAndBeam();
    QVERIFY(window->isWindowModified());

    // The quantity in its cell: typing opens the cell's editor.
    auto *view = part<QTableView>("Lines");
    const QModelIndex quantity = sheet().index(0, JobSheet::QuantityColumn);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(quantity).center());
    QTest::keyClicks(view, u"3"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(cell(0, JobSheet::QuantityColumn), u"3"_s); // the editor commits a moment later
    QCOMPARE(cell(0, JobSheet::WeightColumn), u"122.40"_s);
    QCOMPARE(text("TotalWeight"), u"Total weight: 536.40 kg (0.536 t)"_s);

    // The length in the line's box, named by its label.
    auto *length = part<QLineEdit>("Input1");
    QCOMPARE(length->accessibleName(), u"LENGTH (in Meter)"_s);
    QCOMPARE(length->text(), u"6"_s);
    type(length, u"abc"_s);
    const QString fault = u"LENGTH (in Meter): \"abc\" is not a number."_s;
    QCOMPARE(length->accessibleDescription(), fault);
    QCOMPARE(text("LineFault"), fault);
    QCOMPARE(cell(0, JobSheet::WeightColumn), u"no weight"_s);
    QCOMPARE(text("TotalWeight"), u"Total weight: 414.00 kg (0.414 t), incomplete: 1 line has no weight"_s);

    view->setFocus();
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(length->text(), u"6"_s);
    QCOMPARE(length->accessibleDescription(), QString());
    QCOMPARE(text("TotalWeight"), u"Total weight: 536.40 kg (0.536 t)"_s);
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(text("TotalWeight"), u"Total weight: 414.00 kg (0.414 t), incomplete: 1 line has no weight"_s);
    QVERIFY(window->isWindowModified());

    // Delete and move by key.
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(sheet().rowCount(), 1);
    QCOMPARE(text("TotalWeight"), u"Total weight: 414.00 kg (0.414 t)"_s);
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    view->setCurrentIndex(sheet().index(1, 0));
    QTest::keyClick(view, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(cell(0, JobSheet::ItemColumn), u"ISMB beam"_s);
    QCOMPARE(part<QGroupBox>("Line")->title(), u"Line 1: ISMB beam MB - 100"_s);
}

void TestSheetWindow::everyCommandHasAKey()
{
    // A box's editing keys are its own, except where the command means the
    // same: undo, redo, copy, delete.
    const auto edits = [](QLatin1StringView name) {
        for (const char *prefix : {"Move", "Select", "Delete", "Backspace", "Undo", "Redo", "Copy", "Cut", "Paste",
                                   "Deselect", "InsertLineSeparator"})
            if (name.startsWith(QLatin1StringView(prefix)))
                return true;
        return false;
    };
    const QHash<QString, QList<QKeySequence::StandardKey>> same{{u"Undo"_s, {QKeySequence::Undo}},
                                                                {u"Redo"_s, {QKeySequence::Redo}},
                                                                {u"Copy"_s, {QKeySequence::Copy}},
                                                                {u"Delete"_s, {QKeySequence::Delete}}};
    const QMetaEnum standard = QMetaEnum::fromType<QKeySequence::StandardKey>();
    // A Linux desktop's text box also takes these (end of line, delete to
    // its end, delete it), whatever platform the test runs on.
    const QList<QKeySequence> desktopBoxKeys{QKeySequence(u"Ctrl+E"_s), QKeySequence(u"Ctrl+K"_s),
                                             QKeySequence(u"Ctrl+U"_s)};
    for (const QAction *action : window->actions()) {
        QVERIFY2(!action->shortcut().isEmpty(), qPrintable(action->objectName()));
        for (const QKeySequence &key : action->shortcuts()) {
            QVERIFY2(!desktopBoxKeys.contains(key), qPrintable(action->objectName()));
            for (int i = 0; i < standard.keyCount(); ++i) {
                const auto edit = QKeySequence::StandardKey(standard.value(i));
                if (edits(QLatin1StringView(standard.key(i))) && QKeySequence::keyBindings(edit).contains(key)
                    && !same.value(action->objectName()).contains(edit))
                    QFAIL(qPrintable(u"%1's %2 is the text box's %3"_s.arg(action->objectName(), key.toString(),
                                                                           QLatin1String(standard.key(i)))));
            }
        }
    }
    QVERIFY(window->actions().size() >= 13);
}

void TestSheetWindow::tabReachesEveryPart()
{
    addChannelAndBeam();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    part("JobName")->setFocus();
    QStringList visited;
    for (int i = 0; i < 14; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited,
             (QStringList{u"JobName"_s, u"SheetRate"_s, u"RateUnit"_s, u"ItemSearch"_s, u"ItemMatches"_s, u"Lines"_s,
                          u"Input1"_s, u"Input2"_s, u"LineRate"_s, u"LineMark"_s, u"LineDescription"_s,
                          u"TotalWeight"_s, u"TotalAmount"_s, u"JobName"_s}));
}

// Ctrl+S in a box not yet left saves what the box holds.
void TestSheetWindow::savesWhatIsBeingTyped()
{
    addChannelAndBeam();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto *quantity = part<QLineEdit>("Input2");
    quantity->setFocus();
    QTest::keyClick(quantity, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(quantity, u"7"_s);
    chosenFile = dir.filePath(u"typed.csv"_s);
    QTest::keyClick(quantity, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!window->isWindowModified());
    QCOMPARE(window->filePath(), chosenFile);
    QFile file(chosenFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const auto read = ReadSheet(file.readAll(), u"."_s);
    QCOMPARE(std::get<SheetFile>(read).contents.lines.at(1).inputs.at(1), u"7"_s);
}

void TestSheetWindow::closePrompt_data()
{
    QTest::addColumn<SheetWindow::Answer>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("linesAfter");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("typing"); // the lines saved, a box being typed in

    QTest::newRow("save") << SheetWindow::Answer::Save << true << 2 << true << false;
    QTest::newRow("discard") << SheetWindow::Answer::Discard << true << 0 << false << false;
    QTest::newRow("cancel") << SheetWindow::Answer::Cancel << false << 2 << false << false;
    QTest::newRow("cancel, typing") << SheetWindow::Answer::Cancel << false << 2 << false << true;
}

void TestSheetWindow::closePrompt()
{
    QFETCH(SheetWindow::Answer, answer);
    QFETCH(bool, closes);
    QFETCH(int, linesAfter);
    QFETCH(bool, saved);
    QFETCH(bool, typing);

    // Closing an unchanged sheet asks nothing.
    QVERIFY(window->close());
    QVERIFY(questions.isEmpty());
    window->show();

    addChannelAndBeam();
    if (typing) {
        sheet().undoStack().setClean();
        part<QLineEdit>("Input1")->setFocus();
        QTest::keyClicks(part<QLineEdit>("Input1"), u"5"_s);
    }
    this->answer = answer;
    chosenFile = dir.filePath(u"closing.csv"_s);
    QFile::remove(chosenFile);
    QCOMPARE(window->close(), closes);
    QCOMPARE(questions.size(), 1);
    QCOMPARE(window->isVisible(), !closes);
    QCOMPARE(sheet().rowCount(), linesAfter);
    QCOMPARE(QFile::exists(chosenFile), saved);
    QCOMPARE(window->isWindowModified(), !closes);
    QVERIFY(failures.isEmpty());
}

void TestSheetWindow::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow("save") << u"csv"_s;
    QTest::newRow("export as PDF") << u"pdf"_s;
    QTest::newRow("export for spreadsheets") << u"xlsx"_s;
}

// A name one short of the longest a file may have: the new file, written
// beside it under a longer name first, cannot be, whoever runs the test.
void TestSheetWindow::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, suffix);
    const bool save = suffix == u"csv"_s;
    QTemporaryDir folder;
    const QString path = folder.filePath(QString(255 - suffix.size() - 1, u'j') + u'.' + suffix);
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("the old sheet");
    old.close();

    addChannelAndBeam();
    QVERIFY(save                     ? !window->saveTo(path)
                : suffix == u"pdf"_s ? !window->exportPdfTo(path)
                                     : !window->exportXlsxTo(path));
    QCOMPARE(failures.size(), 1);
    const QString doing = (save ? u"Cannot save "_s : u"Cannot export "_s) + path + u": "_s;
    QVERIFY2(failures.front().startsWith(doing), qPrintable(failures.front()));
    QVERIFY(failures.front().size() > doing.size()); // and why
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), "the old sheet");
    QVERIFY(window->isWindowModified());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 1); // no half-written file left behind
}

// The name typed in the file dialog gets its suffix; a file of that name is
// replaced only if the user says so.
void TestSheetWindow::asksBeforeReplacing_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("replace");

    QTest::newRow("Save As, No") << u"csv"_s << false;
    QTest::newRow("Save As, Yes") << u"csv"_s << true;
    QTest::newRow("Export PDF, No") << u"pdf"_s << false;
    QTest::newRow("Export PDF, Yes") << u"pdf"_s << true;
    QTest::newRow("Export for spreadsheets, No") << u"xlsx"_s << false;
    QTest::newRow("Export for spreadsheets, Yes") << u"xlsx"_s << true;
}

void TestSheetWindow::asksBeforeReplacing()
{
    QFETCH(QString, suffix);
    QFETCH(bool, replace);
    const bool save = suffix == u"csv"_s;

    const QString path = dir.filePath(u"Shed."_s + suffix);
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
    old.write("the old file");
    old.close();
    addChannelAndBeam();
    chosenFile = dir.filePath(u"Shed"_s);
    this->replace = replace;
    QCOMPARE(save ? window->saveAs() : suffix == u"pdf"_s ? window->exportPdf() : window->exportXlsx(), replace);
    QCOMPARE(questions, QStringList{u"Shed."_s + suffix + u" already exists. Do you want to replace it?"_s});
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll() == "the old file", !replace);
    QCOMPARE(window->isWindowModified(), !save || !replace);
}

// What is typed in a line's box goes into that line before a command acts.
void TestSheetWindow::commandsKeepWhatIsTyped_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("channelAt");    // the channel's line after it
    QTest::addColumn<QString>("quantity"); // the channel's quantity after it

    QTest::newRow("move down") << u"MoveDown"_s << 1 << u"99"_s;
    QTest::newRow("undo") << u"Undo"_s << 0 << u"10"_s;
    QTest::newRow("copy") << u"Copy"_s << 0 << u"99"_s;
}

void TestSheetWindow::commandsKeepWhatIsTyped()
{
    QFETCH(QString, command);
    QFETCH(int, channelAt);
    QFETCH(QString, quantity);

    addChannelAndBeam();
    part<QTableView>("Lines")->setCurrentIndex(sheet().index(0, 0));
    auto *box = part<QLineEdit>("Input2");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, u"99"_s);
    part<QAction>(qPrintable(command))->trigger();

    QCOMPARE(cell(channelAt, JobSheet::ItemColumn), u"ISMC channel"_s);
    QCOMPARE(cell(channelAt, JobSheet::QuantityColumn), quantity);
    QCOMPARE(box->text(), quantity);
    // The line moved, or the line it was, stays the one selected.
    const QModelIndexList selected = part<QTableView>("Lines")->selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.front().row(), channelAt);
    QCOMPARE(part<QTableView>("Lines")->currentIndex().row(), channelAt);
}

// The file's faults are tst_sheetfile's; here the window's answer to one.
void TestSheetWindow::openRefusesABadFile()
{
    const QByteArray file = Header() + Row(With(ChannelRow(), u"Item"_s, u"Pipe"_s));
    const QString why = u"Line 2, column 2 (Item): \"Pipe\" is not an item of a job sheet."_s;

    addChannelAndBeam();
    sheet().setJobName(u"Before"_s);
    const SheetContents before = sheet().contents();
    const int changes = sheet().undoStack().count();

    const QString path = dir.filePath(u"bad.csv"_s);
    QFile bad(path);
    QVERIFY(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
    bad.write(file);
    bad.close();
    QVERIFY(!window->openPath(path));
    QCOMPARE(failures, QStringList{u"Cannot open "_s + path + u".\n"_s + why});
    QCOMPARE(sheet().contents(), before);
    QCOMPARE(sheet().undoStack().count(), changes);
    QVERIFY(window->isWindowModified());
}

void TestSheetWindow::openReworksADisagreeingWeight()
{
    const QString path = dir.filePath(u"edited.csv"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Header() + Row(ChannelRow()) + Row(With(ChannelRow(), u"Weight (kg)"_s, u"400"_s))
               + Row(With(ChannelRow(), u"Weight (kg)"_s, u"408.0"_s)));
    file.close();

    QVERIFY(window->openPath(path));
    QCOMPARE(informed.size(), 1);
    // Numbered as the sheet numbers its lines, not as the file's.
    QVERIFY2(informed.front().contains(u"the weight of line 2 did not agree"_s), qPrintable(informed.front()));
    QCOMPARE(sheet().rowCount(), 3);
    QCOMPARE(cell(1, JobSheet::WeightColumn), u"408.00"_s);
    QCOMPARE(text("TotalWeight"), u"Total weight: 1,224.00 kg (1.224 t)"_s);
    QVERIFY(!sheet().undoStack().canUndo()); // opening is no change to undo
    QVERIFY(window->isWindowModified());     // but the corrected weights are one to save
    QCOMPARE(window->windowTitle(), u"Shed[*] – Job sheet"_s);
}

void TestSheetWindow::printAndPdf_data()
{
    QTest::addColumn<bool>("print");
    QTest::newRow("export as PDF") << false;
    QTest::newRow("print, to a PDF printer") << true;
}

void TestSheetWindow::printAndPdf()
{
    QFETCH(bool, print);
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext is missing: install poppler-utils");

    addChannelAndBeam();
    sheet().setJobName(u"Ståhl & Söhne, Halle 3"_s);
    sheet().setSheetRate(u"2.5"_s);
    const QString pdf = dir.filePath(u"sheet.pdf"_s);
    if (print) {
        printDialog = [&pdf](QDialog &dialog) {
            QPrinter *printer = qobject_cast<QPrintDialog *>(&dialog)->printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return int(QDialog::Accepted);
        };
        QVERIFY(window->print());
    } else {
        chosenFile = dir.filePath(u"sheet"_s); // the suffix is added
        QVERIFY(window->exportPdf());
    }
    QVERIFY(failures.isEmpty());

    QProcess process;
    process.start(pdftotext, {pdf, u"-"_s});
    QVERIFY(process.waitForFinished());
    const QString output = QString::fromUtf8(process.readAllStandardOutput());
    const QString text = output.simplified();
    for (const QString &expected :
         {u"Ståhl & Söhne, Halle 3"_s, u"ISMC channel"_s, u"MC - 75 x 40"_s, u"408"_s, u"1,020.00"_s, u"ISMB beam"_s,
          u"414"_s, u"Total weight: 822.00 kg (0.822 t)"_s, u"Total amount: 2,055.00"_s, u"Page 1 of 2"_s,
          // The totals by section on a page of their own.
          u"Totals by section"_s, u"All channels"_s, u"Page 2 of 2"_s})
        QVERIFY2(text.contains(expected), qPrintable(expected + u" is not in: "_s + text));
    QVERIFY(text.indexOf(u"Page 1 of 2"_s) < text.indexOf(u"Totals by section"_s));
}

void TestSheetWindow::copyGivesCells()
{
    addChannelAndBeam();
    auto *view = part<QTableView>("Lines");
    view->setFocus();
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(copied->text(),
             u"ISMC channel\tMC - 75 x 40 · IS 808:1964\tLENGTH (in Meter) = 6\t10\t6.8\t408\t\t\t\t\n"
             u"ISMB beam\tMB - 100 · IS 808:1964\tLENGTH (in Meter) = 12\t3\t11.5\t414\t\t\t\t\n"_s);
    QVERIFY2(copied->html().contains(u"<tr><td>ISMB beam</td><td>MB - 100 · IS 808:1964</td><td>LENGTH (in Meter) = "
                                     u"12</td><td>3</td><td>11.5</td><td>414</td><td></td><td></td><td></td><td></td>"
                                     u"</tr>"_s),
             qPrintable(copied->html()));
}

// Typed in the search box, chosen with Enter, weighed once its length is
// typed in the box the focus went to.
void TestSheetWindow::searchAddsALine_data()
{
    QTest::addColumn<bool>("olderEdition");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("downs");      // Down presses before Enter
    QTest::addColumn<QString>("listed"); // the row chosen, as the list shows it
    QTest::addColumn<QString>("size");   // the line's size; empty: no line added
    QTest::addColumn<QString>("weight"); // 6 m of one piece

    QTest::newRow("newest edition first") << false << u"ismb 200"_s << 0 << u"ISMB 200 · IS 808:1989 – 24.17 kg/m"_s
                                          << u"ISMB 200 · IS 808:1989"_s << u"145.02"_s;
    QTest::newRow("the other edition, one down")
        << false << u"ismb 200"_s << 1 << u"ISMB 200 · IS 808:1964 – 25.4 kg/m"_s << u"ISMB 200 · IS 808:1964"_s
        << u"152.40"_s;
    QTest::newRow("1964 preferred") << true << u"ismb 200"_s << 0 << u"ISMB 200 · IS 808:1964 – 25.4 kg/m"_s
                                    << u"ISMB 200 · IS 808:1964"_s << u"152.40"_s;
    QTest::newRow("a shape in a material") << false << u"SS304 flat 50x6"_s << 0 << u"flat 50x6 · SS304 – 2.379 kg/m"_s
                                           << u"flat 50x6 · SS304"_s << u"14.27"_s;
    QTest::newRow("nothing matches") << false << u"girder 200"_s << 0 << u"No item matches \"girder 200\""_s
                                     << QString() << QString();
}

void TestSheetWindow::searchAddsALine()
{
    QFETCH(bool, olderEdition);
    QFETCH(QString, typed);
    QFETCH(int, downs);
    QFETCH(QString, listed);
    QFETCH(QString, size);
    QFETCH(QString, weight);

    window->findChild<QAction *>(u"PreferOldEdition"_s)->setChecked(olderEdition);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    auto *search = part<QLineEdit>("ItemSearch");
    QCOMPARE(QApplication::focusWidget(), search);
    QTest::keyClicks(search, typed);
    for (int i = 0; i < downs; ++i)
        QTest::keyClick(search, Qt::Key_Down);
    // The chosen row; nothing can be chosen where nothing matches.
    auto *list = part<QListView>("ItemMatches");
    QCOMPARE((list->currentIndex().isValid() ? list->currentIndex() : list->model()->index(0, 0)).data().toString(),
             listed);
    QTest::keyClick(search, Qt::Key_Return);
    window->findChild<QAction *>(u"PreferOldEdition"_s)->setChecked(false);
    if (size.isEmpty()) {
        QCOMPARE(sheet().rowCount(), 0);
        QCOMPARE(search->text(), typed);
        return;
    }
    QCOMPARE(sheet().rowCount(), 1);
    QCOMPARE(cell(0, JobSheet::SizeColumn), size);
    auto *length = part<QLineEdit>("Input1");
    QCOMPARE(QApplication::focusWidget(), length);
    QCOMPARE(length->accessibleName(), u"Length (m)"_s);
    QTest::keyClicks(length, u"6"_s);
    QTest::keyClick(length, Qt::Key_Tab);
    QCOMPARE(cell(0, JobSheet::WeightColumn), weight);
}

// A take-off from a file or the clipboard: a row at fault adds nothing and
// is named; a good one is one change, which one undo takes back.
void TestSheetWindow::takeOff_data()
{
    QTest::addColumn<QString>("from"); // "file", "clipboard" (Ctrl+Shift+V) or "table" (Ctrl+V in it)
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("failure"); // empty: all rows added

    QTest::newRow("a file") << u"file"_s << u"designation,length,qty,mark\nISMB 200,6,4,B1\nISA 50x50x6,3,10,A1\n"_s
                            << QString();
    QTest::newRow("a file with a bad row")
        << u"file"_s << u"ISMB 200,6,4\nISMB 2000,6,1\n"_s
        << u"1 row of the take-off is not understood; nothing was added.\nRow 2: \"ISMB 2000\" is not understood: "
           u"no item of the catalogue has these sizes."_s;
    QTest::newRow("pasted cells") << u"clipboard"_s << u"ISMB 200\t6\t4\tB1\nISA 50x50x6\t3\t10\tA1\n"_s << QString();
    QTest::newRow("pasted into the table")
        << u"table"_s << u"ISMB 200\t6\t4\tB1\r\nISA 50x50x6\t3\t10\tA1"_s << QString();
}

void TestSheetWindow::takeOff()
{
    QFETCH(QString, from);
    QFETCH(QString, rows);
    QFETCH(QString, failure);

    if (from == u"file") {
        chosenFile = dir.filePath(u"take-off.csv"_s);
        QFile file(chosenFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(rows.toUtf8());
        file.close();
        QTest::keyClick(window.get(), Qt::Key_I, Qt::ControlModifier);
    } else if (from == u"table") {
        QGuiApplication::clipboard()->setText(rows);
        part("Lines")->setFocus();
        QTest::keyClick(part("Lines"), Qt::Key_V, Qt::ControlModifier);
    } else {
        QGuiApplication::clipboard()->setText(rows);
        QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    }
    QCOMPARE(failures, failure.isEmpty() ? QStringList() : QStringList{failure});
    if (!failure.isEmpty()) {
        QCOMPARE(sheet().rowCount(), 0);
        return;
    }
    QCOMPARE(sheet().rowCount(), 2);
    QCOMPARE(cell(1, JobSheet::MarkColumn), u"A1"_s);
    QCOMPARE(text("TotalWeight"), u"Total weight: 714.78 kg (0.715 t)"_s);

    // The totals by section, copied from their tab.
    auto *views = part<QTabWidget>("Views");
    views->setCurrentWidget(part("Summary"));
    QTest::keyClick(part("Summary"), Qt::Key_C, Qt::ControlModifier);
    const QStringList copied = QGuiApplication::clipboard()->text().split(u'\n');
    QCOMPARE(copied.value(0), u"Kind\tItem\tStandard\tMaterial\tPieces\tLength (m)\tWeight (kg)\tAmount"_s);
    QVERIFY2(copied.contains(u"Angles\tISA 50x50x6\tIS 808:1989\tsteel\t10\t30\t134.7\t"_s),
             qPrintable(copied.join(u'\n')));

    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(sheet().rowCount(), 0);
}

void TestSheetWindow::opensBesideTheCalculator_data()
{
    QTest::addColumn<QRect>("calculator"); // as fractions of the screen, in per cent
    QTest::addColumn<QString>("side");

    QTest::newRow("room on the right") << QRect(0, 0, 15, 30) << u"right"_s;
    QTest::newRow("at the right edge") << QRect(85, 10, 15, 30) << u"left"_s;
    QTest::newRow("as wide as the screen") << QRect(0, 0, 100, 20) << u"below"_s;
    QTest::newRow("wide, at the bottom") << QRect(0, 80, 100, 20) << u"above"_s;
}

void TestSheetWindow::opensBesideTheCalculator()
{
    QFETCH(QRect, calculator);
    QFETCH(QString, side);

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget other;
    other.setGeometry(screen.left() + screen.width() * calculator.left() / 100,
                      screen.top() + screen.height() * calculator.top() / 100,
                      screen.width() * calculator.width() / 100, screen.height() * calculator.height() / 100);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    window->hide();
    window->showBeside(&other);
    QVERIFY(window->isVisible());

    const QRect sheet = window->frameGeometry();
    const QRect calc = other.frameGeometry();
    QVERIFY2(!sheet.intersects(calc),
             qPrintable(u"%1,%2 %3x%4"_s.arg(sheet.x()).arg(sheet.y()).arg(sheet.width()).arg(sheet.height())));
    QVERIFY(screen.contains(sheet));
    const bool onSide = side == u"right"_s ? sheet.left() > calc.right()
        : side == u"left"_s                ? sheet.right() < calc.left()
        : side == u"below"_s               ? sheet.top() > calc.bottom()
                                           : sheet.bottom() < calc.top();
    QVERIFY2(onSide, qPrintable(side));
}

void TestSheetWindow::weightsInView_data()
{
    QTest::addColumn<int>("points");
    QTest::newRow("8 pt") << 8;
    QTest::newRow("16 pt") << 16;
}

// At the first size beside the calculator, whatever the font: the weight,
// the amount and the totals in view without scrolling, and a cut cell whole
// in its tooltip. The suite runs again at QT_SCALE_FACTOR=2.
void TestSheetWindow::weightsInView()
{
    QFETCH(int, points);
    QFont font = window->font();
    font.setPointSize(points);
    window->setFont(font);
    window->hide();
    window->resize(1180, 640);
    QWidget calculator;
    calculator.setGeometry(QRect(QGuiApplication::primaryScreen()->availableGeometry().topLeft(), QSize(340, 330)));
    calculator.show();
    window->showBeside(&calculator);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(!window->frameGeometry().intersects(calculator.frameGeometry()));
    sheet().addLine(*CalculationNamed(u"Transition piece"), nullptr,
                    {u"1.25"_s, u"0.75"_s, u"0.5"_s, u"1.5"_s, u"6"_s, u"2"_s});
    addChannelAndBeam();
    sheet().setSheetRate(u"64.5"_s);
    QApplication::processEvents();

    auto *view = part<QTableView>("Lines");
    for (int column : {int(JobSheet::WeightColumn), int(JobSheet::AmountColumn)}) {
        const int left = view->columnViewportPosition(column);
        QVERIFY2(!view->isColumnHidden(column) && left >= 0
                     && left + view->columnWidth(column) <= view->viewport()->width(),
                 qPrintable(u"column %1 at %2 + %3 in %4"_s.arg(column)
                                .arg(left)
                                .arg(view->columnWidth(column))
                                .arg(view->viewport()->width())));
    }
    QCOMPARE(view->horizontalScrollBar()->value(), 0);
    for (const char *total : {"TotalWeight", "TotalAmount"}) {
        QWidget *label = part(total);
        const QRect at(label->mapTo(window.get(), QPoint()), label->size());
        QVERIFY2(label->isVisible() && window->rect().contains(at), total);
    }

    // The size of a transition piece's line is cut short, or its inputs;
    // either one's tooltip gives the whole text.
    for (int column : {int(JobSheet::SizeColumn), int(JobSheet::InputsColumn)}) {
        const QModelIndex index = sheet().index(0, column);
        const QString whole = index.data().toString();
        if (view->isColumnHidden(column) || view->fontMetrics().horizontalAdvance(whole) < view->columnWidth(column))
            continue;
        const QRect cell = view->visualRect(index);
        QHelpEvent help(QEvent::ToolTip, cell.center(), view->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(view->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), whole);
        QToolTip::hideText();
    }
}

void TestSheetWindow::keys_data()
{
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("does");

    using enum Qt::KeyboardModifier;
    const auto ctrl = [](Qt::Key key) { return QKeyCombination(ControlModifier, key); };
    // Typed and entered with Tab: the sheet's undo, from the box or the table.
    QTest::newRow("Ctrl+Z in the box, its edit entered") << ctrl(Qt::Key_Z) << u"Input1"_s << u"sheet undo"_s;
    QTest::newRow("Ctrl+Z in the table") << ctrl(Qt::Key_Z) << u"Lines"_s << u"sheet undo"_s;
    QTest::newRow("Ctrl+Z in the box while typing") << ctrl(Qt::Key_Z) << u"Input1"_s << u"box undo"_s;
    QTest::newRow("Ctrl+Shift+Z in the job's box")
        << QKeyCombination(ControlModifier | ShiftModifier, Qt::Key_Z) << u"JobName"_s << u"sheet redo"_s;
    QTest::newRow("Ctrl+Y in the rate's box") << ctrl(Qt::Key_Y) << u"SheetRate"_s << u"sheet redo"_s;
    QTest::newRow("Ctrl+Y in the line's box") << ctrl(Qt::Key_Y) << u"Input2"_s << u"sheet redo"_s;
    QTest::newRow("Ctrl+Shift+E in the job's box")
        << QKeyCombination(ControlModifier | ShiftModifier, Qt::Key_E) << u"JobName"_s << u"export"_s;
    QTest::newRow("Ctrl+E in the job's box: its end") << ctrl(Qt::Key_E) << u"JobName"_s << u"end of line"_s;
    QTest::newRow("F1 in the rate's box") << QKeyCombination(Qt::Key_F1) << u"SheetRate"_s << u"keys"_s;
    QTest::newRow("Ctrl+N in the table") << ctrl(Qt::Key_N) << u"Lines"_s << u"new"_s;
    QTest::newRow("Delete in the table") << QKeyCombination(Qt::Key_Delete) << u"Lines"_s << u"delete"_s;
}

// Each key from where the focus is, through the real widgets.
void TestSheetWindow::keys()
{
    QFETCH(QKeyCombination, key);
    QFETCH(QString, focus);
    QFETCH(QString, does);

    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    addChannelAndBeam();
    window->sheet().setJobName(u"Shed"_s);
    part<QTableView>("Lines")->selectionModel()->setCurrentIndex(
        sheet().index(0, JobSheet::QuantityColumn), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    auto *length = part<QLineEdit>("Input1");
    type(length, u"7"_s); // entered: 7 x 10 of MC 75
    QCOMPARE(cell(0, JobSheet::WeightColumn), u"476.00"_s);
    if (does.endsWith(u"redo"_s))
        window->sheet().undoStack().undo();
    QWidget *at = part(qPrintable(focus));
    at->setFocus();
    if (auto *box = qobject_cast<QLineEdit *>(at))
        box->setCursorPosition(0);
    QApplication::processEvents();
    if (does == u"box undo"_s)
        QTest::keyClicks(at, u"5"_s); // not yet entered
    const int index = window->sheet().undoStack().index();
    answer = SheetWindow::Answer::Discard;
    QTest::keyClick(at, key.key(), key.keyboardModifiers());

    if (does == u"sheet undo"_s || does == u"sheet redo"_s) {
        const bool undo = does == u"sheet undo"_s;
        QCOMPARE(window->sheet().undoStack().index(), index + (undo ? -1 : 1));
        QCOMPARE(cell(0, JobSheet::WeightColumn), undo ? u"408.00"_s : u"476.00"_s);
        QTRY_COMPARE(length->text(), undo ? u"6"_s : u"7"_s); // the box agrees with the sheet
        QTest::keyClick(length, Qt::Key_Tab);                 // and enters nothing stale
        QCOMPARE(window->sheet().undoStack().index(), index + (undo ? -1 : 1));
    } else if (does == u"box undo"_s) {
        QCOMPARE(length->text(), u"7"_s);
        QCOMPARE(window->sheet().undoStack().index(), index);
        QCOMPARE(cell(0, JobSheet::WeightColumn), u"476.00"_s);
    } else if (does == u"export"_s) {
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked[0].contains(u"PDF"_s), qPrintable(asked[0]));
    } else if (does == u"end of line"_s) {
        QVERIFY(asked.isEmpty());
        if (QKeySequence::keyBindings(QKeySequence::MoveToEndOfLine).contains(QKeySequence(key)))
            QCOMPARE(part<QLineEdit>("JobName")->cursorPosition(), 4);
    } else if (does == u"keys"_s) {
        QCOMPARE(informed.size(), 1);
        QVERIFY2(informed[0].contains(u"<b>Ctrl+Shift+E</b></td><td>Export as PDF"_s), qPrintable(informed[0]));
    } else if (does == u"new"_s) {
        QCOMPARE(questions.size(), 1); // asked to save first
        QCOMPARE(sheet().rowCount(), 0);
        QVERIFY(window->filePath().isEmpty());
    } else if (does == u"delete"_s) {
        QCOMPARE(sheet().rowCount(), 1);
    }
    // Copy, Delete and Move want a line to act on.
    const bool any = sheet().rowCount() > 0;
    QApplication::processEvents();
    for (const char *command : {"Copy", "Delete", "MoveUp", "MoveDown"})
        QCOMPARE(part<QAction>(command)->isEnabled(), any);
}

// Saved and opened files come first, at most eight; one no longer there
// says so and leaves the list.
void TestSheetWindow::recentFiles()
{
    addChannelAndBeam();
    QStringList saved;
    for (int i = 0; i < MaxRecentFiles + 1; ++i) {
        saved.prepend(QFileInfo(dir.filePath(u"sheet%1.csv"_s.arg(i))).absoluteFilePath());
        QVERIFY(window->saveTo(saved.front()));
    }
    QCOMPARE(RecentFiles(), saved.mid(0, MaxRecentFiles));
    QVERIFY(QFile::remove(saved[1]));
    QVERIFY(!window->openRecent(saved[1]));
    QCOMPARE(failures.size(), 1);
    QVERIFY(!RecentFiles().contains(saved[1]));
    QCOMPARE(sheet().rowCount(), 2); // the sheet as it was
    QVERIFY(window->openRecent(saved[2]));
    QCOMPARE(RecentFiles().front(), saved[2]);
}

void TestSheetWindow::inputsAsThePageShows_data()
{
    QTest::addColumn<QString>("item");
    for (const Calculation &calculation : Calculations()) {
        if (calculation.weighs)
            QTest::newRow(calculation.item.data()) << ToQString(calculation.item);
    }
}

// The line's boxes and its Inputs cell in the page's order, top to bottom
// and then left to right, whatever order the calculation converts them in.
void TestSheetWindow::inputsAsThePageShows()
{
    QFETCH(QString, item);
    const Calculation &calculation = *CalculationNamed(item);
    std::vector<const CalculationInput *> page;
    std::vector<QString> texts;
    for (const CalculationInput &input : calculation.inputs) {
        page.push_back(&input);
        texts.push_back(QString::number(texts.size() + 2));
    }
    std::ranges::sort(page, [](const CalculationInput *a, const CalculationInput *b) {
        const ControlSpec *x = FindControl(a->box), *y = FindControl(b->box);
        return std::pair(x->top, x->left) < std::pair(y->top, y->left);
    });
    sheet().addLine(calculation, nullptr, texts);

    QStringList expected, shown, cellParts;
    for (const CalculationInput *input : page) {
        const QString caption = ToQString(NamingCaption(input->box));
        const QString text = texts[std::size_t(input - calculation.inputs.data())];
        expected << caption + u" = "_s + text;
        if (input->field != Field::Quantity)
            cellParts << expected.constLast();
    }
    for (int box = 1; box <= 6; ++box) {
        auto *input = part<QLineEdit>(qPrintable(u"Input%1"_s.arg(box)));
        if (input->isVisibleTo(window.get()))
            shown << input->accessibleName() + u" = "_s + input->text();
    }
    QCOMPARE(shown, expected);
    QCOMPARE(cell(0, JobSheet::InputsColumn), cellParts.join(u"; "_s));

    // Typed in the first box and then the next, each goes where it shows.
    type(part("Input1"), u"11"_s);
    type(part("Input2"), u"12"_s);
    const auto at = [&](int place) { return std::size_t(page[std::size_t(place)] - calculation.inputs.data()); };
    QCOMPARE(sheet().line(0).inputs[at(0)], u"11"_s);
    QCOMPARE(sheet().line(0).inputs[at(1)], u"12"_s);
}

QTEST_MAIN(TestSheetWindow)
#include "tst_sheetwindow.moc"
