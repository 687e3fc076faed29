// The item parser by a table of spellings, each with the item it must find
// first or "not understood"; the search box's lists; and every row of every
// table read back from the text that names it.
#include "catalogue/itemparser.h"
#include "catalogue/itemrules.h"

#include <QtTest>

using namespace msweight;

namespace {

const QString NotUnderstood = QStringLiteral("not understood");

} // namespace

class TestItemParser : public QObject
{
    Q_OBJECT

private slots:
    void spellings_data();
    void spellings();
    void search_data();
    void search();
    void roundTrip_data();
    void roundTrip();
};

void TestItemParser::spellings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("preferred"); // the caller's preferred edition
    QTest::addColumn<QString>("item");      // the item's text, or "not understood[: part of the reason]"
    const QString none;
    const QString ismb200 = QStringLiteral("ISMB 200 · IS 808:1989");
    const QString isa50 = QStringLiteral("ISA 50x50x6 · IS 808:1989");
    // Series with or without "IS", blank or hyphen; the newer edition unless preferred.
    QTest::newRow("ISMB 200") << "ISMB 200" << none << ismb200;
    QTest::newRow("ismb200") << "ismb200" << none << ismb200;
    QTest::newRow("MB-200") << "MB-200" << none << ismb200;
    QTest::newRow("preferred 1964") << "ISMB 200"
                                    << "IS 808:1964"
                                    << "ISMB 200 · IS 808:1964";
    QTest::newRow("edition named") << "ismb 100 is808:1964" << none << "ISMB 100 · IS 808:1964";
    QTest::newRow("only in 1989") << "ISMC 75 heavy" << none << NotUnderstood;
    QTest::newRow("ISMCP") << "mpc 150 (17.7 kg/m)" << none << "ISMCP 150 (17.7 kg/m) · IS 808:1989";
    QTest::newRow("repeated, no mass") << "ISHB 150" << none << NotUnderstood + ": it names 3 items";
    QTest::newRow("repeated, mass") << "ISHB 150 (30.6 kg/m)" << none << "ISHB 150 (30.6 kg/m) · IS 808:1964";
    QTest::newRow("repeated, bare mass") << "ishb 150 33.7" << none << "ISHB 150 (33.7 kg/m) · IS 808:1989";
    QTest::newRow("NPB") << "NPB 200x100x22.36" << none << "NPB 200x100x22.36 · IS 12778:2004";
    // Angles in any separator, legs either way round, or leg x thickness.
    QTest::newRow("ISA 50x50x6") << "ISA 50x50x6" << none << isa50;
    QTest::newRow("50 x 50 x 6 angle") << "50 x 50 x 6 angle" << none << isa50;
    QTest::newRow("L50x50x6") << "L50x50x6" << none << isa50;
    QTest::newRow("50X50X6") << "50X50X6" << none << isa50;
    QTest::newRow("50*50*6") << "50*50*6" << none << isa50;
    QTest::newRow("50×50×6") << "50×50×6" << none << isa50;
    QTest::newRow("ISA 50x6") << "ISA 50x6" << none << isa50;
    QTest::newRow("ISA 75x50x8") << "ISA 75x50x8" << none << "ISA 75x50x8 · IS 808:1989";
    QTest::newRow("ISA 50x75x8") << "isa 50 x 75 x 8" << none << "ISA 75x50x8 · IS 808:1989";
    QTest::newRow("only in 1964") << "ISA 200x200x18" << none << "ISA 200x200x18 · IS 808:1964";
    QTest::newRow("no such angle") << "ISA 50x50x9" << none << NotUnderstood;
    // Hollow sections and pipes.
    QTest::newRow("SHS 40x40x3.2") << "SHS 40x40x3.2" << none << "SHS 40x40x3.2 · IS 4923:1997";
    QTest::newRow("SHS 40x3.2") << "shs 40 x 3.2" << none << "SHS 40x40x3.2 · IS 4923:1997";
    QTest::newRow("RHS 96x48x4.8") << "RHS 96x48x4.8" << none << "RHS 96x48x4.8 · IS 4923:1997";
    QTest::newRow("CHS 48.3x4") << "CHS 48.3x4" << none << "CHS 48.3x4.0 · IS 1161:2014";
    QTest::newRow("SHS by dimensions") << "SHS 41x41x3" << none << "SHS 41x41x3";
    QTest::newRow("SHS walls meet") << "SHS 40x40x20" << none << NotUnderstood;
    QTest::newRow("40 NB medium") << "40 NB medium" << none << "40 NB medium · IS 1239 (Part 1):2004";
    QTest::newRow("1 1/2 inch heavy pipe") << "1 1/2 inch heavy pipe" << none << "40 NB heavy · IS 1239 (Part 1):2004";
    QTest::newRow("40NB M") << "40NB M" << none << "40 NB medium · IS 1239 (Part 1):2004";
    QTest::newRow("3/4\" L") << "3/4\" L" << none << "20 NB light · IS 1239 (Part 1):2004";
    QTest::newRow("no class") << "40 NB" << none << NotUnderstood + ": it names 3 items";
    QTest::newRow("no light 150 NB") << "150 NB light" << none << NotUnderstood;
    QTest::newRow("class without pipe") << "ISMB 200 M" << none << NotUnderstood;
    QTest::newRow("tube by OD x wall") << "pipe 60x3" << none << "CHS 60x3";
    QTest::newRow("tube of the table") << "tube 48.3 x 4" << none << "CHS 48.3x4.0 · IS 1161:2014";
    // Flats, plates and bars.
    QTest::newRow("flat 50x6") << "flat 50x6" << none << "ISF 50x6 · IS 1731:1971";
    QTest::newRow("ISF 50x6") << "ISF 50x6" << none << "ISF 50x6 · IS 1731:1971";
    QTest::newRow("flat by dimensions") << "flat 50x7" << none << "flat 50x7";
    QTest::newRow("PL 10") << "PL 10" << none << "PL 10";
    QTest::newRow("10 mm plate") << "10 mm plate" << none << "PL 10";
    QTest::newRow("plate with width") << "plate 1500 x 10" << none << "PL 1500x10";
    QTest::newRow("RB 20") << "RB 20" << none << "RB 20";
    QTest::newRow("Ø20 rod") << "Ø20 rod" << none << "RB 20";
    QTest::newRow("SQ 16") << "SQ 16" << none << "SQ 16";
    QTest::newRow("bar in inches") << "RB 1 inch" << none << "RB 25.4";
    QTest::newRow("flat in inches") << "flat 2\" x 1/4\"" << none << "flat 50.8x6.35";
    // Materials.
    QTest::newRow("SS304 plate 3") << "SS304 plate 3" << none << "PL 3 · SS304";
    QTest::newRow("ss 316 sheet") << "ss 316 sheet 2" << none << "PL 2 · SS316";
    QTest::newRow("aluminium flat 40x5") << "aluminium flat 40x5" << none << "flat 40x5 · aluminium";
    QTest::newRow("MS flat is the table's") << "MS flat 50x6" << none << "ISF 50x6 · IS 1731:1971";
    QTest::newRow("typed density") << "PL 3 7900 kg/m3" << none << "PL 3 · 7900 kg/m3";
    QTest::newRow("stainless without grade") << "stainless plate 3" << none << NotUnderstood;
    QTest::newRow("aluminium ISMB") << "aluminium ISMB 200" << none << NotUnderstood + ": rolled sections are steel";
    // Nothing guessed.
    QTest::newRow("empty") << "  " << none << NotUnderstood;
    QTest::newRow("unknown word") << "girder 200" << none << NotUnderstood;
    QTest::newRow("two kinds") << "ISMB 200 plate" << none << NotUnderstood;
    QTest::newRow("no size") << "ISMB" << none << NotUnderstood;
    QTest::newRow("no such size") << "ISMB 201" << none << NotUnderstood;
    QTest::newRow("odd character") << "ISMB 200 #" << none << NotUnderstood;
}

