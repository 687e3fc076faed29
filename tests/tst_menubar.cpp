// The calculator's menus and the job sheet together, as a user meets them:
// a line added from each page weighs what the page's button writes, a page
// that cannot weigh adds nothing and says why as its button would, and the
// calculator does not close over a sheet with unsaved lines.
#include "formfixture.h"

#include "app/menubar.h"
#include "sheet/sheetwindow.h"
#include "ui/builder.h"

#include <QFile>
#include <QMenuBar>

using namespace msweight;

class TestMenuBar : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<FormFixture>(); }
    void cleanup() { f.reset(); }

    void startsWithoutTheSheet();
    void menuAccessKeysKeepClear();
    void sheetWeighsAsThePage_data();
    void sheetWeighsAsThePage();
    void addingFailsAsTheButtonDoes();
    void trueLengthsAreNotAdded();
    void closingAsksAboutUnsavedLines();
    void sheetKeysListTheCalculators();

private:
    CalculatorMenus *menus() const { return f->form->findChild<CalculatorMenus *>(); }
    QAction *addAction() const
    {
        for (QAction *title : menus()->menuBar()->actions()) {
            for (QAction *action : title->menu()->actions()) {
                if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_Return))
                    return action;
            }
        }
        return nullptr;
    }
    void addToSheet() const { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier); }

    std::unique_ptr<FormFixture> f;
};

// Nothing of the sheet until the sheet is used.
void TestMenuBar::startsWithoutTheSheet()
{
    QVERIFY(menus());
    QVERIFY(!menus()->sheetWindow());
}

// Alt with a menu's key must not take one of the tabs' keys or Alt+0.
void TestMenuBar::menuAccessKeysKeepClear()
{
    const QList<QAction *> titles = menus()->menuBar()->actions();
    QCOMPARE(titles.size(), 4);
    QString keys;
    for (QAction *title : titles) {
        const qsizetype amp = title->text().indexOf(u'&');
        QVERIFY2(amp >= 0, qPrintable(title->text()));
        keys += title->text().at(amp + 1).toUpper();
    }
    QCOMPARE(keys, QStringLiteral("IEJH"));
    for (QChar key : keys)
        QVERIFY(!QStringLiteral("PCBASRFT0").contains(key));
}

void TestMenuBar::sheetWeighsAsThePage_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("inputs"); // box, text, ...
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("focus"); // where Ctrl+Return is pressed; empty: on the tabs
    QTest::addColumn<QString>("item");

    // Awkward numbers, so that another grouping or rounding would show.
    QTest::newRow("plate") << "OptionButton30" << QStringList{"TextBox7", "6.3", "TextBox8", "1.5", "TextBox9", "1"}
                           << "CommandButton3"
                           << "TextBox10"
                           << "TextBox9"
                           << "Plate";
    QTest::newRow("channel") << "OptionButton10" << QStringList{"TextBox1", "7.3", "TextBox2", "3"} << "CommandButton1"
                             << "TextBox3"
                             << "TextBox1"
                             << "ISMC channel";
    QTest::newRow("beam") << "OptionButton25" << QStringList{"TextBox4", "0.1", "TextBox5", "0.3"} << "CommandButton2"
                          << "TextBox6"
                          << "TextBox5"
                          << "ISMB beam";
    QTest::newRow("angle") << "OptionButton108" << QStringList{"TextBox29", "2.45", "TextBox30", "12"}
                           << "CommandButton8"
                           << "TextBox31"
                           << "TextBox29"
                           << "ISA angle";
    QTest::newRow("square bar") << "OptionButton87" << QStringList{"TextBox14", "1.7", "TextBox15", "3"}
                                << "CommandButton5"
                                << "TextBox16"
                                << "TextBox15"
                                << "Square bar";
    QTest::newRow("round bar") << "OptionButton64" << QStringList{"TextBox11", "3.3", "TextBox12", "7"}
                               << "CommandButton4"
                               << "TextBox13"
                               << "TextBox11"
                               << "Round bar";
    QTest::newRow("flange, its box holding the focus")
        << QString() << QStringList{"TextBox17", "0.5", "TextBox18", "0.3", "TextBox19", "20", "TextBox28", "4"}
        << "CommandButton6"
        << "TextBox20"
        << "TextBox17"
        << "Flange";
    QTest::newRow("transition piece, its box holding the focus")
        << QString() << QStringList{"TextBox21", "1.2", "TextBox22", "0.8", "TextBox23", "1",
                                    "TextBox24", "1.5", "TextBox25", "6",   "TextBox26", "2"}
        << "CommandButton7"
        << "TextBox27"
        << "TextBox26"
        << "Transition piece";
    QTest::newRow("transition piece, weighed last")
        << QString() << QStringList{"TextBox21", "1", "TextBox22", "1", "TextBox23", "1",
                                    "TextBox24", "1", "TextBox25", "1", "TextBox26", "3"}
        << "CommandButton7"
        << "TextBox27" << QString() << "Transition piece";
}

