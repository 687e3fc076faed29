// The weight calculators and the true length of a transition piece.
//
// Every figure is checked as the window shows it (NumberToText with '.'), and
// where the grouping of a formula decides the last bit, bit for bit against
// the double that grouping gives, with a guard that another grouping of the
// same inputs gives a different double. Operands that record when they are
// fetched check the order of fetches and that a failing check stops the
// formula before the later inputs are read.

#include "calc/calc.h"
#include "numtext/numtext.h"

#include <QtTest>

#include <bit>
#include <limits>
#include <memory>
#include <optional>

using namespace msweight;
using namespace Qt::StringLiterals;

namespace {

quint64 Bits(double value)
{
    return std::bit_cast<quint64>(value);
}

QString Text(double value)
{
    return NumberToText(value, u".");
}

// Fails the running test unless `actual` holds exactly `expected`.
#define COMPARE_BITS(actual, expected)                                           \
    do {                                                                         \
        const double a_ = (actual);                                              \
        const double e_ = (expected);                                            \
        if (Bits(a_) != Bits(e_))                                                \
            QFAIL(qPrintable(QStringLiteral("got %1 (0x%2), expected %3 (0x%4)") \
                                 .arg(a_, 0, 'g', 17)                            \
                                 .arg(Bits(a_), 16, 16, QLatin1Char('0'))        \
                                 .arg(e_, 0, 'g', 17)                            \
                                 .arg(Bits(e_), 16, 16, QLatin1Char('0'))));     \
    } while (false)

// Operands that write their name to a shared log when they are fetched.
class FetchLog
{
public:
    Operand operator()(const QString &name, double value)
    {
        return Operand(std::function<double()>([log = m_names, name, value] {
            *log << name;
            return value;
        }));
    }
    void Note(const QString &name) { *m_names << name; }
    const QStringList &Names() const { return *m_names; }

private:
    std::shared_ptr<QStringList> m_names = std::make_shared<QStringList>();
};

// The result of a calculator, or nothing when it threw ArithmeticFailure.
template<typename Calculation>
std::optional<double> Outcome(Calculation calculation)
{
    try {
        return calculation();
    } catch (const ArithmeticFailure &) {
        return std::nullopt;
    }
}

// A box whose text does not convert: what the window passes for it.
struct Unconvertible
{
};

using Limits = std::numeric_limits<double>;

} // namespace

class CalculatorTest : public QObject
{
    Q_OBJECT

private slots:
    void sectionWeight_data();
    void sectionWeight();
    void sectionWeightGrouping_data();
    void sectionWeightGrouping();
    void sectionWeightChecks_data();
    void sectionWeightChecks();
    void sectionWeightChecksOnlyAtTheEnd();

    void plateWeight_data();
    void plateWeight();
    void plateWeightExact_data();
    void plateWeightExact();
    void plateWeightFetchesAndChecks_data();
    void plateWeightFetchesAndChecks();

    void flangeWeight_data();
    void flangeWeight();
    void flangeWeightExact_data();
    void flangeWeightExact();
    void flangeWeightFetchesAndChecks_data();
    void flangeWeightFetchesAndChecks();

    void transitionPieceWeight_data();
    void transitionPieceWeight();
    void transitionPieceWeightExact_data();
    void transitionPieceWeightExact();
    void transitionPieceWeightFetchesAndChecks_data();
    void transitionPieceWeightFetchesAndChecks();

    void trueLength_data();
    void trueLength();
    void trueLengthFetchesAndChecks_data();
    void trueLengthFetchesAndChecks();
};

// ---------------------------------------------------------------------------
// Section: (L x Q) x U

void CalculatorTest::sectionWeight_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("unitWeight");
    QTest::addColumn<QString>("expected");

    QTest::newRow("6 m x 10 of 6.8 kg/m") << 6.0 << 10.0 << 6.8 << u"408"_s;
    QTest::newRow("12 m x 3 of 11.5 kg/m") << 12.0 << 3.0 << 11.5 << u"414"_s;
    QTest::newRow("5.5 m x 2 of 0.22 kg/m") << 5.5 << 2.0 << 0.22 << u"2.42"_s;
    QTest::newRow("negative length") << -6.0 << 7.0 << 6.8 << u"-285.6"_s;
    QTest::newRow("negative quantity") << 6.0 << -7.0 << 6.8 << u"-285.6"_s;
    QTest::newRow("zero unit weight") << 2.0 << 3.0 << 0.0 << u"0"_s;
    QTest::newRow("zero length") << 0.0 << 3.0 << 6.8 << u"0"_s;
    QTest::newRow("one of one metre") << 1.0 << 1.0 << 36.6 << u"36.6"_s;
    QTest::newRow("quantity 2.5 not rounded") << 12.0 << 2.5 << 11.5 << u"345"_s;
    QTest::newRow("quantity 0.5 not rounded") << 6.0 << 0.5 << 6.8 << u"20.4"_s;
    QTest::newRow("underflow is no failure") << 1e-200 << 1e-200 << 1.0 << u"0"_s;
}

