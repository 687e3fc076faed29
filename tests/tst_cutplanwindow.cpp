// The cutting plan's window as an estimator meets it, offscreen: opened from
// the sheet by its key, settings typed, the plan worked out off the window's
// thread and read back from its tables, Cancel keeping the plan before, and
// the purchase list copied as cells.
#include "sheet/cutgroups.h"
#include "sheet/cutplanwindow.h"
#include "sheet/sheetwindow.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QTableView>
#include <QtTest>

#include <memory>
#include <thread>

using namespace msweight;
using namespace Qt::StringLiterals;

class TestCutPlanWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void settingsChangeThePlan_data();
    void settingsChangeThePlan();
    void settingsGoWithTheSheet();
    void cancelKeepsThePlanBefore();
    void copiesThePurchaseList();

private:
    template<typename T = QWidget>
    T *part(const char *name) const
    {
        T *widget = plan->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no %s in the cutting plan's window", name);
        return widget;
    }
    QString cell(const char *table, int row, int column) const
    {
        const QAbstractItemModel *model = part<QTableView>(table)->model();
        return model->index(row, column).data().toString();
    }
    // Works the plan out by its key and waits for it.
    void workOut() const
    {
        QTest::keyClick(plan, Qt::Key_F5);
        QVERIFY(plan->isWorking());
        QTRY_VERIFY(!plan->isWorking());
    }
    static void type(QWidget *box, const QString &text)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
    }

    std::unique_ptr<SheetWindow> window;
    CutPlanWindow *plan = nullptr;
    QStringList failures;
};

void TestCutPlanWindow::init()
{
    QSettings(u"msweight"_s, u"msweight"_s).clear();
    failures.clear();
    window = std::make_unique<SheetWindow>();
    SheetWindow::Dialogs dialogs;
    dialogs.fail = [this](QWidget *, const QString &message) { failures << message; };
    window->setDialogs(dialogs);
    // 52.6 m of MC - 75 x 40 (6.8 kg/m) in four lengths, and a plate.
    JobSheet &sheet = window->sheet();
    const Calculation &channel = *CalculationNamed(u"ISMC channel");
    const CatalogueRow *size = FindRow("OptionButton1").row;
    sheet.addLine(channel, size, {u"5.2"_s, u"3"_s});
    sheet.addLine(channel, size, {u"3.9"_s, u"4"_s});
    sheet.addLine(*CalculationNamed(u"Plate"), FindRow("OptionButton29").row, {u"1"_s, u"2"_s, u"1"_s});
    sheet.addLine(channel, size, {u"2.6"_s, u"5"_s});
    sheet.addLine(channel, size, {u"1.4"_s, u"6"_s});
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));

    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
    plan = window->findChild<CutPlanWindow *>();
    QVERIFY(plan);
    QTRY_COMPARE(QApplication::activeWindow(), plan);
}

void TestCutPlanWindow::cleanup()
{
    window->sheet().undoStack().setClean();
    window.reset();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
}

