// The job sheet's model: edits, undo and redo and the totals they leave;
// totals that stay exact through any history of edits; rates and amounts
// with a comma as the decimal separator; figures as the locale writes them;
// the workbook for spreadsheets read back.
#include "catalogue/itemparser.h"
#include "sheet/cutgroups.h"
#include "sheet/itemline.h"
#include "sheet/jobsheet.h"
#include "sheet/sheetexport.h"
#include "sheet/summary.h"
#include "sheet/takeoff.h"
#include "sheet/xlsxexport.h"

#include <QMimeData>

#include <QtTest>

#include <random>

using namespace msweight;
using namespace Qt::StringLiterals;

namespace {

const Calculation &Named(QStringView item)
{
    return *CalculationNamed(item);
}

const CatalogueRow *Size(const char *button)
{
    return FindRow(button).row;
}

// 6 m x 10 of MC - 75 x 40 (6.8 kg/m) and 12 m x 3 of MB - 100 (11.5 kg/m).
void AddChannelAndBeam(JobSheet &sheet, const QString &length = u"6"_s)
{
    sheet.addLine(Named(u"ISMC channel"), Size("OptionButton1"), {length, u"10"_s});
    sheet.addLine(Named(u"ISMB beam"), Size("OptionButton12"), {u"12"_s, u"3"_s});
}

QString Cell(const JobSheet &sheet, int row, int column, int role = Qt::DisplayRole)
{
    return sheet.data(sheet.index(row, column), role).toString();
}

} // namespace

class TestJobSheet : public QObject
{
    Q_OBJECT

private slots:
    void editsUndoAndTotals();
    void totalsStayExact();
    void rates_data();
    void rates();
    void copiedCellsKeepTheirText();
    void takeOff_data();
    void takeOff();
    void summarySums();
    void figuresAsWritten_data();
    void figuresAsWritten();
    void exportedWorkbook();
};

