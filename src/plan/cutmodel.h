// The planner's own view of a request: pieces of one length merged into one
// item whatever their marks, every length grown by the kerf (an item of
// `weight` fits a bar of `capacity` while the weights add up to at most the
// capacity), and each bar kept as a pattern: how many of each item it holds.
#pragma once

#include "plan/cutplan.h"

#include <chrono>
#include <vector>

namespace msweight::cutting {

struct Item
{
    Micrometres weight = 0; // piece length + kerf
    int demand = 0;
};

struct StockType
{
    Micrometres length = 0;
    Micrometres capacity = 0; // length + kerf
    int available = CutStock::Unlimited;
    bool offcut = false;
    // In the master problem's units: a bar of the longest bought length costs
    // 1, an offcut from stock nothing, and every bar a little more so that of
    // two plans buying the same length the one with fewer bars costs less.
    double cost = 0;
};

struct PatternEntry
{
    int item = 0;
    int count = 0;

    auto operator<=>(const PatternEntry &) const = default;
};

struct Pattern
{
    int stock = 0;
    std::vector<PatternEntry> entries; // by item, each item once

    auto operator<=>(const Pattern &) const = default;
};

struct Problem
{
    std::vector<Item> items; // longest first
    std::vector<StockType> stock;
    Micrometres kerf = 0;
    Micrometres longestBought = 0;
    Micrometres boughtGcd = 0; // every bought total is a multiple of it
    double barCost = 0;        // the cost's share for the bar itself
};

// A plan in the planner's terms; `uncut` counts each item's pieces left over.
struct Packing
{
    std::vector<Pattern> bars;
    std::vector<int> uncut;
};

// A request in these terms: too-long pieces set aside, pieces of one length
// merged, and which of the request's pieces each item's copies are.
struct Prepared
{
    Problem problem;
    std::vector<int> demand;              // by item
    std::vector<int> available;           // by stock type
    std::vector<std::vector<int>> copies; // by item: a piece index for each copy, in the request's order
    int pieceCount = 0;                   // pieces to cut
    QList<CutShortfall> tooLong;
    QList<CutShortfall> invalid; // of no length: never cut
};

Prepared Prepare(const CutRequest &request);
CutPlan ToPlan(const CutRequest &request, const Prepared &prepared, const Packing &packing);
// The least bought length that a master-problem cost of `bound` leaves
// possible for a plan of the prepared pieces.
Micrometres LengthBound(const Prepared &prepared, double bound);

Micrometres PatternWeight(const Problem &problem, const Pattern &pattern);
Micrometres PatternOffcut(const Problem &problem, const Pattern &pattern);
Micrometres BoughtLength(const Problem &problem, const Packing &packing);
int UncutCount(const Packing &packing);

// Lexicographic: fewer pieces uncut, less stock bought, fewer bars, then the
// offcuts' squares larger (long offcuts rather than many short ones).
bool Better(const Problem &problem, const Packing &a, const Packing &b);

// First-fit decreasing of the demands given, into bars opened in the order
// offcuts first, then the longest bought length, each bar then moved to the
// shortest available type that holds it.
Packing FirstFitDecreasing(const Problem &problem, const std::vector<int> &demand,
                           const std::vector<int> &availableLeft);

class Deadline
{
public:
    Deadline(std::chrono::milliseconds limit, const std::atomic_bool *cancel)
        : m_end(std::chrono::steady_clock::now() + limit)
        , m_cancel(cancel)
    {
    }
    bool cancelled() const { return m_cancel && m_cancel->load(std::memory_order_relaxed); }
    // Whether the time or the cancel flag is up; once it answers yes, the
    // search is cut short and hit() says so.
    bool over() const
    {
        if (cancelled() || std::chrono::steady_clock::now() >= m_end)
            m_hit = true;
        return m_hit;
    }
    bool hit() const { return m_hit; }

private:
    std::chrono::steady_clock::time_point m_end;
    const std::atomic_bool *m_cancel;
    mutable bool m_hit = false;
};

// Moves and swaps of pieces between bars while each makes the offcuts longer
// in the sense of Better (until the deadline), then each bar onto the
// shortest type that holds it.
void ImproveOffcuts(const Problem &problem, Packing &packing, const Deadline &deadline);

} // namespace msweight::cutting
