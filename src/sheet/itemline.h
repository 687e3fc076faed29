// A sheet line of an item of the steel catalogue or a shape by its
// dimensions, beside the lines the pages make: what it takes as inputs, what
// kind of steel it is for the totals by kind, and how it is shown.
#pragma once

#include "sheet/sheetline.h"

#include <cstdint>
#include <span>

namespace msweight {

// The kinds the summary groups lines by, in the order it lists them.
enum class ItemKind : std::uint8_t {
    Beams,
    Columns,
    ParallelFlangeBeams,
    Channels,
    Angles,
    HollowSections,
    Pipes,
    Flats,
    Plates,
    RoundBars,
    SquareBars,
    Flanges,
    TransitionPieces,
};

ItemKind KindOf(const SheetLine &line);
// "Beam", and for the summary "Beams".
QString KindName(ItemKind kind);
QString KindPluralName(ItemKind kind);

// An item's inputs in the order of a line's texts: length and quantity, and
// a width for a plate weighed per square metre.
std::span<const Field> ItemFields(const Item &item);

// A new line of `item`: no length yet, one piece.
SheetLine ItemLine(const Item &item);

// Each of a line's inputs, whichever made it.
Field InputField(const SheetLine &line, std::size_t input);
QString InputLabel(const SheetLine &line, std::size_t input); // "Length (m)", "L (in MTR.)"
std::size_t QuantityInput(const SheetLine &line);
// The input shown at `place` (0 the first), top to bottom as its page or
// item lists them.
std::size_t ShownInput(const SheetLine &line, std::size_t place);
// The value the line's input `field` converts to, if it has one.
std::optional<double> InputValue(const SheetLine &line, Field field, QStringView separator);

// What the view shows as the line's size: "ISMB 200 · IS 808:1989"; a section
// page's size with its tables' edition, "MC - 75 x 40 · IS 808:1964".
QString SizeText(const SheetLine &line);
// The standard and edition, empty for a shape, a bar or a plate of a page.
QString LineEdition(const SheetLine &line);
// "steel" for rolled sections, pipes and the pages' lines; a shape's material.
QString LineMaterial(const SheetLine &line);
// Kg per metre (per square metre for a plate: thickness x 7.85); none for a
// line that has no such figure.
std::optional<double> LineUnitWeight(const SheetLine &line);
// A plate's line, of an item or of the plates' page: weighed per square metre.
bool WeighedPerSquareMetre(const SheetLine &line);

// An item line's weight: every input converted, then ItemWeight. The failure
// names the input that does not convert.
void WorkOutItem(const SheetLine &line, QStringView separator, LineResult &result);

} // namespace msweight
