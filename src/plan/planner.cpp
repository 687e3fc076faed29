// The search: first-fit decreasing for a first plan, the LP bound from column
// generation, then dives that fix the LP's patterns a few at a time, solving
// the LP again over what is left and completing each step's fixed bars by
// first-fit decreasing, then a limited discrepancy search; it stops once a
// plan meets the bound. Last, the offcuts are lengthened.
#include "plan/colgen.h"
#include "plan/cutmodel.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace msweight {

using namespace cutting;

namespace {

constexpr double Whole = 1e-6; // an LP value within this of an integer is one
constexpr int NodeBudget = 400;

class Dive
{
public:
    Dive(const Prepared &prepared, const Deadline &deadline, const std::function<void(double)> &progress)
        : m_prepared(prepared)
        , m_problem(prepared.problem)
        , m_deadline(deadline)
        , m_progress(progress)
    {
    }

    Packing run(Packing best, Micrometres &lowerBound)
    {
        ColumnGeneration root(m_problem, m_prepared.demand, m_prepared.available, best.bars);
        root.solve(m_deadline);
        lowerBound = LengthBound(m_prepared, root.lowerBound());
        m_pool = root.patterns();
        m_known.insert(m_pool.begin(), m_pool.end());
        // Dives that fix patterns in different ways, each from the root's
        // LP, until one meets the bound.
        for (const Fixing fixing : {Fixing::Rounding, Fixing::Largest, Fixing::LongestPiece}) {
            if (meets(best, lowerBound) || m_deadline.over())
                break;
            dive(root, fixing, best, lowerBound);
        }
        if (!meets(best, lowerBound))
            search(best, lowerBound);
        return best;
    }

private:
    enum class Fixing {
        Rounding,     // every pattern's whole part, else the largest share of one
        Largest,      // one bar of the pattern with the largest share
        LongestPiece, // as Largest, among the patterns holding the longest piece left
    };

    void dive(const ColumnGeneration &root, Fixing fixing, Packing &best, Micrometres lowerBound)
    {
        std::vector<int> demand = m_prepared.demand, left = m_prepared.available;
        std::vector<Pattern> fixed;
        double fixedCost = 0;
        std::unique_ptr<ColumnGeneration> own;
        const ColumnGeneration *lp = &root;
        while (!m_deadline.over()) {
            if (!fix(*lp, fixing, demand, left, fixed, fixedCost))
                break;
            Packing candidate = FirstFitDecreasing(m_problem, demand, left);
            candidate.bars.insert(candidate.bars.begin(), fixed.begin(), fixed.end());
            if (Better(m_problem, candidate, best))
                best = std::move(candidate);
            if (meets(best, lowerBound) || std::all_of(demand.begin(), demand.end(), [](int d) { return d == 0; }))
                break;
            report(demand);

            if (!own) {
                own = std::make_unique<ColumnGeneration>(m_problem, demand, left, m_pool);
            } else {
                own->restrict(demand, left);
            }
            own->solve(m_deadline);
            lp = own.get();
            // The rest of the dive cannot buy less than the best plan.
            if (UncutCount(best) == 0
                && LengthBound(m_prepared, fixedCost + lp->lowerBound()) >= BoughtLength(m_problem, best))
                break;
        }
        if (own)
            for (const Pattern &pattern : own->patterns())
                if (m_known.insert(pattern).second)
                    m_pool.push_back(pattern);
    }

    struct State
    {
        std::vector<int> demand, left;
        std::vector<Pattern> fixed;
        double fixedCost = 0;
    };

    // Where the dives fail, a limited discrepancy search: a dive again, but
    // at each step it may fix the second or a later pattern by share instead
    // of the first, as many times in all as the round allows (1, 2, 3). A
    // node costs an LP; the nodes are counted, not timed, so that the plan
    // does not depend on the machine.
    void search(Packing &best, Micrometres lowerBound)
    {
        ColumnGeneration lp(m_problem, m_prepared.demand, m_prepared.available, m_pool);
        const State root{m_prepared.demand, m_prepared.available, {}, 0};
        for (int discrepancies = 1; discrepancies <= 3; ++discrepancies)
            if (!visit(lp, root, discrepancies, best, lowerBound))
                break;
    }

