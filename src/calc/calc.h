// The weight calculators and the transition-piece geometry.
//
// Each formula is evaluated step by step in the order and grouping written
// here, every step rounded to double; the grouping is binding, since another
// grouping of the same product can change the last digit. A floating-point
// check (Checked) stands after the steps that the formula checks and throws
// ArithmeticFailure.
#pragma once

#include <functional>
#include <utility>

namespace msweight {

// The density of steel: kg per square metre per mm of thickness.
inline constexpr double SteelDensity = 7.85;
// Turns the square of a diameter into the area of its circle (not pi / 4).
inline constexpr double CircleAreaFactor = 0.785;
// Pi as the transition piece's girth takes it.
inline constexpr double Pi = 3.1416;

// An input of a calculator: a number, or a way to fetch one, called once, at
// the step that first uses it. A window handler passes the conversion of a box
// so that a box that does not convert fails at its place among the checks.
class Operand
{
public:
    Operand() = default;
    Operand(double value)
        : m_value(value)
    {
    }
    Operand(std::function<double()> fetch)
        : m_fetch(std::move(fetch))
    {
    }

    double operator()() const { return m_fetch ? m_fetch() : m_value; }

private:
    double m_value = 0.0;
    std::function<double()> m_fetch;
};

// (length x quantity) x unit weight, checked once at the end.
double SectionWeight(Operand length, Operand quantity, Operand unitWeight);

// ((((length x width) check x quantity) x thickness) x 7.85) check; the width
// is taken before the length.
double PlateWeight(Operand length, Operand width, Operand quantity, Operand thickness);

// ((((D^2 - d^2) x 0.785) check x T) x 7.85) check x Q check.
double FlangeWeight(Operand outer, Operand inner, Operand thickness, Operand quantity);

// Q x ((T x (H x ((2W + (3.1416 D + 2L)) / 2))) x 7.85), checked after each
// of its six steps.
double TransitionPieceWeight(Operand length, Operand width, Operand diameter, Operand height, Operand thickness,
                             Operand quantity);

// (L^2 + H^2)^0.5, the height squared first; checked after the sum.
double TrueLength(Operand inclinedLength, Operand height);

} // namespace msweight