void TestItemParser::spellings()
{
    QFETCH(QString, text);
    QFETCH(QString, preferred);
    QFETCH(QString, item);
    QString reason; // "not understood: why", where the row says why
    if (item.startsWith(NotUnderstood)) {
        reason = item.mid(NotUnderstood.size() + 1).trimmed();
        item = NotUnderstood;
    }
    const ParsedItem parsed = ParseItem(text, {preferred});
    if (item == NotUnderstood) {
        QVERIFY2(!parsed.match, qPrintable(parsed.match ? parsed.match->display : QString()));
        QVERIFY(parsed.reason.contains(u"not understood"));
        QVERIFY2(reason.isEmpty() || parsed.reason.contains(reason), qPrintable(parsed.reason));
    } else {
        QVERIFY2(parsed.match, qPrintable(parsed.reason));
        QCOMPARE(parsed.match->display, item);
        QCOMPARE(parsed.match->unitWeight, ItemUnitWeight(parsed.match->item));
    }
}

void TestItemParser::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("first"); // the first matches, in order
    QTest::addColumn<int>("count");         // how many in all, at most 50
    QTest::newRow("ismb") << "ismb" << QStringList{"ISMB 100 · IS 808:1989", "ISMB 100 · IS 808:1964"} << 28;
    QTest::newRow("ismb 2, cut short") << "ismb 2"
                                       << QStringList{"ISMB 200 · IS 808:1989", "ISMB 200 · IS 808:1964",
                                                      "ISMB 225 · IS 808:1989"}
                                       << 6;
    QTest::newRow("isa 50") << "isa 50" << QStringList{"ISA 50x30x3 · IS 808:1989"} << 47;
    QTest::newRow("50x50") << "50x50" << QStringList{"ISA 50x50x3 · IS 808:1989"} << 10;
    QTest::newRow("40 nb") << "40 nb"
                           << QStringList{"40 NB light · IS 1239 (Part 1):2004", "40 NB medium · IS 1239 (Part 1):2004",
                                          "40 NB heavy · IS 1239 (Part 1):2004"}
                           << 3;
    QTest::newRow("shs 40x40x") << "shs 40x40x" << QStringList{"SHS 40x40x2.6 · IS 4923:1997"} << 4;
    QTest::newRow("ang, cut short") << "ang" << QStringList{"ISA 20x20x3 · IS 808:1989"} << 50;
    QTest::newRow("nothing") << "girder" << QStringList{} << 0;
}

