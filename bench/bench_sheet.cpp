// The job sheet at 10,000 lines: adding a line, editing one and reading the
// totals, which should not grow with the sheet; and saving and opening the
// whole sheet, whose goal is under 0.2 s each. Through the window, as a
// user's command runs. Run with -median 9.
//
// And the sheet as a PDF, painted page by page, whose goal is under 0.3 s
// for 1,000 lines and under 2 s for 10,000, beside the HTML document it
// replaces (about 20 s for 10,000 lines: run with -median 3).
#include "sheet/printout.h"
#include "sheet/sheetexport.h"
#include "sheet/sheetwindow.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace msweight;

namespace {

constexpr int Lines = 10'000;

// Every kind of line, with inputs that differ from line to line.
SheetContents LargeSheet(int lines = Lines)
{
    SheetContents contents{QStringLiteral("Bench, 10000 lines"), QStringLiteral("62.5"), {}};
    contents.lines.reserve(std::size_t(lines));
    std::vector<const Calculation *> items;
    for (const Calculation &calculation : Calculations()) {
        if (calculation.weighs)
            items.push_back(&calculation);
    }
    for (int i = 0; i < lines; ++i) {
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
    void save();
    void open();
    void pdf_data();
    void pdf();

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

void BenchSheet::save()
{
    const QString path = dir.filePath(QStringLiteral("bench.csv"));
    QBENCHMARK
    {
        QVERIFY(window->saveTo(path));
    }
}

void BenchSheet::open()
{
    const QString path = dir.filePath(QStringLiteral("open.csv"));
    QVERIFY(window->saveTo(path));
    const SheetContents saved = window->sheet().contents();
    QBENCHMARK
    {
        QVERIFY(window->openPath(path));
    }
    QCOMPARE(window->sheet().contents(), saved);
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

QTEST_MAIN(BenchSheet)
#include "bench_sheet.moc"