void CalculatorTest::sectionWeight()
{
    QFETCH(double, length);
    QFETCH(double, quantity);
    QFETCH(double, unitWeight);
    QFETCH(QString, expected);

    const std::optional<double> weight = Outcome([&] { return SectionWeight(length, quantity, unitWeight); });
    QVERIFY(weight.has_value());
    QCOMPARE(Text(*weight), expected);
    COMPARE_BITS(*weight, (length * quantity) * unitWeight);
}

void CalculatorTest::sectionWeightGrouping_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("unitWeight");
    QTest::addColumn<double>("expected");

    // Inputs where L x (Q x U) lands on a neighbouring double.
    QTest::newRow("0.1 x 3 x 0.22") << 0.1 << 3.0 << 0.22 << 0.066000000000000017;
    QTest::newRow("0.1 x 3 x 11.5") << 0.1 << 3.0 << 11.5 << 3.4500000000000006;
    QTest::newRow("0.1 x 3 x 1.9") << 0.1 << 3.0 << 1.9 << 0.57000000000000006;
    QTest::newRow("0.1 x 7 x 36.6") << 0.1 << 7.0 << 36.6 << 25.620000000000005;
}

void CalculatorTest::sectionWeightGrouping()
{
    QFETCH(double, length);
    QFETCH(double, quantity);
    QFETCH(double, unitWeight);
    QFETCH(double, expected);

    // The row only tells the groupings apart if they differ.
    QVERIFY(Bits(length * (quantity * unitWeight)) != Bits(expected));
    COMPARE_BITS(SectionWeight(length, quantity, unitWeight), expected);
}

void CalculatorTest::sectionWeightChecks_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("unitWeight");
    QTest::addColumn<bool>("fails");

    QTest::newRow("length x quantity") << 1e200 << 1e200 << 1.0 << true;
    QTest::newRow("length x quantity, negative") << -1e200 << 1e200 << 1.0 << true;
    QTest::newRow("x unit weight") << 1e300 << 10.0 << 1e10 << true;
    QTest::newRow("largest doubled") << Limits::max() << 1.0 << 2.0 << true;
    QTest::newRow("overflow then zero unit weight") << 1e200 << 1e200 << 0.0 << true;
    QTest::newRow("overflow then a tiny unit weight") << 1e200 << 1e200 << 1e-300 << true;
    QTest::newRow("near the limit, no failure") << 1e154 << 1e154 << 1.0 << false;
    QTest::newRow("largest, no failure") << Limits::max() << 1.0 << 1.0 << false;
}

void CalculatorTest::sectionWeightChecks()
{
    QFETCH(double, length);
    QFETCH(double, quantity);
    QFETCH(double, unitWeight);
    QFETCH(bool, fails);

    const std::optional<double> weight = Outcome([&] { return SectionWeight(length, quantity, unitWeight); });
    QCOMPARE(!weight.has_value(), fails);
}

// With its one check at the end, the section weight reads the unit weight
// even after length x quantity overflowed, so a unit weight that does not
// convert is what fails; each input is read once, the unit weight last.
void CalculatorTest::sectionWeightChecksOnlyAtTheEnd()
{
    FetchLog log;
    const Operand unitWeight(std::function<double()>([&log]() -> double {
        log.Note(u"unit weight"_s);
        throw Unconvertible();
    }));
    QVERIFY_THROWS_EXCEPTION(Unconvertible,
                             SectionWeight(log(u"length"_s, 1e200), log(u"quantity"_s, 1e200), unitWeight));
    QCOMPARE(log.Names().size(), 3);
    QCOMPARE(log.Names().last(), u"unit weight"_s);
    QVERIFY(log.Names().contains(u"length"_s));
    QVERIFY(log.Names().contains(u"quantity"_s));

    FetchLog normal;
    COMPARE_BITS(SectionWeight(normal(u"length"_s, 6.0), normal(u"quantity"_s, 10.0), normal(u"unit weight"_s, 6.8)),
                 (6.0 * 10.0) * 6.8);
    QCOMPARE(normal.Names().size(), 3);
    QCOMPARE(normal.Names().last(), u"unit weight"_s);
}

