// The sheet's CSV file: awkward sheets come back identical through a file,
// with either decimal separator; the file is one a spreadsheet reads as a
// table without running any of its texts as a formula; a bad file is refused
// naming its line and column, and a weight that disagrees with its inputs is
// worked out again.
#include "catalogue/itemparser.h"
#include "sheet/cutgroups.h"
#include "sheet/sheetfile.h"
#include "sheetrows.h"

#include <QtTest>

using namespace msweight;
using namespace Qt::StringLiterals;

namespace {

SheetLine Line(QStringView item, const char *button, std::vector<QString> inputs, QString rate = {})
{
    return {CalculationNamed(item), button ? FindRow(button).row : nullptr, std::move(inputs), std::move(rate)};
}

// A line of the item `text` names.
SheetLine ItemOf(QStringView text, std::vector<QString> inputs, QString mark = {}, QString description = {})
{
    const ParsedItem parsed = ParseItem(text);
    if (!parsed.match)
        qFatal("%s", qPrintable(parsed.reason));
    SheetLine line;
    line.item = parsed.match->item;
    line.inputs = std::move(inputs);
    line.mark = std::move(mark);
    line.description = std::move(description);
    return line;
}

// The contents with `settings` for the group of each of `lines`.
SheetContents WithSettings(SheetContents contents, std::initializer_list<std::pair<int, CutSettings>> settings)
{
    for (const auto &[line, of] : settings)
        contents.cutSettings.insert(*CutGroupKey(contents.lines[std::size_t(line)]), of);
    return contents;
}

// The settings read, a group a line: "key: stock | offcuts | kerf | ...".
QStringList SettingsText(const SheetContents &contents)
{
    QStringList text;
    for (auto at = contents.cutSettings.cbegin(); at != contents.cutSettings.cend(); ++at) {
        const CutSettings &s = at.value();
        text << at.key() + u": "_s + QStringList{s.stock, s.offcuts, s.kerfMm, s.minOffcutM, s.timeLimitS}.join(u" | ");
    }
    return text;
}

} // namespace

class TestSheetFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void spreadsheetReadsIt();
    void read_data();
    void read();
    void readingCanBeGivenUp();
};