// One line per Ctrl+Return, with the very text the page's button wrote.
void TestMenuBar::sheetWeighsAsThePage()
{
    QFETCH(QString, option);
    QFETCH(QStringList, inputs);
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(QString, focus);
    QFETCH(QString, item);

    if (!option.isEmpty())
        f->click(option);
    f->typeNumbers(inputs);
    f->click(button);
    const QString written = f->text(result);
    QVERIFY(!written.isEmpty());
    f->control<QLineEdit>(result)->clear(); // the add writes it again, as the button does
    if (focus.isEmpty())
        f->multiPage()->tabBar()->setFocus();
    else
        f->control(focus)->setFocus();
    addToSheet();
    QVERIFY(f->failures.isEmpty());

    QVERIFY(menus()->sheetWindow());
    const JobSheet &sheet = menus()->sheetWindow()->sheet();
    QCOMPARE(sheet.rowCount(), 1);
    QCOMPARE(f->text(result), written);
    QVERIFY2(addAction()->text().contains(QStringLiteral("1 line")), qPrintable(addAction()->text()));
    // The cell is rounded; its exact figure is the page's, to the digit.
    QCOMPARE(sheet.index(0, JobSheet::WeightColumn).data(JobSheet::ExactRole).toString(), written);
    QCOMPARE(sheet.index(0, JobSheet::ItemColumn).data().toString(), item);
    // The section pages' rows are the 1964 tables', and the sheet says so.
    const bool section
        = QStringList{QStringLiteral("ISMC channel"), QStringLiteral("ISMB beam"), QStringLiteral("ISA angle")}
              .contains(item);
    if (!option.isEmpty())
        QCOMPARE(sheet.index(0, JobSheet::SizeColumn).data().toString(),
                 f->control<QAbstractButton>(option)->text()
                     + (section ? QStringLiteral(" · IS 808:1964") : QString()));
    std::vector<QString> typed;
    for (const CalculationInput &input : sheet.line(0).calculation->inputs)
        typed.push_back(f->text(ToQString(input.box)));
    QCOMPARE(sheet.line(0).inputs, typed);

    // The sheet came beside the calculator, which kept the focus.
    QVERIFY(menus()->sheetWindow()->isVisible());
    QVERIFY(!menus()->sheetWindow()->frameGeometry().intersects(f->form->frameGeometry()));
}

// Adding meets the failure the button meets, with its message, and adds
// nothing.
void TestMenuBar::addingFailsAsTheButtonDoes()
{
    QVERIFY(QTest::qWaitForWindowActive(f->form.get()));
    f->type(QStringLiteral("TextBox4"), QStringLiteral("6"));
    f->type(QStringLiteral("TextBox5"), QStringLiteral("10"));
    addToSheet();
    QCOMPARE(f->failures, QStringList{QStringLiteral("Choose a size on the \"ISMB\" page first.")});
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("OptionButton12"));

    f->click(QStringLiteral("OptionButton12"));
    f->type(QStringLiteral("TextBox5"), QStringLiteral("ten"));
    addToSheet();
    f->click(QStringLiteral("CommandButton2"));
    QCOMPARE(f->failures.size(), 3);
    QCOMPARE(f->failures[1], QStringLiteral("QTY.: \"ten\" is not a number."));
    QCOMPARE(f->failures[2], f->failures[1]);
    QVERIFY(!menus()->sheetWindow() || menus()->sheetWindow()->sheet().rowCount() == 0);
}

