// Plans built piece by piece: first-fit decreasing, and the local moves that
// lengthen a finished plan's offcuts.
#include "plan/cutmodel.h"

#include <algorithm>

namespace msweight::cutting {

Micrometres PatternWeight(const Problem &problem, const Pattern &pattern)
{
    Micrometres weight = 0;
    for (const PatternEntry &entry : pattern.entries)
        weight += problem.items[entry.item].weight * entry.count;
    return weight;
}

Micrometres PatternOffcut(const Problem &problem, const Pattern &pattern)
{
    const Micrometres free = problem.stock[pattern.stock].capacity - PatternWeight(problem, pattern);
    return std::max<Micrometres>(0, free - problem.kerf);
}

Micrometres BoughtLength(const Problem &problem, const Packing &packing)
{
    Micrometres length = 0;
    for (const Pattern &bar : packing.bars)
        if (!problem.stock[bar.stock].offcut)
            length += problem.stock[bar.stock].length;
    return length;
}

int UncutCount(const Packing &packing)
{
    int count = 0;
    for (int uncut : packing.uncut)
        count += uncut;
    return count;
}

static Micrometres OffcutSquares(const Problem &problem, const Packing &packing)
{
    Micrometres squares = 0;
    for (const Pattern &bar : packing.bars) {
        const Micrometres offcut = PatternOffcut(problem, bar);
        squares += offcut * offcut; // 12 m squared is 1.44e14; room for 60,000 such bars
    }
    return squares;
}

bool Better(const Problem &problem, const Packing &a, const Packing &b)
{
    if (UncutCount(a) != UncutCount(b))
        return UncutCount(a) < UncutCount(b);
    if (BoughtLength(problem, a) != BoughtLength(problem, b))
        return BoughtLength(problem, a) < BoughtLength(problem, b);
    if (a.bars.size() != b.bars.size())
        return a.bars.size() < b.bars.size();
    return OffcutSquares(problem, a) > OffcutSquares(problem, b);
}

namespace {

struct OpenBar
{
    int stock;
    Micrometres free;
    std::vector<int> counts; // by item
};

bool CanOpen(const std::vector<int> &left, int stock)
{
    return left[stock] != 0;
}

void Take(std::vector<int> &left, int stock)
{
    if (left[stock] > 0)
        --left[stock];
}

void Give(std::vector<int> &left, int stock)
{
    if (left[stock] != CutStock::Unlimited)
        ++left[stock];
}

// The shortest type of the bar's kind (offcut or bought) with one left that
// holds `weight`, or `current` when none is shorter.
int ShortestHolding(const Problem &problem, const std::vector<int> &left, int current, Micrometres weight)
{
    int best = current;
    for (int type = 0; type < int(problem.stock.size()); ++type) {
        const StockType &stock = problem.stock[type];
        if (stock.offcut != problem.stock[current].offcut || !CanOpen(left, type) || stock.capacity < weight)
            continue;
        if (stock.length < problem.stock[best].length)
            best = type;
    }
    return best;
}

std::vector<int> LeftOver(const Problem &problem, const Packing &packing)
{
    std::vector<int> left;
    for (const StockType &stock : problem.stock)
        left.push_back(stock.available);
    for (const Pattern &bar : packing.bars)
        Take(left, bar.stock);
    return left;
}

Pattern ToPattern(const OpenBar &bar)
{
    Pattern pattern{bar.stock, {}};
    for (int item = 0; item < int(bar.counts.size()); ++item)
        if (bar.counts[item] > 0)
            pattern.entries.push_back({item, bar.counts[item]});
    return pattern;
}

} // namespace

Packing FirstFitDecreasing(const Problem &problem, const std::vector<int> &demand,
                           const std::vector<int> &availableLeft)
{
    const int itemCount = int(problem.items.size());
    std::vector<int> left = availableLeft;
    // Offcuts before bought stock, each kind longest first.
    std::vector<int> openingOrder;
    for (int type = 0; type < int(problem.stock.size()); ++type)
        openingOrder.push_back(type);
    std::stable_sort(openingOrder.begin(), openingOrder.end(), [&](int a, int b) {
        const StockType &x = problem.stock[a], &y = problem.stock[b];
        if (x.offcut != y.offcut)
            return x.offcut;
        return x.length > y.length;
    });

    Packing packing;
    packing.uncut.assign(itemCount, 0);
    std::vector<OpenBar> bars;
    for (int item = 0; item < itemCount; ++item) { // items come longest first
        const Micrometres weight = problem.items[item].weight;
        for (int copy = 0; copy < demand[item]; ++copy) {
            auto bar = std::find_if(bars.begin(), bars.end(), [&](const OpenBar &b) { return b.free >= weight; });
            if (bar == bars.end()) {
                auto type = std::find_if(openingOrder.begin(), openingOrder.end(), [&](int t) {
                    return CanOpen(left, t) && problem.stock[t].capacity >= weight;
                });
                if (type == openingOrder.end()) {
                    ++packing.uncut[item];
                    continue;
                }
                Take(left, *type);
                bars.push_back({*type, problem.stock[*type].capacity, std::vector<int>(itemCount, 0)});
                bar = bars.end() - 1;
            }
            bar->free -= weight;
            ++bar->counts[item];
        }
    }
    for (OpenBar &bar : bars) {
        const Micrometres weight = problem.stock[bar.stock].capacity - bar.free;
        const int shorter = ShortestHolding(problem, left, bar.stock, weight);
        if (shorter != bar.stock) {
            Give(left, bar.stock);
            Take(left, shorter);
            bar.stock = shorter;
        }
        packing.bars.push_back(ToPattern(bar));
    }
    return packing;
}

namespace {

Micrometres Offcut(Micrometres free, Micrometres kerf)
{
    return std::max<Micrometres>(0, free - kerf);
}

// What moving `weight` out of a bar with `freeFrom` into one with `freeTo`
// adds to the offcuts' squares.
Micrometres Gain(Micrometres freeFrom, Micrometres freeTo, Micrometres weight, Micrometres kerf)
{
    auto square = [](Micrometres x) { return x * x; };
    return square(Offcut(freeFrom + weight, kerf)) + square(Offcut(freeTo - weight, kerf))
        - square(Offcut(freeFrom, kerf)) - square(Offcut(freeTo, kerf));
}

void Change(Pattern &bar, int item, int by)
{
    auto entry
        = std::find_if(bar.entries.begin(), bar.entries.end(), [&](const PatternEntry &e) { return e.item == item; });
    if (entry == bar.entries.end()) {
        entry = std::upper_bound(bar.entries.begin(), bar.entries.end(), item,
                                 [](int i, const PatternEntry &e) { return i < e.item; });
        entry = bar.entries.insert(entry, {item, 0});
    }
    entry->count += by;
    if (entry->count == 0)
        bar.entries.erase(entry);
}

// One move or swap of a piece from one bar to another that lengthens the
// offcuts, the first found; false when there is none.
bool ImprovePair(const Problem &problem, Pattern &from, Pattern &to, Micrometres &freeFrom, Micrometres &freeTo)
{
    const Micrometres kerf = problem.kerf;
    for (const PatternEntry &out : from.entries) {
        const int outItem = out.item;
        const Micrometres weight = problem.items[outItem].weight;
        if (weight <= freeTo && Gain(freeFrom, freeTo, weight, kerf) > 0) {
            Change(from, outItem, -1);
            Change(to, outItem, +1);
            freeFrom += weight;
            freeTo -= weight;
            return true;
        }
        for (const PatternEntry &in : to.entries) {
            const int inItem = in.item;
            const Micrometres delta = weight - problem.items[inItem].weight;
            if (delta > 0 && delta <= freeTo && Gain(freeFrom, freeTo, delta, kerf) > 0) {
                Change(from, outItem, -1);
                Change(from, inItem, +1);
                Change(to, inItem, -1);
                Change(to, outItem, +1);
                freeFrom += delta;
                freeTo -= delta;
                return true;
            }
        }
    }
    return false;
}

} // namespace

void ImproveOffcuts(const Problem &problem, Packing &packing, const Deadline &deadline)
{
    std::vector<Pattern> &bars = packing.bars;
    std::vector<Micrometres> free;
    for (const Pattern &bar : bars)
        free.push_back(problem.stock[bar.stock].capacity - PatternWeight(problem, bar));
    // Each move adds to a sum that has a ceiling, so the passes end; the cap
    // keeps a plan of many bars from taking long over the last millimetres.
    bool changed = true;
    for (int pass = 0; pass < 8 && changed; ++pass) {
        changed = false;
        for (int from = 0; from < int(bars.size()) && !deadline.over(); ++from)
            for (int to = 0; to < int(bars.size()); ++to)
                while (from != to && !bars[from].entries.empty()
                       && ImprovePair(problem, bars[from], bars[to], free[from], free[to]))
                    changed = true;
        for (int bar = int(bars.size()) - 1; bar >= 0; --bar) {
            if (bars[bar].entries.empty()) {
                bars.erase(bars.begin() + bar);
                free.erase(free.begin() + bar);
            }
        }
    }
    std::vector<int> left = LeftOver(problem, packing);
    for (Pattern &bar : bars) {
        const int shorter = ShortestHolding(problem, left, bar.stock, PatternWeight(problem, bar));
        if (shorter != bar.stock) {
            Give(left, bar.stock);
            Take(left, shorter);
            bar.stock = shorter;
        }
    }
}

} // namespace msweight::cutting
