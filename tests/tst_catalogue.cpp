// The section catalogue by its invariants: one row for every option button
// of the window, values that agree with what their captions say, and the
// property texts of channels and beams in their labels' order.
#include "catalogue/catalogue.h"
#include "catalogue/sections.h"
#include "ui/layout.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

using namespace msweight;
using namespace Qt::StringLiterals;

namespace {

// The leading number of a caption such as "45 mm".
double CaptionNumber(std::string_view caption)
{
    return ToQString(caption).section(u' ', 0, 0).toDouble();
}

// The numbers of a caption in order: "MC - 75 x 40" gives 75 and 40, "55X10"
// gives 55 and 10.
QList<double> CaptionNumbers(std::string_view caption)
{
    QList<double> numbers;
    static const QRegularExpression number(QStringLiteral("\\d+(\\.\\d+)?"));
    for (const QRegularExpressionMatch &match : number.globalMatch(ToQString(caption)))
        numbers << match.captured().toDouble();
    return numbers;
}

// The number of the row's property text for `symbol`, "76.0" of "Ixx=76.0cm4";
// NaN if the row has none.
double Property(const CatalogueRow &row, QLatin1StringView symbol)
{
    for (std::string_view text : row.PropertyTexts) {
        const QString t = ToQString(text);
        if (!t.startsWith(symbol + u'='))
            continue;
        const QString rest = t.mid(symbol.size() + 1);
        qsizetype digits = 0;
        while (digits < rest.size() && (rest[digits].isDigit() || rest[digits] == u'.'))
            ++digits;
        return rest.left(digits).toDouble();
    }
    return std::nan("");
}

const CatalogueTable &Table(std::string_view name)
{
    for (const CatalogueTable &table : Catalogue()) {
        if (table.Name == name)
            return table;
    }
    qFatal("no table %s", name.data());
}

// Records what choosing a size does, in order.
class Recorder : public SelectionTarget
{
public:
    void storeRow(const RowRef &ref) override
    {
        steps << QStringLiteral("Page%1=%2").arg(int(ref.table->page)).arg(ref.row->Value);
    }
    void SetCaption(const CatalogueTable &table, std::size_t label, std::string_view text) override
    {
        steps << ToQString(table.PropertyLabels[label]) + u'=' + ToQString(text);
    }
    QStringList steps;
};

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void tablesAndSizes_data();
    void tablesAndSizes();
    void everyOptionButtonHasOneRow();
    void propertyTexts_data();
    void propertyTexts();
    void barsAndPlates();
    void areaRule();
    void weightsAgreeWithSections_data();
    void weightsAgreeWithSections();
    void propertiesAgreeWithEachOther_data();
    void propertiesAgreeWithEachOther();
    void valuesNamedInPassing();
    void selectRowStoresThenWrites();

private:
};

void TestCatalogue::tablesAndSizes_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("plates") << "PlateThicknesses" << 3 << 24 << "OptionButton26"
                            << "OptionButton153";
    QTest::newRow("channels") << "ChannelSections" << 1 << 11 << "OptionButton1"
                              << "OptionButton11";
    QTest::newRow("beams") << "BeamSections" << 2 << 14 << "OptionButton12"
                           << "OptionButton25";
    QTest::newRow("angles") << "AngleSections" << 7 << 40 << "OptionButton102"
                            << "OptionButton141";
    QTest::newRow("square bars") << "SquareBars" << 5 << 32 << "OptionButton71"
                                 << "OptionButton143";
    QTest::newRow("round bars") << "RoundBars" << 4 << 32 << "OptionButton40"
                                << "OptionButton142";
}

void TestCatalogue::tablesAndSizes()
{
    QFETCH(QString, table);
    QFETCH(int, page);
    QFETCH(int, rows);
    QFETCH(QString, first);
    QFETCH(QString, last);
    const CatalogueTable &t = Table(table.toStdString());
    QCOMPARE(int(t.page), page);
    QCOMPARE(int(t.Rows.size()), rows);
    QCOMPARE(ToQString(t.Rows.front().ButtonName), first);
    QCOMPARE(ToQString(t.Rows.back().ButtonName), last);
}

