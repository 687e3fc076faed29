// From a request to the planner's terms and from a packing back to a plan.
#include "plan/cutmodel.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

namespace msweight::cutting {

namespace {

// Stock of one kind merged by length, longest first; none of no length or
// none available.
void AddStock(std::vector<StockType> &types, const QList<CutStock> &stock, bool offcut, Micrometres kerf)
{
    std::map<Micrometres, int, std::greater<>> byLength;
    for (const CutStock &s : stock) {
        if (s.length <= 0 || s.available == 0)
            continue;
        auto [it, inserted] = byLength.try_emplace(s.length, s.available);
        if (!inserted)
            it->second = (it->second == CutStock::Unlimited || s.available == CutStock::Unlimited)
                ? CutStock::Unlimited
                : it->second + std::max(0, s.available);
    }
    for (const auto &[length, available] : byLength)
        types.push_back({length, length + kerf, available < 0 ? CutStock::Unlimited : available, offcut, 0});
}

} // namespace

Prepared Prepare(const CutRequest &request)
{
    Prepared prepared;
    Problem &problem = prepared.problem;
    problem.kerf = std::max<Micrometres>(0, request.kerf);
    AddStock(problem.stock, request.stock, false, problem.kerf);
    AddStock(problem.stock, request.offcuts, true, problem.kerf);

    Micrometres longest = 0;
    for (const StockType &type : problem.stock) {
        longest = std::max(longest, type.length);
        if (!type.offcut) {
            problem.longestBought = std::max(problem.longestBought, type.length);
            problem.boughtGcd = std::gcd(problem.boughtGcd, type.length);
        }
    }

    std::map<Micrometres, std::vector<int>, std::greater<>> byLength;
    for (int piece = 0; piece < int(request.pieces.size()); ++piece) {
        const CutPiece &p = request.pieces[piece];
        if (p.count <= 0)
            continue;
        if (p.length <= 0)
            prepared.invalid.append({piece, p.count});
        else if (p.length > longest)
            prepared.tooLong.append({piece, p.count});
        else
            byLength[p.length].insert(byLength[p.length].end(), p.count, piece);
    }
    for (auto &[length, copies] : byLength) {
        problem.items.push_back({length + problem.kerf, int(copies.size())});
        prepared.demand.push_back(int(copies.size()));
        prepared.pieceCount += int(copies.size());
        prepared.copies.push_back(std::move(copies));
    }

    // A hundredth of the bought lengths' divisor spread over every bar the
    // plan could have: the bars' share never outweighs a length.
    const double unit = problem.longestBought > 0 ? double(problem.longestBought) : 1.0;
    const double gcd = problem.boughtGcd > 0 ? double(problem.boughtGcd) : unit;
    problem.barCost = 0.01 * gcd / (unit * (prepared.pieceCount + 1));
    for (StockType &type : problem.stock) {
        type.cost = (type.offcut ? 0.0 : double(type.length) / unit) + problem.barCost;
        prepared.available.push_back(type.available);
    }
    return prepared;
}

Micrometres LengthBound(const Prepared &prepared, double bound)
{
    const Problem &problem = prepared.problem;
    if (problem.boughtGcd <= 0 || !std::isfinite(bound))
        return 0;
    // A plan P costs length(P) / longest + barCost * bars(P) >= bound, and its
    // bars are at most length(P) / shortest bought bars and the offcuts in
    // stock (each bar holds a piece, so at most one bar a piece). Solved for
    // length(P), less a margin for the rounding of the sums that made
    // `bound`, far below a micrometre a bar.
    Micrometres shortest = problem.longestBought;
    double offcutBars = 0;
    for (const StockType &type : problem.stock) {
        if (!type.offcut)
            shortest = std::min(shortest, type.length);
        else
            offcutBars += type.available == CutStock::Unlimited ? prepared.pieceCount : type.available;
    }
    offcutBars = std::min<double>(offcutBars, prepared.pieceCount);
    const double longest = double(problem.longestBought);
    const double perMicrometre = 1 / longest + problem.barCost / double(shortest);
    const double length
        = (bound - problem.barCost * offcutBars) / perMicrometre - 1e-9 * longest * (std::abs(bound) + 1);
    if (length <= 0)
        return 0;
    const auto multiples = Micrometres(std::ceil(length / double(problem.boughtGcd)));
    return multiples * problem.boughtGcd;
}

CutPlan ToPlan(const CutRequest &request, const Prepared &prepared, const Packing &packing)
{
    const Problem &problem = prepared.problem;
    std::vector<Pattern> bars = packing.bars;
    // Offcuts from stock first, then the longest bars; within a length the
    // bars with the longest pieces first.
    std::stable_sort(bars.begin(), bars.end(), [&](const Pattern &a, const Pattern &b) {
        const StockType &x = problem.stock[a.stock], &y = problem.stock[b.stock];
        if (x.offcut != y.offcut)
            return x.offcut;
        if (x.length != y.length)
            return x.length > y.length;
        return std::lexicographical_compare(a.entries.begin(), a.entries.end(), b.entries.begin(), b.entries.end(),
                                            [](const PatternEntry &p, const PatternEntry &q) {
                                                return p.item != q.item ? p.item < q.item : p.count > q.count;
                                            });
    });

    CutPlan plan;
    std::vector<std::size_t> next(prepared.copies.size(), 0);
    for (const Pattern &bar : bars) {
        const StockType &stock = problem.stock[bar.stock];
        CutBar cut;
        cut.length = stock.length;
        cut.fromOffcut = stock.offcut;
        for (const PatternEntry &entry : bar.entries) // items are longest first
            for (int copy = 0; copy < entry.count; ++copy)
                cut.pieces.append(prepared.copies[entry.item][next[entry.item]++]);
        cut.offcut = PatternOffcut(problem, bar);
        cut.offcutUsable = cut.offcut > 0 && cut.offcut >= request.shortestUsableOffcut;
        if (!cut.fromOffcut)
            plan.boughtLength += cut.length;
        plan.bars.append(cut);
    }
    plan.barCount = int(plan.bars.size());
    plan.tooLong = prepared.tooLong;
    plan.uncut = prepared.invalid;
    for (std::size_t item = 0; item < prepared.copies.size(); ++item) {
        for (std::size_t copy = next[item]; copy < prepared.copies[item].size(); ++copy) {
            const int piece = prepared.copies[item][copy];
            if (!plan.uncut.isEmpty() && plan.uncut.last().piece == piece)
                ++plan.uncut.last().count;
            else
                plan.uncut.append({piece, 1});
        }
    }
    std::sort(plan.uncut.begin(), plan.uncut.end(),
              [](const CutShortfall &a, const CutShortfall &b) { return a.piece < b.piece; });
    return plan;
}

} // namespace msweight::cutting