void TestItemParser::search()
{
    QFETCH(QString, text);
    QFETCH(QStringList, first);
    QFETCH(int, count);
    const std::vector<ItemMatch> matches = SearchItems(text);
    QStringList shown;
    for (std::size_t i = 0; i < matches.size() && i < std::size_t(first.size()); ++i)
        shown << matches[i].display;
    QCOMPARE(shown, first);
    QCOMPARE(int(matches.size()), count);
}

void TestItemParser::roundTrip_data()
{
    QTest::addColumn<Item>("item");
    const SteelCatalogue &t = SteelTables();
    auto add = [](const Item &item) { QTest::newRow(qPrintable(DescribeItem(item))) << item; };
    for (const RolledSection &s : t.rolled)
        add(&s);
    for (const HollowSection &s : t.hollow)
        add(&s);
    for (const Pipe &p : t.pipes)
        add(&p);
    for (const Flat &f : t.flats)
        add(&f);
    add(ShapeItem{{ShapeKind::Plate, 0, 0, 6}, MildSteel()});
    add(ShapeItem{{ShapeKind::RectangularHollow, 100, 50, 4.5}, {QString(), 7700}});
    add(ShapeItem{{ShapeKind::RoundBar, 12.5, 0, 0}, MaterialOf(6)});
    add(ShapeItem{{ShapeKind::CircularHollow, 60.3, 0, 3.6}, MaterialOf(1)});
}

void TestItemParser::roundTrip()
{
    QFETCH(Item, item);
    const ParsedItem parsed = ParseItem(DescribeItem(item));
    QVERIFY2(parsed.match, qPrintable(parsed.reason));
    QVERIFY2(parsed.match->item == item, qPrintable(parsed.match->display));
}

QTEST_GUILESS_MAIN(TestItemParser)
#include "tst_itemparser.moc"