// Each of the 153 option buttons of the window has exactly one row, on the
// page of the button, and every row has its button.
void TestCatalogue::everyOptionButtonHasOneRow()
{
    std::set<std::string_view> names;
    int rows = 0;
    for (const CatalogueTable &table : Catalogue()) {
        for (const CatalogueRow &row : table.Rows) {
            QVERIFY2(names.insert(row.ButtonName).second, row.ButtonName.data());
            const ControlSpec *button = FindControl(row.ButtonName);
            QVERIFY2(button, row.ButtonName.data());
            QCOMPARE(button->kind, Kind::OptionButton);
            QCOMPARE(button->page, table.page);
            QCOMPARE(FindRow(row.ButtonName).row, &row);
            QVERIFY(!row.Caption.empty());
            ++rows;
        }
    }
    QCOMPARE(rows, 153);
    int buttons = 0;
    for (const ControlSpec &control : Controls()) {
        if (control.kind == Kind::OptionButton) {
            QVERIFY2(names.count(control.name) == 1, control.name.data());
            ++buttons;
        }
    }
    QCOMPARE(buttons, 153);
    QVERIFY(!FindRow("OptionButton154").row);
    QVERIFY(!FindRow("CommandButton1").row);
}

void TestCatalogue::propertyTexts_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("symbols");
    QTest::addColumn<QString>("tenthUnit");
    QTest::newRow("channels") << "ChannelSections"
                              << QStringList{"Label36", "Label37", "Label38", "Label39", "Label40", "Label41",
                                             "Label42", "Label43", "Label44", "Label45", "Label46", "Label47"}
                              << QStringList{"Ixx=", "Iyy=", "rxx=", "ryy=", "Zxx=", "Zyy=",
                                             "r1=",  "r2=",  "A=",   "Cyy=", "tf=",  "tw="}
                              << "cm";
    QTest::newRow("beams")
        << "BeamSections" << QStringList{"Label48", "Label49", "Label50", "Label51", "Label52", "Label53",
                                         "Label54", "Label55", "Label56", "Label57", "Label58", "Label59"}
        << QStringList{"Ixx=", "Iyy=", "rxx=", "ryy=", "Zxx=", "Zyy=", "r1=", "r2=", "A=", "b=", "tf=", "tw="} << "mm";
}

// Twelve texts for every channel and beam, each beginning with its label's
// symbol and ending in its unit; the labels are the page's property labels.
void TestCatalogue::propertyTexts()
{
    QFETCH(QString, table);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, symbols);
    QFETCH(QString, tenthUnit);
    const QStringList units = {"cm4", "cm4", "cm", "cm", "cm3", "cm3", "mm", "mm", "cm2", tenthUnit, "mm", "mm"};
    const CatalogueTable &t = Table(table.toStdString());
    QCOMPARE(int(t.PropertyLabels.size()), 12);
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(ToQString(t.PropertyLabels[i]), labels[i]);
        const ControlSpec *label = FindControl(t.PropertyLabels[i]);
        QVERIFY(label);
        QCOMPARE(label->style, Style::PropertyLabel);
        QCOMPARE(label->page, t.page);
    }
    for (const CatalogueRow &row : t.Rows) {
        for (int i = 0; i < 12; ++i) {
            const QString text = ToQString(row.PropertyTexts[i]);
            QVERIFY2(text.startsWith(symbols[i]), qPrintable(text));
            QVERIFY2(text.endsWith(units[i]), qPrintable(text));
            bool number = false;
            text.mid(symbols[i].size(), text.size() - symbols[i].size() - units[i].size()).toDouble(&number);
            QVERIFY2(number, qPrintable(text));
        }
    }
    // Angles, bars and plates show no properties.
    for (const CatalogueTable &other : Catalogue()) {
        if (other.Name != t.Name && other.PropertyLabels.empty()) {
            for (const CatalogueRow &row : other.Rows)
                QVERIFY(row.PropertyTexts[0].empty());
        }
    }
}

void TestCatalogue::barsAndPlates()
{
    const CatalogueTable &square = Table("SquareBars");
    const CatalogueTable &round = Table("RoundBars");
    for (std::size_t i = 0; i < square.Rows.size(); ++i) {
        QCOMPARE(ToQString(square.Rows[i].Caption), ToQString(round.Rows[i].Caption));
        QVERIFY2(square.Rows[i].Value > round.Rows[i].Value, square.Rows[i].Caption.data());
        if (i > 0) {
            QVERIFY(CaptionNumber(square.Rows[i].Caption) > CaptionNumber(square.Rows[i - 1].Caption));
            QVERIFY(square.Rows[i].Value > square.Rows[i - 1].Value);
            QVERIFY(round.Rows[i].Value > round.Rows[i - 1].Value);
        }
    }
    const CatalogueTable &plates = Table("PlateThicknesses");
    for (const CatalogueRow &row : plates.Rows) {
        QVERIFY2(ToQString(row.Caption).endsWith(QLatin1String(" mm")), row.Caption.data());
        QCOMPARE(row.Value, CaptionNumber(row.Caption));
    }
}

