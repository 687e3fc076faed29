// The job sheet at 10,000 lines of the pages' items, catalogue items and
// shapes: adding a line, editing one and reading the totals, which should
// not grow with the sheet; saving and opening the whole sheet, whose goal is
// under 0.2 s each; importing a take-off of 10,000 rows, under 0.5 s.
// Through the window, as a user's command runs. Run with -median 9.
//
// And the sheet as a PDF, painted page by page, whose goal is under 0.3 s
// for 1,000 lines and under 2 s for 10,000.
#include "catalogue/itemparser.h"
#include "sheet/cutgroups.h"
#include "sheet/itemline.h"
#include "sheet/printout.h"
#include "sheet/sheetexport.h"
#include "sheet/sheetfile.h"
#include "sheet/sheetwindow.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <sys/resource.h>
#include <unistd.h>

using namespace msweight;

namespace {

constexpr int Lines = 10'000;

// Items of every kind, as a take-off names them.
const char *const ItemTexts[] = {
    "ISMB 200",
    "ISMB 300 · IS 808:1964",
    "ISMC 100",
    "ISA 50x50x6",
    "ISA 75x50x8",
    "NPB 200x100x22.36",
    "SHS 40x40x3.2",
    "RHS 96x48x4.8",
    "CHS 48.3x4",
    "40 NB medium",
    "flat 50x6",
    "SS304 plate 1500x3",
    "aluminium flat 40x5",
    "RB 20",
    "SQ 16",
    "ISHB 150 (27.1 kg/m)",
};

// Every kind of line, half of them the pages' and half items, with inputs
// that differ from line to line.
SheetContents LargeSheet(int lines = Lines)
{
    SheetContents contents{QStringLiteral("Bench, 10000 lines"), QStringLiteral("62.5"), {}};
    contents.lines.reserve(std::size_t(lines));
    std::vector<const Calculation *> items;
    for (const Calculation &calculation : Calculations()) {
        if (calculation.weighs)
            items.push_back(&calculation);
    }
    std::vector<Item> catalogue;
    for (const char *text : ItemTexts) {
        const ParsedItem parsed = ParseItem(QString::fromUtf8(text));
        if (!parsed.match)
            qFatal("%s", qPrintable(parsed.reason));
        catalogue.push_back(parsed.match->item);
    }
    for (int i = 0; i < lines; ++i) {
        if (i % 2 == 1) {
            SheetLine line = ItemLine(catalogue[std::size_t(i / 2) % catalogue.size()]);
            line.inputs = {QString::number(1 + i % 97) + QStringLiteral(".5"), QString::number(1 + i % 13)};
            line.mark = QStringLiteral("M%1").arg(i);
            contents.lines.push_back(std::move(line));
            continue;
        }
        const Calculation &calculation = *items[std::size_t(i) % items.size()];
        const CatalogueRow *size = nullptr;
        if (calculation.sized) {
            const auto rows = SizeTable(calculation).Rows;
            size = &rows[std::size_t(i) % rows.size()];
        }
        std::vector<QString> inputs;
        for (std::size_t k = 0; k < calculation.inputs.size(); ++k)
            inputs.push_back(QString::number(1 + (i + int(k)) % 97) + QStringLiteral(".25"));
        contents.lines.push_back(
            {&calculation, size, std::move(inputs), i % 10 == 0 ? QStringLiteral("70") : QString()});
    }
    return contents;
}

SheetContents WithCutSettings(SheetContents contents)
{
    for (const SheetLine &line : contents.lines) {
        if (const std::optional<QString> key = CutGroupKey(line))
            contents.cutSettings.insert(*key,
                                        {QStringLiteral("12 x 40; 6"), QStringLiteral("3.5 x 2"), QStringLiteral("3"),
                                         QStringLiteral("0.5"), QStringLiteral("2")});
    }
    return contents;
}

// The offscreen platform writes a warning each time a window's size limits
// change; writing them would be most of what is timed.
QtMessageHandler Shown = nullptr;
void Quiet(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        Shown(type, context, message);
}

// The texts the sheet shows, as the sheet would make its printout.
// A4 landscape at QPdfWriter's own resolution, into memory.
struct PdfInMemory
{
    PdfInMemory()
    {
        buffer.open(QIODevice::WriteOnly);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
    }
    QBuffer buffer;
    QPdfWriter writer{&buffer};
};

} // namespace

class BenchSheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Shown = qInstallMessageHandler(Quiet); }
    void init();
    void addLine_data();
    void addLine();
    void editLine_data();
    void editLine();
    void totals();
    void save_data();
    void save();
    void open_data();
    void open();
    void openLarge();
    void pdf_data();
    void pdf();
    void importTakeOff();
    void summary();

private:
    std::unique_ptr<SheetWindow> window;
    QTemporaryDir dir;
};

void BenchSheet::init()
{
    window = std::make_unique<SheetWindow>();
    SheetWindow::Dialogs dialogs;
    dialogs.fail = [](QWidget *, const QString &message) { qFatal("%s", qPrintable(message)); };
    dialogs.inform = [](QWidget *, const QString &message) { qFatal("%s", qPrintable(message)); };
    window->setDialogs(dialogs);
    window->show();
    window->sheet().replace(LargeSheet());
}

// At 1,000 and at 10,000 lines, to show that the time does not grow.
void BenchSheet::addLine_data()
{
    QTest::addColumn<int>("lines");
    QTest::newRow("1000 lines") << 1'000;
    QTest::newRow("10000 lines") << Lines;
}

// Added and taken away again, so that each round meets the same sheet; the
// window shows the new line, then the last one again.
void BenchSheet::addLine()
{
    QFETCH(int, lines);
    JobSheet &sheet = window->sheet();
    sheet.replace(LargeSheet(lines));
    const Calculation &channel = *CalculationNamed(u"ISMC channel");
    const CatalogueRow *size = FindRow("OptionButton1").row;
    QBENCHMARK
    {
        sheet.addLine(channel, size, {QStringLiteral("6"), QStringLiteral("10")});
        sheet.undoStack().undo();
    }
    QCOMPARE(sheet.rowCount(), lines);
}

void BenchSheet::editLine_data()
{
    addLine_data();
}

// The quantity of a line in the middle, as its cell's editor sets it.
void BenchSheet::editLine()
{
    QFETCH(int, lines);
    JobSheet &sheet = window->sheet();
    sheet.replace(LargeSheet(lines));
    const QModelIndex quantity = sheet.index(lines / 2, JobSheet::QuantityColumn);
    int round = 0;
    QBENCHMARK
    {
        sheet.setData(quantity, QString::number(++round));
    }
    QVERIFY(sheet.totals().weight);
}

void BenchSheet::totals()
{
    const JobSheet &sheet = window->sheet();
    QString text;
    QBENCHMARK
    {
        text = sheet.weightTotalText() + sheet.amountTotalText();
    }
    QVERIFY(!text.isEmpty());
}

// Without the cutting settings, and with settings for every group, whose
// five cells each of the group's lines carries.
void BenchSheet::save_data()
{
    QTest::addColumn<bool>("settings");
    QTest::newRow("no cutting settings") << false;
    QTest::newRow("every group's cutting settings") << true;
}

void BenchSheet::save()
{
    QFETCH(bool, settings);
    if (settings)
        window->sheet().replace(WithCutSettings(window->sheet().contents()));
    const QString path = dir.filePath(QStringLiteral("bench.csv"));
    QBENCHMARK
    {
        QVERIFY(window->saveTo(path));
    }
}

void BenchSheet::open_data()
{
    save_data();
}

void BenchSheet::open()
{
    QFETCH(bool, settings);
    if (settings)
        window->sheet().replace(WithCutSettings(window->sheet().contents()));
    const QString path = dir.filePath(QStringLiteral("open.csv"));
    QVERIFY(window->saveTo(path));
    const SheetContents saved = window->sheet().contents();
    QBENCHMARK
    {
        QVERIFY(window->openPath(path));
    }
    QCOMPARE(window->sheet().contents(), saved);
}

