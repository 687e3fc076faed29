// Number text: reading the text of a box into a double, why a text is
// refused and how that is said, writing a double back as text, and the
// floating-point check.
//
// Accepted text is compared with the C library's strtod in the "C" locale on
// the same text written with '.', which rounds correctly for any number of
// digits; doubles are compared bit for bit, so -0.0 is not 0.0.

#include "numtext/numtext.h"

#include <QtTest>

#include <bit>
#include <clocale>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace msweight;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<double>)
Q_DECLARE_METATYPE(msweight::NumberFault)

namespace msweight {

// For QCOMPARE's report.
char *toString(NumberFault fault)
{
    switch (fault) {
    case NumberFault::NotANumber:
        return qstrdup("NotANumber");
    case NumberFault::TooLarge:
        return qstrdup("TooLarge");
    case NumberFault::OtherSeparator:
        return qstrdup("OtherSeparator");
    }
    return qstrdup(QByteArray::number(int(fault)).constData());
}

} // namespace msweight

namespace {

using Limits = std::numeric_limits<double>;

quint64 Bits(double value)
{
    return std::bit_cast<quint64>(value);
}

// strtod in the "C" locale, whatever LC_NUMERIC the application set.
double CStrtod(const QString &dotText)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const QByteArray bytes = dotText.toLatin1();
    return strtod_l(bytes.constData(), nullptr, c);
}

// The same text with the decimal separator of another locale.
QString WithSeparator(QString dotText, QStringView separator)
{
    return dotText.replace(u'.', separator.toString());
}

const QString Dot = QStringLiteral(".");
const QString Comma = QStringLiteral(",");
const QString ArabicSeparator = QString(QChar(0x066B));
const QString Ellipsis = QString(QChar(0x2026));

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

} // namespace

class NumberTextTest : public QObject
{
    Q_OBJECT

private slots:
    void acceptedText_data();
    void acceptedText();
    void rejectedText_data();
    void rejectedText();
    void hugeText_data();
    void hugeText();
    void textToNumberUsesTheUsersSeparator_data();
    void textToNumberUsesTheUsersSeparator();
    void textToNumberThrowsOnBadText_data();
    void textToNumberThrowsOnBadText();
    void faultOf_data();
    void faultOf();
    void quotedForMessage_data();
    void quotedForMessage();
    void failureMessage_data();
    void failureMessage();
    void numberToText_data();
    void numberToText();
    void textRoundTrips_data();
    void textRoundTrips();
    void largestDoublesReadBack();
    void textIgnoresTheCLibraryLocale_data();
    void textIgnoresTheCLibraryLocale();
    void numberToTextEndsTheProgramOnNonFinite_data();
    void numberToTextEndsTheProgramOnNonFinite();
    void checkedRejectsNonFinite_data();
    void checkedRejectsNonFinite();
    void checkedPassesFiniteUnchanged_data();
    void checkedPassesFiniteUnchanged();
};

// ---------------------------------------------------------------------------
// Reading text

