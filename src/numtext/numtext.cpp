#include "numtext.h"

#include <QLocale>
#include <QTextBoundaryFinder>
#include <QtGlobal>

#include <algorithm>
#include <charconv>
#include <string>

namespace msweight {

ConversionFailure::ConversionFailure(QString text, QStringView separator)
    : text(std::move(text))
    , separator(separator.toString())
    , fault(FaultOf(this->text, separator))
{
}

QString ConversionFailure::message() const
{
    QString message = box.isEmpty() ? QString() : box + QStringLiteral(": ");
    message += QuotedForMessage(text);
    switch (fault) {
    case NumberFault::TooLarge:
        return message + QStringLiteral(" is too large for the calculator.");
    case NumberFault::OtherSeparator:
        return message + QStringLiteral(" is not a number: write decimals as 1") + separator + QStringLiteral("5.");
    case NumberFault::NotANumber:
        break;
    }
    return message + QStringLiteral(" is not a number.");
}

QString ArithmeticFailure::message() const
{
    return QStringLiteral("The result is beyond the range of numbers the calculator can hold.");
}

QString DecimalSeparator()
{
    return QLocale::system().decimalPoint();
}

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

enum class Scan : std::uint8_t { Number, Malformed, BeyondRange };

struct Scanned
{
    Scan scan;
    double value = 0.0;
};

// ParseNumber's reading, telling a malformed text from a number beyond the
// double range.
Scanned ScanNumber(QStringView text, QStringView separator)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;
    qsizetype end = n;
    while (end > i && IsBlank(text[end - 1]))
        --end;

    // Normalise to the C form that from_chars reads: ASCII, '.' as separator.
    std::string c;
    c.reserve(std::size_t(end - i));
    bool negative = false;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        if (negative)
            c += '-';
        ++i;
    }

    // Decimal exponent of the first significant digit, to tell an underflow
    // from an overflow when the value is out of range.
    long long integerDigits = 0; // significant digits before the separator
    long long leadingZeros = 0;  // zeros after the separator before the first significant digit
    bool significant = false;
    qsizetype mantissaDigits = 0;
    for (; i < end && IsDigit(text[i]); ++i, ++mantissaDigits) {
        significant = significant || text[i] != u'0';
        integerDigits += significant;
        c += char(text[i].unicode());
    }
    if (!separator.isEmpty() && text.sliced(i, end - i).startsWith(separator)) {
        i += separator.size();
        c += '.';
        for (; i < end && IsDigit(text[i]); ++i, ++mantissaDigits) {
            significant = significant || text[i] != u'0';
            leadingZeros += !significant;
            c += char(text[i].unicode());
        }
    }
    if (mantissaDigits == 0)
        return {Scan::Malformed};

    long long exponent = 0;
    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        c += 'e';
        ++i;
        bool negativeExponent = false;
        if (i < end && (text[i] == u'+' || text[i] == u'-')) {
            negativeExponent = text[i] == u'-';
            c += char(text[i].unicode());
            ++i;
        }
        const qsizetype first = i;
        for (; i < end && IsDigit(text[i]); ++i) {
            exponent = std::min(exponent * 10 + (text[i].unicode() - u'0'), 1'000'000'000LL);
            c += char(text[i].unicode());
        }
        if (i == first)
            return {Scan::Malformed};
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != end)
        return {Scan::Malformed};

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(c.data(), c.data() + c.size(), value);
    if (ptr != c.data() + c.size())
        return {Scan::Malformed};
    if (ec == std::errc::result_out_of_range) {
        const long long magnitude = integerDigits > 0 ? exponent + integerDigits - 1 : exponent - leadingZeros - 1;
        if (magnitude >= 0)
            return {Scan::BeyondRange};
        return {Scan::Number, negative ? -0.0 : 0.0}; // nearer to zero than to the least subnormal
    }
    if (ec != std::errc())
        return {Scan::Malformed};
    return {Scan::Number, value};
}

} // namespace

std::optional<double> ParseNumber(QStringView text, QStringView separator)
{
    const Scanned scanned = ScanNumber(text, separator);
    if (scanned.scan != Scan::Number)
        return std::nullopt;
    return scanned.value;
}