void TestSheetFile::roundTrip_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<SheetContents>("contents");
    QTest::addColumn<QString>("formula"); // a text that the file must keep from running

    QTest::newRow("point") << u"."_s
                           << SheetContents{u"=HYPERLINK(\"http://x\",\"y\"), Ståhl & Co"_s,
                                            u"2.5"_s,
                                            {Line(u"ISMC channel", "OptionButton1", {u"6"_s, u"10"_s}),
                                             Line(u"ISMB beam", "OptionButton12", {u"-6"_s, u"+1E1"_s}, u"'7"_s),
                                             Line(u"Plate", "OptionButton29", {u"2"_s, u"1,5 m"_s, u"3"_s}, u"-1"_s),
                                             Line(u"Flange", nullptr, {u"1.2"_s, u"0.8"_s, u"line\nbreak"_s, u"@2"_s}),
                                             Line(u"Transition piece", nullptr,
                                                  {u" 1 "_s, u"0.5"_s, u"0.3"_s, u"1e-3"_s, u"\"6\""_s, u""_s})}}
                           << QString();
    QTest::newRow("comma") << u","_s
                           << SheetContents{u"Müller, Halle 3\r\nNord"_s,
                                            u"2,5"_s,
                                            {Line(u"Round bar", "OptionButton40", {u"2"_s, u"6,5"_s}),
                                             Line(u"ISA angle", "OptionButton141", {u"1.5"_s, u"-2"_s}, u"=1+1"_s),
                                             Line(u"Flange", nullptr, {u"1,2"_s, u"0,8"_s, u"10"_s, u"-1,5E-3"_s})}}
                           << QString();
    // Every kind of item line, both editions of one designation, the typed
    // density, and marks and descriptions a spreadsheet would run.
    QTest::newRow("items")
        << u"."_s
        << SheetContents{u"Shed"_s,
                         u"62.5"_s,
                         {ItemOf(u"ISMB 200", {u"6"_s, u"4"_s}, u"B1"_s, u"=roof beam, \"north\""_s),
                          ItemOf(u"ISMB 200 · IS 808:1964", {u"6.5"_s, u"2"_s}, u"-B2"_s),
                          ItemOf(u"ISHB 150 (27.1 kg/m)", {u"2"_s, u"1"_s}), ItemOf(u"ISA 75x50x8", {u"3"_s, u"2"_s}),
                          ItemOf(u"SS304 plate 3", {u"2.5"_s, u"1.25"_s, u"3"_s}, {}, u"base plates"_s),
                          ItemOf(u"plate 1500 x 10", {u"2"_s, u"1"_s}),
                          ItemOf(u"PL 3 7900 kg/m3", {u"1"_s, u"abc"_s, u"1"_s}),
                          ItemOf(u"40 NB medium", {u"6"_s, u"10"_s}), ItemOf(u"SHS 40x40x3.2", {u"3"_s, u"8"_s}),
                          ItemOf(u"aluminium flat 40x5", {u"1.5"_s, u"12"_s}),
                          ItemOf(u"NPB 200x100x22.36", {u"12"_s, u"1"_s})}}
        << QString();
    QTest::newRow("items with a comma") << u","_s
                                        << SheetContents{u"Halle 3"_s,
                                                         u"2,5"_s,
                                                         {ItemOf(u"ISMC 100", {u"6,5"_s, u"4"_s}, u"C1"_s,
                                                                 u"Pfette; 2,5 m"_s),
                                                          ItemOf(u"brass RB 20", {u"0,75"_s, u"1,5E1"_s}),
                                                          ItemOf(u"cast iron PL 10", {u"1,2"_s, u"0,8"_s, u"2"_s}),
                                                          ItemOf(u"1 1/2 inch heavy pipe", {u"6"_s, u"1.5"_s})}}
                                        << QString();
    // Each group's settings on each of its lines; a plate has none.
    QTest::newRow("cutting settings") << u"."_s
                                      << WithSettings(
                                             SheetContents{u"Shed"_s,
                                                           {},
                                                           {Line(u"ISMC channel", "OptionButton1", {u"6"_s, u"10"_s}),
                                                            Line(u"Plate", "OptionButton29", {u"2"_s, u"1"_s, u"3"_s}),
                                                            Line(u"ISMC channel", "OptionButton1", {u"2.5"_s, u"4"_s}),
                                                            Line(u"Round bar", "OptionButton40", {u"2"_s, u"6"_s})}},
                                             {{0, {u"12 x 4; 6"_s, u"3.5 x 2;2.2"_s, u"3"_s, u"0.5"_s, u"2"_s}},
                                              {3, {u"6"_s, {}, u"1,5"_s, u"x"_s, u"0.25"_s}}})
                                      << QString();
    // Lists and numbers go in with '.', read back with ','; a '.' that does
    // not read where ',' is the separator comes back as typed.
    QTest::newRow("cutting settings with a comma")
        << u","_s
        << WithSettings(SheetContents{u"Halle 3"_s,
                                      {},
                                      {Line(u"Round bar", "OptionButton40", {u"2"_s, u"6,5"_s}),
                                       Line(u"ISA angle", "OptionButton141", {u"1,5"_s, u"2"_s})}},
                        {{0, {u"12,5 x 4; 6"_s, u"3,5 x 2; 2,2"_s, u"2,5"_s, u"0,5"_s, u"1,5"_s}},
                         {1, {u"6.5; 12"_s, {}, u"3.5"_s, u"0,5"_s, u"2"_s}}})
        << QString();
    QTest::newRow("nothing but a job") << u","_s << SheetContents{u"-"_s, u"'"_s, {}} << QString();
    QTest::newRow("a rate per tonne") << u","_s
                                      << SheetContents{u"Shed"_s,
                                                       u"62500"_s,
                                                       {Line(u"Plate", "OptionButton29", {u"2"_s, u"1,5"_s, u"3"_s},
                                                             u"70000,5"_s)},
                                                       RateUnit::PerTonne}
                                      << QString();
    // Weights of 15 and more digits, as the program writes them.
    QTest::newRow("15 digits") << u"."_s
                               << SheetContents{u"Shed"_s,
                                                {},
                                                {Line(u"ISMC channel", "OptionButton2", {u"7.3"_s, u"3"_s}),
                                                 Line(u"ISMB beam", "OptionButton13", {u"0.1"_s, u"3"_s})}}
                               << QString();
    QTest::newRow("lone carriage returns")
        << u"."_s
        << SheetContents{u"a\rb\r"_s,
                         u"\r2"_s,
                         {Line(u"Flange", nullptr, {u"\r"_s, u"0.8\r"_s, u"1\r\r2"_s, u"\n\r"_s})}}
        << QString();
    // Each text a spreadsheet would take for a formula, in every text cell.
    for (const QString &lead : {u"="_s, u"+"_s, u"-"_s, u"@"_s, u"\t"_s, u"\r"_s, u"'"_s}) {
        const QString text = lead + u"1+1"_s;
        QTest::newRow(qPrintable(u"formula after U+%1"_s.arg(int(lead.front().unicode()), 4, 16, QChar(u'0'))))
            << u"."_s
            << WithSettings(SheetContents{text, text, {Line(u"ISMC channel", "OptionButton1", {text, text}, text)}},
                            {{0, {text, text, text, text, text}}})
            << text;
    }
}

