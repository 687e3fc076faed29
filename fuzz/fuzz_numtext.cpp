// libFuzzer target for the number text: ParseNumber, FaultOf, the failure's
// message, and NumberToText.
//
// For every input:
//  - The bytes, read as Latin-1 and as UTF-8, are parsed with '.', ',' and the
//    Arabic decimal separator U+066B. A small state machine below decides on
//    its own whether the text is a number of the box grammar
//        blanks, [+|-], digits [sep digits] | sep digits, [(e|E) [+|-] digits], blanks
//    (blanks: space and tab). Text outside the grammar must be rejected. Text
//    inside it is compared with strtod_l in the "C" locale on the same number
//    written with '.' and without the blanks: beyond the double range (ERANGE
//    with an infinite result) it must be rejected, otherwise accepted with
//    strtod's double, bit for bit (so -0.0 is not 0.0; an underflow to zero or
//    to a subnormal is no failure).
//  - FaultOf is asked about every text with every separator. For a refused
//    text its answer must be TooLarge exactly when the text is of the grammar
//    (so beyond the double range), else OtherSeparator exactly when the text
//    is accepted with the other separator ('.' for ',' and U+066B, ',' for
//    '.'), else NotANumber. The failure made from a refused text must carry
//    that fault and its message must start with the box and the quoted text.
//  - QuotedForMessage of each text is the whole text in quotes when the text
//    has at most 40 characters (grapheme clusters); otherwise a non-empty
//    proper prefix of at most 40 characters, not ending between the halves of
//    a surrogate pair, then "…", in quotes.
//  - The first 8 bytes, read as a double x: when finite (NumberToText is never
//    given anything else; it ends the program on an infinity or a NaN),
//    NumberToText(x, sep) must be the shortest text of x rounded to 15
//    significant digits (the value printf's "%.14e" rounds to, checked
//    against strtod), in exponent form exactly from 1E+15 up and below 1E-04,
//    "0" for both zeros, with no trailing zeros after the separator; it must
//    read back with ParseNumber to some y, and NumberToText(y, sep) must give
//    the same text again.
//
// A property that does not hold prints what was found on stderr and aborts,
// which libFuzzer reports as a crash and saves the input.
//
// The few largest doubles, whose 15-digit rounding lies beyond the double
// range, are written as the largest 15-digit double, 1.79769313486231E+308;
// for them the text is checked to read back, but not to equal x rounded.

#include "numtext/numtext.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QTextBoundaryFinder>

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <optional>
#include <stdlib.h>
#include <string>

namespace {

// The decimal separators tried on every text.
const QString Separators[] = {QStringLiteral("."), QStringLiteral(","), QString(QChar(0x066B))};

std::string Printable(QStringView text)
{
    std::string out;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u >= 0x20 && u < 0x7F && u != u'\\') {
            out += char(u);
        } else {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04X", unsigned(u));
            out += buffer;
        }
    }
    return out;
}

std::string Describe(std::optional<double> value)
{
    if (!value)
        return "(rejected)";
    std::uint64_t bits;
    std::memcpy(&bits, &*value, sizeof bits);
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%.17g (%a, bits %016llx)", *value, *value,
                  static_cast<unsigned long long>(bits));
    return buffer;
}

[[noreturn]] void Fail(const char *what, QStringView text, QStringView separator, std::optional<double> got,
                       std::optional<double> expected, const char *gotLabel = "got",
                       const char *expectedLabel = "expected")
{
    std::fprintf(stderr,
                 "\nnumtext property broken: %s\n"
                 "  text      \"%s\"\n"
                 "  separator \"%s\"\n"
                 "  %-9s %s\n"
                 "  %-9s %s\n",
                 what, Printable(text).c_str(), Printable(separator).c_str(), gotLabel, Describe(got).c_str(),
                 expectedLabel, Describe(expected).c_str());
    std::abort();
}

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