void NumberTextTest::acceptedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<double>("expected");

    struct Row
    {
        const char *tag;
        QString dotText; // written with '.'; the ',' rows swap it
        double expected;
    };
    const double nan = Limits::quiet_NaN(); // "use strtod on the text"
    const Row rows[] = {
        // Shapes of the mantissa.
        {"integer", u"5"_s, 5.0},
        {"trailing separator", u"5."_s, 5.0},
        {"leading separator", u".5"_s, 0.5},
        {"fraction", u"5.25"_s, 5.25},
        {"leading zeros", u"00012"_s, 12.0},
        {"zero", u"0"_s, 0.0},
        {"many zeros", u"000.000"_s, 0.0},
        {"negative zero", u"-0"_s, -0.0},
        {"negative zero with fraction", u"-0.0"_s, -0.0},
        {"plus sign", u"+5.25"_s, 5.25},
        {"minus sign", u"-5.25"_s, -5.25},
        {"minus leading separator", u"-.5"_s, -0.5},
        {"plus trailing separator", u"+7."_s, 7.0},
        // Blanks: spaces and tabs, before and after.
        {"leading spaces", u"   12.5"_s, 12.5},
        {"trailing spaces", u"12.5   "_s, 12.5},
        {"tabs around", u"\t12.5\t"_s, 12.5},
        {"mixed blanks and sign", u" \t -3.5 \t "_s, -3.5},
        // Exponents.
        {"lower e", u"1e3"_s, 1000.0},
        {"upper E", u"1E3"_s, 1000.0},
        {"exponent plus", u"2.5e+2"_s, 250.0},
        {"exponent minus", u"25e-1"_s, 2.5},
        {"exponent zero", u"7e0"_s, 7.0},
        {"exponent leading zeros", u"1e0002"_s, 100.0},
        {"trailing separator then exponent", u"5.e2"_s, 500.0},
        {"leading separator then exponent", u".5e-1"_s, 0.05},
        {"signs everywhere", u"-.5E+1"_s, -5.0},
        {"exponent then blanks", u"1e3 \t"_s, 1000.0},
        // Correct rounding.
        {"0.1", u"0.1"_s, 0.1},
        {"0.3", u"0.3"_s, 0.3},
        {"2^53 + 1 halfway, ties to even", u"9007199254740993"_s, 9007199254740992.0},
        {"2^53 + 1 and a little more", u"9007199254740993.0000000000000000001"_s, 9007199254740994.0},
        {"2^53 + 3 halfway, ties to even", u"9007199254740995"_s, 9007199254740996.0},
        {"long digit string", u"3.14159265358979323846264338327950288419716939937510"_s, nan},
        {"many integer digits", u"123456789012345678901234567890123456789"_s, nan},
        {"long fraction of a small number", u"0.000000000000000000000123456789123456789"_s, nan},
        {"least normal, hard case", u"2.2250738585072011e-308"_s, nan},
        {"least normal", u"2.2250738585072014e-308"_s, Limits::min()},
        {"just below a halfway point", u"1.00000000000000011102230246251565e0"_s, nan},
        {"just above a halfway point", u"1.00000000000000011102230246251566e0"_s, nan},
        {"exactly halfway 1 + 2^-53", u"1.00000000000000011102230246251565404236316680908203125"_s, 1.0},
        {"pi with exponent", u"314159265358979323846e-20"_s, nan},
        // The top of the range.
        {"largest double", u"1.7976931348623157e308"_s, Limits::max()},
        {"rounds down to the largest double", u"1.7976931348623158e308"_s, Limits::max()},
        {"largest double negative", u"-1.7976931348623157e308"_s, -Limits::max()},
        {"1e308", u"1e308"_s, 1e308},
        // Below the range: the nearest double, no failure.
        {"1e-400 to zero", u"1e-400"_s, 0.0},
        {"-1e-400 to negative zero", u"-1e-400"_s, -0.0},
        {"least subnormal", u"4.9e-324"_s, Limits::denorm_min()},
        {"least subnormal negative", u"-4.9e-324"_s, -Limits::denorm_min()},
        {"just under half the least subnormal", u"2.4703282292062327e-324"_s, 0.0},
        {"just over half the least subnormal", u"2.4703282292062328e-324"_s, Limits::denorm_min()},
        {"subnormal 1e-310", u"1e-310"_s, nan},
        {"subnormal 1.5e-320", u"-1.5e-320"_s, nan},
        {"huge negative exponent", u"1e-99999999999999999999"_s, 0.0},
        {"huge negative exponent, negative", u"-1e-99999999999999999999"_s, -0.0},
        {"negative exponent 2^63", u"1e-9223372036854775808"_s, 0.0},
        {"negative exponent past 2^63", u"5e-9999999999999999999"_s, 0.0},
        {"zero with a huge exponent", u"0e99999999999"_s, 0.0},
        {"zeros with a huge exponent", u"000.000e99999999999999999999"_s, 0.0},
        {"many digits below the range", u"123456789e-340"_s, nan},
        {"leading zeros below the range", u"0.0000000001e-320"_s, 0.0},
        {"many digits back into range", u"100000000000000000000000000000e-330"_s, nan},
        {"small fraction scaled up", u"0.00000000001e310"_s, 1e299},
    };

    for (const Row &row : rows) {
        const double expected = std::isnan(row.expected) ? CStrtod(row.dotText.trimmed()) : row.expected;
        if (!std::isnan(row.expected))
            // The stated value is what strtod makes of the text too.
            QCOMPARE(Bits(CStrtod(row.dotText.trimmed())), Bits(expected));
        QTest::addRow("'.' %s", row.tag) << row.dotText << Dot << expected;
        QTest::addRow("',' %s", row.tag) << WithSeparator(row.dotText, Comma) << Comma << expected;
    }
}

void NumberTextTest::acceptedText()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(double, expected);

    const std::optional<double> value = ParseNumber(text, separator);
    QVERIFY2(value.has_value(), qPrintable(text));
    COMPARE_BITS(*value, expected);
}