void TestSheetFile::roundTrip()
{
    QFETCH(QString, separator);
    QFETCH(SheetContents, contents);

    QFETCH(QString, formula);

    const QByteArray file = WriteSheet(contents, separator);
    // Written only after an apostrophe, which keeps it text.
    if (!formula.isEmpty()) {
        QVERIFY(file.count(formula.toUtf8()) >= 10);
        QCOMPARE(file.count(formula.toUtf8()), file.count("'" + formula.toUtf8()));
    }
    const auto read = ReadSheet(file, separator);
    const QString *why = std::get_if<QString>(&read);
    QVERIFY2(!why, qPrintable(why ? *why : QString()));
    QCOMPARE(std::get<SheetFile>(read).contents, contents);
    QVERIFY(std::get<SheetFile>(read).reworked.isEmpty());
}

void TestSheetFile::spreadsheetReadsIt()
{
    SheetContents contents{u"=cmd|' /C calc'!A0"_s,
                           {},
                           {Line(u"ISMC channel", "OptionButton1", {u"-6,5"_s, u"10"_s}, u"@SUM(1)"_s),
                            Line(u"Flange", nullptr, {u"1,2"_s, u"0,8"_s, u"10"_s, u"2"_s}, u"3"_s),
                            Line(u"Plate", "OptionButton29", {u"1"_s, u"2"_s, u"1"_s})}};
    contents = WithSettings(contents, {{0, {u"12,5 x 4; 6"_s, {}, u"1,5"_s, u"0,5"_s, u"2"_s}}});
    // A group whose lines were deleted keeps its settings, but the file has
    // them only for groups with lines.
    contents.cutSettings.insert(u"0|ISMB beam|MB - 100|IS 808:1964|steel"_s, {u"9"_s, {}, u"9"_s, u"9"_s, u"9"_s});
    const QByteArray file = WriteSheet(contents, u",");
    QVERIFY(file.startsWith("\xEF\xBB\xBF"));
    const QList<QByteArray> records = file.mid(3).split('\n');
    QCOMPARE(records.size(), 6); // the last one empty after the final line break
    for (qsizetype i = 0; i + 1 < records.size(); ++i)
        QVERIFY(records[i].endsWith('\r'));
    QCOMPARE(records[0], "#msweight job sheet 4\r");
    QCOMPARE(records[1],
             "Job,Item,Size,Length (m),Width (m),Outer diameter (m),Inner diameter (m),Diameter (m),"
             "Height (m),Thickness (mm),Quantity,Unit weight (kg/m),Weight (kg),Rate,Sheet rate,Amount,"
             "Mark,Description,Standard,Material,Density (kg/m3),Rate per,Stock lengths (m),Offcuts in stock (m),"
             "Kerf (mm),Shortest offcut kept (m),Time limit (s)\r");
    // Texts that would be formulas are kept text; numbers stay numbers, with
    // a point, and the cutting settings as the program's settings keep them.
    QCOMPARE(records[2],
             "'=cmd|' /C calc'!A0,ISMC channel,MC - 75 x 40,-6.5,,,,,,,10,6.8,-442,'@SUM(1),,,,,,,,kg,"
             "12.5 x 4; 6,,1.5,0.5,2\r");
    QCOMPARE(records[3], "'=cmd|' /C calc'!A0,Flange,,,,1.2,0.8,,,10,2,,98.596,3,,295.79,,,,,,kg,,,,,\r");
    // A plate's size is its thickness: 10 mm, 78.5 kg/m2.
    QCOMPARE(records[4], "'=cmd|' /C calc'!A0,Plate,10 mm,2,1,,,,,10,1,78.5,157,,,,,,,,,kg,,,,,\r");
}