locale_t CLocale()
{
    static const locale_t c = [] {
        const locale_t made = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        if (made == locale_t(nullptr)) {
            std::fprintf(stderr, "newlocale(LC_ALL_MASK, \"C\") failed\n");
            std::abort();
        }
        return made;
    }();
    return c;
}

struct Reference
{
    double value;
    bool overflow; // ERANGE with an infinite result: beyond the double range
};

// strtod in the "C" locale on the whole of `cText`, which must be used up.
Reference CStrtod(const std::string &cText, QStringView text, QStringView separator)
{
    char *end = nullptr;
    errno = 0;
    const double value = strtod_l(cText.c_str(), &end, CLocale());
    const int error = errno;
    if (end != cText.c_str() + cText.size())
        Fail("strtod_l did not read the whole C form of a grammar number", text, separator, std::nullopt, value);
    if (error != 0 && error != ERANGE)
        Fail("strtod_l set an unexpected errno", text, separator, std::nullopt, value);
    const bool overflow = error == ERANGE && std::isinf(value);
    if (!overflow && !std::isfinite(value))
        Fail("strtod_l gave a non-finite value without ERANGE", text, separator, std::nullopt, value);
    return {value, overflow};
}

// When `text` is a number of the box grammar with `separator`: its C form
// (blanks dropped, the separator written as '.'). Nothing otherwise.
std::optional<std::string> GrammarNumber(QStringView text, QStringView separator)
{
    enum class State {
        Lead,     // blanks before the number
        Sign,     // after the sign
        Integer,  // in the digits before the separator
        BareSep,  // separator seen with no digit before it
        Fraction, // after the separator with a digit in the mantissa
        E,        // after e or E
        ExpSign,  // after the sign of the exponent
        Exponent, // in the exponent digits
        Trail,    // blanks after the number
    };
    State state = State::Lead;
    std::string c;
    qsizetype i = 0;
    while (i < text.size()) {
        const char16_t u = text[i].unicode();
        const bool isSeparator = !separator.isEmpty() && text.sliced(i).startsWith(separator);
        const bool isBlank = u == u' ' || u == u'\t';
        const bool isSign = u == u'+' || u == u'-';
        const bool isDigit = u >= u'0' && u <= u'9';
        const bool isE = u == u'e' || u == u'E';
        qsizetype step = 1;
        switch (state) {
        case State::Lead:
            if (isBlank)
                break;
            if (isSign) {
                state = State::Sign;
                c += char(u);
            } else if (isDigit) {
                state = State::Integer;
                c += char(u);
            } else if (isSeparator) {
                state = State::BareSep;
                c += '.';
                step = separator.size();
            } else {
                return std::nullopt;
            }
            break;
        case State::Sign:
            if (isDigit) {
                state = State::Integer;
                c += char(u);
            } else if (isSeparator) {
                state = State::BareSep;
                c += '.';
                step = separator.size();
            } else {
                return std::nullopt;
            }
            break;
        case State::Integer:
            if (isDigit) {
                c += char(u);
            } else if (isSeparator) {
                state = State::Fraction;
                c += '.';
                step = separator.size();
            } else if (isE) {
                state = State::E;
                c += 'e';
            } else if (isBlank) {
                state = State::Trail;
            } else {
                return std::nullopt;
            }
            break;
        case State::BareSep:
            if (!isDigit)
                return std::nullopt;
            state = State::Fraction;
            c += char(u);
            break;
        case State::Fraction:
            if (isDigit) {
                c += char(u);
            } else if (isE) {
                state = State::E;
                c += 'e';
            } else if (isBlank) {
                state = State::Trail;
            } else {
                return std::nullopt;
            }
            break;
        case State::E:
            if (isSign) {
                state = State::ExpSign;
                c += char(u);
            } else if (isDigit) {
                state = State::Exponent;
                c += char(u);
            } else {
                return std::nullopt;
            }
            break;
        case State::ExpSign:
            if (!isDigit)
                return std::nullopt;
            state = State::Exponent;
            c += char(u);
            break;
        case State::Exponent:
            if (isDigit) {
                c += char(u);
            } else if (isBlank) {
                state = State::Trail;
            } else {
                return std::nullopt;
            }
            break;
        case State::Trail:
            if (!isBlank)
                return std::nullopt;
            break;
        }
        i += step;
    }
    if (state == State::Integer || state == State::Fraction || state == State::Exponent || state == State::Trail)
        return c;
    return std::nullopt;
}

