// The exact running sum against sums known exactly: each row's terms added
// (and taken away) in their order and in the reverse order must give the one
// correctly rounded double, where adding doubles one by one would not.
#include "calc/exactsum.h"

#include <QtTest>

#include <bit>
#include <cfloat>
#include <cmath>

using namespace msweight;

using Terms = QList<double>; // a negative zero never occurs; a term < 0 is taken away

class TestExactSum : public QObject
{
    Q_OBJECT

private slots:
    void sum_data();
    void sum();
};

void TestExactSum::sum_data()
{
    QTest::addColumn<Terms>("added");
    QTest::addColumn<Terms>("subtracted");
    QTest::addColumn<double>("expected");
    QTest::addColumn<bool>("beyond"); // beyond the double range

    const double twoTo53 = 9007199254740992.0;
    const double tiny = std::ldexp(1.0, -1074);
    auto row = [](const char *name, Terms added, Terms subtracted, double expected, bool beyond = false) {
        QTest::newRow(name) << added << subtracted << expected << beyond;
    };
    row("nothing", {}, {}, 0.0);
    row("1e308 + 1e308 - 1e308", {1e308, 1e308}, {1e308}, 1e308);
    row("1 + 1e-300 - 1", {1.0, 1e-300}, {1.0}, 1e-300);
    row("0.1 ten times", Terms(10, 0.1), {}, 1.0);
    row("0.1 ten times, less 1", Terms(10, 0.1), {1.0}, 5.551115123125783e-17);
    row("three least subnormals", {tiny, tiny, tiny}, {}, 3 * tiny);
    row("least normal less least subnormal", {DBL_MIN}, {tiny}, DBL_MIN - tiny);
    row("tie to even, down", {twoTo53, 1.0}, {}, twoTo53);
    row("tie to even, up", {twoTo53, 3.0}, {}, twoTo53 + 4);
    row("above the tie by a subnormal", {twoTo53, 1.0, tiny}, {}, twoTo53 + 2);
    row("negative", {3.0}, {5.0}, -2.0);
    row("negative tie to even", {-twoTo53, -3.0}, {}, -(twoTo53 + 4));
    row("all taken away", {1e-300, 1e300, 0.5}, {1e300, 0.5, 1e-300}, 0.0);
    row("beyond the range", {DBL_MAX, DBL_MAX}, {}, 0.0, true);
    row("back within the range", {DBL_MAX, DBL_MAX}, {DBL_MAX}, DBL_MAX);
    row("rounds up beyond the largest", {DBL_MAX, std::ldexp(1.0, 970)}, {}, 0.0, true);
    row("just below the rounding", {DBL_MAX, std::ldexp(1.0, 969)}, {}, DBL_MAX);
    row("negative beyond the range", {-DBL_MAX, -DBL_MAX}, {}, 0.0, true);
}

void TestExactSum::sum()
{
    QFETCH(Terms, added);
    QFETCH(Terms, subtracted);
    QFETCH(double, expected);
    QFETCH(bool, beyond);

    // In order, and again in the reverse order with the subtractions first.
    ExactSum forward;
    for (double term : added)
        forward.add(term);
    for (double term : subtracted)
        forward.subtract(term);
    ExactSum backward;
    for (auto term = subtracted.crbegin(); term != subtracted.crend(); ++term)
        backward.subtract(*term);
    for (auto term = added.crbegin(); term != added.crend(); ++term)
        backward.add(*term);

    for (const ExactSum *sum : {&forward, &backward}) {
        const std::optional<double> value = sum->value();
        QCOMPARE(value.has_value(), !beyond);
        if (value)
            QCOMPARE(std::bit_cast<quint64>(*value), std::bit_cast<quint64>(expected));
    }
}

QTEST_GUILESS_MAIN(TestExactSum)
#include "tst_exactsum.moc"