void TestSheetFile::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("why");          // empty where the file is read
    QTest::addColumn<QStringList>("weights");  // the lines' weights as read
    QTest::addColumn<QList<int>>("reworked");  // the sheet's lines worked out again
    QTest::addColumn<QStringList>("settings"); // SettingsText of the sheet read

    const QByteArray good = Row(ChannelRow());
    const auto refused = [&](const char *name, const QByteArray &file, const QString &why) {
        QTest::newRow(name) << file << why << QStringList() << QList<int>() << QStringList();
    };
    refused("not UTF-8",
            Header() + good
                + "Sh\xE5"
                  "d,ISMC channel",
            u"Line 3, column 1: \"Sh\uFFFDd\" is not UTF-8 text; save the file as UTF-8."_s);
    refused("a quote inside a field", Header() + "Sh\"ed,ISMC channel\r\n",
            u"Line 2, column 1: a quote inside \"Sh\"ed\", a field that does not begin with one."_s);
    refused("text after a closing quote", Header() + "\"Shed\"x,ISMC channel\r\n",
            u"Line 2, column 1: text after the closing quote of \"Shed\"."_s);
    refused("a quote never closed", Header() + good + "Shed,\"ISMC\r\nchannel",
            u"Line 3, column 2: the quoted field \"ISMC\r\nchannel\" has no closing quote."_s);
    const QString threeLines = u"\"Shed\r\nNorth\rbay\""_s;
    refused("a bad line after a cell of three lines",
            Header() + Row(With(ChannelRow(), u"Job"_s, threeLines))
                + Row(With(With(ChannelRow(), u"Job"_s, threeLines), u"Size"_s, u"MC - 9"_s)),
            u"Line 5, column 3 (Size): \"MC - 9\" is not a size of ISMC channel."_s);
    refused("an unknown item", Header() + Row(With(ChannelRow(), u"Item"_s, u"Pipe"_s)),
            u"Line 2, column 2 (Item): \"Pipe\" is not an item of a job sheet."_s);
    refused("true lengths weigh nothing", Header() + Row(With(ChannelRow(), u"Item"_s, u"True lengths"_s)),
            u"Line 2, column 2 (Item): \"True lengths\" is not an item of a job sheet."_s);
    refused("an unknown size", Header() + good + Row(With(ChannelRow(), u"Size"_s, u"MC - 999"_s)),
            u"Line 3, column 3 (Size): \"MC - 999\" is not a size of ISMC channel."_s);
    refused("an unknown column", Header().replace("Amount", "Colour"),
            u"Line 1, column 16: \"Colour\" is not a column of a job sheet."_s);
    refused("a missing column", Header().replace(",Amount", ""), u"Line 1: the column \"Amount\" is missing."_s);
    refused("too few fields", Header() + "Shed,ISMC channel,MC - 75 x 40\r\n",
            u"Line 2, column 4 (Length (m)): the line has 3 fields where the first line names 27 columns."_s);
    refused("a text where a number must be", Header() + Row(With(ChannelRow(), u"Weight (kg)"_s, u"heavy"_s)),
            u"Line 2, column 13 (Weight (kg)): \"heavy\" is not a number."_s);
    refused("an input the item does not take", Header() + Row(With(ChannelRow(), u"Diameter (m)"_s, u"2"_s)),
            u"Line 2, column 8 (Diameter (m)): a ISMC channel takes no diameter, but \"2\" is given."_s);
    refused("another job", Header() + good + Row(With(ChannelRow(), u"Job"_s, QString(50, u'x'))),
            u"Line 3, column 1 (Job): \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…\" differs from the job named on "
            u"line 2."_s);
    refused("empty", QByteArray("\xEF\xBB\xBF"),
            u"Line 1: the file is empty; a job sheet begins with a row of column names."_s);
    refused("a cell longer than a box takes",
            Header() + good + Row(With(ChannelRow(), u"Quantity"_s, QString(32768, u'1'))),
            u"Line 3, column 11 (Quantity): the text has 32768 characters, more than the 32767 a box takes."_s);

    refused("a later version", "#msweight job sheet 5\r\n" + Header() + good,
            u"Line 1, column 1: the file is a job sheet of version 5, written by a later msweight; this one reads "
            u"versions up to 4."_s);
    const QHash<QString, QString> plate{
        {u"Job"_s, u"Shed"_s},    {u"Item"_s, u"Plate"_s}, {u"Size"_s, u"10 mm"_s},       {u"Length (m)"_s, u"2"_s},
        {u"Width (m)"_s, u"1"_s}, {u"Quantity"_s, u"1"_s}, {u"Thickness (mm)"_s, u"10"_s}};
    refused("a plate's thickness that is not a number",
            Header() + Row(plate) + Row(With(plate, u"Thickness (mm)"_s, u"ten"_s)),
            u"Line 3, column 10 (Thickness (mm)): \"ten\" is not a number."_s);
    refused("a rate per an unknown unit", Header() + Row(With(ChannelRow(), u"Rate per"_s, u"lb"_s)),
            u"Line 2, column 22 (Rate per): \"lb\" is not a unit of a rate: write kg or t."_s);
    refused("rates per two units", Header() + good + Row(With(ChannelRow(), u"Rate per"_s, u"t"_s)),
            u"Line 3, column 22 (Rate per): \"t\" differs from the rate's unit on line 2."_s);
    const auto withSettings = [](QHash<QString, QString> row, const QStringList &cells) {
        const QStringList columns{u"Stock lengths (m)"_s, u"Offcuts in stock (m)"_s, u"Kerf (mm)"_s,
                                  u"Shortest offcut kept (m)"_s, u"Time limit (s)"_s};
        for (qsizetype i = 0; i < columns.size(); ++i)
            row[columns[i]] = cells.value(i);
        return row;
    };
    const QStringList settings{u"12;6"_s, {}, u"3"_s, u"0.5"_s, u"2"_s};
    refused("two settings of one group",
            Header() + Row(withSettings(ChannelRow(), settings)) + good
                + Row(withSettings(ChannelRow(), {u"12;6"_s, {}, u"3"_s, u"0.5"_s, u"2.5"_s})),
            u"Line 4, column 27 (Time limit (s)): \"2.5\" differs from the settings of its group on line 2."_s);
    refused("settings of a plate", Header() + Row(withSettings(plate, {{}, u"2"_s})),
            u"Line 2, column 24 (Offcuts in stock (m)): a Plate has no cut length, but \"2\" is given."_s);
    // A line without settings takes its group's; the file's texts as typed.
    QTest::newRow("a file of version 4")
        << "#msweight job sheet 4\r\n" + Header() + good
            + Row(withSettings(ChannelRow(), {u"12 x 4;6"_s, {}, u"'-3"_s, u"0.5"_s, u"1e1"_s}))
            + Row(withSettings(ChannelRow(), {u"12 x 4;6"_s, {}, u"'-3"_s, u"0.5"_s, u"1e1"_s}))
        << QString() << QStringList{u"408"_s, u"408"_s, u"408"_s} << QList<int>()
        << QStringList{u"0|ISMC channel|MC - 75 x 40|IS 808:1964|steel: 12 x 4;6 |  | -3 | 0.5 | 1e1"_s};
    // As the program wrote it before items and versions: no version row, no
    // columns after Amount.
    QTest::newRow("a file of version 1") << QByteArray(
        "\xEF\xBB\xBFJob,Item,Size,Length (m),Width (m),Outer diameter (m),Inner diameter (m),"
        "Diameter (m),Height (m),Thickness (mm),Quantity,Unit weight (kg/m),Weight (kg),Rate,"
        "Sheet rate,Amount\r\n"
        "Shed,ISMC channel,MC - 75 x 40,6,,,,,,,10,6.8,408,,2.5,1020.00\r\n"
        "Shed,Flange,,,,1.2,0.8,,,10,2,,98.596,3,2.5,295.79\r\n")
                                         << QString() << QStringList{u"408"_s, u"98.596"_s} << QList<int>()
                                         << QStringList();
    // As the program wrote it before the rate's unit: rates per kg.
    QTest::newRow("a file of version 2") << QByteArray(
        "\xEF\xBB\xBF#msweight job sheet 2\r\n"
        "Job,Item,Size,Length (m),Width (m),Outer diameter (m),Inner diameter (m),Diameter (m),"
        "Height (m),Thickness (mm),Quantity,Unit weight (kg/m),Weight (kg),Rate,Sheet rate,Amount,"
        "Mark,Description,Standard,Material,Density (kg/m3)\r\n"
        "Shed,Plate,10 mm,2,1,,,,,,1,,157,,2.5,392.50,,,,,\r\n")
                                         << QString() << QStringList{u"157"_s} << QList<int>() << QStringList();
    // As the program wrote it before the cutting settings.
    QTest::newRow("a file of version 3") << QByteArray(
        "\xEF\xBB\xBF#msweight job sheet 3\r\n"
        "Job,Item,Size,Length (m),Width (m),Outer diameter (m),Inner diameter (m),Diameter (m),"
        "Height (m),Thickness (mm),Quantity,Unit weight (kg/m),Weight (kg),Rate,Sheet rate,Amount,"
        "Mark,Description,Standard,Material,Density (kg/m3),Rate per\r\n"
        "Shed,ISMC channel,MC - 75 x 40,6,,,,,,,10,6.8,408,,2.5,1020.00,,,,,,kg\r\n")
                                         << QString() << QStringList{u"408"_s} << QList<int>() << QStringList();
    QTest::newRow("a cell as long as a box takes")
        << Header() + Row(With(ChannelRow(), u"Job"_s, QString(32767, u'j'))) << QString() << QStringList{u"408"_s}
        << QList<int>() << QStringList();
    QTest::newRow("weights that disagree")
        << Header() + good + Row(With(ChannelRow(), u"Weight (kg)"_s, u"400"_s))
            + Row(With(ChannelRow(), u"Weight (kg)"_s, u"408.0"_s)) + Row(With(ChannelRow(), u"Weight (kg)"_s, {}))
        << QString() << QStringList{u"408"_s, u"408"_s, u"408"_s, u"408"_s} << QList<int>{2, 4} << QStringList();
}