void TestJobSheet::editsUndoAndTotals()
{
    JobSheet sheet(u"."_s);
    QSignalSpy totals(&sheet, &JobSheet::totalsChanged);
    AddChannelAndBeam(sheet);
    sheet.addLine(Named(u"Plate"), Size("OptionButton29"), {u"1"_s, u"2"_s, u"1"_s});
    QCOMPARE(totals.size(), 3);
    const QString all = u"Total weight: 979.00 kg (0.979 t)"_s;
    QCOMPARE(sheet.weightTotalText(), all);
    QCOMPARE(Cell(sheet, 0, JobSheet::UnitWeightColumn), u"6.8"_s);
    QCOMPARE(Cell(sheet, 2, JobSheet::UnitWeightColumn), u"78.5 kg/m²"_s); // 10 mm thick
    QCOMPARE(Cell(sheet, 2, JobSheet::WeightColumn), u"157.00"_s);
    QCOMPARE(Cell(sheet, 2, JobSheet::WeightColumn, Qt::ToolTipRole), u"157 kg"_s);

    // A quantity that does not convert marks its cell and the weight's.
    QVERIFY(sheet.setData(sheet.index(1, JobSheet::QuantityColumn), u"abc"_s));
    const QString badQuantity = u"QTY.: \"abc\" is not a number."_s;
    QCOMPARE(Cell(sheet, 1, JobSheet::WeightColumn), u"no weight"_s);
    QCOMPARE(Cell(sheet, 1, JobSheet::WeightColumn, Qt::ToolTipRole), badQuantity);
    QCOMPARE(Cell(sheet, 1, JobSheet::QuantityColumn, Qt::AccessibleDescriptionRole), badQuantity);
    QCOMPARE(Cell(sheet, 1, JobSheet::QuantityColumn, JobSheet::FaultRole), badQuantity);
    QCOMPARE(Cell(sheet, 1, JobSheet::InputsColumn, Qt::ToolTipRole), QString());
    const QString withoutBeam = u"Total weight: 565.00 kg (0.565 t), incomplete: 1 line has no weight"_s;
    QCOMPARE(sheet.weightTotalText(), withoutBeam);
    sheet.undoStack().undo();
    QCOMPARE(sheet.weightTotalText(), all);
    QCOMPARE(Cell(sheet, 1, JobSheet::QuantityColumn), u"3"_s);
    QCOMPARE(Cell(sheet, 1, JobSheet::QuantityColumn, Qt::ToolTipRole), QString());
    sheet.undoStack().redo();
    QCOMPARE(sheet.weightTotalText(), withoutBeam);
    sheet.undoStack().undo();

    // Any other input marks the cell of the inputs.
    sheet.setInput(0, 0, u"x"_s);
    QCOMPARE(Cell(sheet, 0, JobSheet::InputsColumn, Qt::ToolTipRole), u"LENGTH (in Meter): \"x\" is not a number."_s);
    QCOMPARE(Cell(sheet, 0, JobSheet::QuantityColumn, Qt::ToolTipRole), QString());
    QCOMPARE(sheet.weightTotalText(), u"Total weight: 571.00 kg (0.571 t), incomplete: 1 line has no weight"_s);
    sheet.undoStack().undo();

    sheet.removeLines({0, 2});
    QCOMPARE(sheet.rowCount(), 1);
    QCOMPARE(sheet.weightTotalText(), u"Total weight: 414.00 kg (0.414 t)"_s);
    sheet.undoStack().undo();
    QCOMPARE(sheet.weightTotalText(), all);
    QCOMPARE(Cell(sheet, 0, JobSheet::ItemColumn), u"ISMC channel"_s);
    QCOMPARE(Cell(sheet, 2, JobSheet::ItemColumn), u"Plate"_s);

    sheet.moveLine(0, 2);
    QCOMPARE(Cell(sheet, 2, JobSheet::ItemColumn), u"ISMC channel"_s);
    QCOMPARE(Cell(sheet, 0, JobSheet::ItemColumn), u"ISMB beam"_s);
    sheet.undoStack().undo();
    QCOMPARE(Cell(sheet, 0, JobSheet::ItemColumn), u"ISMC channel"_s);

    // A group's cutting settings are a change like any other; deleting the
    // group's lines keeps them, for Undo to find.
    const QString channels = *CutGroupKey(sheet.line(0));
    const CutSettings before{u"6"_s, {}, u"3"_s, u"0.5"_s, u"2"_s};
    sheet.setCutSettings(channels, before, u"ISMC channel MC - 75 x 40"_s);
    sheet.undoStack().setClean();
    QSignalSpy settingsShown(&sheet, &JobSheet::cutSettingsChanged);
    sheet.setCutSettings(channels, before, u"ISMC channel MC - 75 x 40"_s);
    QVERIFY(sheet.undoStack().isClean());
    sheet.setCutSettings(channels, {u"12 x 4"_s, {}, u"3"_s, u"0.5"_s, u"2"_s}, u"ISMC channel MC - 75 x 40"_s);
    QCOMPARE(sheet.undoStack().undoText(), u"Cutting settings of ISMC channel MC - 75 x 40"_s);
    QVERIFY(!sheet.undoStack().isClean());
    sheet.removeLines({0});
    QCOMPARE(sheet.contents().cutSettings.value(channels).stock, u"12 x 4"_s);
    sheet.undoStack().undo();
    sheet.undoStack().undo();
    QVERIFY(sheet.undoStack().isClean());
    QCOMPARE(sheet.contents().cutSettings, (QMap<QString, CutSettings>{{channels, before}}));
    QCOMPARE(settingsShown.size(), 2);
    sheet.undoStack().undo();
    QVERIFY(sheet.cutSettings().isEmpty());

    while (sheet.undoStack().canUndo())
        sheet.undoStack().undo();
    QCOMPARE(sheet.rowCount(), 0);
    QCOMPARE(sheet.weightTotalText(), u"Total weight: 0.00 kg (0.000 t)"_s);
}

