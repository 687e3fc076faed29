#include "plan/knapsack.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

namespace msweight::cutting {

namespace {

// Past this many nodes the search stops with what it has; deterministic,
// unlike a clock.
constexpr long NodeLimit = 200'000;
constexpr double Epsilon = 1e-12;

struct Candidate
{
    int item;
    Micrometres weight;
    double price;
    int most;
};

class Search
{
public:
    Search(std::vector<Candidate> candidates)
        : m_candidates(std::move(candidates))
        , m_counts(m_candidates.size(), 0)
    {
    }

    // The fractional fill of `room` with candidates from `first` on.
    double bound(std::size_t first, Micrometres room) const
    {
        double value = 0;
        for (std::size_t i = first; i < m_candidates.size() && room > 0; ++i) {
            const Candidate &c = m_candidates[i];
            const Micrometres whole = std::min<Micrometres>(c.most, room / c.weight);
            value += c.price * double(whole);
            room -= whole * c.weight;
            if (whole < c.most && room > 0) {
                value += c.price * double(room) / double(c.weight);
                break;
            }
        }
        return value;
    }

    void run(std::size_t next, Micrometres room, double value)
    {
        if (++m_nodes > NodeLimit) {
            m_complete = false;
            return;
        }
        if (value > m_bestValue + Epsilon) {
            m_bestValue = value;
            m_best = m_counts;
        }
        if (next == m_candidates.size())
            return;
        const Candidate &c = m_candidates[next];
        for (int take = int(std::min<Micrometres>(c.most, room / c.weight)); take >= 0; --take) {
            const Micrometres rest = room - take * c.weight;
            const double taken = value + c.price * take;
            if (taken + bound(next + 1, rest) <= m_bestValue + Epsilon)
                continue;
            m_counts[next] = take;
            run(next + 1, rest, taken);
            m_counts[next] = 0;
            if (m_nodes > NodeLimit)
                return;
        }
    }

    std::vector<Candidate> m_candidates;
    std::vector<int> m_counts;
    std::vector<int> m_best;
    double m_bestValue = 0;
    long m_nodes = 0;
    bool m_complete = true;
};

// Dynamic programming over the room in units of the weights' common divisor,
// each item split into 1, 2, 4, ... copies so that every count up to its
// most is a sum of parts: exact, and quick while room times parts is small.
constexpr long DynamicLimit = 1'000'000;

std::optional<KnapsackResult> Dynamic(const std::vector<Candidate> &candidates, Micrometres capacity)
{
    Micrometres unit = capacity;
    for (const Candidate &c : candidates)
        unit = std::gcd(unit, c.weight);
    struct Part
    {
        std::size_t candidate;
        int count;
        long weight;
        double price;
    };
    std::vector<Part> parts;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const Candidate &c = candidates[i];
        int left = int(std::min<Micrometres>(c.most, capacity / c.weight));
        for (int count = 1; left > 0; count *= 2) {
            const int take = std::min(count, left);
            parts.push_back({i, take, long(c.weight / unit) * take, c.price * take});
            left -= take;
        }
    }
    const long room = long(capacity / unit);
    if (unit <= 0 || double(room + 1) * double(parts.size() + 1) > DynamicLimit)
        return std::nullopt;

    std::vector<double> best(room + 1, 0.0);
    std::vector<unsigned char> taken(parts.size() * (room + 1), 0); // by part, then room
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const Part &part = parts[p];
        for (long r = room; r >= part.weight; --r) {
            const double value = best[r - part.weight] + part.price;
            if (value > best[r] + Epsilon) {
                best[r] = value;
                taken[p * (room + 1) + r] = 1;
            }
        }
    }
    KnapsackResult result;
    std::vector<int> counts(candidates.size(), 0);
    long r = room;
    for (std::size_t p = parts.size(); p-- > 0;) {
        if (taken[p * (room + 1) + r]) {
            counts[parts[p].candidate] += parts[p].count;
            r -= parts[p].weight;
        }
    }
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (counts[i] > 0) {
            result.entries.push_back({candidates[i].item, counts[i]});
            result.value += candidates[i].price * counts[i];
        }
    }
    result.upperBound = std::max(best[room], result.value);
    return result;
}

} // namespace

KnapsackResult BestPattern(const std::vector<Item> &items, const std::vector<int> &most,
                           const std::vector<double> &price, Micrometres capacity)
{
    std::vector<Candidate> candidates;
    for (int item = 0; item < int(items.size()); ++item)
        if (price[item] > Epsilon && most[item] > 0 && items[item].weight <= capacity)
            candidates.push_back({item, items[item].weight, price[item], most[item]});
    // Best price per micrometre first; ties longest first, then by item, so
    // that the order never depends on the sort.
    std::sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) {
        const double x = a.price * double(b.weight), y = b.price * double(a.weight);
        if (x != y)
            return x > y;
        return a.item < b.item;
    });
    if (std::optional<KnapsackResult> exact = Dynamic(candidates, capacity)) {
        std::sort(exact->entries.begin(), exact->entries.end(),
                  [](const PatternEntry &a, const PatternEntry &b) { return a.item < b.item; });
        return *exact;
    }
    Search search(candidates);
    const double rootBound = search.bound(0, capacity);
    search.run(0, capacity, 0);

    KnapsackResult result;
    result.value = search.m_bestValue;
    result.upperBound = search.m_complete ? std::max(result.value, 0.0) : rootBound;
    for (std::size_t i = 0; i < search.m_best.size(); ++i)
        if (search.m_best[i] > 0)
            result.entries.push_back({search.m_candidates[i].item, search.m_best[i]});
    std::sort(result.entries.begin(), result.entries.end(),
              [](const PatternEntry &a, const PatternEntry &b) { return a.item < b.item; });
    return result;
}

} // namespace msweight::cutting