// ParseNumber against the grammar and strtod.
void CheckParse(QStringView text, QStringView separator)
{
    const std::optional<double> got = msweight::ParseNumber(text, separator);
    const std::optional<std::string> cText = GrammarNumber(text, separator);
    if (!cText) {
        if (got)
            Fail("text outside the number grammar was accepted", text, separator, got, std::nullopt);
        return;
    }
    const Reference reference = CStrtod(*cText, text, separator);
    if (reference.overflow) {
        if (got)
            Fail("a number beyond the double range was accepted", text, separator, got, std::nullopt);
        return;
    }
    if (!got)
        Fail("a number of the grammar within the double range was rejected", text, separator, got, reference.value);
    if (!SameBits(*got, reference.value))
        Fail("the parsed double differs from strtod's", text, separator, got, reference.value);
}

// Whether the grammar and strtod accept `text` with `separator`.
bool Accepted(QStringView text, QStringView separator)
{
    const std::optional<std::string> cText = GrammarNumber(text, separator);
    return cText && !CStrtod(*cText, text, separator).overflow;
}

const char *FaultName(msweight::NumberFault fault)
{
    switch (fault) {
    case msweight::NumberFault::NotANumber:
        return "NotANumber";
    case msweight::NumberFault::TooLarge:
        return "TooLarge";
    case msweight::NumberFault::OtherSeparator:
        return "OtherSeparator";
    }
    return "(not a fault)";
}

[[noreturn]] void FailFault(const char *what, QStringView text, QStringView separator, msweight::NumberFault got,
                            msweight::NumberFault expected)
{
    std::fprintf(stderr,
                 "\nnumtext property broken: %s\n"
                 "  text      \"%s\"\n"
                 "  separator \"%s\"\n"
                 "  got       %s\n"
                 "  expected  %s\n",
                 what, Printable(text).c_str(), Printable(separator).c_str(), FaultName(got), FaultName(expected));
    std::abort();
}

// FaultOf against the grammar and strtod, and the failure that carries it.
void CheckFault(const QString &text, QStringView separator)
{
    const msweight::NumberFault fault = msweight::FaultOf(text, separator); // asked of any text: must not crash
    if (msweight::ParseNumber(text, separator))
        return;

    using msweight::NumberFault;
    const QStringView other = separator == u"." ? u"," : u".";
    NumberFault expected = NumberFault::NotANumber;
    if (GrammarNumber(text, separator))
        expected = NumberFault::TooLarge; // refused, so beyond the double range (CheckParse)
    else if (Accepted(text, other))
        expected = NumberFault::OtherSeparator;
    if (fault != expected) {
        if (fault == NumberFault::TooLarge)
            FailFault("TooLarge for a text outside the number grammar", text, separator, fault, expected);
        if (fault == NumberFault::OtherSeparator)
            FailFault("OtherSeparator for a text the other separator does not make a number", text, separator, fault,
                      expected);
        FailFault("FaultOf gave the wrong fault", text, separator, fault, expected);
    }

    msweight::ConversionFailure failure(text, separator);
    failure.box = QStringLiteral("QTY.");
    if (failure.fault != fault)
        FailFault("the failure carries another fault than FaultOf's", text, separator, failure.fault, fault);
    if (!failure.message().startsWith(QStringLiteral("QTY.: ") + msweight::QuotedForMessage(text)))
        Fail(("the message does not start with the box and the quoted text: \"" + Printable(failure.message()) + "\"")
                 .c_str(),
             text, separator, std::nullopt, std::nullopt);
}

