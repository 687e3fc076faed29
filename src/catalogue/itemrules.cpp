#include "catalogue/itemrules.h"

#include <array>

namespace msweight {

namespace {

constexpr std::uint8_t F(Family family)
{
    return std::uint8_t(family);
}

// clang-format off
constexpr Rule Rules[] = {
    // Rolled series, with and without "IS"; the parser reads "ismb200",
    // "MB-200" and "ISMB 200" alike.
    {"isjb", Role::Family, F(Family::ISJB)},   {"jb", Role::Family, F(Family::ISJB)},
    {"islb", Role::Family, F(Family::ISLB)},   {"lb", Role::Family, F(Family::ISLB)},
    {"ismb", Role::Family, F(Family::ISMB)},   {"mb", Role::Family, F(Family::ISMB)},
    {"iswb", Role::Family, F(Family::ISWB)},   {"wb", Role::Family, F(Family::ISWB)},
    {"ishb", Role::Family, F(Family::ISHB)},   {"hb", Role::Family, F(Family::ISHB)},
    {"issc", Role::Family, F(Family::ISSC)},   {"sc", Role::Family, F(Family::ISSC)},
    {"isjc", Role::Family, F(Family::ISJC)},   {"jc", Role::Family, F(Family::ISJC)},
    {"islc", Role::Family, F(Family::ISLC)},   {"lc", Role::Family, F(Family::ISLC)},
    {"ismc", Role::Family, F(Family::ISMC)},   {"mc", Role::Family, F(Family::ISMC)},
    {"ismcp", Role::Family, F(Family::ISMCP)}, {"mcp", Role::Family, F(Family::ISMCP)},
    {"ismpc", Role::Family, F(Family::ISMCP)}, {"mpc", Role::Family, F(Family::ISMCP)},
    {"npb", Role::Family, F(Family::NPB)},     {"wpb", Role::Family, F(Family::WPB)},
    {"isa", Role::Family, F(Family::Angle)},   {"angle", Role::Family, F(Family::Angle)},
    {"l", Role::Family, F(Family::Angle)},     {"ang", Role::Family, F(Family::Angle)},
    // Hollow sections and pipes.
    {"shs", Role::Family, F(Family::SquareHollow)},
    {"rhs", Role::Family, F(Family::RectangularHollow)},
    {"chs", Role::Family, F(Family::CircularHollow)},
    {"pipe", Role::Family, F(Family::Pipe)},   {"tube", Role::Family, F(Family::Pipe)},
    {"nb", Role::Unit, std::uint8_t(Unit::NominalBore)},
    // Flats, plates and bars.
    {"isf", Role::Family, F(Family::Flat)},    {"flat", Role::Family, F(Family::Flat)},
    {"fl", Role::Family, F(Family::Flat)},
    {"pl", Role::Family, F(Family::Plate)},    {"plate", Role::Family, F(Family::Plate)},
    {"sheet", Role::Family, F(Family::Plate)},
    {"rb", Role::Family, F(Family::RoundBar)}, {"rod", Role::Family, F(Family::RoundBar)},
    {"round", Role::Family, F(Family::RoundBar)}, {"rd", Role::Family, F(Family::RoundBar)},
    {"dia", Role::Family, F(Family::RoundBar)},
    {"\u00f8", Role::Family, F(Family::RoundBar)}, // ø, and Ø lowered
    {"sq", Role::Family, F(Family::SquareBar)}, {"square", Role::Family, F(Family::SquareBar)},
    // Materials: indices into MaterialWords.
    {"ms", Role::Material, 0},      {"mild", Role::Material, 0},   {"steel", Role::Material, 0},
    // A grade is read joined to its word: "SS304", "ss 304", "SS-316".
    {"ss304", Role::Material, 1},   {"sus304", Role::Material, 1}, {"stainless304", Role::Material, 1},
    {"ss316", Role::Material, 2},   {"sus316", Role::Material, 2}, {"stainless316", Role::Material, 2},
    {"aluminium", Role::Material, 3}, {"aluminum", Role::Material, 3}, {"al", Role::Material, 3},
    {"alu", Role::Material, 3},
    {"copper", Role::Material, 4},  {"cu", Role::Material, 4},
    {"brass", Role::Material, 5},
    {"ci", Role::Material, 6},      {"cast", Role::Material, 6},   {"iron", Role::Material, 6},
    // Pipe classes: the one-letter forms only where the text names a pipe.
    {"light", Role::Class, std::uint8_t(PipeClass::Light)},
    {"lt", Role::Class, std::uint8_t(PipeClass::Light)},
    {"l", Role::Class, std::uint8_t(PipeClass::Light)},
    {"medium", Role::Class, std::uint8_t(PipeClass::Medium)},
    {"med", Role::Class, std::uint8_t(PipeClass::Medium)},
    {"m", Role::Class, std::uint8_t(PipeClass::Medium)},
    {"heavy", Role::Class, std::uint8_t(PipeClass::Heavy)},
    {"hvy", Role::Class, std::uint8_t(PipeClass::Heavy)},
    {"h", Role::Class, std::uint8_t(PipeClass::Heavy)},
    // Units, said of the number before them.
    {"inch", Role::Unit, std::uint8_t(Unit::Inch)},  {"inches", Role::Unit, std::uint8_t(Unit::Inch)},
    {"in", Role::Unit, std::uint8_t(Unit::Inch)},    {"\"", Role::Unit, std::uint8_t(Unit::Inch)},
    {"kg/m", Role::Unit, std::uint8_t(Unit::KgPerMetre)},
    {"kg/m3", Role::Unit, std::uint8_t(Unit::KgPerCubicMetre)},
    // Separators between dimensions (also "*" and "×", read as "x").
    {"x", Role::Separator, 0},      {"by", Role::Separator, 0},
    // Words that add nothing: mm is the unit of every dimension.
    {"mm", Role::Filler, 0},        {"thk", Role::Filler, 0},      {"thick", Role::Filler, 0},
    {"bar", Role::Filler, 0},       {"is", Role::Filler, 0},
};

// Index order is that of the material rules above.
constexpr MaterialName Materials[] = {
    {"mild steel (IS 2062)", "MS"},
    {"stainless steel 304/304L", "SS304"},
    {"stainless steel 316/316L", "SS316"},
    {"aluminium (pure and wrought alloys)", "aluminium"},
    {"copper", "copper"},
    {"brass (60/40 and rolled)", "brass"},
    {"grey cast iron", "cast iron"},
};
// clang-format on

struct FamilyFacts
{
    Family family;
    std::string_view series;
    ShapeKind shape; // what its sizes make, for a family weighed from its dimensions
};

constexpr FamilyFacts Facts[] = {
    {Family::Angle, "ISA", {}},
    {Family::Flat, "ISF", ShapeKind::Flat},
    {Family::SquareHollow, "SHS", ShapeKind::SquareHollow},
    {Family::RectangularHollow, "RHS", ShapeKind::RectangularHollow},
    {Family::CircularHollow, "CHS", ShapeKind::CircularHollow},
    {Family::Pipe, "", ShapeKind::CircularHollow},
    {Family::ISJB, "ISJB", {}},
    {Family::ISLB, "ISLB", {}},
    {Family::ISMB, "ISMB", {}},
    {Family::ISWB, "ISWB", {}},
    {Family::ISHB, "ISHB", {}},
    {Family::ISSC, "ISSC", {}},
    {Family::ISJC, "ISJC", {}},
    {Family::ISLC, "ISLC", {}},
    {Family::ISMC, "ISMC", {}},
    {Family::ISMCP, "ISMCP", {}},
    {Family::NPB, "NPB", {}},
    {Family::WPB, "WPB", {}},
    {Family::Plate, "", ShapeKind::Plate},
    {Family::RoundBar, "", ShapeKind::RoundBar},
    {Family::SquareBar, "", ShapeKind::SquareBar},
};
static_assert(std::size(Facts) == std::size_t(Family::Count));
static_assert([] {
    for (std::size_t i = 0; i < std::size(Facts); ++i) {
        if (Facts[i].family != Family(i))
            return false;
    }
    return true;
}());

} // namespace

std::span<const Rule> ItemRules()
{
    return Rules;
}

std::span<const MaterialName> MaterialWords()
{
    return Materials;
}

const Material &MaterialOf(std::uint8_t index)
{
    // Looked up once: the densities file names each of these exactly once.
    static const auto materials = [] {
        std::array<Material, std::size(Materials)> found{};
        for (std::size_t i = 0; i < std::size(Materials); ++i) {
            const QLatin1StringView name(Materials[i].fileName.data(), qsizetype(Materials[i].fileName.size()));
            bool seen = false;
            for (const Material &m : SteelTables().materials) {
                if (m.name == name) {
                    found[i] = m;
                    seen = true;
                }
            }
            if (!seen)
                qFatal("densities.csv has no \"%s\"", Materials[i].fileName.data());
        }
        return found;
    }();
    return materials[index];
}

std::string_view SeriesOf(Family family)
{
    return Facts[std::size_t(family)].series;
}

Family FamilyOfSeries(QStringView series)
{
    for (const FamilyFacts &facts : Facts) {
        if (!facts.series.empty() && series == QLatin1StringView(facts.series.data(), qsizetype(facts.series.size())))
            return facts.family;
    }
    return Family::Count;
}

ShapeKind ShapeOf(Family family)
{
    return Facts[std::size_t(family)].shape;
}

} // namespace msweight
