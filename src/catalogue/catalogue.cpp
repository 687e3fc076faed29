#include "catalogue/catalogue.h"

#include "catalogue/sections.h"

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

} // namespace

std::span<const CatalogueTable> Catalogue()
{
    return Tables;
}

RowRef FindRow(std::string_view buttonName)
{
    for (const CatalogueTable &table : Tables) {
        for (const CatalogueRow &row : table.Rows) {
            if (row.ButtonName == buttonName)
                return {&table, &row};
        }
    }
    return {};
}

void SelectRow(const RowRef &ref, SelectionTarget &target)
{
    target.StoreRow(ref);
    for (std::size_t i = 0; i < ref.table->PropertyLabels.size(); ++i)
        target.SetCaption(*ref.table, i, ref.row->PropertyTexts[i]);
}

} // namespace msweight