void NumberTextTest::rejectedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");

    // Not numbers in either locale; written with '.', which the ',' rows swap.
    const std::pair<const char *, QString> both[] = {
        {"empty", u""_s},
        {"one space", u" "_s},
        {"blanks only", u" \t \t"_s},
        {"letters", u"abc"_s},
        {"number then letters", u"1.5abc"_s},
        {"letters then number", u"abc1.5"_s},
        {"single letter", u"x"_s},
        {"inf", u"inf"_s},
        {"Infinity", u"Infinity"_s},
        {"minus inf", u"-inf"_s},
        {"nan", u"nan"_s},
        {"NaN", u"NaN"_s},
        {"hex 0x10", u"0x10"_s},
        {"hex 0X1A", u"0X1A"_s},
        {"hex float", u"0x1.8p1"_s},
        {"hex digits", u"1A"_s},
        {"suffix d", u"1d5"_s},
        {"suffix f", u"1.5f"_s},
        {"digit separator", u"1_000"_s},
        {"apostrophe grouping", u"1'000"_s},
        {"exponent only", u"e5"_s},
        {"upper exponent only", u"E5"_s},
        {"separator only", u"."_s},
        {"separator then exponent", u".e1"_s},
        {"sign separator exponent", u"-.e1"_s},
        {"minus only", u"-"_s},
        {"plus only", u"+"_s},
        {"plus minus", u"+-1"_s},
        {"minus plus", u"-+1"_s},
        {"double minus", u"--1"_s},
        {"double plus", u"++1"_s},
        {"sign after", u"1-"_s},
        {"sign after, plus", u"1+"_s},
        {"blank after sign", u"- 1"_s},
        {"bare e", u"1e"_s},
        {"bare E", u"1E"_s},
        {"e plus", u"1e+"_s},
        {"e minus", u"1e-"_s},
        {"e with blank", u"1e 5"_s},
        {"e sign twice", u"1e+-5"_s},
        {"fractional exponent", u"1e5.5"_s},
        {"two exponents", u"1e5e5"_s},
        {"two separators", u"1..5"_s},
        {"separator twice", u"1.5.5"_s},
        {"embedded blank", u"1 2"_s},
        {"blank before separator", u"1 .5"_s},
        {"blank after separator", u"1. 5"_s},
        {"newline after", u"1\n"_s},
        {"newline before", u"\n1"_s},
        {"carriage return", u"1\r"_s},
        {"vertical tab", u"\v1"_s},
        {"form feed", u"1\f"_s},
        {"no-break space", u"\u00a01"_s},
        {"ideographic space", u"1\u3000"_s},
        {"Arabic-Indic one", u"\u0661"_s},
        {"Arabic-Indic digit after ASCII", u"1\u0662"_s},
        {"Arabic-Indic fraction", u"1.\u0665"_s},
        {"fullwidth digits", u"\uff11\uff12"_s},
        {"Devanagari digit", u"\u0967"_s},
        {"superscript exponent", u"1e\u00b2"_s},
        {"unicode minus", u"\u22121"_s},
        {"parentheses", u"(1)"_s},
        {"quoted", u"\"1\""_s},
        {"embedded nul",
         QString(u"1\0"
                 "2"_s)},
        // Beyond the double range.
        {"1e400", u"1e400"_s},
        {"-1e309", u"-1e309"_s},
        {"1.8e308", u"1.8e308"_s},
        {"just over the rounding point of the largest", u"1.797693134862315808e308"_s},
        {"huge exponent", u"1e99999999999999999999"_s},
        {"huge exponent negative number", u"-1e99999999999999999999"_s},
        {"exponent 2^63", u"1e9223372036854775808"_s},
        {"exponent past 2^63", u"1e9999999999999999999"_s},
        {"exponent 2^64", u"1e18446744073709551616"_s},
        {"small fraction scaled past the range", u"0.001e312"_s},
        {"many digits past the range", u"1000000000000000000000e300"_s},
    };
    for (const auto &[tag, dotText] : both) {
        QTest::addRow("'.' %s", tag) << dotText << Dot;
        QTest::addRow("',' %s", tag) << WithSeparator(dotText, Comma) << Comma;
    }

    // Separators and grouping that belong to the other locale.
    QTest::newRow("'.' group separator") << u"1,000"_s << Dot;
    QTest::newRow("'.' grouped with fraction") << u"1,000.5"_s << Dot;
    QTest::newRow("'.' comma fraction") << u"1,5"_s << Dot;
    QTest::newRow("'.' comma only") << u","_s << Dot;
    QTest::newRow("',' group separator") << u"1.000,5"_s << Comma;
    QTest::newRow("',' grouped integer") << u"1.000"_s << Comma;
    QTest::newRow("',' dot fraction") << u"1.5"_s << Comma;
    QTest::newRow("',' dot leading") << u".5"_s << Comma;
    QTest::newRow("',' dot trailing") << u"5."_s << Comma;
    QTest::newRow("',' dot only") << u"."_s << Comma;
    QTest::newRow("',' space grouping") << u"1 000,5"_s << Comma;
}

