// Cutting plans: which stock bars to cut a group's pieces from so that the
// least stock length is bought, then the fewest bars are cut, then the
// offcuts come out long rather than scattered.
//
// Every length is a whole number of micrometres, so that whether a piece fits
// never depends on a rounding. A bar holds its pieces when
//     sum over its pieces of (piece length + kerf) <= bar length + kerf,
// that is every piece takes a saw cut after it, except that the last piece may
// end at the bar's end with no cut. The offcut is what is left after the last
// cut, bar length - sum of (piece length + kerf), or nothing when the last
// piece ends within a kerf of the bar's end.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>

namespace msweight {

using Micrometres = std::int64_t;
inline constexpr Micrometres MicrometresPerMetre = 1'000'000;
inline constexpr Micrometres MicrometresPerMillimetre = 1'000;

// One piece type of the job: `count` pieces of one length.
struct CutPiece
{
    Micrometres length = 0;
    int count = 0;
    QString mark;
};

// A stock length on sale, or offcuts of one length already in stock.
struct CutStock
{
    static constexpr int Unlimited = -1;

    Micrometres length = 0;
    int available = Unlimited; // offcuts in stock must say how many
};

struct CutRequest
{
    QList<CutPiece> pieces;
    QList<CutStock> stock;   // lengths to buy, e.g. 12 m and 6 m
    QList<CutStock> offcuts; // already in stock: cost nothing, used first
    Micrometres kerf = 3 * MicrometresPerMillimetre;
    Micrometres shortestUsableOffcut = 500 * MicrometresPerMillimetre; // shorter is scrap
    std::chrono::milliseconds timeLimit{2000};
    // Set from another thread to stop: the best plan found so far comes back.
    const std::atomic_bool *cancel = nullptr;
    // Called on the planning thread with the share of the pieces the current
    // dive has placed, 0 to 1 (a later dive starts again from 0), and with 1
    // at the end.
    std::function<void(double)> progress;
};

struct CutBar
{
    Micrometres length = 0;
    bool fromOffcut = false;   // an offcut in stock, not bought
    QList<int> pieces;         // indices into CutRequest::pieces, in cutting order
    Micrometres offcut = 0;    // left after the last cut
    bool offcutUsable = false; // at least CutRequest::shortestUsableOffcut long
};

// Pieces that the plan does not cut.
struct CutShortfall
{
    int piece = 0; // index into CutRequest::pieces
    int count = 0;
};

struct CutPlan
{
    QList<CutBar> bars; // offcuts from stock first, then bought bars, longest first

    Micrometres boughtLength = 0; // sum of the bought bars' lengths
    int barCount = 0;
    // No plan that cuts every piece buys less stock than this.
    Micrometres lowerBound = 0;
    // The plan buys lowerBound: no plan buys less stock.
    bool optimal = false;

    // Longer than every stock length and offcut: needs a joint or a special length.
    QList<CutShortfall> tooLong;
    // Left over because the stock available ran out.
    QList<CutShortfall> uncut;

    bool timedOut = false;  // the time limit ended the search; another run may differ
    bool cancelled = false; // the cancel flag ended it
    Micrometres gap() const { return boughtLength - lowerBound; }
};

struct CutPurchase
{
    Micrometres length = 0;
    int count = 0;
};

// The best plan found within the request's time limit. The same request gives
// the same plan unless the limit or the cancel flag cut the search short.
CutPlan PlanCuts(const CutRequest &request);

// First-fit decreasing: each piece, longest first, into the first bar with
// room, else into a new bar (offcuts in stock first, then the longest stock
// length); each bar then cut from the shortest stock length that holds it.
// The baseline the planner is measured against; it proves nothing.
CutPlan PlanCutsFirstFit(const CutRequest &request);

// The bars to buy, longest first.
QList<CutPurchase> PurchaseList(const CutPlan &plan);

// Checks a plan against its request without trusting the planner: every
// piece cut once or listed as too long or uncut, every bar a stock length or
// an offcut that is there to use, no bar over its length with the kerfs,
// counts of stock kept, the offcuts and totals right, and the lower bound
// not above the plan. Empty when the plan is right, else one line a fault.
QStringList CheckCutPlan(const CutRequest &request, const CutPlan &plan);

} // namespace msweight
