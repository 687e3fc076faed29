// Cutting plans on the classic bin-packing sets and on a made-up job, against
// first-fit decreasing on the same instances. A plain program: it prints one
// table row a set.
//
// The sets follow Falkenauer's recipes (1996), from fixed seeds:
// - uniform ("u"): item sizes uniform integers in 20..100, bins of 150;
// - triplets ("t"): bins of 1,000, each filled exactly by three items: the
//   first uniform in 380..490, the second uniform in 250..(1000 - first) / 2,
//   the third what is left; so the optimum is a third of the items.
// Sizes are millimetres, no kerf. The job: 12 groups of 25 pieces (lengths
// 0.3 to 11 m in 5 mm steps, or to 5.9 m for bars), 12 m and 6 m stock, a 3 mm
// kerf, a few offcuts in stock.
//
// bench_cutplan [set ...]   sets: u120 u250 u500 u1000 t60 t120 t249 t501 job, and
// example, which prints the plan of docs/cutting.md's example
#include "plan/cutplan.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <map>
#include <random>

using namespace msweight;

namespace {

constexpr Micrometres Mm = MicrometresPerMillimetre;

int Uniform(std::mt19937 &rng, int low, int high)
{
    return low + int(rng() % std::uint32_t(high - low + 1));
}

CutRequest BinPacking(const std::vector<int> &sizes, int capacity)
{
    std::map<int, int, std::greater<>> counts;
    for (int size : sizes)
        ++counts[size];
    CutRequest request;
    for (const auto &[size, count] : counts)
        request.pieces.append({size * Mm, count, QString::number(size)});
    request.stock.append({capacity * Mm, CutStock::Unlimited});
    request.kerf = 0;
    request.shortestUsableOffcut = 0;
    return request;
}

CutRequest UniformInstance(int items, int instance)
{
    std::mt19937 rng(1000 * items + instance);
    std::vector<int> sizes;
    for (int i = 0; i < items; ++i)
        sizes.push_back(Uniform(rng, 20, 100));
    return BinPacking(sizes, 150);
}

CutRequest TripletInstance(int items, int instance)
{
    std::mt19937 rng(2000 * items + instance);
    std::vector<int> sizes;
    for (int bin = 0; bin < items / 3; ++bin) {
        const int first = Uniform(rng, 380, 490);
        const int second = Uniform(rng, 250, (1000 - first) / 2);
        sizes.insert(sizes.end(), {first, second, 1000 - first - second});
    }
    return BinPacking(sizes, 1000);
}

QList<CutRequest> Job()
{
    std::mt19937 rng(42);
    QList<CutRequest> groups;
    for (int group = 0; group < 12; ++group) {
        const bool rolled = group < 6; // sections to 11 m; bars, flats and pipes to 5.9 m
        CutRequest request;
        int pieces = 0;
        for (int type = 0; pieces < 25; ++type) {
            const int count = std::min(25 - pieces, Uniform(rng, 1, 6));
            const int length = 5 * Uniform(rng, 60, rolled ? 2200 : 1180); // 0.3 m to 11 m in 5 mm steps
            request.pieces.append({length * Mm, count, QStringLiteral("G%1-%2").arg(group + 1).arg(type + 1)});
            pieces += count;
        }
        request.stock = {{12000 * Mm, CutStock::Unlimited}, {6000 * Mm, CutStock::Unlimited}};
        if (group % 3 == 0)
            request.offcuts = {{2400 * Mm, 2}, {4100 * Mm, 1}};
        groups.append(request);
    }
    return groups;
}

// The worked example of docs/cutting.md: one beam size's pieces.
CutRequest Example()
{
    CutRequest request;
    request.pieces = {{6100 * Mm, 1, "B1"},
                      {3550 * Mm, 5, "B2"},
                      {1700 * Mm, 2, "B3"},
                      {1150 * Mm, 2, "B4"},
                      {1050 * Mm, 1, "B5"}};
    request.stock = {{12000 * Mm, CutStock::Unlimited}, {6000 * Mm, CutStock::Unlimited}};
    request.offcuts = {{3500 * Mm, 1}};
    return request; // 3 mm kerf, offcuts from 0.5 m kept
}

void PrintExample(QTextStream &out)
{
    const CutRequest request = Example();
    for (const auto &[name, plan] :
         {std::pair{"first-fit decreasing", PlanCutsFirstFit(request)}, std::pair{"planner", PlanCuts(request)}}) {
        out << name << ": " << plan.bars.size() << " bars, " << double(plan.boughtLength) / MicrometresPerMetre
            << " m bought, bound " << double(plan.lowerBound) / MicrometresPerMetre << " m"
            << (plan.optimal ? ", optimal" : "") << Qt::endl;
        for (const CutBar &bar : plan.bars) {
            QStringList pieces;
            for (int piece : bar.pieces)
                pieces << QStringLiteral("%1 %2")
                              .arg(request.pieces[piece].mark)
                              .arg(double(request.pieces[piece].length) / MicrometresPerMetre);
            out << "  " << double(bar.length) / MicrometresPerMetre << " m" << (bar.fromOffcut ? " (offcut)" : "")
                << ": " << pieces.join(", ") << "; offcut " << double(bar.offcut) / MicrometresPerMetre << " m"
                << (bar.offcut == 0        ? ""
                        : bar.offcutUsable ? " kept"
                                           : " scrap")
                << Qt::endl;
        }
        for (const CutPurchase &purchase : PurchaseList(plan))
            out << "  buy " << purchase.count << " x " << double(purchase.length) / MicrometresPerMetre << " m"
                << Qt::endl;
    }
}

struct Totals
{
    int instances = 0, proven = 0, timedOut = 0, withinOne = 0, faults = 0;
    double ffdAbove = 0, planAbove = 0; // bars above the bound, summed
    double time = 0, maxTime = 0, ffdTime = 0;
};

// Bars of the longest stock length the bound allows (the sets have one length).
double Bars(Micrometres length, Micrometres stock)
{
    return double(length) / double(stock);
}

void Run(Totals &totals, const CutRequest &request)
{
    QElapsedTimer timer;
    timer.start();
    const CutPlan ffd = PlanCutsFirstFit(request);
    totals.ffdTime += timer.nsecsElapsed() / 1e6;
    timer.restart();
    const CutPlan plan = PlanCuts(request);
    const double ms = timer.nsecsElapsed() / 1e6;
    totals.time += ms;
    totals.maxTime = std::max(totals.maxTime, ms);
    ++totals.instances;
    totals.proven += plan.optimal;
    totals.timedOut += plan.timedOut;
    const Micrometres stock = request.stock.first().length;
    totals.ffdAbove += Bars(ffd.boughtLength - plan.lowerBound, stock);
    totals.planAbove += Bars(plan.gap(), stock);
    totals.withinOne += plan.gap() <= stock;
    totals.faults += int(!CheckCutPlan(request, plan).isEmpty()) + int(!CheckCutPlan(request, ffd).isEmpty());
}

void Print(QTextStream &out, const QString &set, const Totals &t)
{
    out << QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 | %7 | %8 | %9 |")
               .arg(set)
               .arg(t.instances)
               .arg(t.ffdAbove / t.instances, 0, 'f', 2)
               .arg(t.planAbove / t.instances, 0, 'f', 2)
               .arg(QStringLiteral("%1/%2").arg(t.proven).arg(t.instances))
               .arg(t.withinOne)
               .arg(t.time / t.instances, 0, 'f', 1)
               .arg(t.maxTime, 0, 'f', 1)
               .arg(t.ffdTime / t.instances, 0, 'f', 2)
        << (t.timedOut ? QStringLiteral(" %1 timed out").arg(t.timedOut) : QString())
        << (t.faults ? QStringLiteral(" %1 FAULTY").arg(t.faults) : QString()) << Qt::endl;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList sets = app.arguments().mid(1);
    if (sets.isEmpty())
        sets = {"u120", "u250", "u500", "u1000", "t60", "t120", "t249", "t501", "job"};
    QTextStream out(stdout);
    if (sets != QStringList{"example"})
        out << "| set | instances | FFD bars above bound | plan bars above bound | proven optimal | within one bar | "
               "ms mean | ms max | FFD ms mean |"
            << Qt::endl
            << "|---|---|---|---|---|---|---|---|---|" << Qt::endl;
    for (const QString &set : sets) {
        Totals totals;
        if (set == QLatin1String("example")) {
            PrintExample(out);
            continue;
        }
        if (set == QLatin1String("job")) {
            // Stock lengths differ here: "bars above" is in 12 m bars.
            QElapsedTimer timer;
            timer.start();
            Totals job;
            for (const CutRequest &group : Job())
                Run(job, group);
            job.maxTime = timer.nsecsElapsed() / 1e6; // the whole job
            Print(out, QStringLiteral("job (12 groups, 300 pieces; max = all)"), job);
            continue;
        }
        const int items = set.mid(1).toInt();
        const int count = 20;
        for (int instance = 0; instance < count; ++instance) {
            CutRequest request
                = set.startsWith('u') ? UniformInstance(items, instance) : TripletInstance(items, instance);
            if (items >= 1000)
                request.timeLimit = std::chrono::milliseconds(4500);
            Run(totals, request);
        }
        Print(out, set, totals);
    }
    return 0;
}
