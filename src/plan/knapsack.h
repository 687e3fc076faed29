// The pricing problem of column generation: the bar pattern worth most at the
// master problem's prices, a bounded knapsack. Solved by dynamic programming
// over the bar's length in units of the lengths' common divisor where that
// table is small (the bin-packing sets, lengths in whole millimetres), else
// by depth-first branch and bound (items in order of price per micrometre,
// each node bounded by the fractional fill of the room left).
#pragma once

#include "plan/cutmodel.h"

#include <vector>

namespace msweight::cutting {

struct KnapsackResult
{
    double value = 0; // of the best pattern found
    std::vector<PatternEntry> entries;
    // No pattern is worth more than this: `value` when the search ran to the
    // end, else the fractional bound at the root.
    double upperBound = 0;
};

// `most[i]` is how many of item i a pattern may hold.
KnapsackResult BestPattern(const std::vector<Item> &items, const std::vector<int> &most,
                           const std::vector<double> &price, Micrometres capacity);

} // namespace msweight::cutting
