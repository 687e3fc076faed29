// The linear relaxation of the cutting problem (Gilmore and Gomory): a
// master LP over bar patterns, solved by COIN-OR CLP, and columns added by
// pricing (plan/knapsack.h) until no pattern prices out.
#pragma once

#include "plan/cutmodel.h"
#include "plan/knapsack.h"

#include <memory>
#include <set>
#include <vector>

class ClpSimplex;

namespace msweight::cutting {

class ColumnGeneration
{
public:
    // Covers `demand` with at most `availableLeft` bars of each type (-1 for
    // no limit), starting from the patterns of `pool` that fit both.
    ColumnGeneration(const Problem &problem, const std::vector<int> &demand, const std::vector<int> &availableLeft,
                     const std::vector<Pattern> &pool);
    ~ColumnGeneration();

    // What is left to cover once bars are fixed elsewhere (or, going back,
    // unfixed): patterns that do not fit it are held at zero, the others
    // free again; the LP goes on from its last basis.
    void restrict(const std::vector<int> &demand, const std::vector<int> &availableLeft);

    // Adds columns until none prices out (true) or the deadline passes.
    bool solve(const Deadline &deadline);

    // The best lower bound on the cost of covering the demand that any
    // iteration's prices proved (see the .cpp); -inf before solve.
    double lowerBound() const { return m_lowerBound; }
    double objective() const;
    // The patterns and their values in the last LP solution, and how much of
    // the demand the LP left to the penalty columns.
    const std::vector<Pattern> &patterns() const { return m_patterns; }
    std::vector<double> values() const;
    double uncovered() const;

private:
    void addPattern(const Pattern &pattern);
    double dualBound(const std::vector<double> &price, const std::vector<KnapsackResult> &best) const;

    const Problem &m_problem;
    std::vector<int> m_demand;
    std::vector<int> m_left;
    std::vector<int> m_stockRow; // the row of each type's limit, or -1
    std::unique_ptr<ClpSimplex> m_lp;
    std::vector<Pattern> m_patterns; // column itemCount + k is pattern k
    std::set<Pattern> m_known;       // the same, to look up
    double m_lowerBound;
};

} // namespace msweight::cutting