    // False once the search is to stop.
    bool visit(ColumnGeneration &lp, const State &state, int discrepancies, Packing &best, Micrometres lowerBound)
    {
        if (meets(best, lowerBound) || m_nodes >= NodeBudget || m_deadline.over())
            return false;
        ++m_nodes;
        lp.restrict(state.demand, state.left);
        lp.solve(m_deadline);
        if (UncutCount(best) == 0
            && LengthBound(m_prepared, state.fixedCost + lp.lowerBound()) >= BoughtLength(m_problem, best))
            return true;
        Packing candidate = FirstFitDecreasing(m_problem, state.demand, state.left);
        candidate.bars.insert(candidate.bars.begin(), state.fixed.begin(), state.fixed.end());
        if (Better(m_problem, candidate, best))
            best = std::move(candidate);

        // The children: patterns by share, largest first, the first of equals.
        const std::vector<double> values = lp.values();
        std::vector<std::size_t> order;
        for (std::size_t j = 0; j < values.size(); ++j)
            if (values[j] >= Whole)
                order.push_back(j);
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return values[a] > values[b]; });
        order.resize(std::min<std::size_t>(order.size(), discrepancies + 1));
        std::vector<Pattern> children;
        for (std::size_t j : order)
            children.push_back(lp.patterns()[j]);
        for (int k = 0; k < int(children.size()); ++k) {
            State child = state;
            if (take(children[k], child.demand, child.left, child.fixed, child.fixedCost)
                && !visit(lp, child, discrepancies - k, best, lowerBound))
                return false;
        }
        return true;
    }

    // Fixes bars as `fixing` says from the LP's solution; false when none.
    bool fix(const ColumnGeneration &lp, Fixing fixing, std::vector<int> &demand, std::vector<int> &left,
             std::vector<Pattern> &fixed, double &fixedCost) const
    {
        const std::vector<Pattern> &patterns = lp.patterns();
        const std::vector<double> values = lp.values();
        if (fixing == Fixing::Rounding) {
            bool any = false;
            for (std::size_t j = 0; j < patterns.size(); ++j)
                for (int copy = 0; copy < int(std::floor(values[j] + Whole)); ++copy)
                    any = take(patterns[j], demand, left, fixed, fixedCost) || any;
            if (any)
                return true;
        }
        const auto longest = std::find_if(demand.begin(), demand.end(), [](int d) { return d > 0; }) - demand.begin();
        std::size_t chosen = patterns.size();
        for (std::size_t j = 0; j < patterns.size(); ++j) {
            if (values[j] < Whole || (chosen < patterns.size() && values[j] <= values[chosen]))
                continue;
            const auto &entries = patterns[j].entries;
            if (fixing == Fixing::LongestPiece
                && std::none_of(entries.begin(), entries.end(),
                                [&](const PatternEntry &e) { return e.item == longest; }))
                continue;
            chosen = j;
        }
        return chosen < patterns.size() && take(patterns[chosen], demand, left, fixed, fixedCost);
    }

    bool meets(const Packing &packing, Micrometres lowerBound) const
    {
        return UncutCount(packing) == 0 && BoughtLength(m_problem, packing) <= lowerBound;
    }

    // Fixes one bar of `pattern` if what is left to cut and the stock allow.
    bool take(const Pattern &pattern, std::vector<int> &demand, std::vector<int> &left, std::vector<Pattern> &fixed,
              double &fixedCost) const
    {
        if (left[pattern.stock] == 0)
            return false;
        for (const PatternEntry &entry : pattern.entries)
            if (entry.count > demand[entry.item])
                return false;
        for (const PatternEntry &entry : pattern.entries)
            demand[entry.item] -= entry.count;
        if (left[pattern.stock] > 0)
            --left[pattern.stock];
        fixed.push_back(pattern);
        fixedCost += m_problem.stock[pattern.stock].cost;
        return true;
    }

    void report(const std::vector<int> &demand) const
    {
        if (!m_progress || m_prepared.pieceCount == 0)
            return;
        int left = 0;
        for (int d : demand)
            left += d;
        m_progress(1.0 - double(left) / m_prepared.pieceCount);
    }

    const Prepared &m_prepared;
    const Problem &m_problem;
    const Deadline &m_deadline;
    const std::function<void(double)> &m_progress;
    std::vector<Pattern> m_pool; // every pattern made so far, for the dives' LPs to start from
    std::set<Pattern> m_known;   // the same, to look up
    int m_nodes = 0;
};

} // namespace

CutPlan PlanCuts(const CutRequest &request)
{
    const Prepared prepared = Prepare(request);
    const Deadline deadline(request.timeLimit, request.cancel);
    Packing best = FirstFitDecreasing(prepared.problem, prepared.demand, prepared.available);
    Micrometres lowerBound = 0;
    if (prepared.pieceCount > 0 && !prepared.problem.stock.empty())
        best = Dive(prepared, deadline, request.progress).run(std::move(best), lowerBound);
    ImproveOffcuts(prepared.problem, best, deadline);

    CutPlan plan = ToPlan(request, prepared, best);
    // With pieces left uncut the bound, made for plans that cut them all,
    // says nothing about this plan.
    plan.lowerBound = plan.uncut.isEmpty() ? lowerBound : 0;
    plan.optimal = plan.uncut.isEmpty() && plan.boughtLength == plan.lowerBound;
    plan.cancelled = deadline.hit() && deadline.cancelled();
    plan.timedOut = deadline.hit() && !plan.cancelled;
    if (request.progress)
        request.progress(1.0);
    return plan;
}

CutPlan PlanCutsFirstFit(const CutRequest &request)
{
    const Prepared prepared = Prepare(request);
    Packing packing = FirstFitDecreasing(prepared.problem, prepared.demand, prepared.available);
    return ToPlan(request, prepared, packing);
}

QList<CutPurchase> PurchaseList(const CutPlan &plan)
{
    QList<CutPurchase> purchases;
    for (const CutBar &bar : plan.bars) {
        if (bar.fromOffcut)
            continue;
        auto it = std::find_if(purchases.begin(), purchases.end(),
                               [&](const CutPurchase &p) { return p.length == bar.length; });
        if (it == purchases.end())
            purchases.append({bar.length, 1});
        else
            ++it->count;
    }
    std::sort(purchases.begin(), purchases.end(),
              [](const CutPurchase &a, const CutPurchase &b) { return a.length > b.length; });
    return purchases;
}

} // namespace msweight