void NumberTextTest::rejectedText()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);

    const std::optional<double> value = ParseNumber(text, separator);
    QVERIFY2(!value.has_value(),
             qPrintable(QStringLiteral("\"%1\" gave %2").arg(text).arg(value.value_or(0.0), 0, 'g', 17)));
}

void NumberTextTest::hugeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<std::optional<double>>("expected");

    constexpr qsizetype Million = 1'000'000;
    const QString zeros(Million, u'0');
    const QString ones(Million, u'1');

    const auto add = [](const char *tag, const QString &dotText, std::optional<double> expected) {
        if (expected) // the stated value is what strtod makes of the text too
            QCOMPARE(Bits(CStrtod(dotText)), Bits(*expected));
        QTest::addRow("'.' %s", tag) << dotText << Dot << expected;
        QTest::addRow("',' %s", tag) << WithSeparator(dotText, Comma) << Comma << expected;
    };

    add("1e1000000 with a fraction", u"1"_s + zeros + u".5"_s, std::nullopt);
    add("negative 1e1000000", u"-1"_s + zeros, std::nullopt);
    add("a million zeros then 1.5", zeros + u"1.5"_s, 1.5);
    add("a million zeros then 1", u"0."_s + zeros + u"1"_s, 0.0);
    add("a million zeros then 1, negative", u"-0."_s + zeros + u"1"_s, -0.0);
    add("a million ones", u"0."_s + ones, CStrtod(u"0."_s + ones));
    add("a million ones, integer part", ones + u"e-999990"_s, CStrtod(ones + u"e-999990"_s));
    add("1e1000000 scaled back", u"1"_s + zeros + u"e-1000000"_s, 1.0);
    add("1e-1000001 scaled back", u"0."_s + zeros + u"1e1000010"_s, 1e9);
    add("1e-1000001 scaled not far enough", u"0."_s + zeros + u"1e1000"_s, 0.0);
    add("halfway broken by a far digit", u"9007199254740993."_s + zeros + u"1"_s, 9007199254740994.0);
    add("halfway kept over a million zeros", u"9007199254740993."_s + zeros, 9007199254740992.0);
    add("blanks around a million digits", u"  \t0."_s + ones + u"\t  "_s, CStrtod(u"0."_s + ones));
    add("letter after a million digits", u"0."_s + ones + u"x"_s, std::nullopt);
    add("blank inside a million digits", ones + u" 1"_s, std::nullopt);
}

void NumberTextTest::hugeText()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(std::optional<double>, expected);

    const std::optional<double> value = ParseNumber(text, separator);
    QCOMPARE(value.has_value(), expected.has_value());
    if (expected)
        COMPARE_BITS(*value, *expected);
}

void NumberTextTest::textToNumberUsesTheUsersSeparator_data()
{
    QTest::addColumn<QString>("dotText");
    QTest::addColumn<double>("expected");

    QTest::newRow("integer") << u"42"_s << 42.0;
    QTest::newRow("fraction") << u"2.5"_s << 2.5;
    QTest::newRow("blanks and sign") << u" -0.125\t"_s << -0.125;
    QTest::newRow("exponent") << u"1.5E-3"_s << 0.0015;
    QTest::newRow("largest") << u"1.7976931348623157e308"_s << Limits::max();
    QTest::newRow("underflow") << u"-1e-400"_s << -0.0;
}

void NumberTextTest::textToNumberUsesTheUsersSeparator()
{
    QFETCH(QString, dotText);
    QFETCH(double, expected);

    const QString text = WithSeparator(dotText, DecimalSeparator());
    double value = 0.0;
    try {
        value = TextToNumber(text);
    } catch (const ConversionFailure &) {
        QFAIL(qPrintable(QStringLiteral("\"%1\" did not convert").arg(text)));
    }
    COMPARE_BITS(value, expected);
}

void NumberTextTest::textToNumberThrowsOnBadText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<NumberFault>("fault");

    const NumberFault notANumber = NumberFault::NotANumber;
    QTest::newRow("empty") << QString() << notANumber;
    QTest::newRow("blanks") << u"  \t"_s << notANumber;
    QTest::newRow("letters") << u"abc"_s << notANumber;
    QTest::newRow("number then letters") << u"1.5abc"_s << notANumber;
    QTest::newRow("embedded blank") << u"1 2"_s << notANumber;
    QTest::newRow("inf") << u"inf"_s << notANumber;
    QTest::newRow("overflow") << u"1e400"_s << NumberFault::TooLarge;
    QTest::newRow("negative overflow") << u"-1e309"_s << NumberFault::TooLarge;
    QTest::newRow("bare exponent") << u"1e"_s << notANumber;
    // Neither '.' nor ',' stands twice as a separator in any locale.
    QTest::newRow("two separators") << WithSeparator(u"1.2.3"_s, DecimalSeparator()) << notANumber;
    QTest::newRow("the other separator") << (DecimalSeparator() == Dot ? u"2,5"_s : u"2.5"_s)
                                         << NumberFault::OtherSeparator;
}

