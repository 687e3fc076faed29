#include "plan/colgen.h"

#include <coin/ClpSimplex.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

namespace msweight::cutting {

namespace {

// An item's piece left uncut costs this in the LP: more than any bar, so
// that the penalty columns carry demand only where the stock runs out.
constexpr double Penalty = 4.0;
constexpr double PricingTolerance = 1e-9;

} // namespace

ColumnGeneration::ColumnGeneration(const Problem &problem, const std::vector<int> &demand,
                                   const std::vector<int> &availableLeft, const std::vector<Pattern> &pool)
    : m_problem(problem)
    , m_demand(demand)
    , m_left(availableLeft)
    , m_lp(std::make_unique<ClpSimplex>())
    , m_lowerBound(-std::numeric_limits<double>::infinity())
{
    const int itemCount = int(problem.items.size());
    int rows = itemCount;
    for (int left : m_left)
        m_stockRow.push_back(left > 0 ? rows++ : -1);

    m_lp->setLogLevel(0);
    m_lp->scaling(0); // counts of pieces and ones: nothing to scale, and scaling again at every solve cost 5%
    m_lp->resize(rows, 0);
    for (int item = 0; item < itemCount; ++item)
        m_lp->setRowBounds(item, m_demand[item], COIN_DBL_MAX);
    for (int type = 0; type < int(m_left.size()); ++type)
        if (m_stockRow[type] >= 0)
            m_lp->setRowBounds(m_stockRow[type], -COIN_DBL_MAX, m_left[type]);
    for (int item = 0; item < itemCount; ++item) {
        const double one = 1;
        m_lp->addColumn(1, &item, &one, 0, COIN_DBL_MAX, Penalty);
    }
    for (const Pattern &pattern : pool) {
        const bool fits = m_left[pattern.stock] != 0
            && std::all_of(pattern.entries.begin(), pattern.entries.end(),
                           [&](const PatternEntry &e) { return e.count <= m_demand[e.item]; });
        if (fits && !m_known.contains(pattern))
            addPattern(pattern);
    }
}

ColumnGeneration::~ColumnGeneration() = default;

void ColumnGeneration::addPattern(const Pattern &pattern)
{
    std::vector<int> rows;
    std::vector<double> elements;
    for (const PatternEntry &entry : pattern.entries) {
        rows.push_back(entry.item);
        elements.push_back(entry.count);
    }
    if (m_stockRow[pattern.stock] >= 0) {
        rows.push_back(m_stockRow[pattern.stock]);
        elements.push_back(1);
    }
    m_lp->addColumn(int(rows.size()), rows.data(), elements.data(), 0, COIN_DBL_MAX,
                    m_problem.stock[pattern.stock].cost);
    m_patterns.push_back(pattern);
    m_known.insert(pattern);
}

// Any prices p >= 0 give a bound, whether or not the LP has converged (a
// Lagrangian bound): let V(t) be the most a pattern of type t is worth at p.
// Scaled by s so that s V(t) <= cost(t) for every type without a limit, and
// with mu(t) = max(0, s V(t) - cost(t)) for each limited one, (s p, mu) is a
// feasible dual solution, and its value
//     s * sum(demand * p) - sum(limit(t) * mu(t))
// is at most the LP's optimum, hence at most any plan's cost. V(t) is the
// knapsack's proven upper bound, so a search cut short weakens the bound
// without making it wrong.
double ColumnGeneration::dualBound(const std::vector<double> &price, const std::vector<KnapsackResult> &best) const
{
    double scale = 1;
    for (int type = 0; type < int(m_left.size()); ++type) {
        const double worth = best[type].upperBound, cost = m_problem.stock[type].cost;
        if (m_left[type] == CutStock::Unlimited && worth > cost)
            scale = std::min(scale, cost / worth);
    }
    double bound = 0;
    for (int item = 0; item < int(price.size()); ++item)
        bound += scale * price[item] * m_demand[item];
    for (int type = 0; type < int(m_left.size()); ++type)
        if (m_left[type] > 0)
            bound -= m_left[type] * std::max(0.0, scale * best[type].upperBound - m_problem.stock[type].cost);
    return bound;
}

void ColumnGeneration::restrict(const std::vector<int> &demand, const std::vector<int> &availableLeft)
{
    m_demand = demand;
    m_left = availableLeft;
    const int itemCount = int(m_problem.items.size());
    for (int item = 0; item < itemCount; ++item)
        m_lp->setRowLower(item, m_demand[item]);
    for (int type = 0; type < int(m_left.size()); ++type)
        if (m_stockRow[type] >= 0)
            m_lp->setRowUpper(m_stockRow[type], std::max(0, m_left[type]));
    for (std::size_t j = 0; j < m_patterns.size(); ++j) {
        const Pattern &pattern = m_patterns[j];
        const bool fits = m_left[pattern.stock] != 0
            && std::all_of(pattern.entries.begin(), pattern.entries.end(),
                           [&](const PatternEntry &e) { return e.count <= m_demand[e.item]; });
        m_lp->setColumnUpper(itemCount + int(j), fits ? COIN_DBL_MAX : 0.0);
    }
    m_lowerBound = -std::numeric_limits<double>::infinity();
}

bool ColumnGeneration::solve(const Deadline &deadline)
{
    const int itemCount = int(m_problem.items.size());
    std::vector<double> price(itemCount);
    std::vector<KnapsackResult> best(m_left.size());
    std::vector<int> most(itemCount);
    m_lp->primal();
    for (;;) {
        if (deadline.over())
            return false;
        const double *dual = m_lp->dualRowSolution();
        for (int item = 0; item < itemCount; ++item)
            price[item] = std::max(0.0, dual[item]);
        bool added = false;
        for (int type = 0; type < int(m_left.size()); ++type) {
            if (m_left[type] == 0)
                continue;
            const StockType &stock = m_problem.stock[type];
            for (int item = 0; item < itemCount; ++item)
                most[item] = int(std::min<Micrometres>(m_demand[item], stock.capacity / m_problem.items[item].weight));
            best[type] = BestPattern(m_problem.items, most, price, stock.capacity);
            const double limitPrice = m_stockRow[type] >= 0 ? std::max(0.0, -dual[m_stockRow[type]]) : 0.0;
            const double reducedCost = stock.cost + limitPrice - best[type].value;
            Pattern pattern{type, best[type].entries};
            if (reducedCost < -PricingTolerance && !pattern.entries.empty() && !m_known.contains(pattern)) {
                addPattern(pattern);
                added = true;
            }
        }
        m_lowerBound = std::max(m_lowerBound, dualBound(price, best));
        if (!added)
            return m_lp->status() == 0;
        m_lp->primal();
    }
}

double ColumnGeneration::objective() const
{
    return m_lp->objectiveValue();
}

std::vector<double> ColumnGeneration::values() const
{
    const double *x = m_lp->primalColumnSolution();
    const int itemCount = int(m_problem.items.size());
    return std::vector<double>(x + itemCount, x + itemCount + m_patterns.size());
}

double ColumnGeneration::uncovered() const
{
    const double *x = m_lp->primalColumnSolution();
    double sum = 0;
    for (int item = 0; item < int(m_problem.items.size()); ++item)
        sum += x[item];
    return sum;
}

} // namespace msweight::cutting