// "TP" gives lengths: adding is unavailable there, and the menu says why.
void TestMenuBar::trueLengthsAreNotAdded()
{
    QTest::keyClick(f->form.get(), Qt::Key_T, Qt::AltModifier);
    QAction *add = addAction();
    QVERIFY(add);
    QVERIFY(!add->isEnabled());
    QVERIFY2(add->text().contains(QStringLiteral("lengths")), qPrintable(add->text()));
    for (int row = 32; row <= 38; ++row)
        f->type(QStringLiteral("TextBox%1").arg(row), QStringLiteral("3"));
    f->type(QStringLiteral("TextBox46"), QStringLiteral("4"));
    f->control(QStringLiteral("TextBox46"))->setFocus();
    addToSheet(); // says why, and does not calculate the page as Return would
    QVERIFY(!menus()->sheetWindow());
    QCOMPARE(f->failures.size(), 1);
    QVERIFY2(f->failures[0].contains(QStringLiteral("lengths")), qPrintable(f->failures[0]));
    QCOMPARE(f->text(QStringLiteral("TextBox39")), QString());

    QTest::keyClick(f->form.get(), Qt::Key_B, Qt::AltModifier);
    QVERIFY(add->isEnabled());
}

// Closing the calculator over unsaved lines asks; Cancel keeps both windows,
// Discard closes them.
void TestMenuBar::closingAsksAboutUnsavedLines()
{
    f->click(QStringLiteral("OptionButton12"));
    f->type(QStringLiteral("TextBox4"), QStringLiteral("6"));
    f->type(QStringLiteral("TextBox5"), QStringLiteral("10"));
    addToSheet();
    SheetWindow *sheet = menus()->sheetWindow();
    QVERIFY(sheet);
    SheetWindow::Answer answer = SheetWindow::Answer::Cancel;
    int asked = 0;
    SheetWindow::Dialogs dialogs;
    dialogs.askToSave = [&](QWidget *, const QString &) {
        ++asked;
        return answer;
    };
    sheet->setDialogs(dialogs);

    QVERIFY(!f->form->close());
    QCOMPARE(asked, 1);
    QVERIFY(f->form->isVisible());
    QVERIFY(sheet->isVisible());
    QCOMPARE(sheet->sheet().rowCount(), 1);

    answer = SheetWindow::Answer::Discard;
    QVERIFY(f->form->close());
    QCOMPARE(asked, 2);
    QVERIFY(!f->form->isVisible());
    QVERIFY(!sheet->isVisible());
}

// F1 in the sheet lists the calculator's keys after the sheet's own.
void TestMenuBar::sheetKeysListTheCalculators()
{
    f->click(QStringLiteral("OptionButton12"));
    f->type(QStringLiteral("TextBox4"), QStringLiteral("6"));
    f->type(QStringLiteral("TextBox5"), QStringLiteral("10"));
    addToSheet();
    SheetWindow *sheet = menus()->sheetWindow();
    QString shown;
    SheetWindow::Dialogs dialogs;
    dialogs.inform = [&](QWidget *, const QString &message) { shown = message; };
    sheet->setDialogs(dialogs);
    sheet->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(sheet));
    QTest::keyClick(sheet->findChild<QWidget *>(QStringLiteral("JobName")), Qt::Key_F1);
    const qsizetype own = shown.indexOf(QStringLiteral("Export as PDF"));
    const qsizetype calculator = shown.indexOf(QStringLiteral("Add to sheet"));
    QVERIFY2(own >= 0 && calculator > own, qPrintable(shown));
    sheet->sheet().undoStack().setClean();
}

QTEST_MAIN(TestMenuBar)
#include "tst_menubar.moc"