void NumberTextTest::textToNumberThrowsOnBadText()
{
    QFETCH(QString, text);
    QFETCH(NumberFault, fault);

    try {
        const double value = TextToNumber(text);
        QFAIL(qPrintable(QStringLiteral("\"%1\" gave %2").arg(text).arg(value, 0, 'g', 17)));
    } catch (const ConversionFailure &failure) {
        // The failure carries the text, for the window to quote it, and why
        // the user's separator refused it.
        QCOMPARE(failure.text, text);
        QCOMPARE(failure.separator, DecimalSeparator());
        QCOMPARE(failure.fault, fault);
    }
}

// ---------------------------------------------------------------------------
// Why a text is refused, and the message

void NumberTextTest::faultOf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<NumberFault>("fault");

    const NumberFault notANumber = NumberFault::NotANumber;
    const NumberFault large = NumberFault::TooLarge;
    const NumberFault other = NumberFault::OtherSeparator;

    QTest::newRow("1e400") << u"1e400"_s << Dot << large;
    QTest::newRow("-2E+308 where ',' is written") << u"-2E+308"_s << Comma << large;
    QTest::newRow("400 digits") << QString(400, u'9') << Dot << large;
    QTest::newRow("beyond the range with this ','") << u"1,8e308"_s << Comma << large;

    QTest::newRow("'.' where ',' is written") << u"2.5"_s << Comma << other;
    QTest::newRow("',' where '.' is written") << u"2,5"_s << Dot << other;
    QTest::newRow("'.' with sign and exponent") << u" -.5e-3\t"_s << Comma << other;
    QTest::newRow("'.' where U+066B is written") << u"2.5"_s << ArabicSeparator << other;

    QTest::newRow("empty") << u""_s << Dot << notANumber;
    QTest::newRow("letters") << u"abc"_s << Comma << notANumber;
    QTest::newRow("grouped, '.' written") << u"1,000.5"_s << Dot << notANumber;
    QTest::newRow("grouped, ',' written") << u"1.000,5"_s << Comma << notANumber;
    QTest::newRow("',' where U+066B is written") << u"2,5"_s << ArabicSeparator << notANumber;
    // Refused with either separator: no hint would make it a number.
    QTest::newRow("beyond the range with the other separator") << u"2.5e400"_s << Comma << notANumber;
}

void NumberTextTest::faultOf()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(NumberFault, fault);

    QVERIFY(!ParseNumber(text, separator)); // only refused texts are asked about
    QCOMPARE(FaultOf(text, separator), fault);
}

void NumberTextTest::quotedForMessage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const QString forty(40, u'x');
    const QString a39(39, u'a');
    const QString face = u"\U0001F600"_s; // a surrogate pair

    QTest::newRow("empty") << u""_s << u"\"\""_s;
    QTest::newRow("40 characters") << forty << u'"' + forty + u'"';
    QTest::newRow("41 characters") << forty + u'y' << u'"' + forty + Ellipsis + u'"';
    QTest::newRow("1 MB") << QString(1 << 20, u'7') << u'"' + QString(40, u'7') + Ellipsis + u'"';
    QTest::newRow("surrogate pair straddling the cut") << a39 + face + u'b' << u'"' + a39 + face + Ellipsis + u'"';
    QTest::newRow("surrogate pair as the 40th and last") << a39 + face << u'"' + a39 + face + u'"';
    QTest::newRow("accent after the 40th letter") << a39 + u"e\u0301b"_s << u'"' + a39 + u"e\u0301"_s + Ellipsis + u'"';
    // A letter with more marks than the quoting looks at: cut before it.
    QTest::newRow("a letter with a thousand marks beyond U+FFFF")
        << u"bca"_s + u"\U0001D165"_s.repeated(1000) << u"\"bc"_s + Ellipsis + u'"';
}

void NumberTextTest::quotedForMessage()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);

    QCOMPARE(QuotedForMessage(text), expected);
}