// Weights of very different sizes added, edited and taken away in a random
// order: the running total must equal the total of the same lines worked out
// afresh, where a running sum of doubles drifts.
void TestJobSheet::totalsStayExact()
{
    const QString lengths[] = {u"1e15"_s, u"0.1"_s, u"3"_s, u"1e-3"_s, u"7.7"_s, u"-2e14"_s, u"abc"_s};
    std::mt19937 random(20240611);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    JobSheet sheet(u"."_s);
    for (int step = 0; step < 400; ++step) {
        const int action = sheet.rowCount() < 3 ? 0 : pick(4);
        if (action == 0)
            sheet.addLine(Named(u"ISMC channel"), Size("OptionButton1"), {lengths[pick(7)], u"1"_s});
        else if (action == 1)
            sheet.setInput(pick(sheet.rowCount()), 0, lengths[pick(7)]);
        else if (action == 2)
            sheet.removeLines({pick(sheet.rowCount())});
        else
            sheet.undoStack().undo();
    }
    JobSheet fresh(u"."_s);
    fresh.replace(sheet.contents());
    QVERIFY(sheet.totals().weight);
    QCOMPARE(*sheet.totals().weight, *fresh.totals().weight);
    QCOMPARE(sheet.totals().linesWithoutWeight, fresh.totals().linesWithoutWeight);
    QVERIFY(sheet.totals().linesWithoutWeight > 0);
}

void TestJobSheet::rates_data()
{
    QTest::addColumn<QString>("sheetRate");
    QTest::addColumn<QStringList>("lineRates");
    QTest::addColumn<QStringList>("amounts"); // the two lines' amount cells
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("firstRateTip");
    QTest::addColumn<RateUnit>("unit");

    // Amounts grouped as German groups, with the euro's sign where the
    // locale puts it.
    const auto row = [](const char *name, const QString &sheetRate, QStringList lineRates, QStringList amounts,
                        const QString &total, const QString &firstRateTip = u"The sheet's rate"_s,
                        RateUnit unit = RateUnit::PerKg) {
        QTest::newRow(name) << sheetRate << lineRates << amounts << total << firstRateTip << unit;
    };
    row("no rate", {}, {{}, {}}, {{}, {}}, u"Total amount: no rate given"_s);
    row("the sheet's rate", u"2,5"_s, {{}, {}}, {u"1.020,00"_s, u"1.035,00"_s}, u"Total amount: 2.055,00 €"_s);
    row("a line's own rate", u"2,5"_s, {{}, u"1"_s}, {u"1.020,00"_s, u"414,00"_s}, u"Total amount: 1.434,00 €"_s);
    row("a line's rate alone", {}, {u"0,1"_s, {}}, {u"40,80"_s, {}},
        u"Total amount: 40,80 €, incomplete: 1 line has no amount"_s, QString());
    row("a sheet rate that does not convert", u"abc"_s, {{}, u"3"_s}, {u"no amount"_s, u"1.242,00"_s},
        u"Total amount: 1.242,00 €, incomplete: 1 line has no amount"_s, u"Rate: \"abc\" is not a number."_s);
    row("a point where the locale writes a comma", u"2.5"_s, {{}, {}}, {u"no amount"_s, u"no amount"_s},
        u"Total amount: 0,00 €, incomplete: 2 lines have no amount"_s,
        u"Rate: \"2.5\" is not a number: write decimals as 1,5."_s);
    // Per tonne the lines' own rates too; 408 kg at 0,1 a tonne is 4 cents.
    row("rates per tonne", u"2500"_s, {u"0,1"_s, {}}, {u"0,04"_s, u"1.035,00"_s}, u"Total amount: 1.035,04 €"_s,
        QString(), RateUnit::PerTonne);
}

