#include "catalogue/catalogue.h"

#include "catalogue/sections.h"

#include <algorithm>
#include <array>

namespace msweight {

namespace {

constexpr std::string_view ChannelLabels[] = {
    "Label36", "Label37", "Label38", "Label39", "Label40", "Label41",
    "Label42", "Label43", "Label44", "Label45", "Label46", "Label47",
};
constexpr std::string_view BeamLabels[] = {
    "Label48", "Label49", "Label50", "Label51", "Label52", "Label53",
    "Label54", "Label55", "Label56", "Label57", "Label58", "Label59",
};

constexpr CatalogueTable Tables[] = {
    {"PlateThicknesses", Page::Plates, "PL.", PlateThicknesses, {}},
    {"ChannelSections", Page::Channels, "ISMC", ChannelSections, ChannelLabels},
    {"BeamSections", Page::Beams, "ISMB", BeamSections, BeamLabels},
    {"AngleSections", Page::Angles, "ISA", AngleSections, {}},
    {"SquareBars", Page::SquareBars, "SQ.", SquareBars, {}},
    {"RoundBars", Page::RoundBars, "RO.", RoundBars, {}},
};

constexpr std::size_t RowCount = [] {
    std::size_t rows = 0;
    for (const CatalogueTable &table : Tables)
        rows += table.Rows.size();
    return rows;
}();

} // namespace

std::span<const CatalogueTable> Catalogue()
{
    return Tables;
}

namespace {

struct ButtonRow
{
    std::string_view button;
    std::uint8_t table;
    std::uint8_t row;
};

// Every row by its option button's name, sorted once when compiled: the
// window finds 153 rows as it is built.
constexpr auto RowsByButton = [] {
    std::array<ButtonRow, RowCount> index{};
    std::size_t n = 0;
    for (std::size_t t = 0; t < std::size(Tables); ++t) {
        for (std::size_t r = 0; r < Tables[t].Rows.size(); ++r)
            index[n++] = {Tables[t].Rows[r].ButtonName, std::uint8_t(t), std::uint8_t(r)};
    }
    std::sort(index.begin(), index.end(), [](const ButtonRow &a, const ButtonRow &b) { return a.button < b.button; });
    return index;
}();

} // namespace

RowRef FindRow(std::string_view buttonName)
{
    const auto at = std::lower_bound(RowsByButton.begin(), RowsByButton.end(), buttonName,
                                     [](const ButtonRow &entry, std::string_view name) { return entry.button < name; });
    if (at == RowsByButton.end() || at->button != buttonName)
        return {};
    const CatalogueTable &table = Tables[at->table];
    return {&table, &table.Rows[at->row]};
}

void SelectRow(const RowRef &ref, SelectionTarget &target)
{
    target.storeRow(ref);
    for (std::size_t i = 0; i < ref.table->PropertyLabels.size(); ++i)
        target.SetCaption(*ref.table, i, ref.row->PropertyTexts[i]);
}

} // namespace msweight