void NumberTextTest::failureMessage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("expected");

    QTest::newRow("not a number") << u"abc"_s << Dot << u"QTY."_s << u"QTY.: \"abc\" is not a number."_s;
    QTest::newRow("no box") << u""_s << Comma << u""_s << u"\"\" is not a number."_s;
    QTest::newRow("too large") << u"1e400"_s << Dot << u"LENGTH (in Meter)"_s
                               << u"LENGTH (in Meter): \"1e400\" is too large for the calculator."_s;
    QTest::newRow("'.' where ',' is written")
        << u"2.5"_s << Comma << u"QTY."_s << u"QTY.: \"2.5\" is not a number: write decimals as 1,5."_s;
    QTest::newRow("',' where '.' is written")
        << u"2,5"_s << Dot << u"FLANGE: QTY."_s << u"FLANGE: QTY.: \"2,5\" is not a number: write decimals as 1.5."_s;
    QTest::newRow("'.' where U+066B is written")
        << u"2.5"_s << ArabicSeparator << u"QTY."_s
        << u"QTY.: \"2.5\" is not a number: write decimals as 1"_s + ArabicSeparator + u"5."_s;
    QTest::newRow("1 MB of digits") << QString(1 << 20, u'1') << Dot << u"QTY."_s
                                    << u"QTY.: \""_s + QString(40, u'1') + Ellipsis
            + u"\" is too large for the calculator."_s;
}

void NumberTextTest::failureMessage()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(QString, box);
    QFETCH(QString, expected);

    ConversionFailure failure(text, separator);
    failure.box = box;
    QCOMPARE(failure.message(), expected);
    QCOMPARE(failure.text, text); // all of it: only the message shortens
}

// ---------------------------------------------------------------------------
// Writing text

void NumberTextTest::numberToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");

    // Fixed form.
    QTest::newRow("408") << 408.0 << Dot << u"408"_s;
    QTest::newRow("100") << 100.0 << Dot << u"100"_s;
    QTest::newRow("12.5") << 12.5 << Dot << u"12.5"_s;
    QTest::newRow("490.625") << 490.625 << Dot << u"490.625"_s;
    QTest::newRow("sum noise dropped") << 78.87680000000002 << Dot << u"78.8768"_s;
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << Dot << u"0.3"_s;
    QTest::newRow("one third") << 1.0 / 3 << Dot << u"0.333333333333333"_s;
    QTest::newRow("two thirds rounds up") << 2.0 / 3 << Dot << u"0.666666666666667"_s;
    QTest::newRow("negative noise dropped") << -285.59999999999997 << Dot << u"-285.6"_s;
    QTest::newRow("zero") << 0.0 << Dot << u"0"_s;
    QTest::newRow("negative zero") << -0.0 << Dot << u"0"_s;
    QTest::newRow("negative fraction") << -0.001 << Dot << u"-0.001"_s;
    QTest::newRow("1e14") << 1e14 << Dot << u"100000000000000"_s;
    QTest::newRow("fifteen nines") << 999999999999999.0 << Dot << u"999999999999999"_s;
    QTest::newRow("1e15 - 0.625 rounds down") << 999999999999999.375 << Dot << u"999999999999999"_s;
    QTest::newRow("carry to a whole number") << 0.99999999999999989 << Dot << u"1"_s;
    QTest::newRow("carry adds a digit") << 9.9999999999999982 << Dot << u"10"_s;
    QTest::newRow("carry adds a zero") << 99999.999999999985 << Dot << u"100000"_s;
    QTest::newRow("integer with fraction") << 123456.789 << Dot << u"123456.789"_s;
    QTest::newRow("fifteen digits kept") << 1234.56789012345 << Dot << u"1234.56789012345"_s;
    QTest::newRow("sixteenth digit rounded") << 1234.567890123456 << Dot << u"1234.56789012346"_s;
    QTest::newRow("0.0001") << 0.0001 << Dot << u"0.0001"_s;
    QTest::newRow("0.00012345") << 0.00012345 << Dot << u"0.00012345"_s;
    QTest::newRow("rounds up to 0.0001") << 0.000099999999999999951 << Dot << u"0.0001"_s;
    // Exponent form.
    QTest::newRow("1e15") << 1e15 << Dot << u"1E+15"_s;
    QTest::newRow("1.5e15") << 1.5e15 << Dot << u"1.5E+15"_s;
    QTest::newRow("-1.5e15") << -1.5e15 << Dot << u"-1.5E+15"_s;
    QTest::newRow("rounds up to 1e15") << 999999999999999.9 << Dot << u"1E+15"_s;
    QTest::newRow("sixteen digits") << 1234567890123456.0 << Dot << u"1.23456789012346E+15"_s;
    QTest::newRow("eighteen digits") << 123456789012345678.0 << Dot << u"1.23456789012346E+17"_s;
    QTest::newRow("1e100") << 1e100 << Dot << u"1E+100"_s;
    QTest::newRow("largest") << Limits::max() << Dot << u"1.79769313486231E+308"_s;
    QTest::newRow("most negative") << Limits::lowest() << Dot << u"-1.79769313486231E+308"_s;
    QTest::newRow("1e-5") << 1e-5 << Dot << u"1E-05"_s;
    QTest::newRow("-1.5e-7") << -1.5e-7 << Dot << u"-1.5E-07"_s;
    QTest::newRow("just below 1e-4") << 0.000099999999999999002 << Dot << u"9.9999999999999E-05"_s;
    QTest::newRow("1e-100") << 1e-100 << Dot << u"1E-100"_s;
    QTest::newRow("least normal") << Limits::min() << Dot << u"2.2250738585072E-308"_s;
    QTest::newRow("least subnormal") << 5e-324 << Dot << u"4.94065645841247E-324"_s;
    QTest::newRow("negative least subnormal") << -5e-324 << Dot << u"-4.94065645841247E-324"_s;
    // Another separator; never a group separator.
    QTest::newRow("',' 0.5") << 0.5 << Comma << u"0,5"_s;
    QTest::newRow("',' 1.5e15") << 1.5e15 << Comma << u"1,5E+15"_s;
    QTest::newRow("',' 1e15") << 1e15 << Comma << u"1E+15"_s;
    QTest::newRow("',' one third") << 1.0 / 3 << Comma << u"0,333333333333333"_s;
    QTest::newRow("',' no grouping") << 1234567.25 << Comma << u"1234567,25"_s;
    QTest::newRow("',' 1e14") << 1e14 << Comma << u"100000000000000"_s;
    QTest::newRow("',' negative small") << -0.00012345 << Comma << u"-0,00012345"_s;
    QTest::newRow("',' 1.25e-5") << 1.25e-5 << Comma << u"1,25E-05"_s;
    QTest::newRow("',' 408") << 408.0 << Comma << u"408"_s;
    QTest::newRow("'.' no grouping") << 1234567.25 << Dot << u"1234567.25"_s;
}

