// The item parser: what an estimator types, "ISMB 200", "50x50x6",
// "1 1/2 inch heavy pipe", "SS304 plate 3", read into the items it names,
// best first. One parser serves the search box, which lists matches as the
// user types, and a take-off import, which wants one item or the reason why
// not. Its words are the table of itemrules.h.
#pragma once

#include "catalogue/item.h"

#include <QString>

#include <optional>
#include <vector>

namespace msweight {

struct ItemMatch
{
    Item item;
    QString display;       // DescribeItem(item)
    double unitWeight = 0; // kg/m, or kg/m2 where basis says so
    UnitBasis basis = UnitBasis::PerMetre;
};

struct ParseOptions
{
    // Where a designation is in more than one edition, this edition's row
    // comes first ("IS 808:1964"); otherwise the newest edition's.
    QString preferredEdition;
};

// The items `text` names, best first, at most `limit`, for a search box: the
// last word or number may be cut short ("ismb 2" lists ISMB 200, 225, ...),
// and sizes not yet typed list every size ("isa 50" lists the ISA 50x...).
// Empty when the text names nothing.
std::vector<ItemMatch> SearchItems(QStringView text, const ParseOptions &options = {}, std::size_t limit = 50);

struct ParsedItem
{
    std::optional<ItemMatch> match;
    QString reason; // why there is no match: "\"ISMB 201\": ..."
};

// The one item `text` names in full, for an import: "ISMB 200" is the newest
// edition's (or the preferred one's); a text that names several items of one
// edition ("ISHB 150", "40 NB") or none is refused with the reason.
ParsedItem ParseItem(QStringView text, const ParseOptions &options = {});

} // namespace msweight