// The bars' unit weights agree with area x 0.00785 within 0.01, but for the
// three rows kept as the tables print them: round 60 and 75 mm, 0.02 light,
// and square 42 mm, 0.03 heavy.
void TestCatalogue::areaRule()
{
    const std::set<std::pair<std::string_view, std::string_view>> exceptions
        = {{"RoundBars", "60 mm"}, {"RoundBars", "75 mm"}, {"SquareBars", "42 mm"}};
    int outside = 0;
    for (std::string_view name : {"SquareBars", "RoundBars"}) {
        const CatalogueTable &table = Table(name);
        for (const CatalogueRow &row : table.Rows) {
            const double size = CaptionNumber(row.Caption);
            const double area = name == "SquareBars" ? size * size : M_PI / 4 * size * size;
            const bool agrees = std::abs(area * 0.00785 - row.Value) <= 0.01 + 1e-9;
            const bool exception = exceptions.count({name, row.Caption}) == 1;
            QVERIFY2(agrees != exception, row.Caption.data());
            outside += !agrees;
        }
    }
    QCOMPARE(outside, 3);
}

// Every angle and bar weighs its section x 0.00785 kg/m per mm2: an angle
// (2 x leg - t) x t within 0.1 kg/m, a bar side x side or pi d x d / 4 within
// 1%, or within 0.005 where that is more, since the weights are printed to
// 0.01 (round 8 mm is 0.39 for 0.3946). A weight typed into the wrong row
// fails here.
void TestCatalogue::weightsAgreeWithSections_data()
{
    QTest::addColumn<QString>("button");
    for (std::string_view name : {"AngleSections", "SquareBars", "RoundBars"}) {
        const CatalogueTable &table = Table(name);
        for (const CatalogueRow &row : table.Rows)
            QTest::addRow("%s %s", table.Caption.data(), row.Caption.data()) << ToQString(row.ButtonName);
    }
}

void TestCatalogue::weightsAgreeWithSections()
{
    QFETCH(QString, button);
    const RowRef ref = FindRow(button.toStdString());
    const bool angle = ref.table->page == Page::Angles;
    const QList<double> size = CaptionNumbers(ref.row->Caption);
    QCOMPARE(size.size(), angle ? 2 : 1);
    const double d = size[0];          // an angle's leg, a bar's side or diameter
    double section = M_PI / 4 * d * d; // mm2
    if (angle)
        section = (2 * d - size[1]) * size[1];
    else if (ref.table->page == Page::SquareBars)
        section = d * d;
    const double expected = section * 0.00785;
    const double tolerance = angle ? 0.1 : std::max(0.01 * expected, 0.005);
    QVERIFY2(std::abs(ref.row->Value - expected) <= tolerance,
             qPrintable(QStringLiteral("%1 kg/m against %2").arg(ref.row->Value).arg(expected, 0, 'f', 3)));
}

// A channel's or beam's printed figures hold together: weight 0.785 x A within
// 0.5%; within 1%, r = sqrt(I / A) both ways, Zxx = 2 Ixx / depth, and Zyy =
// Iyy / (b - Cyy) for a channel, 2 Iyy / b for a beam. Depth is the caption's
// first number, a channel's b its second. One row's weight, area or moment
// shown for another fails here.
void TestCatalogue::propertiesAgreeWithEachOther_data()
{
    QTest::addColumn<QString>("button");
    for (std::string_view name : {"ChannelSections", "BeamSections"}) {
        for (const CatalogueRow &row : Table(name).Rows)
            QTest::newRow(row.Caption.data()) << ToQString(row.ButtonName);
    }
}