void TestCutPlanWindow::settingsChangeThePlan_data()
{
    QTest::addColumn<QString>("stock");
    QTest::addColumn<QString>("kerf");
    QTest::addColumn<QString>("minOffcut");
    QTest::addColumn<QStringList>("purchase"); // bars to buy, bought, bound, proof, bought kg, offcuts kg, scrap kg
    QTest::addColumn<int>("bars");             // rows of the plan
    QTest::addColumn<QString>("last");         // the plan's last row: cut from, pieces, offcut

    // 52.6 m of pieces: 60 m of 12 m bars, but 54 m where 6 m bars are sold
    // too. Offcuts kept weigh x 6.8 kg/m: 6.388 m, or 1.3456 m from 0.1 m.
    QTest::newRow("defaults: 12 m, 3 mm, 0.5 m")
        << u"12"_s << u"3"_s << u"0.5"_s
        << QStringList{u"5 x 12 m"_s, u"60"_s, u"60"_s, u"optimal"_s, u"408"_s, u"43.44"_s, u"6.88"_s} << 5
        << u"bought | L5 1.4 x 4 | 6.388, kept"_s;
    QTest::newRow("6 m stock") << u"6"_s << u"3"_s << u"0.5"_s
                               << QStringList{u"10 x 6 m"_s, u"60"_s,    u"60"_s,  u"optimal"_s,
                                              u"408"_s,      u"49.95"_s, u"0.37"_s}
                               << 10 << QString();
    QTest::newRow("12 m and 6 m, no kerf")
        << u"12, 6"_s << u"0"_s << u"0.5"_s
        << QStringList{u"4 x 12 m, 1 x 6 m"_s, u"54"_s, u"54"_s, u"optimal"_s, u"367.2"_s, u"0"_s, u"9.52"_s} << 5
        << QString();
    QTest::newRow("offcuts kept from 0.1 m")
        << u"12, 6"_s << u"3"_s << u"0.1"_s
        << QStringList{u"4 x 12 m, 1 x 6 m"_s, u"54"_s, u"54"_s, u"optimal"_s, u"367.2"_s, u"9.15"_s, u"0.37"_s} << 5
        << QString();
    QTest::newRow("pieces too long for 5 m stock")
        << u"5"_s << u"3"_s << u"0.5"_s
        << QStringList{u"10 x 5 m"_s, u"50"_s, u"50"_s, u"optimal"_s, u"340"_s, u"88.09"_s, u"0.31"_s} << 11
        << u"too long | L1 5.2 x 3 | needs a joint or a special length"_s;
}

void TestCutPlanWindow::settingsChangeThePlan()
{
    QFETCH(QString, stock);
    QFETCH(QString, kerf);
    QFETCH(QString, minOffcut);
    QFETCH(QStringList, purchase);
    QFETCH(int, bars);
    QFETCH(QString, last);

    QCOMPARE(cell("PurchaseList", 0, PurchaseModel::ProofColumn), u"not worked out"_s);
    QCOMPARE(part<QLabel>("PlanNotes")->text().section(u'\n', 0, 0),
             u"Line 3 left out: plates, flanges and transition pieces have no cut length."_s);
    type(part("StockLengths"), stock);
    type(part("Kerf"), kerf);
    type(part("MinOffcut"), minOffcut);
    workOut();

    const QList<int> columns{PurchaseModel::BuyColumn,    PurchaseModel::BoughtColumn,   PurchaseModel::BoundColumn,
                             PurchaseModel::ProofColumn,  PurchaseModel::BoughtKgColumn, PurchaseModel::OffcutsKgColumn,
                             PurchaseModel::ScrapKgColumn};
    const auto purchased = [&] {
        QStringList cells;
        for (int column : columns)
            cells << cell("PurchaseList", 0, column);
        return cells;
    };
    QCOMPARE(purchased(), purchase);
    QCOMPARE(part<QTableView>("CutPlan")->model()->rowCount(), bars);
    if (!last.isEmpty()) {
        QCOMPARE(QStringList({cell("CutPlan", bars - 1, CutPlanModel::FromColumn),
                              cell("CutPlan", bars - 1, CutPlanModel::PiecesColumn),
                              cell("CutPlan", bars - 1, CutPlanModel::OffcutColumn)})
                     .join(u" | "_s),
                 last);
    }

    // Kept for the next session, and the same plan again.
    plan->close();
    window->findChild<QAction *>(u"CuttingPlan"_s)->trigger();
    QTRY_COMPARE(QApplication::activeWindow(), plan);
    QCOMPARE(part<QLineEdit>("Kerf")->text(), kerf);
    workOut();
    QCOMPARE(purchased(), purchase);
}