void NumberTextTest::numberToText()
{
    QFETCH(double, value);
    QFETCH(QString, separator);
    QFETCH(QString, expected);

    QCOMPARE(NumberToText(value, separator), expected);
}

void NumberTextTest::textRoundTrips_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("anyBits");

    QTest::newRow("'.' any bit pattern") << Dot << true;
    QTest::newRow("',' any bit pattern") << Comma << true;
    QTest::newRow("'.' everyday magnitudes") << Dot << false;
    QTest::newRow("',' everyday magnitudes") << Comma << false;
}

// Written text reads back, to a double within the 15 digits written, and that
// double writes the same text again.
void NumberTextTest::textRoundTrips()
{
    QFETCH(QString, separator);
    QFETCH(bool, anyBits);

    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<int> exponents(-8, 20);
    std::uniform_real_distribution<double> mantissas(1.0, 10.0);
    int checked = 0;
    while (checked < 3000) {
        double x;
        if (anyBits) {
            x = std::bit_cast<double>(quint64(random()));
            if (!std::isfinite(x))
                continue;
        } else {
            x = mantissas(random) * std::pow(10.0, exponents(random));
            if (random() & 1)
                x = -x;
        }
        ++checked;

        const QString text = NumberToText(x, separator);
        const std::optional<double> back = ParseNumber(text, separator);
        QVERIFY2(back.has_value(), qPrintable(QStringLiteral("%1 wrote \"%2\"").arg(x, 0, 'g', 17).arg(text)));
        QVERIFY2(std::abs(*back - x) <= 6e-15 * std::abs(x) + Limits::denorm_min(),
                 qPrintable(QStringLiteral("%1 wrote \"%2\"").arg(x, 0, 'g', 17).arg(text)));
        QCOMPARE(NumberToText(*back, separator), text);
    }
}

// ---------------------------------------------------------------------------
// The floating-point check

void NumberTextTest::checkedRejectsNonFinite_data()
{
    QTest::addColumn<double>("value");

    QTest::newRow("+inf") << Limits::infinity();
    QTest::newRow("-inf") << -Limits::infinity();
    QTest::newRow("quiet NaN") << Limits::quiet_NaN();
    QTest::newRow("negative NaN") << -Limits::quiet_NaN();
    QTest::newRow("signalling NaN") << Limits::signaling_NaN();
}

void NumberTextTest::checkedRejectsNonFinite()
{
    QFETCH(double, value);

    QVERIFY_THROWS_EXCEPTION(ArithmeticFailure, Checked(value));
}

