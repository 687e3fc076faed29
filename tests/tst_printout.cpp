// The printout painted into a PDF through a QSaveFile and read back with
// pdftotext: every text whole, however long; every line on one page unless
// it is taller than a page; the headings and the page's number on every
// page; and the old file as it was when the painting is cancelled or fails.
// Fonts need a QGuiApplication, so this suite starts one (no widgets).
#include "sheet/printout.h"

#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using namespace msweight;
using namespace Qt::StringLiterals;

namespace {

Printout Sheet(std::vector<QStringList> rows)
{
    return {u"Job 7"_s,
            {u"9 December 2026"_s},
            {u"Item"_s, u"Size"_s, u"Weight"_s},
            {Qt::AlignLeft, Qt::AlignLeft, Qt::AlignRight},
            std::move(rows),
            {u"Total weight: 12 kg"_s},
            {}};
}

// Landscape, committed only when painted; painted in a thread of its own
// when `worker`, as a window that keeps answering paints it.
PaintOutcome Export(const Printout &printout, const QString &path, const PrintProgress &progress = {},
                    bool worker = false, const QPageSize &page = QPageSize(QPageSize::A4))
{
    QSaveFile file(path);
    (void)file.open(QIODevice::WriteOnly); // when it cannot, neither can the writer's painter
    QPdfWriter writer(&file);
    writer.setPageSize(page);
    writer.setPageOrientation(QPageLayout::Landscape);
    PaintOutcome outcome = PaintOutcome::Failed;
    const auto paint = [&] { outcome = PaintPrintout(printout, writer, progress); };
    if (worker) {
        std::unique_ptr<QThread> thread(QThread::create(paint));
        thread->start();
        thread->wait();
    } else {
        paint();
    }
    return outcome == PaintOutcome::Painted && !file.commit() ? PaintOutcome::Failed : outcome;
}

// Each page's text, laid out as printed.
QStringList PdfPages(const QString &path)
{
    QProcess process;
    process.start(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
    if (!process.waitForFinished() || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    pages.removeLast(); // after the last form feed
    return pages;
}

bool IsHeadings(const QString &line)
{
    return line.simplified() == u"Item Size Weight"_s;
}

// Distinct words, so that a line lost or painted twice shows.
QString Words(int characters)
{
    QString text;
    for (int i = 0; text.size() < characters; ++i)
        text += u"w%1 "_s.arg(i, 5, 10, QChar(u'0'));
    return text;
}

} // namespace

class TestPrintout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textsComeBackWhole_data();
    void textsComeBackWhole();
    void outcomes_data();
    void outcomes();

private:
    QTemporaryDir dir;
};

void TestPrintout::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty(), "pdftotext is missing: install poppler-utils");
}