// Where the `count`th grapheme cluster of `text` ends, or the end of the text
// when it has fewer.
qsizetype CharactersEnd(QStringView text, int count)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (int i = 0; i < count; ++i) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0)
            break;
        end = next;
    }
    return end;
}

// QuotedForMessage against the grapheme clusters of the whole text.
void CheckQuoted(const QString &text)
{
    constexpr int Shown = 40;            // characters
    constexpr qsizetype HeadSize = 1280; // code units
    const QString quoted = msweight::QuotedForMessage(text);
    const auto fail = [&](const char *what) {
        Fail(("QuotedForMessage: " + std::string(what) + ": \"" + Printable(quoted) + "\"").c_str(), text, u"",
             std::nullopt, std::nullopt);
    };
    if (quoted.size() < 2 || !quoted.startsWith(u'"') || !quoted.endsWith(u'"'))
        fail("not in quotes");
    const QStringView inner = QStringView(quoted).sliced(1, quoted.size() - 2);
    const qsizetype end = CharactersEnd(text, Shown);
    // The head that QuotedForMessage looks at ends between code points.
    const qsizetype head = text.size() > HeadSize && text[HeadSize - 1].isHighSurrogate() ? HeadSize - 1 : HeadSize;
    if (end == text.size() && text.size() <= HeadSize) {
        if (inner != text)
            fail("a short text was not quoted whole");
        return;
    }
    if (!inner.endsWith(u'\u2026'))
        fail("a long text was not cut");
    const QStringView shown = inner.chopped(1);
    if (!QStringView(text).startsWith(shown) || shown.size() == text.size())
        fail("what is shown is not a proper prefix of the text");
    if (!shown.isEmpty() && shown.back().isHighSurrogate() && text[shown.size()].isLowSurrogate())
        fail("the cut splits a surrogate pair");
    if (end < head) {
        if (shown.size() != end)
            fail("what is shown is not the first 40 characters");
        return;
    }
    // The 40th character ends beyond the head: the cut is at the last
    // boundary inside the head, or inside a first character longer than it.
    qsizetype cut = 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype next = finder.toNextBoundary(); next > 0 && next < head; next = finder.toNextBoundary())
        cut = next;
    if (cut == 0)
        cut = head;
    if (shown.size() != cut)
        fail("the characters that are too long for the head are not cut where they should be");
}

// The value of x rounded to 15 significant digits, as printf rounds it, read
// back by strtod: infinite when that rounding lies beyond the double range.
double Rounded15(double x)
{
    char buffer[40];
    const int n = std::snprintf(buffer, sizeof buffer, "%.14e", x);
    if (n <= 0 || std::size_t(n) >= sizeof buffer) {
        std::fprintf(stderr, "snprintf(\"%%.14e\", %a) failed\n", x);
        std::abort();
    }
    return strtod_l(buffer, nullptr, CLocale());
}