// ---------------------------------------------------------------------------
// Plate: a = L x B, check; ((a x Q) x T) x 7.85, check

void CalculatorTest::plateWeight_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("thickness");
    QTest::addColumn<QString>("expected");

    QTest::newRow("2.5 x 1.25, 2 of 10 mm") << 2.5 << 1.25 << 2.0 << 10.0 << u"490.625"_s;
    QTest::newRow("6.3 x 1.5, 1 of 12 mm") << 6.3 << 1.5 << 1.0 << 12.0 << u"890.19"_s;
    QTest::newRow("2 x 1, 5 mm") << 2.0 << 1.0 << 1.0 << 5.0 << u"78.5"_s;
    QTest::newRow("2 x 1, 6.8 mm") << 2.0 << 1.0 << 1.0 << 6.8 << u"106.76"_s;
    QTest::newRow("negative length") << -2.0 << 1.0 << 1.0 << 5.0 << u"-78.5"_s;
    QTest::newRow("negative quantity") << 2.0 << 1.0 << -1.0 << 5.0 << u"-78.5"_s;
    QTest::newRow("zero width") << 2.0 << 0.0 << 1.0 << 5.0 << u"0"_s;
    QTest::newRow("zero quantity") << 2.0 << 1.0 << 0.0 << 5.0 << u"0"_s;
    QTest::newRow("zero thickness") << 2.0 << 1.0 << 1.0 << 0.0 << u"0"_s;
    QTest::newRow("quantity 2.5 not rounded") << 2.0 << 1.0 << 2.5 << 4.0 << u"157"_s;
    QTest::newRow("underflow is no failure") << 1e-200 << 1e-200 << 1.0 << 1.0 << u"0"_s;
}

void CalculatorTest::plateWeight()
{
    QFETCH(double, length);
    QFETCH(double, width);
    QFETCH(double, quantity);
    QFETCH(double, thickness);
    QFETCH(QString, expected);

    const std::optional<double> weight = Outcome([&] { return PlateWeight(length, width, quantity, thickness); });
    QVERIFY(weight.has_value());
    QCOMPARE(Text(*weight), expected);
}

void CalculatorTest::plateWeightExact_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("thickness");
    QTest::addColumn<double>("expected");

    QTest::newRow("1.3 x 1.3, 7 of 6.8 mm") << 1.3 << 1.3 << 7.0 << 6.8 << 631.48540000000014;
    QTest::newRow("1.3 x 1.3, 7 of 1.9 mm") << 1.3 << 1.3 << 7.0 << 1.9 << 176.44445000000002;
    QTest::newRow("1.3 x 1.3, 7 of 2.3 mm") << 1.3 << 1.3 << 7.0 << 2.3 << 213.59065000000001;
}

void CalculatorTest::plateWeightExact()
{
    QFETCH(double, length);
    QFETCH(double, width);
    QFETCH(double, quantity);
    QFETCH(double, thickness);
    QFETCH(double, expected);

    // The rows only tell the groupings apart if these differ.
    const double area = length * width;
    QVERIFY(Bits(area * ((quantity * thickness) * SteelDensity)) != Bits(expected));
    QVERIFY(Bits(((length * (width * quantity)) * thickness) * SteelDensity) != Bits(expected));
    COMPARE_BITS(PlateWeight(length, width, quantity, thickness), expected);
}

void CalculatorTest::plateWeightFetchesAndChecks_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("thickness");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<QStringList>("fetched");

    const QStringList all{u"width"_s, u"length"_s, u"quantity"_s, u"thickness"_s};
    QTest::newRow("width first, then length") << 2.5 << 1.25 << 2.0 << 10.0 << false << all;
    QTest::newRow("near the limit, no failure") << 1e154 << 1e154 << 1.0 << 0.1 << false << all;
    QTest::newRow("area overflows before the quantity")
        << 1e200 << 1e200 << 1.0 << 1.0 << true << QStringList{u"width"_s, u"length"_s};
    QTest::newRow("negative area overflows before the quantity")
        << -1e200 << 1e200 << 1.0 << 1.0 << true << QStringList{u"width"_s, u"length"_s};
    QTest::newRow("x quantity overflows") << 1e200 << 1e100 << 1e10 << 1.0 << true << all;
    QTest::newRow("x thickness overflows") << 1e200 << 1e100 << 1.0 << 1e10 << true << all;
    QTest::newRow("x 7.85 overflows") << 1e308 << 1.0 << 1.0 << 1.0 << true << all;
    QTest::newRow("overflow then zero thickness") << 1e200 << 1e100 << 1e10 << 0.0 << true << all;
}