void NumberTextTest::checkedPassesFiniteUnchanged_data()
{
    QTest::addColumn<double>("value");

    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative zero") << -0.0;
    QTest::newRow("one") << 1.0;
    QTest::newRow("negative") << -285.6;
    QTest::newRow("largest") << Limits::max();
    QTest::newRow("most negative") << Limits::lowest();
    QTest::newRow("least normal") << Limits::min();
    QTest::newRow("least subnormal") << Limits::denorm_min();
    QTest::newRow("negative subnormal") << -1e-310;
}

void NumberTextTest::checkedPassesFiniteUnchanged()
{
    QFETCH(double, value);

    double result = Limits::quiet_NaN();
    try {
        result = Checked(value);
    } catch (const ArithmeticFailure &) {
        QFAIL("a finite value was rejected");
    }
    COMPARE_BITS(result, value);
}

// The largest doubles round to 15 digits beyond the double range; their text
// must still read back, to the largest 15-digit double.
void NumberTextTest::largestDoublesReadBack()
{
    for (double x = Limits::max(); x > 1.7976931348623e308; x = std::nextafter(x, 0.0)) {
        for (const double signed_ : {x, -x}) {
            const QString text = NumberToText(signed_, u".");
            const std::optional<double> back = ParseNumber(text, u".");
            QVERIFY2(back, qPrintable(text));
            QCOMPARE(NumberToText(*back, u"."), text);
            QVERIFY(std::abs(*back) <= Limits::max());
        }
    }
}

// The C library's LC_NUMERIC changes printf's decimal point, never the text.
void NumberTextTest::textIgnoresTheCLibraryLocale_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");

    QTest::newRow("fixed") << 1234.5 << Dot << u"1234.5"_s;
    QTest::newRow("exponent") << -1.5e-7 << Dot << u"-1.5E-07"_s;
    QTest::newRow("','") << 1.0 / 3 << Comma << u"0,333333333333333"_s;
}

void NumberTextTest::textIgnoresTheCLibraryLocale()
{
    QFETCH(double, value);
    QFETCH(QString, separator);
    QFETCH(QString, expected);

    const QByteArray saved = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        QFAIL("the C library has no de_DE.UTF-8; make it with: localedef -i de_DE -c -f UTF-8 de_DE.UTF-8");
    const auto restore = qScopeGuard([&saved] { std::setlocale(LC_NUMERIC, saved.constData()); });
    char probe[8];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    QCOMPARE(QByteArray(probe), QByteArray("1,5")); // the locale is in force

    QCOMPARE(NumberToText(value, separator), expected);
    const std::optional<double> back = ParseNumber(expected, separator);
    QVERIFY(back);
    QCOMPARE(NumberToText(*back, separator), expected);
}

namespace {

int reportTo = -1;

void WriteReport(QtMsgType, const QMessageLogContext &, const QString &message)
{
    const QByteArray bytes = message.toUtf8();
    [[maybe_unused]] const ssize_t written = write(reportTo, bytes.constData(), std::size_t(bytes.size()));
}

} // namespace

// No caller hands NumberToText an infinity or a NaN; if one ever does, the
// program stops and names the value rather than write a wrong number. Run in
// a child process, which it ends.
void NumberTextTest::numberToTextEndsTheProgramOnNonFinite_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("said");

    QTest::newRow("+inf") << Limits::infinity() << u"NumberToText was given inf;"_s;
    QTest::newRow("-inf") << -Limits::infinity() << u"NumberToText was given -inf;"_s;
    QTest::newRow("NaN") << Limits::quiet_NaN() << u"NumberToText was given nan;"_s;
}

void NumberTextTest::numberToTextEndsTheProgramOnNonFinite()
{
    QFETCH(double, value);
    QFETCH(QString, said);

    int ends[2];
    QVERIFY(pipe(ends) == 0);
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        close(ends[0]);
        reportTo = ends[1];
        qInstallMessageHandler(WriteReport); // not Qt Test's, which would log a failure
        std::signal(SIGABRT, SIG_DFL);
        NumberToText(value, u".");
        _exit(0);
    }
    close(ends[1]);
    QByteArray report;
    char chunk[256];
    for (ssize_t got; (got = read(ends[0], chunk, sizeof chunk)) > 0;)
        report.append(chunk, got);
    close(ends[0]);
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT,
             qPrintable(QStringLiteral("the child ended with status %1").arg(status)));
    QVERIFY2(QString::fromUtf8(report).startsWith(said), report.constData());
}

QTEST_GUILESS_MAIN(NumberTextTest)
#include "tst_numtext.moc"