// Typed, they are a change to the sheet and its contents; a sheet opened
// shows its own, or without any the last used.
void TestCutPlanWindow::settingsGoWithTheSheet()
{
    JobSheet &sheet = window->sheet();
    workOut();
    sheet.undoStack().setClean();
    type(part("Kerf"), u"5"_s);
    QVERIFY(!sheet.undoStack().isClean());
    QCOMPARE(part<QLabel>("PlanNotes")->text().section(u'\n', 0, 0),
             u"The sheet has changed since this plan was worked out: press F5 for a new one."_s);
    const QString key = *CutGroupKey(sheet.line(0));
    QCOMPARE(sheet.contents().cutSettings.value(key), (CutSettings{u"12"_s, {}, u"5"_s, u"0.5"_s, u"2"_s}));
    // Undone, the sheet has none, and the boxes show what it had.
    sheet.undoStack().undo();
    QVERIFY(sheet.undoStack().isClean());
    QCOMPARE(part<QLineEdit>("Kerf")->text(), u"3"_s);

    SheetContents other = sheet.contents();
    other.cutSettings.insert(key, {u"6"_s, u"2 x 3"_s, u"1"_s, u"0.2"_s, u"4"_s});
    sheet.replace(other);
    QCOMPARE(part<QLineEdit>("StockLengths")->text(), u"6"_s);
    QCOMPARE(part<QLineEdit>("Offcuts")->text(), u"2 x 3"_s);
    QCOMPARE(part<QLineEdit>("TimeLimit")->text(), u"4"_s);
    other.cutSettings.clear();
    sheet.replace(other);
    QCOMPARE(part<QLineEdit>("Kerf")->text(), u"5"_s);
}

void TestCutPlanWindow::cancelKeepsThePlanBefore()
{
    workOut();
    const QString before = cell("PurchaseList", 0, PurchaseModel::BuyColumn);
    const int bars = part<QTableView>("CutPlan")->model()->rowCount();
    QVERIFY(bars > 0);

    // A planner that runs until it is cancelled.
    std::atomic_bool started = false;
    plan->setPlanner([&started](const CutRequest &request) {
        started = true;
        while (!request.cancel->load())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        CutPlan cancelled;
        cancelled.cancelled = true;
        return cancelled;
    });
    type(part("StockLengths"), u"6"_s);
    QTest::keyClick(plan, Qt::Key_F5);
    QTRY_VERIFY(started);
    QVERIFY(plan->isWorking()); // and the window answers:
    QVERIFY(part<QProgressBar>("PlanProgress")->isVisible());
    QTest::keyClick(plan, Qt::Key_Escape);
    QTRY_VERIFY(!plan->isWorking());
    QCOMPARE(part<QLabel>("PlanStatus")->text(), u"Cancelled: the plan shown is the one before."_s);
    QCOMPARE(cell("PurchaseList", 0, PurchaseModel::BuyColumn), before);
    QCOMPARE(part<QTableView>("CutPlan")->model()->rowCount(), bars);
}

void TestCutPlanWindow::copiesThePurchaseList()
{
    window->sheet().setSheetRate(u"65"_s);
    workOut();
    QCOMPARE(cell("PurchaseList", 0, PurchaseModel::AmountColumn), u"26520.00"_s); // 408 kg bought x 65
    QCOMPARE(part<QLabel>("PlanTotal")->text(),
             u"To buy: 408 kg (0.408 t); pieces 357.68 kg, offcuts kept 43.44 kg, scrap 6.88 kg, waste 1.7%; "
             "amount 26520.00"_s);
    part("PurchaseList")->setFocus();
    QTest::keyClick(plan, Qt::Key_C, Qt::ControlModifier);
    const QStringList rows = QGuiApplication::clipboard()->mimeData()->text().split(u'\n');
    QCOMPARE(rows.value(0).section(u'\t', 0, 2), u"Group\tPieces\tBars to buy"_s);
    QCOMPARE(rows.value(1).section(u'\t', 0, 2), u"ISMC channel MC - 75 x 40 · IS 808:1964\t18\t5 x 12 m"_s);
    QVERIFY(QGuiApplication::clipboard()->mimeData()->html().contains(u"<td>5 x 12 m</td>"_s));
}

QTEST_MAIN(TestCutPlanWindow)
#include "tst_cutplanwindow.moc"