void CalculatorTest::plateWeightFetchesAndChecks()
{
    QFETCH(double, length);
    QFETCH(double, width);
    QFETCH(double, quantity);
    QFETCH(double, thickness);
    QFETCH(bool, fails);
    QFETCH(QStringList, fetched);

    FetchLog log;
    const std::optional<double> weight = Outcome([&] {
        return PlateWeight(log(u"length"_s, length), log(u"width"_s, width), log(u"quantity"_s, quantity),
                           log(u"thickness"_s, thickness));
    });
    QCOMPARE(!weight.has_value(), fails);
    QCOMPARE(log.Names(), fetched);
}

// ---------------------------------------------------------------------------
// Flange: ((((D^2 - d^2) x 0.785) check x T) x 7.85) check x Q check

void CalculatorTest::flangeWeight_data()
{
    QTest::addColumn<double>("outer");
    QTest::addColumn<double>("inner");
    QTest::addColumn<double>("thickness");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0.5 / 0.3, 20 mm, 4 off") << 0.5 << 0.3 << 20.0 << 4.0 << u"78.8768"_s;
    QTest::newRow("0.6 / 0.4, 10 mm, 1 off") << 0.6 << 0.4 << 10.0 << 1.0 << u"12.3245"_s;
    QTest::newRow("blind flange") << 0.5 << 0.0 << 20.0 << 1.0 << u"30.81125"_s;
    QTest::newRow("equal diameters") << 0.5 << 0.5 << 20.0 << 4.0 << u"0"_s;
    QTest::newRow("bore larger than outside") << 0.3 << 0.5 << 20.0 << 4.0 << u"-78.8768"_s;
    QTest::newRow("negative outer diameter") << -0.5 << 0.3 << 20.0 << 4.0 << u"78.8768"_s;
    QTest::newRow("negative inner diameter") << 0.5 << -0.3 << 20.0 << 4.0 << u"78.8768"_s;
    QTest::newRow("zero thickness") << 0.5 << 0.3 << 0.0 << 4.0 << u"0"_s;
    QTest::newRow("zero quantity") << 0.5 << 0.3 << 20.0 << 0.0 << u"0"_s;
    QTest::newRow("quantity 2.5 not rounded") << 0.5 << 0.0 << 20.0 << 2.5 << u"77.028125"_s;
    QTest::newRow("negative quantity") << 0.5 << 0.3 << 20.0 << -4.0 << u"-78.8768"_s;
    QTest::newRow("squares underflow, no failure") << 1e-200 << 1e-200 << 20.0 << 4.0 << u"0"_s;
}

void CalculatorTest::flangeWeight()
{
    QFETCH(double, outer);
    QFETCH(double, inner);
    QFETCH(double, thickness);
    QFETCH(double, quantity);
    QFETCH(QString, expected);

    const std::optional<double> weight = Outcome([&] { return FlangeWeight(outer, inner, thickness, quantity); });
    QVERIFY(weight.has_value());
    QCOMPARE(Text(*weight), expected);
}

void CalculatorTest::flangeWeightExact_data()
{
    QTest::addColumn<double>("outer");
    QTest::addColumn<double>("inner");
    QTest::addColumn<double>("thickness");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("expected");

    QTest::newRow("0.5 / 0.3, 20 mm, 4 off") << 0.5 << 0.3 << 20.0 << 4.0 << 78.87680000000002;
    QTest::newRow("1.3 / 0.1, 6.8 mm, 3 off") << 1.3 << 0.1 << 6.8 << 3.0 << 211.192632;
    QTest::newRow("1.3 / 0.1, 6.8 mm, 7 off") << 1.3 << 0.1 << 6.8 << 7.0 << 492.78280799999999;
    QTest::newRow("1.3 / 0.1, 6.8 mm, 11 off") << 1.3 << 0.1 << 6.8 << 11.0 << 774.37298399999997;
}

