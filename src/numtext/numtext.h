// Number text: the only ways from the text of a box to a double and back,
// the floating-point check made between arithmetic steps, and the failures
// that end a click handler.
#pragma once

#include <QString>

#include <cmath>
#include <optional>

namespace msweight {

// A failure ends the running click handler; the window reports its message.
class Failure
{
public:
    virtual ~Failure() = default;
    virtual QString Message() const = 0;
};

// Box text that is not a number. `box` is the caption of the label that
// names the box, filled in by whoever knows which box the text came from.
class ConversionFailure : public Failure
{
public:
    ConversionFailure(QString text, QString box = {});
    QString Message() const override;

    QString text;
    QString box;
    QString control; // the box's object name, where the window puts the focus back
};

// An arithmetic step overflowed or was invalid.
class ArithmeticFailure : public Failure
{
public:
    QString Message() const override;
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
// below 1E-04.
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