void TestJobSheet::rates()
{
    QFETCH(QString, sheetRate);
    QFETCH(QStringList, lineRates);
    QFETCH(QStringList, amounts);
    QFETCH(QString, total);
    QFETCH(QString, firstRateTip);
    QFETCH(RateUnit, unit);

    JobSheet sheet(u","_s);
    AddChannelAndBeam(sheet, u"6,0"_s);
    QCOMPARE(sheet.weightTotalText(), u"Total weight: 822,00 kg (0,822 t)"_s);
    sheet.setRateUnit(unit);
    sheet.setSheetRate(sheetRate);
    for (int row = 0; row < 2; ++row)
        QVERIFY(sheet.setData(sheet.index(row, JobSheet::RateColumn), lineRates[row]));
    for (int row = 0; row < 2; ++row) {
        QCOMPARE(Cell(sheet, row, JobSheet::AmountColumn), amounts[row]);
        QCOMPARE(Cell(sheet, row, JobSheet::RateColumn), lineRates[row].isEmpty() ? sheetRate : lineRates[row]);
    }
    QCOMPARE(Cell(sheet, 0, JobSheet::RateColumn, Qt::ToolTipRole), firstRateTip);
    QCOMPARE(sheet.amountTotalText(), total);
}

// A spreadsheet takes the HTML first: markup typed into a box stays text.
void TestJobSheet::copiedCellsKeepTheirText()
{
    JobSheet sheet(u"."_s);
    sheet.addLine(Named(u"ISMC channel"), Size("OptionButton1"), {u"<b>6</b> & 7"_s, u"1\t2"_s});
    const auto copied = SheetCells(sheet, {0});
    QVERIFY2(copied->html().contains(u"<td>LENGTH (in Meter) = &lt;b&gt;6&lt;/b&gt; &amp; 7</td>"_s),
             qPrintable(copied->html()));
    QVERIFY(!copied->html().contains(u"<b>"_s));
    QVERIFY(copied->text().startsWith(
        u"ISMC channel\tMC - 75 x 40 \u00b7 IS 808:1964\tLENGTH (in Meter) = <b>6</b> & 7\t1 2\t"_s));
}

// Each row read by the item parser; a row not understood is named with its
// number and why, and then no row is taken.
void TestJobSheet::takeOff_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QByteArray>("csv");    // read as a file where not empty
    QTest::addColumn<QString>("cells");     // else as cells pasted
    QTest::addColumn<QStringList>("lines"); // size, inputs, mark of each line
    QTest::addColumn<QString>("refusal");

    QTest::newRow("pasted, a header, a comma")
        << u","_s << QByteArray()
        << u"Designation\tLength (m)\tQty\tMark\tMaterial\r\nISMB 200\t6,5\t4\tB1\n\t\t\n50x50x6\t3\t10\tA1\t\n"
           u"flat 50x6\t2.5\t5\t\taluminium\n"_s
        << QStringList{u"ISMB 200 · IS 808:1989|6,5|4|B1"_s, u"ISA 50x50x6 · IS 808:1989|3|10|A1"_s,
                       u"flat 50x6 · aluminium|2,5|5|"_s}
        << QString();
    QTest::newRow("a file without a header")
        << u"."_s << QByteArray("\xEF\xBB\xBF\"ISMB 200 \xC2\xB7 IS 808:1964\",6,2,\"B1, north\"\r\n40 NB M,6,1\r\n")
        << QString()
        << QStringList{u"ISMB 200 · IS 808:1964|6|2|B1, north"_s, u"40 NB medium · IS 1239 (Part 1):2004|6|1|"_s}
        << QString();
    QTest::newRow("rows not understood")
        << u"."_s << QByteArray()
        << u"ISMB 200\tsix\tfour\nISMB 201\t6\t1\nPL 10\t2\t1\nISMB 200\tsix\t1\nISMB 200\t6\nISMB 200\t1\t1\t\t\tx\n"_s
        << QStringList()
        << u"6 rows of the take-off are not understood; nothing was added.\n"
           u"Row 1, \"ISMB 200\": the length \"six\" is not a number.\n"
           u"Row 2: \"ISMB 201\" is not understood: no item of the catalogue has these sizes.\n"
           u"Row 3, \"PL 10\": a plate in a take-off needs its width: write it as width x thickness in mm, "
           u"\"PL 1500x10\".\n"
           u"Row 4, \"ISMB 200\": the length \"six\" is not a number.\n"
           u"Row 5, \"ISMB 200\": a row takes a designation, a length in metres and a quantity.\n"
           u"\u2026 and 1 more."_s; // row 6: more than five columns
}

