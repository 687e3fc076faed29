// The item parser's rules as data: every word it knows (series and their
// aliases, shape words, materials, pipe classes, units, separators) and what
// each one says. Spellings are lower case; the parser lowers what it reads.
#pragma once

#include "calc/shapes.h"
#include "catalogue/steeltables.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace msweight {

// What a text can name, in the order a search lists them when the text names
// none (three numbers are an angle before a hollow section, two a flat
// before a tube).
enum class Family : std::uint8_t {
    Angle,
    Flat,
    SquareHollow,
    RectangularHollow,
    CircularHollow,
    Pipe, // IS 1239 by nominal bore, or a tube by outside diameter x wall
    ISJB,
    ISLB,
    ISMB,
    ISWB,
    ISHB,
    ISSC,
    ISJC,
    ISLC,
    ISMC,
    ISMCP,
    NPB,
    WPB,
    Plate,
    RoundBar,
    SquareBar,
    Count
};

using FamilySet = std::uint32_t;
constexpr FamilySet FamilyBit(Family family)
{
    return FamilySet(1) << unsigned(family);
}
constexpr FamilySet AllFamilies = FamilyBit(Family::Count) - 1;
// The rolled sections: steel only, and never made from their dimensions.
constexpr FamilySet RolledFamilies
    = FamilyBit(Family::Angle) | ((FamilyBit(Family::Plate) - 1) & ~(FamilyBit(Family::ISJB) - 1));

enum class Role : std::uint8_t {
    Family,    // value: a Family
    Material,  // value: an index into MaterialWords
    Class,     // value: a PipeClass; only where the text names a pipe
    Unit,      // value: a Unit, said of the number before it
    Separator, // between dimensions: "x", "by"
    Filler,    // words that change nothing: "mm" is the unit anyway, "thick", "bar"
};

enum class Unit : std::uint8_t {
    Inch,            // a pipe's nominal bore in inches, or a dimension of 25.4 mm
    NominalBore,     // a pipe's nominal bore in mm
    KgPerMetre,      // the mass that tells apart sections of one designation
    KgPerCubicMetre, // a density the user gives
};

struct Rule
{
    std::string_view spelling;
    Role role;
    std::uint8_t value;
};

std::span<const Rule> ItemRules();

// The rules spelt `word`, or spelt with `word` as a prefix when `prefix` is
// set, in table order.
template<typename Visit>
void ForEachRule(std::string_view word, bool prefix, Visit visit)
{
    for (const Rule &rule : ItemRules()) {
        if (prefix ? rule.spelling.starts_with(word) : rule.spelling == word)
            visit(rule);
    }
}

// A material of the densities file by its name there, and the word that
// names it in an item's text.
struct MaterialName
{
    std::string_view fileName;
    std::string_view word;
};
std::span<const MaterialName> MaterialWords();
// The densities file's entry for MaterialWords()[index].
const Material &MaterialOf(std::uint8_t index);

// The series of a rolled-section family as the tables name it ("ISMB"),
// or the shape a shape family makes; Family::Count where there is none.
std::string_view SeriesOf(Family family);
Family FamilyOfSeries(QStringView series);
ShapeKind ShapeOf(Family family);

} // namespace msweight
