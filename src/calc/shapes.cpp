#include "calc/shapes.h"

#include <numbers>

namespace msweight {

int DimensionCount(ShapeKind kind)
{
    switch (kind) {
    case ShapeKind::Plate:
    case ShapeKind::RoundBar:
    case ShapeKind::SquareBar:
        return 1;
    case ShapeKind::Flat:
    case ShapeKind::CircularHollow:
        return 2;
    case ShapeKind::SquareHollow:
    case ShapeKind::RectangularHollow:
        return 3;
    }
    return 0;
}

CornerRadii HollowCornerRadii(double wall)
{
    return {2.0 * wall, wall};
}

double ShapeArea(const ShapeSize &size)
{
    constexpr double pi = std::numbers::pi;
    switch (size.kind) {
    case ShapeKind::Plate:
    case ShapeKind::Flat:
        return size.a * size.t;
    case ShapeKind::RoundBar:
        return pi / 4.0 * size.a * size.a;
    case ShapeKind::SquareBar:
        return size.a * size.a;
    case ShapeKind::CircularHollow:
        return pi * size.t * (size.a - size.t);
    case ShapeKind::SquareHollow:
    case ShapeKind::RectangularHollow: {
        // The wall's mid-line perimeter less, at each corner, the square
        // ring that the rounding takes off.
        const CornerRadii r = HollowCornerRadii(size.t);
        const double square = 2.0 * size.t * (size.a + size.b - 2.0 * size.t);
        return square - (4.0 - pi) * (r.outer * r.outer - r.inner * r.inner);
    }
    }
    return 0;
}

double MassPerMetre(double areaMm2, double densityKgM3)
{
    return densityKgM3 * areaMm2 / 1e6;
}

double UnitWeight(const ShapeSize &size, double densityKgM3)
{
    if (size.kind == ShapeKind::Plate && size.a == 0)
        return size.t * (densityKgM3 / 1000.0);
    return MassPerMetre(ShapeArea(size), densityKgM3);
}

double PlateMass(double lengthM, double widthM, double quantity, double thicknessMm, double densityKgM3)
{
    // 7850 / 1000 is the double nearest 7.85, the page's constant.
    const double area = lengthM * widthM;
    const double pieces = area * quantity;
    const double volume = pieces * thicknessMm;
    return volume * (densityKgM3 / 1000.0);
}

} // namespace msweight