void CalculatorTest::flangeWeightExact()
{
    QFETCH(double, outer);
    QFETCH(double, inner);
    QFETCH(double, thickness);
    QFETCH(double, quantity);
    QFETCH(double, expected);

    // A row tells the groupings apart only if another grouping of its inputs
    // gives another double: the density taken with the thickness first, or
    // 0.785 with the thickness first.
    const double squares = outer * outer - inner * inner;
    const double densityFirst = ((squares * CircleAreaFactor) * (thickness * SteelDensity)) * quantity;
    const double factorFirst = ((squares * (CircleAreaFactor * thickness)) * SteelDensity) * quantity;
    QVERIFY(Bits(densityFirst) != Bits(expected) || Bits(factorFirst) != Bits(expected));
    COMPARE_BITS(FlangeWeight(outer, inner, thickness, quantity), expected);
}

void CalculatorTest::flangeWeightFetchesAndChecks_data()
{
    QTest::addColumn<double>("outer");
    QTest::addColumn<double>("inner");
    QTest::addColumn<double>("thickness");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<QStringList>("fetched");

    const QStringList diameters{u"outer"_s, u"inner"_s};
    const QStringList all{u"outer"_s, u"inner"_s, u"thickness"_s, u"quantity"_s};
    QTest::newRow("outer, inner, thickness, quantity") << 0.5 << 0.3 << 20.0 << 4.0 << false << all;
    QTest::newRow("outer diameter overflows before the thickness") << 1e200 << 0.3 << 20.0 << 4.0 << true << diameters;
    QTest::newRow("inner diameter overflows before the thickness") << 0.5 << 1e200 << 20.0 << 4.0 << true << diameters;
    QTest::newRow("both diameters overflow before the thickness") << 1e200 << 1e200 << 20.0 << 4.0 << true << diameters;
    QTest::newRow("near the limit, no failure") << 1e154 << 0.0 << 0.1 << 1.0 << false << all;
    QTest::newRow("huge thickness overflows before the quantity")
        << 1.0 << 0.0 << 1e308 << 4.0 << true << QStringList{u"outer"_s, u"inner"_s, u"thickness"_s};
    QTest::newRow("x 7.85 overflows before the quantity")
        << 1.0 << 0.0 << 1e308 / 0.785 / 2 << 4.0 << true << QStringList{u"outer"_s, u"inner"_s, u"thickness"_s};
    QTest::newRow("x quantity overflows") << 1.0 << 0.0 << 1e10 << 1e300 << true << all;
}

void CalculatorTest::flangeWeightFetchesAndChecks()
{
    QFETCH(double, outer);
    QFETCH(double, inner);
    QFETCH(double, thickness);
    QFETCH(double, quantity);
    QFETCH(bool, fails);
    QFETCH(QStringList, fetched);

    FetchLog log;
    const std::optional<double> weight = Outcome([&] {
        return FlangeWeight(log(u"outer"_s, outer), log(u"inner"_s, inner), log(u"thickness"_s, thickness),
                            log(u"quantity"_s, quantity));
    });
    QCOMPARE(!weight.has_value(), fails);
    QCOMPARE(log.Names(), fetched);
}

// ---------------------------------------------------------------------------
// Transition piece: a = L + L; b = D x 3.1416 + a; c = ((W + W) + b) / 2;
// d = H x c; e = (T x d) x 7.85; w = Q x e; each checked

void CalculatorTest::transitionPieceWeight_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("thickness");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<QString>("expected");

    QTest::newRow("all ones") << 1.0 << 1.0 << 1.0 << 1.0 << 1.0 << 1.0 << u"28.03078"_s;
    QTest::newRow("no round end") << 2.0 << 1.0 << 0.0 << 1.0 << 5.0 << 1.0 << u"117.75"_s;
    QTest::newRow("1.2 x 0.8 to 1 diameter") << 1.2 << 0.8 << 1.0 << 1.5 << 6.0 << 2.0 << u"504.55404"_s;
    QTest::newRow("zero height") << 1.2 << 0.8 << 1.0 << 0.0 << 6.0 << 2.0 << u"0"_s;
    QTest::newRow("zero thickness") << 1.2 << 0.8 << 1.0 << 1.5 << 0.0 << 2.0 << u"0"_s;
    QTest::newRow("zero quantity") << 1.2 << 0.8 << 1.0 << 1.5 << 6.0 << 0.0 << u"0"_s;
    QTest::newRow("quantity 2.5 not rounded") << 1.0 << 1.0 << 1.0 << 1.0 << 1.0 << 2.5 << u"70.07695"_s;
    QTest::newRow("negative quantity") << 1.2 << 0.8 << 1.0 << 1.5 << 6.0 << -2.0 << u"-504.55404"_s;
    QTest::newRow("round end only") << 0.0 << 0.0 << 1.0 << 1.0 << 1.0 << 1.0 << u"12.33078"_s;
    QTest::newRow("width only") << 0.0 << 1.0 << 0.0 << 1.0 << 1.0 << 1.0 << u"7.85"_s;
}