void TestJobSheet::takeOff()
{
    QFETCH(QString, separator);
    QFETCH(QByteArray, csv);
    QFETCH(QString, cells);
    QFETCH(QStringList, lines);
    QFETCH(QString, refusal);

    const TakeOff read = csv.isEmpty() ? ReadTakeOffText(cells, separator) : ReadTakeOffCsv(csv, separator);
    QCOMPARE(read.faults.empty() ? QString() : TakeOffMessage(read), refusal);
    QStringList got;
    for (const SheetLine &line : read.lines)
        got << QStringList{SizeText(line), line.inputs.at(0), line.inputs.at(1), line.mark}.join(u'|');
    QCOMPARE(got, lines);
}

// Lines of one item, size, edition and material in one row; a subtotal for
// each kind; the page's beam apart from the catalogue's; lines without a
// weight left out and counted.
void TestJobSheet::summarySums()
{
    JobSheet sheet(u"."_s);
    SheetSummary summary(sheet);
    const auto add = [&](QStringView text, std::vector<QString> inputs) {
        SheetLine line = ItemLine(ParseItem(text).match->item);
        line.inputs = std::move(inputs);
        sheet.insertLine(sheet.rowCount(), line);
    };
    add(u"ISMB 200", {u"6"_s, u"4"_s});
    sheet.addLine(Named(u"ISMB beam"), Size("OptionButton12"), {u"12"_s, u"3"_s});
    add(u"ISMB 200", {u"0.1"_s, u"3"_s});
    add(u"ISMB 200 · IS 808:1964", {u"6"_s, u"1"_s});
    add(u"SS304 plate 3", {u"2"_s, u"1"_s, u"2"_s});
    add(u"ISMC 100", {u"x"_s, u"1"_s});
    sheet.setSheetRate(u"2"_s);
    summary.refresh();

    QStringList rows;
    for (int r = 0; r < summary.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < SheetSummary::ColumnCount; ++c)
            row << summary.data(summary.index(r, c)).toString();
        rows << row.join(u'|');
    }
    // 24.17 kg/m: 24 m and 0.3 m; 6 m of the 1964 beam at 25.4 kg/m; 36 m of
    // MB - 100 at 11.5; 4 m2 of 3 mm at 7930 kg/m3.
    QCOMPARE(rows,
             (QStringList{
                 u"Beams|ISMB 200|IS 808:1989|steel|7|24.3|587.33|1,174.66"_s,
                 u"Beams|MB - 100|IS 808:1964|steel|3|36|414.00|828.00"_s,
                 u"Beams|ISMB 200|IS 808:1964|steel|1|6|152.40|304.80"_s,
                 u"Beams|All beams|||11|66.3|1,153.73|2,307.46"_s,
                 u"Plates|PL 3||SS304|2||95.16|190.32"_s,
                 u"Plates|All plates|||2||95.16|190.32"_s,
                 u"|Total, leaving out 1 line without a weight|||13|66.3|1,248.89|2,497.78"_s,
             }));
    QCOMPARE(*sheet.totals().weight, 1248.891);
}

