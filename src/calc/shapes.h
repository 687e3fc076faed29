// Sections by their dimensions, in any material: the cross-section area of
// each shape and the weight that a density gives it. Every dimension is in
// mm, densities in kg/m3, lengths in metres, weights in kg.
#pragma once

#include <cstdint>

namespace msweight {

// Mild steel (IS 2062), the figure the Indian standard tables are computed with.
inline constexpr double MildSteelDensity = 7850.0;

enum class ShapeKind : std::uint8_t {
    Plate,             // a = width (0: weighed per square metre), t = thickness
    Flat,              // a = width, t = thickness
    RoundBar,          // a = diameter
    SquareBar,         // a = side
    CircularHollow,    // a = outside diameter, t = wall (a pipe, a CHS)
    SquareHollow,      // a = b = outer side, t = wall (SHS)
    RectangularHollow, // a = outer depth, b = outer width, t = wall (RHS)
};

struct ShapeSize
{
    ShapeKind kind = ShapeKind::Plate;
    double a = 0;
    double b = 0;
    double t = 0;

    friend bool operator==(const ShapeSize &, const ShapeSize &) = default;
};

// How many dimensions the kind takes and in which order they are written:
// "PL 10", "flat 50x6", "RB 20", "SHS 40x40x3.2".
int DimensionCount(ShapeKind kind);

// The corner radii of square and rectangular hollow sections: 2t outside and
// t inside, as the IS 4923 tables' areas and second moments are computed.
struct CornerRadii
{
    double outer;
    double inner;
};
CornerRadii HollowCornerRadii(double wall);

// The cross-section in mm2. A plate without a width has none: it is weighed
// per square metre.
double ShapeArea(const ShapeSize &size);

// Kg per metre of a section of `areaMm2`: density x area x 1 m.
double MassPerMetre(double areaMm2, double densityKgM3);

// Kg per metre, or for a plate without a width kg per square metre.
double UnitWeight(const ShapeSize &size, double densityKgM3);

// A plate's weight in the order the "PL." page weighs it,
// ((((length x width) x quantity) x thickness) x density / 1000), so that
// mild steel gives that page's result to the last bit.
double PlateMass(double lengthM, double widthM, double quantity, double thicknessMm, double densityKgM3);

} // namespace msweight