void CalculatorTest::transitionPieceWeight()
{
    QFETCH(double, length);
    QFETCH(double, width);
    QFETCH(double, diameter);
    QFETCH(double, height);
    QFETCH(double, thickness);
    QFETCH(double, quantity);
    QFETCH(QString, expected);

    const std::optional<double> weight
        = Outcome([&] { return TransitionPieceWeight(length, width, diameter, height, thickness, quantity); });
    QVERIFY(weight.has_value());
    QCOMPARE(Text(*weight), expected);
}

void CalculatorTest::transitionPieceWeightExact_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("thickness");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("expected");

    QTest::newRow("0.3 x 1.1 to 0.3, 0.3 high") << 0.3 << 1.1 << 0.3 << 0.3 << 6.0 << 3.0 << 79.3218636;
    QTest::newRow("0.3 x 2.2 to 0.7, 1.3 high") << 0.3 << 2.2 << 0.7 << 1.3 << 6.0 << 3.0 << 661.20317640000007;
    QTest::newRow("0.3 x 2.2 to 0.7, 0.9 high") << 0.3 << 2.2 << 0.7 << 0.9 << 6.0 << 3.0 << 457.75604520000002;
}

void CalculatorTest::transitionPieceWeightExact()
{
    QFETCH(double, length);
    QFETCH(double, width);
    QFETCH(double, diameter);
    QFETCH(double, height);
    QFETCH(double, thickness);
    QFETCH(double, quantity);
    QFETCH(double, expected);

    // The rows only tell the groupings apart if these differ.
    const double girth = ((width + width) + ((diameter * Pi) + (length + length))) / 2.0;
    QVERIFY(Bits(quantity * (thickness * ((height * girth) * SteelDensity))) != Bits(expected));
    const double halfGirth = width + length + diameter * Pi / 2.0;
    QVERIFY(Bits(quantity * ((thickness * (height * halfGirth)) * SteelDensity)) != Bits(expected));
    COMPARE_BITS(TransitionPieceWeight(length, width, diameter, height, thickness, quantity), expected);
}

void CalculatorTest::transitionPieceWeightFetchesAndChecks_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("thickness");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<QStringList>("fetched");

    const QStringList order{u"length"_s, u"diameter"_s, u"width"_s, u"height"_s, u"thickness"_s, u"quantity"_s};
    QTest::newRow("length, diameter, width, height, thickness, quantity")
        << 1.0 << 1.0 << 1.0 << 1.0 << 1.0 << 1.0 << false << order;
    QTest::newRow("near the limit, no failure") << 4e307 << 1.0 << 1.0 << 1e-10 << 1.0 << 1.0 << false << order;
    QTest::newRow("step 1: L + L") << 1e308 << 1.0 << 1.0 << 1.0 << 1.0 << 1.0 << true << order.first(1);
    QTest::newRow("step 1: L + L, negative") << -1e308 << 1.0 << 1.0 << 1.0 << 1.0 << 1.0 << true << order.first(1);
    QTest::newRow("step 2: D x 3.1416") << 1.0 << 1.0 << 1e308 << 1.0 << 1.0 << 1.0 << true << order.first(2);
    QTest::newRow("step 2: + a") << 1e307 << 1.0 << 5.5e307 << 1.0 << 1.0 << 1.0 << true << order.first(2);
    QTest::newRow("step 3: W + W") << 1.0 << 1e308 << 1.0 << 1.0 << 1.0 << 1.0 << true << order.first(3);
    QTest::newRow("step 3: + b") << 1.0 << 5e307 << 3e307 << 1.0 << 1.0 << 1.0 << true << order.first(3);
    QTest::newRow("step 4: H x c") << 1e9 << 1.0 << 1.0 << 1e300 << 1.0 << 1.0 << true << order.first(4);
    QTest::newRow("step 5: T x d") << 1.0 << 1.0 << 1.0 << 1.0 << 1e308 << 1.0 << true << order.first(5);
    QTest::newRow("step 5: x 7.85") << 1.0 << 1.0 << 1.0 << 1.0 << 5e307 << 1.0 << true << order.first(5);
    QTest::newRow("step 6: Q x e") << 1.0 << 1.0 << 1.0 << 1.0 << 1.0 << 1e308 << true << order;
    QTest::newRow("step 6: Q x e, negative") << 1.0 << 1.0 << 1.0 << 1.0 << 1.0 << -1e308 << true << order;
}