NumberFault FaultOf(QStringView text, QStringView separator)
{
    if (ScanNumber(text, separator).scan == Scan::BeyondRange)
        return NumberFault::TooLarge;
    // A '.' where the locale writes ',' (or another separator) is the common
    // slip, and ',' where it writes '.'.
    const QStringView other = separator == u"." ? u"," : u".";
    if (ScanNumber(text, other).scan == Scan::Number)
        return NumberFault::OtherSeparator;
    return NumberFault::NotANumber;
}

QString QuotedForMessage(QStringView text)
{
    constexpr int Shown = 40;
    constexpr qsizetype HeadSize = 1280;
    // A boundary between characters depends only on what comes before it and
    // the character after it, so the head of the text is enough, and a pasted
    // megabyte costs no more than a word.
    qsizetype headSize = std::min(text.size(), HeadSize);
    if (headSize < text.size() && text[headSize - 1].isHighSurrogate())
        --headSize; // a lone half at the end would read as a character of its own
    const QStringView head = text.first(headSize);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, head);
    qsizetype cut = 0;
    for (int shown = 0; shown < Shown; ++shown) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0 || (next == head.size() && head.size() < text.size()))
            break; // the end of the head is no boundary of the text
        cut = next;
    }
    QString quoted;
    quoted.reserve(cut + 3);
    quoted += u'"';
    if (cut == text.size()) {
        quoted += text;
    } else {
        if (cut == 0)
            cut = head.size(); // one character longer than the head: cut inside it
        quoted += text.first(cut);
        quoted += u'\u2026';
    }
    quoted += u'"';
    return quoted;
}

std::optional<double> ParseNumber(QStringView text)
{
    return ParseNumber(text, DecimalSeparator());
}

double TextToNumber(const QString &text)
{
    if (const auto value = ParseNumber(text))
        return *value;
    throw ConversionFailure(text, DecimalSeparator());
}

QString NumberToText(double value, QStringView separator)
{
    if (value == 0.0)
        return QStringLiteral("0"); // negative zero too

    if (!std::isfinite(value)) {
        // Every caller checks first; writing anything would hide the fault.
        char name[8] = {};
        std::to_chars(name, name + sizeof name - 1, value);
        qFatal("NumberToText was given %s; it writes finite values only", name);
    }

    // "-d.ddddddddddddddde+XXX": the value rounded to 15 significant digits.
    // to_chars, unlike printf, does not follow the C library's LC_NUMERIC.
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string_view s(buffer, std::size_t(written.ptr - buffer));
    const std::size_t e = s.find('e');
    const bool negative = s.front() == '-';
    int exponent = 0;
    for (const char ch : s.substr(e + 2))
        exponent = exponent * 10 + (ch - '0');
    if (s[e + 1] == '-')
        exponent = -exponent;
    std::string digits;
    for (char ch : s.substr(0, e))
        if (ch >= '0' && ch <= '9')
            digits += ch;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    // The few largest doubles round up to 1.79769313486232E+308, beyond the
    // double range, a text that could not be read back; write them one unit
    // of the last digit lower, the largest 15-digit number that is a double.
    if (exponent == 308 && digits > "179769313486231")
        digits = "179769313486231";

    const auto ascii = [](std::string_view part) { return QLatin1StringView(part.data(), qsizetype(part.size())); };
    const std::string_view all(digits);
    QString out;
    if (negative)
        out += u'-';
    if (exponent >= 15 || exponent < -4) {
        out += ascii(all.substr(0, 1));
        if (all.size() > 1) {
            out += separator;
            out += ascii(all.substr(1));
        }
        out += QStringLiteral("E%1%2")
                   .arg(QChar(exponent < 0 ? u'-' : u'+'))
                   .arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    } else if (exponent < 0) {
        out += u'0';
        out += separator;
        out += QString(-exponent - 1, u'0');
        out += ascii(all);
    } else {
        const auto whole = std::size_t(exponent) + 1;
        out += ascii(all.substr(0, whole));
        if (all.size() > whole) {
            out += separator;
            out += ascii(all.substr(whole));
        } else {
            out += QString(qsizetype(whole - all.size()), u'0');
        }
    }
    return out;
}

QString NumberToText(double value)
{
    return NumberToText(value, DecimalSeparator());
}

} // namespace msweight
