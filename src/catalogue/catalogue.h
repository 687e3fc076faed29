// The section catalogue: one row for each option button of the window, the
// value that choosing it selects, and for channels and beams the twelve
// property texts that it shows.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace msweight {

// The catalogue's and the layout's texts, all ASCII, as the toolkit's strings.
inline QString ToQString(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// The pages of the window by what they hold; each value is the number in the
// page's object name (Channels is Page1).
enum class Page : std::uint8_t {
    Channels = 1,   // "ISMC"
    Beams,          // "ISMB"
    Plates,         // "PL."
    RoundBars,      // "RO."
    SquareBars,     // "SQ."
    FlangeAndPiece, // "FL.&TP"
    Angles,         // "ISA"
    TrueLengths,    // "TP"
};

struct CatalogueRow
{
    std::string_view ButtonName;
    std::string_view Caption;
    double Value; // kg per metre, or a plate thickness in mm
    // Written, in order, into the property labels of the row's table; empty
    // for angles, bars and plates.
    std::array<std::string_view, 12> PropertyTexts{};
};

struct CatalogueTable
{
    std::string_view Name;
    Page page;
    std::string_view Caption; // the caption of the page's tab
    std::span<const CatalogueRow> Rows;
    std::span<const std::string_view> PropertyLabels;
};

// The six tables, in the order of the window's tabs.
std::span<const CatalogueTable> Catalogue();

struct RowRef
{
    const CatalogueTable *table = nullptr;
    const CatalogueRow *row = nullptr;
};

// The row bound to the option button named `buttonName`, if any.
RowRef FindRow(std::string_view buttonName);

// What choosing a size acts on: the window's per-page choice and labels.
class SelectionTarget
{
public:
    virtual void storeRow(const RowRef &ref) = 0;
    // Shows `text` in the table's property label number `label`.
    virtual void SetCaption(const CatalogueTable &table, std::size_t label, std::string_view text) = 0;

protected:
    ~SelectionTarget() = default;
};

// Stores the row for its page first, then writes its property texts into the
// page's property labels one after the other.
void SelectRow(const RowRef &ref, SelectionTarget &target);

} // namespace msweight