void CalculatorTest::transitionPieceWeightFetchesAndChecks()
{
    QFETCH(double, length);
    QFETCH(double, width);
    QFETCH(double, diameter);
    QFETCH(double, height);
    QFETCH(double, thickness);
    QFETCH(double, quantity);
    QFETCH(bool, fails);
    QFETCH(QStringList, fetched);

    FetchLog log;
    const std::optional<double> weight = Outcome([&] {
        return TransitionPieceWeight(log(u"length"_s, length), log(u"width"_s, width), log(u"diameter"_s, diameter),
                                     log(u"height"_s, height), log(u"thickness"_s, thickness),
                                     log(u"quantity"_s, quantity));
    });
    QCOMPARE(!weight.has_value(), fails);
    QCOMPARE(log.Names(), fetched);
}

// ---------------------------------------------------------------------------
// True length: (L^2 + H^2)^0.5, checked after the sum

void CalculatorTest::trueLength_data()
{
    QTest::addColumn<double>("inclinedLength");
    QTest::addColumn<double>("height");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<double>("exact");

    QTest::newRow("3-4-5") << 3.0 << 4.0 << u"5"_s << 5.0;
    QTest::newRow("300-400-500") << 300.0 << 400.0 << u"500"_s << 500.0;
    QTest::newRow("root two") << 1.0 << 1.0 << u"1.4142135623731"_s << 1.4142135623730951;
    QTest::newRow("zero length, negative height") << 0.0 << -7.0 << u"7"_s << 7.0;
    QTest::newRow("negative length") << -3.0 << 4.0 << u"5"_s << 5.0;
    QTest::newRow("zero") << 0.0 << 0.0 << u"0"_s << 0.0;
    QTest::newRow("squares underflow, no failure") << 1e-200 << 1e-200 << u"0"_s << 0.0;
    QTest::newRow("1.5 and 2") << 1.5 << 2.0 << u"2.5"_s << 2.5;
}

void CalculatorTest::trueLength()
{
    QFETCH(double, inclinedLength);
    QFETCH(double, height);
    QFETCH(QString, expected);
    QFETCH(double, exact);

    const std::optional<double> length = Outcome([&] { return TrueLength(inclinedLength, height); });
    QVERIFY(length.has_value());
    QCOMPARE(Text(*length), expected);
    COMPARE_BITS(*length, exact);
}

void CalculatorTest::trueLengthFetchesAndChecks_data()
{
    QTest::addColumn<double>("inclinedLength");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("fails");

    QTest::newRow("normal") << 3.0 << 4.0 << false;
    QTest::newRow("near the limit, no failure") << 1e154 << 1e153 << false;
    QTest::newRow("length squared overflows") << 1e200 << 1.0 << true;
    QTest::newRow("height squared overflows") << 1.0 << 1e200 << true;
    QTest::newRow("negative height squared overflows") << 1.0 << -1e200 << true;
    QTest::newRow("each square fits, the sum does not") << 1.3e154 << 1.3e154 << true;
}

// The height is read before the inclined length, and both are read before the
// one check.
void CalculatorTest::trueLengthFetchesAndChecks()
{
    QFETCH(double, inclinedLength);
    QFETCH(double, height);
    QFETCH(bool, fails);

    FetchLog log;
    const std::optional<double> length
        = Outcome([&] { return TrueLength(log(u"inclined length"_s, inclinedLength), log(u"height"_s, height)); });
    QCOMPARE(!length.has_value(), fails);
    QCOMPARE(log.Names(), (QStringList{u"height"_s, u"inclined length"_s}));
}

QTEST_GUILESS_MAIN(CalculatorTest)
#include "tst_calc.moc"