// The form of NumberToText's text for x (finite, not zero).
void CheckShape(QStringView text, QStringView separator, double x, double rounded)
{
    const auto fail = [&](const char *what) { Fail(what, text, separator, x, rounded, "x", "rounded"); };
    qsizetype i = 0;
    const qsizetype n = text.size();
    const auto digitAt = [&](qsizetype k) { return k < n && text[k].unicode() >= u'0' && text[k].unicode() <= u'9'; };

    if (i < n && text[i] == u'-')
        ++i;
    if ((i == 1) != std::signbit(x))
        fail("the text has the wrong sign");

    // Mantissa.
    const qsizetype integerStart = i;
    while (digitAt(i))
        ++i;
    const qsizetype integerDigits = i - integerStart;
    if (integerDigits == 0)
        fail("the text has no digit before the separator");
    if (integerDigits > 1 && text[integerStart] == u'0')
        fail("the text has a leading zero");
    qsizetype fractionDigits = 0;
    if (text.sliced(i).startsWith(separator)) {
        i += separator.size();
        const qsizetype fractionStart = i;
        while (digitAt(i))
            ++i;
        fractionDigits = i - fractionStart;
        if (fractionDigits == 0)
            fail("the text ends its mantissa with the separator");
        if (text[i - 1] == u'0')
            fail("the text has a trailing zero after the separator");
    }
    const qsizetype mantissaEnd = i;

    // Significant digits: from the first non-zero digit to the end of the
    // mantissa (zeros that end a whole number count too, and stay within 15).
    int significant = 0;
    bool started = false;
    for (qsizetype k = integerStart; k < mantissaEnd; ++k) {
        if (!digitAt(k))
            continue;
        started = started || text[k] != u'0';
        significant += started;
    }
    if (!started)
        fail("the text of a non-zero value has no non-zero digit");
    if (significant > 15)
        fail("the text has more than 15 significant digits");

    // Exponent.
    bool exponentForm = false;
    if (i < n && text[i] == u'E') {
        exponentForm = true;
        ++i;
        if (!(i < n && (text[i] == u'+' || text[i] == u'-')))
            fail("the exponent has no sign");
        ++i;
        const qsizetype exponentStart = i;
        while (digitAt(i))
            ++i;
        const qsizetype exponentDigits = i - exponentStart;
        if (exponentDigits < 2)
            fail("the exponent has fewer than two digits");
        if (exponentDigits > 2 && text[exponentStart] == u'0')
            fail("the exponent has a needless leading zero");
        if (integerDigits != 1 || text[integerStart] == u'0')
            fail("the exponent form does not start with one non-zero digit");
    } else if (integerDigits == 1 && text[integerStart] == u'0' && fractionDigits == 0) {
        fail("a non-zero value was written as 0");
    }
    if (i != n)
        fail("the text has something after the number");

    const double magnitude = std::fabs(rounded);
    if (exponentForm != (magnitude >= 1e15 || magnitude < 1e-4))
        fail("exponent form used where it should not be, or missing where it should be");
}

void CheckText(double x)
{
    const double rounded = Rounded15(x);
    const QString dotText = msweight::NumberToText(x, Separators[0]);
    for (const QString &separator : Separators) {
        const QString text = msweight::NumberToText(x, separator);
        QString asDot = text;
        asDot.replace(separator, QStringLiteral("."));
        if (asDot != dotText)
            Fail("the text with this separator is not the '.' text with the separator changed", text, separator, x,
                 std::nullopt, "x");

        // Whatever ParseNumber makes of the written text agrees with strtod.
        CheckParse(text, separator);

        if (x == 0.0) {
            if (text != QStringLiteral("0"))
                Fail("zero was not written as 0", text, separator, x, std::nullopt, "x");
        } else {
            CheckShape(text, separator, x, rounded);
        }

        const std::optional<double> back = msweight::ParseNumber(text, separator);
        if (!back) {
            Fail("the written text does not read back", text, separator, x, rounded, "x", "rounded");
        }
        if (x == 0.0) {
            if (!SameBits(*back, 0.0))
                Fail("0 did not read back as +0.0", text, separator, back, 0.0);
        } else if (std::isfinite(rounded) && !SameBits(*back, rounded)) {
            Fail("the written text does not hold x rounded to 15 significant digits", text, separator, back, rounded,
                 "read back", "rounded");
        }
        const QString again = msweight::NumberToText(*back, separator);
        if (again != text)
            Fail(("the value read back writes another text: \"" + Printable(again) + "\"").c_str(), text, separator,
                 back, x, "read back", "x");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    const QByteArrayView view(bytes, qsizetype(size));
    const QString texts[] = {QString::fromLatin1(view), QString::fromUtf8(view)};
    for (const QString &text : texts) {
        for (const QString &separator : Separators) {
            CheckParse(text, separator);
            CheckFault(text, separator);
        }
        CheckQuoted(text);
    }

    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        if (std::isfinite(x))
            CheckText(x);
    }
    return 0;
}