namespace {

// The process's resident memory now, and at its peak so far, in KiB.
long ResidentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readAll().split(' ').value(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

long PeakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

// 200,000 lines: the time to open them, the memory the opening takes at its
// peak against the file's size (goal: under ten times), and what is given
// back when an empty sheet takes their place. Run alone (bench_sheet
// openLarge), so that the process's peak is the opening's.
void BenchSheet::openLarge()
{
    const QString path = dir.filePath(QStringLiteral("large.csv"));
    {
        const QByteArray block = WriteSheet(window->sheet().contents(), u".");
        const qsizetype body = block.indexOf("\r\n", block.indexOf("Job,")) + 2; // after the column names
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(block);
        for (int i = 1; i < 20; ++i)
            file.write(block.constData() + body, block.size() - body);
    }
    const qint64 size = QFileInfo(path).size();
    window->sheet().replace({});
    const long before = ResidentKiB();
    QElapsedTimer timer;
    timer.start();
    QVERIFY(window->openPath(path));
    const qint64 elapsed = timer.elapsed();
    QCOMPARE(window->sheet().rowCount(), 20 * Lines);
    const long peak = PeakKiB() - before;
    const long held = ResidentKiB() - before;
    window->sheet().replace({});
    const long after = ResidentKiB() - before;
    qInfo("%d lines, %.1f MB: opened in %lld ms; at most %.1f MB more at the peak (%.1fx the file), %.1f MB held, "
          "%.1f MB once an empty sheet replaced it",
          20 * Lines, size / 1e6, elapsed, peak / 1024.0, peak * 1024.0 / size, held / 1024.0, after / 1024.0);
    QVERIFY(peak * 1024.0 < 10.0 * size);
    // Given back: what stays is the window's, not the sheet's.
    QVERIFY2(after * 10 < held, "the large sheet's memory was not given back");
}

void BenchSheet::pdf_data()
{
    QTest::addColumn<int>("lines");
    for (const int lines : {1'000, Lines})
        QTest::addRow("%d lines", lines) << lines;
}

// From the sheet's texts to the whole PDF in memory.
void BenchSheet::pdf()
{
    QFETCH(int, lines);
    JobSheet &sheet = window->sheet();
    sheet.replace(LargeSheet(lines));
    qint64 size = 0;
    QBENCHMARK
    {
        PdfInMemory pdf;
        QCOMPARE(PaintPrintout(SheetPrintout(sheet, QDate::currentDate()), pdf.writer), PaintOutcome::Painted);
        size = pdf.buffer.size();
    }
    QVERIFY(size > lines * 50);
}

// 10,000 rows, each read by the item parser, added as one change and taken
// back by one undo.
void BenchSheet::importTakeOff()
{
    const QString path = dir.filePath(QStringLiteral("take-off.csv"));
    QString rows = QStringLiteral("Designation,Length (m),Quantity,Mark\n");
    for (int i = 0; i < Lines; ++i)
        rows += QStringLiteral("\"%1\",%2.25,%3,B%4\n")
                    .arg(QString::fromUtf8(ItemTexts[std::size_t(i) % std::size(ItemTexts)]))
                    .arg(1 + i % 12)
                    .arg(1 + i % 7)
                    .arg(i);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(rows.toUtf8());
    file.close();
    JobSheet &sheet = window->sheet();
    sheet.replace({});
    QBENCHMARK
    {
        QVERIFY(window->importTakeOffFrom(path));
        QCOMPARE(sheet.rowCount(), Lines);
        sheet.undoStack().undo();
    }
}

// The totals by section summed again from the whole sheet, as after an edit
// while they are shown.
void BenchSheet::summary()
{
    SheetSummary &summary = window->summary();
    JobSheet &sheet = window->sheet();
    int round = 0;
    QBENCHMARK
    {
        sheet.setData(sheet.index(Lines / 2, JobSheet::QuantityColumn), QString::number(++round));
        summary.refresh();
    }
    QVERIFY(summary.rowCount() > 10);
}

QTEST_MAIN(BenchSheet)
#include "bench_sheet.moc"
