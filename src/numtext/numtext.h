// Number text: the only ways from the text of a box to a double and back,
// the floating-point check made between arithmetic steps, and the failures
// that end a click handler.
#pragma once

#include <QString>

#include <cmath>
#include <cstdint>
#include <optional>

namespace msweight {

// The most characters an input box takes. A text box lays out its whole text
// at every keystroke and click; up to this length it answers within a few
// milliseconds, and far longer pastes would freeze the window for seconds.
// A longer paste or entry is refused whole (QLineEdit::inputRejected).
inline constexpr qsizetype MaxBoxText = 32767;

// A failure ends the running click handler; the window reports its message
// and puts the focus on the control the failure names, if any.
class Failure
{
public:
    virtual ~Failure() = default;
    virtual QString message() const = 0;

    QString control; // an object name, set by whoever knows the control
};

// Why ParseNumber refused a text.
enum class NumberFault : std::uint8_t {
    NotANumber,     // not a number of the box grammar
    TooLarge,       // a number of the grammar beyond the double range
    OtherSeparator, // a number with the other separator: '.' where ',' (or another) is written, ',' where '.' is
};

// Why ParseNumber(text, separator) refused `text` (only asked of refused texts).
NumberFault FaultOf(QStringView text, QStringView separator);

// `text` in double quotes for a message: at most its first 40 characters (as
// the user sees them: a surrogate pair, or a letter with its accents, is one)
// and at most 1280 UTF-16 code units, then "…" when there is more. A cut
// falls between characters, or between code points only inside a character
// longer than that.
QString QuotedForMessage(QStringView text);

// Box text that is not a number.
class ConversionFailure : public Failure
{
public:
    // `text` was refused by ParseNumber with `separator`; the fault is worked out here.
    ConversionFailure(QString text, QStringView separator);
    QString message() const override;

    QString text;
    QString separator;
    NumberFault fault;
    QString box; // what the user calls the box ("QTY.", "FLANGE: QTY."), empty if none; set by the caller
};

// An arithmetic step overflowed or was invalid.
class ArithmeticFailure : public Failure
{
public:
    QString message() const override;
};

// The decimal separator of the user's locale.
QString DecimalSeparator();

// Blanks, an optional sign, digits with an optional fraction, an optional
// exponent, blanks: the correctly rounded double, or nothing when the text is
// not such a number or lies beyond the double range. Underflow is no failure.
std::optional<double> ParseNumber(QStringView text, QStringView separator);
std::optional<double> ParseNumber(QStringView text);

// As ParseNumber, but throws ConversionFailure.
double TextToNumber(const QString &text);

// 15 significant digits, shortest form; exponent form from 1E+15 up and
// below 1E-04. Only for finite values: an infinity or a NaN ends the program.
QString NumberToText(double value, QStringView separator);
QString NumberToText(double value);

// The floating-point check. In the formulas of this program no operand is
// infinite or NaN and nothing divides by an input, so a step raised overflow,
// invalid or division by zero exactly when its result is not finite.
inline double Checked(double value)
{
    if (!std::isfinite(value))
        throw ArithmeticFailure();
    return value;
}

} // namespace msweight
