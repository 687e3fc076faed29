// The sheet's lines as the cutting planner takes them: grouped by size, the
// lengths converted exactly from their text, lines without a cut length left
// out, faults named by line; and the settings' lists read into a request.
#include "catalogue/itemparser.h"
#include "sheet/cutgroups.h"
#include "sheet/cutsettings.h"
#include "sheet/itemline.h"

#include <QtTest>

using namespace msweight;
using namespace Qt::StringLiterals;

namespace {

struct Line
{
    QString item;     // a page's calculation, or a catalogue item or shape as typed
    const char *size; // a page's option button
    QStringList inputs;
    QString mark = {};
};

// "title: mark length x count, ...", then the faults, then the lines left out.
QStringList Summary(const CutGrouping &grouping)
{
    QStringList lines;
    for (const CutGroup &group : grouping.groups) {
        QStringList pieces;
        for (const CutPiece &piece : group.pieces)
            pieces << u"%1 %2x%3"_s.arg(piece.mark).arg(piece.length).arg(piece.count);
        lines << group.title() + u": "_s + pieces.join(u", "_s);
        for (const QString &fault : group.faults)
            lines << u"! "_s + fault;
    }
    if (!grouping.leftOut.isEmpty()) {
        QStringList rows;
        for (int row : grouping.leftOut)
            rows << QString::number(row + 1);
        lines << u"left out: "_s + rows.join(u", "_s);
    }
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(QList<Line>)

class TestCutGroups : public QObject
{
    Q_OBJECT

private slots:
    void groups_data();
    void groups();
    void stockLists_data();
    void stockLists();
};

void TestCutGroups::groups_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QList<Line>>("lines");
    QTest::addColumn<QStringList>("expected");

    const QString channel = u"ISMC channel"_s, beam = u"ISMB beam"_s;
    const QString c75 = u"ISMC channel MC - 75 x 40 · IS 808:1964"_s;
    QTest::newRow("one size together, in the order of its first line")
        << u"."_s
        << QList<Line>{{channel, "OptionButton1", {u"6"_s, u"10"_s}},
                       {beam, "OptionButton13", {u"12"_s, u"3"_s}},
                       {channel, "OptionButton1", {u"2.5"_s, u"4"_s}}}
        << QStringList{c75 + u": L1 6000000x10, L3 2500000x4"_s, u"ISMB beam MB - 125 · IS 808:1964: L2 12000000x3"_s};
    QTest::newRow("plates, flanges and transition pieces left out")
        << u"."_s
        << QList<Line>{{u"Plate"_s, "OptionButton29", {u"1"_s, u"2"_s, u"1"_s}},
                       {channel, "OptionButton1", {u"6"_s, u"1"_s}},
                       {u"Flange"_s, nullptr, {u"1"_s, u"0.5"_s, u"10"_s, u"2"_s}}}
        << QStringList{c75 + u": L2 6000000x1"_s, u"left out: 1, 3"_s};
    // A double would give 6000000 and 2000002: each is a half, rounded away.
    QTest::newRow("lengths to the micrometre from the digits")
        << u"."_s
        << QList<Line>{{channel, "OptionButton1", {u"6.0000005"_s, u"1"_s}},
                       {channel, "OptionButton1", {u" 2.0000025 "_s, u"1"_s}},
                       {channel, "OptionButton1", {u".0000015"_s, u"1"_s}},
                       {channel, "OptionButton1", {u"1.2E1"_s, u"1"_s}},
                       {channel, "OptionButton1", {u"25e-1"_s, u"1"_s}}}
        << QStringList{c75 + u": L1 6000001x1, L2 2000003x1, L3 2x1, L4 12000000x1, L5 2500000x1"_s};
    QTest::newRow("comma separator") << u","_s << QList<Line>{{channel, "OptionButton1", {u"2,9985"_s, u"2"_s}}}
                                     << QStringList{c75 + u": L1 2998500x2"_s};
    QTest::newRow("bars have no edition; round bars take the quantity first")
        << u"."_s
        << QList<Line>{{u"Square bar"_s, "OptionButton78", {u"5.5"_s, u"2"_s}},
                       {u"Round bar"_s, "OptionButton51", {u"3"_s, u"1.75"_s}}}
        << QStringList{u"Square bar 20 mm: L1 5500000x2"_s, u"Round bar 30 mm: L2 1750000x3"_s};
    QTest::newRow("items by size, edition and material, with their marks; plates left out")
        << u"."_s
        << QList<Line>{{u"ISMB 200 · IS 808:1989"_s, nullptr, {u"6"_s, u"2"_s}, u"B1"_s},
                       {u"ISMB 200 · IS 808:1964"_s, nullptr, {u"6"_s, u"1"_s}},
                       {u"ISMB beam"_s, "OptionButton13", {u"4"_s, u"1"_s}},
                       {u"flat 40x5 · aluminium"_s, nullptr, {u"2.5"_s, u"4"_s}, u"F1"_s},
                       {u"flat 40x5"_s, nullptr, {u"1.25"_s, u"2"_s}},
                       {u"PL 1500x10"_s, nullptr, {u"2"_s, u"3"_s}},
                       {u"PL 10"_s, nullptr, {u"2"_s, u"1.5"_s, u"1"_s}},
                       {u"SHS 40x40x3.2"_s, nullptr, {u"6.5"_s, u"1"_s}},
                       {u"40 NB medium"_s, nullptr, {u"3"_s, u"2"_s}},
                       {u"RB 20 · SS304"_s, nullptr, {u"1"_s, u"3"_s}},
                       {u"ISMB 200 · IS 808:1989"_s, nullptr, {u"2"_s, u"1"_s}, u"B2"_s}}
        << QStringList{u"Beam ISMB 200 · IS 808:1989: B1 6000000x2, B2 2000000x1"_s,
                       u"Beam ISMB 200 · IS 808:1964: L2 6000000x1"_s,
                       u"ISMB beam MB - 125 · IS 808:1964: L3 4000000x1"_s,
                       u"Flat flat 40x5 · aluminium: F1 2500000x4"_s,
                       u"Flat ISF 40x5 · IS 1731:1971: L5 1250000x2"_s,
                       u"Hollow section SHS 40x40x3.2 · IS 4923:1997: L8 6500000x1"_s,
                       u"Pipe 40 NB medium · IS 1239 (Part 1):2004: L9 3000000x2"_s,
                       u"Round bar RB 20 · SS304: L10 1000000x3"_s,
                       u"left out: 6, 7"_s};
    QTest::newRow("faults name the line; no quantity, no piece")
        << u"."_s
        << QList<Line>{{channel, "OptionButton1", {u"abc"_s, u"1"_s}},
                       {channel, "OptionButton1", {u"6"_s, u"2.5"_s}},
                       {channel, "OptionButton1", {u"-6"_s, u"1"_s}},
                       {channel, "OptionButton1", {u"6"_s, u"0"_s}},
                       {channel, "OptionButton1", {u"4"_s, u"1"_s}}}
        << QStringList{c75 + u": L5 4000000x1"_s, u"! Line 1: LENGTH (in Meter): \"abc\" is not a number."_s,
                       u"! Line 2: the quantity 2.5 is not a whole number of pieces."_s,
                       u"! Line 3: the length -6 is not more than 0 m."_s};
}

void TestCutGroups::groups()
{
    QFETCH(QString, separator);
    QFETCH(QList<Line>, lines);
    QFETCH(QStringList, expected);

    JobSheet sheet(separator);
    for (const Line &line : lines) {
        std::vector<QString> inputs(line.inputs.begin(), line.inputs.end());
        if (const Calculation *calculation = CalculationNamed(line.item)) {
            sheet.addLine(*calculation, line.size ? FindRow(line.size).row : nullptr, std::move(inputs));
            continue;
        }
        const ParsedItem parsed = ParseItem(line.item);
        QVERIFY2(parsed.match, qPrintable(parsed.reason));
        SheetLine item = ItemLine(parsed.match->item);
        item.inputs = std::move(inputs);
        item.mark = line.mark;
        sheet.insertLine(sheet.rowCount(), std::move(item));
    }
    QCOMPARE(Summary(CutGroups(sheet)), expected);
}

void TestCutGroups::stockLists_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("stock");
    QTest::addColumn<QString>("offcuts");
    QTest::addColumn<QString>("expected"); // the request's stock | offcuts, or the fault

