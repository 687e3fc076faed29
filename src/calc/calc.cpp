#include "calc/calc.h"

#include "numtext/numtext.h"

#include <cmath>

namespace msweight {

double SectionWeight(Operand length, Operand quantity, Operand unitWeight)
{
    const double l = length();
    const double q = quantity();
    const double p = l * q;
    return Checked(p * unitWeight());
}

double PlateWeight(Operand length, Operand width, Operand quantity, Operand thickness)
{
    const double b = width();
    const double l = length();
    const double area = Checked(l * b);
    const double q = quantity();
    const double pieces = area * q;
    const double volume = pieces * thickness();
    return Checked(volume * SteelDensity);
}

double FlangeWeight(Operand outer, Operand inner, Operand thickness, Operand quantity)
{
    const double outer2 = std::pow(outer(), 2.0);
    const double inner2 = std::pow(inner(), 2.0);
    const double area = Checked((outer2 - inner2) * CircleAreaFactor);
    const double one = Checked((area * thickness()) * SteelDensity);
    return Checked(one * quantity());
}

double TransitionPieceWeight(Operand length, Operand width, Operand diameter, Operand height, Operand thickness,
                             Operand quantity)
{
    const double l = length();
    const double a = Checked(l + l);
    const double b = Checked((diameter() * Pi) + a);
    const double w = width();
    const double girth = Checked(((w + w) + b) / 2.0);
    const double area = Checked(height() * girth);
    const double one = Checked((thickness() * area) * SteelDensity);
    return Checked(quantity() * one);
}

double TrueLength(Operand inclinedLength, Operand height)
{
    const double h2 = std::pow(height(), 2.0);
    const double l2 = std::pow(inclinedLength(), 2.0);
    const double s = Checked(l2 + h2);
    return std::pow(s, 0.5);
}

} // namespace msweight
