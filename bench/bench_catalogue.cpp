// The steel catalogue: reading all its files (goal: under 10 ms), the first
// search, which reads them and builds the search's index, and a keystroke's
// search over the whole catalogue (goal: under 5 ms) for typical prefixes.
#include "catalogue/itemparser.h"

#include <QtTest>

using namespace msweight;

class BenchCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void firstSearch();
    void load();
    void keystroke_data();
    void keystroke();
};

// Once, before anything else has read the tables: what the first keystroke
// of a session costs.
void BenchCatalogue::firstSearch()
{
    QElapsedTimer timer;
    timer.start();
    const std::vector<ItemMatch> matches = SearchItems(u"ismb");
    const qint64 ns = timer.nsecsElapsed();
    QVERIFY(!matches.empty());
    qInfo("first search, the tables read and indexed: %.3f ms", double(ns) / 1e6);
}

void BenchCatalogue::load()
{
    QBENCHMARK
    {
        const SteelCatalogue tables = LoadSteelTables();
        QVERIFY(!tables.rolled.empty());
    }
}

void BenchCatalogue::keystroke_data()
{
    QTest::addColumn<QString>("text");
    for (const char *text :
         {"ismb", "isa 50", "50x50", "40 nb", "i", "ismb 2", "1 1/2 inch heavy pipe", "SS304 plate 3"})
        QTest::newRow(text) << QString::fromUtf8(text);
}

void BenchCatalogue::keystroke()
{
    QFETCH(QString, text);
    QBENCHMARK
    {
        const std::vector<ItemMatch> matches = SearchItems(text);
        QVERIFY(!matches.empty());
    }
}

QTEST_GUILESS_MAIN(BenchCatalogue)
#include "bench_catalogue.moc"