void TestSheetFile::read()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, why);
    QFETCH(QStringList, weights);
    QFETCH(QList<int>, reworked);
    QFETCH(QStringList, settings);

    const auto read = ReadSheet(file, u"."_s);
    if (!why.isEmpty()) {
        QVERIFY(std::holds_alternative<QString>(read));
        QCOMPARE(std::get<QString>(read), why);
        return;
    }
    const QString *fault = std::get_if<QString>(&read);
    QVERIFY2(!fault, qPrintable(fault ? *fault : QString()));
    const SheetFile &sheet = std::get<SheetFile>(read);
    QStringList read_;
    for (const SheetLine &line : sheet.contents.lines)
        read_ << NumberToText(*WorkOut(line, sheet.contents.sheetRate, u".").weight, u".");
    QCOMPARE(read_, weights);
    QCOMPARE(sheet.reworked, reworked);
    QCOMPARE(SettingsText(sheet.contents), settings);
}

// A long file tells how far reading has come, and stops at the caller's word.
void TestSheetFile::readingCanBeGivenUp()
{
    QByteArray file = Header();
    for (int i = 0; i < 5000; ++i)
        file += Row(ChannelRow());
    QList<qint64> done;
    const auto read = ReadSheet(file, u"."_s, [&done](qint64 at, qint64 total) {
        done << at;
        return at < total / 2;
    });
    QVERIFY(std::holds_alternative<ReadCancelled>(read));
    QCOMPARE(done.size(), 3); // every 2048 lines, from the first
    QVERIFY(done[0] < done[1] && done[1] < done[2]);
    QCOMPARE(std::get<SheetFile>(ReadSheet(file, u"."_s, [](qint64, qint64) { return true; })).contents.lines.size(),
             std::size_t(5000));
}

QTEST_GUILESS_MAIN(TestSheetFile)
#include "tst_sheetfile.moc"