void TestCatalogue::propertiesAgreeWithEachOther()
{
    QFETCH(QString, button);
    const RowRef ref = FindRow(button.toStdString());
    const CatalogueRow &row = *ref.row;
    const bool channel = ref.table->page == Page::Channels;
    const QList<double> size = CaptionNumbers(row.Caption);
    QCOMPARE(size.size(), channel ? 2 : 1);
    const double depth = size[0] / 10; // cm
    const double flange = (channel ? size[1] : Property(row, "b"_L1)) / 10;
    const double area = Property(row, "A"_L1);
    const double ixx = Property(row, "Ixx"_L1);
    const double iyy = Property(row, "Iyy"_L1);
    struct Check
    {
        const char *what;
        double shown, expected, tolerance;
    };
    const Check checks[] = {
        {"weight against 0.785 A", row.Value, 0.785 * area, 0.005},
        {"rxx against sqrt(Ixx / A)", Property(row, "rxx"_L1), std::sqrt(ixx / area), 0.01},
        {"ryy against sqrt(Iyy / A)", Property(row, "ryy"_L1), std::sqrt(iyy / area), 0.01},
        {"Zxx against 2 Ixx / depth", Property(row, "Zxx"_L1), 2 * ixx / depth, 0.01},
        {channel ? "Zyy against Iyy / (b - Cyy)" : "Zyy against 2 Iyy / b", Property(row, "Zyy"_L1),
         channel ? iyy / (flange - Property(row, "Cyy"_L1)) : 2 * iyy / flange, 0.01},
    };
    QStringList wrong;
    for (const Check &check : checks) {
        if (!(std::abs(check.shown - check.expected) <= check.tolerance * check.expected)) {
            wrong << QStringLiteral("%1: %2 against %3")
                         .arg(QLatin1String(check.what))
                         .arg(check.shown)
                         .arg(check.expected, 0, 'f', 3);
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String("; "))));
}

// Values the tables are known by; several occur in more than one table.
void TestCatalogue::valuesNamedInPassing()
{
    QCOMPARE(FindRow("OptionButton1").row->Value, 6.8);
    QCOMPARE(FindRow("OptionButton2").row->Value, 9.2);
    QCOMPARE(FindRow("OptionButton10").row->Value, 42.1);
    QCOMPARE(ToQString(FindRow("OptionButton10").row->Caption), QStringLiteral("MC - 350 x 100"));
    QCOMPARE(FindRow("OptionButton12").row->Value, 11.5);
    QCOMPARE(FindRow("OptionButton25").row->Value, 122.6);
    QCOMPARE(ToQString(FindRow("OptionButton108").row->Caption), QStringLiteral("55X10"));
    QCOMPARE(FindRow("OptionButton108").row->Value, 7.9);
    QCOMPARE(FindRow("OptionButton127").row->Value, FindRow("OptionButton133").row->Value); // 13.4
    QCOMPARE(FindRow("OptionButton129").row->Value, FindRow("OptionButton2").row->Value);   // 9.2
    QCOMPARE(FindRow("OptionButton131").row->Value, FindRow("OptionButton14").row->Value);  // 14.9
    QCOMPARE(FindRow("OptionButton124").row->Value, FindRow("OptionButton31").row->Value);  // 14
    QCOMPARE(FindRow("OptionButton119").row->Value, FindRow("OptionButton54").row->Value);  // 8.9
    QCOMPARE(FindRow("OptionButton136").row->Value, FindRow("OptionButton88").row->Value);  // 15.9
    QCOMPARE(FindRow("OptionButton141").row->Value, 36.6);
    QCOMPARE(FindRow("OptionButton71").row->Value, 0.28);
    QCOMPARE(FindRow("OptionButton40").row->Value, 0.22);
    int smallX = 0;
    for (const CatalogueRow &row : AngleSections)
        smallX += ToQString(row.Caption).contains(u'x');
    QCOMPARE(smallX, 39);
}

void TestCatalogue::selectRowStoresThenWrites()
{
    Recorder channel;
    SelectRow(FindRow("OptionButton1"), channel);
    QCOMPARE(channel.steps.size(), 13);
    QCOMPARE(channel.steps.first(), QStringLiteral("Page1=6.8"));
    QCOMPARE(channel.steps[1], QStringLiteral("Label36=Ixx=76.0cm4"));
    QCOMPARE(channel.steps[9], QStringLiteral("Label44=A=8.67cm2"));
    QCOMPARE(channel.steps.last(), QStringLiteral("Label47=tw=4.4mm"));

    Recorder beam;
    SelectRow(FindRow("OptionButton12"), beam);
    QCOMPARE(beam.steps.first(), QStringLiteral("Page2=11.5"));
    QCOMPARE(beam.steps[10], QStringLiteral("Label57=b=75mm"));

    Recorder plate;
    SelectRow(FindRow("OptionButton153"), plate);
    QCOMPARE(plate.steps, QStringList{QStringLiteral("Page3=100")});
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
