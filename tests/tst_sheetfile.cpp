// The sheet's CSV file: awkward sheets come back identical through a file,
// with either decimal separator, and the file is one a spreadsheet reads
// as a table without running any of its texts as a formula.
#include "sheet/sheetfile.h"

#include <QtTest>

using namespace msweight;
using namespace Qt::StringLiterals;

namespace {

SheetLine Line(QStringView item, const char *button, std::vector<QString> inputs, QString rate = {})
{
    return {CalculationNamed(item), button ? FindRow(button).row : nullptr, std::move(inputs), std::move(rate)};
}

} // namespace

class TestSheetFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void spreadsheetReadsIt();
};

void TestSheetFile::roundTrip_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<SheetContents>("contents");

    QTest::newRow("point") << u"."_s
                           << SheetContents{u"=HYPERLINK(\"http://x\",\"y\"), Ståhl & Co"_s,
                                            u"2.5"_s,
                                            {Line(u"ISMC channel", "OptionButton1", {u"6"_s, u"10"_s}),
                                             Line(u"ISMB beam", "OptionButton12", {u"-6"_s, u"+1E1"_s}, u"'7"_s),
                                             Line(u"Plate", "OptionButton29", {u"2"_s, u"1,5 m"_s, u"3"_s}, u"-1"_s),
                                             Line(u"Flange", nullptr, {u"1.2"_s, u"0.8"_s, u"line\nbreak"_s, u"@2"_s}),
                                             Line(u"Transition piece", nullptr,
                                                  {u" 1 "_s, u"0.5"_s, u"0.3"_s, u"1e-3"_s, u"\"6\""_s, u""_s})}};
    QTest::newRow("comma") << u","_s
                           << SheetContents{u"Müller, Halle 3\r\nNord"_s,
                                            u"2,5"_s,
                                            {Line(u"Round bar", "OptionButton40", {u"2"_s, u"6,5"_s}),
                                             Line(u"ISA angle", "OptionButton141", {u"1.5"_s, u"-2"_s}, u"=1+1"_s),
                                             Line(u"Flange", nullptr, {u"1,2"_s, u"0,8"_s, u"10"_s, u"-1,5E-3"_s})}};
    QTest::newRow("nothing but a job") << u","_s << SheetContents{u"-"_s, u"'"_s, {}};
}

void TestSheetFile::roundTrip()
{
    QFETCH(QString, separator);
    QFETCH(SheetContents, contents);

    const auto read = ReadSheet(WriteSheet(contents, separator), separator);
    const QString *why = std::get_if<QString>(&read);
    QVERIFY2(!why, qPrintable(why ? *why : QString()));
    QCOMPARE(std::get<SheetFile>(read).contents, contents);
    QVERIFY(std::get<SheetFile>(read).reworked.isEmpty());
}

void TestSheetFile::spreadsheetReadsIt()
{
    const SheetContents contents{u"=cmd|' /C calc'!A0"_s,
                                 {},
                                 {Line(u"ISMC channel", "OptionButton1", {u"-6,5"_s, u"10"_s}, u"@SUM(1)"_s),
                                  Line(u"Flange", nullptr, {u"1,2"_s, u"0,8"_s, u"10"_s, u"2"_s}, u"3"_s)}};
    const QByteArray file = WriteSheet(contents, u",");
    QVERIFY(file.startsWith("\xEF\xBB\xBF"));
    const QList<QByteArray> records = file.mid(3).split('\n');
    QCOMPARE(records.size(), 4); // the last one empty after the final line break
    for (qsizetype i = 0; i + 1 < records.size(); ++i)
        QVERIFY(records[i].endsWith('\r'));
    QCOMPARE(records[0],
             "Job,Item,Size,Length (m),Width (m),Outer diameter (m),Inner diameter (m),Diameter (m),"
             "Height (m),Thickness (mm),Quantity,Unit weight (kg/m),Weight (kg),Rate,Sheet rate,Amount\r");
    // Texts that would be formulas are kept text; numbers stay numbers, with
    // a point.
    QCOMPARE(records[1], "'=cmd|' /C calc'!A0,ISMC channel,MC - 75 x 40,-6.5,,,,,,,10,6.8,-442,'@SUM(1),,\r");
    QCOMPARE(records[2], "'=cmd|' /C calc'!A0,Flange,,,,1.2,0.8,,,10,2,,98.596,3,,295.79\r");
}

QTEST_GUILESS_MAIN(TestSheetFile)
#include "tst_sheetfile.moc"