    QTest::newRow("lengths, one with a count") << u"."_s << u"12 x 4, 6"_s << u""_s << u"12000000x4 6000000x-1 |"_s;
    QTest::newRow("offcuts count one unless told")
        << u"."_s << u"12"_s << u"3.5 x 2; 2.2"_s << u"12000000x-1 | 3500000x2 2200000x1"_s;
    QTest::newRow("with a comma, lists take ;")
        << u","_s << u"12; 6,5"_s << u"1,25x3"_s << u"12000000x-1 6500000x-1 | 1250000x3"_s;
    QTest::newRow("no stock") << u"."_s << u" , "_s << u""_s
                              << u"Stock lengths: \" , \" is not a list of lengths in m, each with an optional count "
                                 "(12 x 4)."_s;
    QTest::newRow("a length that is not a number")
        << u"."_s << u"12"_s << u"3.5 x two"_s
        << u"Offcuts in stock: \"3.5 x two\" is not a list of lengths in m, each with a count (3.5 x 2)."_s;
}

void TestCutGroups::stockLists()
{
    QFETCH(QString, separator);
    QFETCH(QString, stock);
    QFETCH(QString, offcuts);
    QFETCH(QString, expected);

    CutGroup group;
    CutSettings settings = DefaultCutSettings(CutKind::Bar, separator);
    settings.stock = stock;
    settings.offcuts = offcuts;
    const auto made = MakeCutRequest(group, settings, separator);
    if (const QString *fault = std::get_if<QString>(&made)) {
        QCOMPARE(*fault, expected);
        return;
    }
    const CutRequest &request = std::get<CutRequest>(made);
    QStringList parts;
    for (const CutStock &s : request.stock)
        parts << u"%1x%2"_s.arg(s.length).arg(s.available);
    parts << u"|"_s;
    for (const CutStock &s : request.offcuts)
        parts << u"%1x%2"_s.arg(s.length).arg(s.available);
    QCOMPARE(parts.join(u' '), expected);
    QCOMPARE(request.kerf, 3 * MicrometresPerMillimetre);
    QCOMPARE(request.shortestUsableOffcut, 500 * MicrometresPerMillimetre);
}

QTEST_GUILESS_MAIN(TestCutGroups)
#include "tst_cutgroups.moc"