void TestJobSheet::figuresAsWritten_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QVariantList>("stored"); // the decimals of kg and of tonnes as the settings hold them
    QTest::addColumn<double>("weight");
    QTest::addColumn<QString>("kg");
    QTest::addColumn<QString>("tonnes");

    QTest::newRow("defaults; en_IN groups lakhs")
        << u"en_IN"_s << QVariantList{} << 298529.754 << u"2,98,529.75"_s << u"298.530"_s;
    QTest::newRow("de_DE") << u"de_DE"_s << QVariantList{} << 12345678.9 << u"12.345.678,90"_s << u"12.345,679"_s;
    QTest::newRow("no decimals") << u"en_IN"_s << QVariantList{0, 0} << 298529.754 << u"2,98,530"_s << u"299"_s;
    QTest::newRow("beyond six decimals, six")
        << u"en_US"_s << QVariantList{9, 6} << 0.1234567 << u"0.123457"_s << u"0.000123"_s;
    QTest::newRow("not a number, the default; below none, none")
        << u"en_US"_s << QVariantList{u"x"_s, -1} << 1.0 << u"1.00"_s << u"0"_s;
    QTest::newRow("rounded to nothing, no sign") << u"en_US"_s << QVariantList{} << -0.001 << u"0.00"_s << u"0.000"_s;
}

void TestJobSheet::figuresAsWritten()
{
    QFETCH(QString, locale);
    QFETCH(QVariantList, stored);
    QFETCH(double, weight);
    QFETCH(QString, kg);
    QFETCH(QString, tonnes);

    QStandardPaths::setTestModeEnabled(true);
    {
        QSettings settings;
        settings.clear();
        if (!stored.isEmpty()) {
            settings.setValue("figures/kgDecimals", stored[0]);
            settings.setValue("figures/tonneDecimals", stored[1]);
        }
    }
    FigureFormat figures = FigureFormat::load();
    figures.locale = QLocale(locale);
    QCOMPARE(figures.kg(weight), kg);
    QCOMPARE(figures.tonnes(weight), tonnes);
}

// Numbers stored as numbers, texts as shared strings, the totals as formulas
// over the lines' rows.
void TestJobSheet::exportedWorkbook()
{
    JobSheet sheet(u"."_s);
    sheet.setJobName(u"Shed"_s);
    sheet.setSheetRate(u"2.5"_s);
    AddChannelAndBeam(sheet);
    sheet.addLine(Named(u"ISMC channel"), Size("OptionButton1"), {u"6"_s, u"abc"_s});
    QTemporaryDir folder;
    const QString path = folder.filePath(u"sheet.xlsx"_s);
    QCOMPARE(ExportXlsx(sheet, path), QString());

    QProcess unzip;
    unzip.start(u"unzip"_s, {u"-p"_s, path, u"xl/worksheets/sheet1.xml"_s});
    QVERIFY(unzip.waitForFinished());
    const QString xml = QString::fromUtf8(unzip.readAllStandardOutput());
    // <c r="F5" s="2"><v>408</v></c>, or t="s" for a shared string.
    const auto cell = [&](const QString &name) {
        const QRegularExpression c(uR"(<c r="%1"([^>]*)>(.*?)</c>)"_s.arg(name));
        const QRegularExpressionMatch m = c.match(xml);
        return m.hasMatch() ? QString(m.captured(1).contains(u"t=\"s\""_s) ? u"text "_s : u"number "_s) + m.captured(2)
                            : QString();
    };
    QCOMPARE(cell(u"B2"_s), u"number <v>2.5</v>"_s);
    QCOMPARE(cell(u"F5"_s), u"number <v>408</v>"_s);
    QCOMPARE(cell(u"D6"_s), u"number <v>3</v>"_s);
    QCOMPARE(cell(u"D7"_s).left(5), u"text "_s);
    QCOMPARE(cell(u"F7"_s).left(5), u"text "_s);
    QCOMPARE(cell(u"F8"_s), u"number <f>SUM(F5:F7)</f><v>822</v>"_s);
    QCOMPARE(cell(u"H8"_s), u"number <f>SUM(H5:H7)</f><v>2055</v>"_s);
    QVERIFY2(xml.contains(u"<col "_s), qPrintable(xml));
}

QTEST_GUILESS_MAIN(TestJobSheet)
#include "tst_jobsheet.moc"