void TestPrintout::textsComeBackWhole_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("markup characters") << QStringList{u"A & B <b>"_s, u"x > y"_s, u"&amp; 1 < 2"_s};
    QTest::newRow("Cyrillic and Greek") << QStringList{u"Швеллер Ст3сп"_s, u"χάλυβας"_s, u"1,5"_s};
    QTest::newRow("ligatures") << QStringList{u"office profile"_s, u"flat fitting"_s, u"ffi"_s};
    QTest::newRow("5,000 characters, wrapped") << QStringList{Words(5'000)};
    QString unbroken;
    for (int i = 0; unbroken.size() < 3'000; ++i)
        unbroken += QString::number(i);
    QTest::newRow("a word wider than its column") << QStringList{u"Plate"_s, unbroken};
    QTest::newRow("a line taller than a page") << QStringList{Words(40'000)};
}

// Each cell, its spaces aside, in the text of the pages with their headings
// and numbers taken out.
void TestPrintout::textsComeBackWhole()
{
    QFETCH(QStringList, cells);
    const QString path = dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".pdf"_s);
    QCOMPARE(Export(Sheet({{u"before"_s}, cells, {u"after"_s}}), path), PaintOutcome::Painted);
    QString text;
    static const QRegularExpression folio(u"^\\s*Page \\d+ of \\d+\\s*$"_s);
    for (const QString &page : PdfPages(path)) {
        for (const QString &line : page.split(u'\n')) {
            if (!IsHeadings(line) && !folio.match(line).hasMatch())
                text += line;
        }
    }
    text.remove(QRegularExpression(u"\\s"_s));
    QString expected = cells.join(QString()).remove(QRegularExpression(u"\\s"_s));
    QVERIFY2(text.contains(u"before"_s + expected), qPrintable(text.left(2'000)));
}

void TestPrintout::outcomes_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("cancelAt"); // percent of the pages painted; -1: never
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("worker");
    QTest::addColumn<QPageSize>("page");
    QTest::addColumn<PaintOutcome>("outcome");
    const QPageSize a4(QPageSize::A4);
    QTest::newRow("one line") << 1 << -1 << true << false << a4 << PaintOutcome::Painted;
    QTest::newRow("600 lines, some of three") << 600 << -1 << true << false << a4 << PaintOutcome::Painted;
    QTest::newRow("painted in a worker thread") << 600 << -1 << true << true << a4 << PaintOutcome::Painted;
    QTest::newRow("cancelled before the first page") << 600 << 0 << true << false << a4 << PaintOutcome::Cancelled;
    QTest::newRow("cancelled half way, in a worker thread")
        << 600 << 50 << true << true << a4 << PaintOutcome::Cancelled;
    QTest::newRow("a page too short for a line")
        << 1 << -1 << true << false << QPageSize(QSizeF(20, 200), QPageSize::Millimeter) << PaintOutcome::Failed;
    // The writer does not tell; the QSaveFile does, when committed.
    QTest::newRow("into a folder that is not there") << 1 << -1 << false << false << a4 << PaintOutcome::Failed;
}

// Through a QSaveFile over an existing file, which only a whole PDF replaces.
// There, every line once, in order and on one page; the headings and "Page i
// of n" on each page, n as `progress` was told; the totals after the last line.
void TestPrintout::outcomes()
{
    QFETCH(int, lines);
    QFETCH(int, cancelAt);
    QFETCH(bool, writable);
    QFETCH(bool, worker);
    QFETCH(QPageSize, page);
    QFETCH(PaintOutcome, outcome);
    const QString path = dir.filePath(writable ? u"old.pdf"_s : u"missing/old.pdf"_s);
    const QByteArray old = "the old file";
    QFile file(path);
    QVERIFY(!writable || (file.open(QIODevice::WriteOnly) && file.write(old) == old.size()));
    file.close();
    std::vector<QStringList> rows;
    for (int i = 0; i < lines; ++i) {
        const QString tall = i % 7 ? QString() : u"a%1\nb%1\nz%1"_s.arg(i, 5, 10, QChar(u'0'));
        rows.push_back({u"L%1"_s.arg(i, 5, 10, QChar(u'0')), tall, QString::number(i)});
    }
    int painted = -1;
    int pageCount = 0;
    const auto progress = [&](int done, int count) {
        painted = done;
        pageCount = count;
        return cancelAt < 0 || done * 100 < cancelAt * count;
    };
    QCOMPARE(Export(Sheet(rows), path, progress, worker, page), outcome);
    if (outcome != PaintOutcome::Painted) {
        QCOMPARE(file.exists(), writable);
        QVERIFY(!writable || (file.open(QIODevice::ReadOnly) && file.readAll() == old));
        QVERIFY(cancelAt <= 0 || painted > 0);
        return;
    }

    const QStringList pages = PdfPages(path);
    QCOMPARE(pages.size(), pageCount);
    QVERIFY(pageCount >= (lines + 99) / 100);
    int next = 0;
    for (int p = 0; p < pages.size(); ++p) {
        const QStringList pageLines = pages[p].split(u'\n');
        QVERIFY2(std::any_of(pageLines.begin(), pageLines.end(), IsHeadings), qPrintable(pages[p]));
        QVERIFY(pages[p].contains(u"Page %1 of %2"_s.arg(p + 1).arg(pageCount)));
        static const QRegularExpression line(u"\\bL(\\d{5})\\b"_s);
        for (const QRegularExpressionMatch &match : line.globalMatch(pages[p])) {
            const int i = match.captured(1).toInt();
            QCOMPARE(i, next++);
            if (i % 7 == 0)
                QVERIFY2(pages[p].contains(u"z%1"_s.arg(i, 5, 10, QChar(u'0'))), qPrintable(match.captured()));
        }
    }
    QCOMPARE(next, lines);
    QVERIFY(pages.last().indexOf(u"Total weight: 12 kg"_s) > pages.last().lastIndexOf(u"L"_s));
}

QTEST_MAIN(TestPrintout)
#include "tst_printout.moc"
