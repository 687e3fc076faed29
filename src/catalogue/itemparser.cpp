#include "catalogue/itemparser.h"

#include "catalogue/itemquery.h"

#include <algorithm>
#include <array>

namespace msweight {

namespace {

// A way of writing an entry's sizes: "75x50x8", or "50x8" for ISA 50x50x8.
struct Sizes
{
    int count = 0;
    std::array<double, 3> values{};
    std::array<QString, 3> texts;

    void add(const QString &text)
    {
        texts[count] = text;
        values[count] = text.toDouble();
        ++count;
    }
};

struct Candidate
{
    Family family;
    Item item;
    std::array<Sizes, 3> ways; // the designation's own way first
    int wayCount = 0;
    double massKgM = 0;
    QString standard;
    int year = 0; // of the edition, 0 where the standard names none
    std::optional<PipeClass> pipeClass;
    double boreInch = 0;
};

struct Index
{
    std::vector<Candidate> candidates;
    QStringList standards; // every edition the catalogue holds
};

// The sizes of a designation after its series: "ISA 75x50x8" gives 75, 50,
// 8; "ISHB 150 (27.1 kg/m)" gives 150.
Sizes SizesOf(const QString &designation)
{
    QString tail = designation.section(u' ', 1);
    if (const qsizetype mass = tail.indexOf(u" ("); mass >= 0)
        tail.truncate(mass);
    Sizes sizes;
    for (const QString &part : tail.split(u'x'))
        sizes.add(part);
    return sizes;
}

int YearOf(const QString &standard)
{
    const QString year = standard.right(4);
    bool ok = false;
    const int value = year.toInt(&ok);
    return ok ? value : 0;
}

double InchValue(const QString &text)
{
    double value = 0;
    for (const QString &part : text.split(u' ')) {
        const qsizetype slash = part.indexOf(u'/');
        value += slash < 0 ? part.toDouble() : part.left(slash).toDouble() / part.mid(slash + 1).toDouble();
    }
    return value;
}

Index BuildIndex()
{
    const SteelCatalogue &tables = SteelTables();
    Index index;
    index.candidates.reserve(tables.rolled.size() + tables.hollow.size() + tables.pipes.size() + tables.flats.size());
    auto add = [&](Family family, Item item, const QString &standard, double mass, Sizes sizes) -> Candidate & {
        Candidate &c
            = index.candidates.emplace_back(Candidate{family, item, {}, 1, mass, standard, YearOf(standard), {}, 0});
        c.ways[0] = std::move(sizes);
        if (!index.standards.contains(standard))
            index.standards << standard;
        return c;
    };
    for (const RolledSection &s : tables.rolled) {
        const Family family = FamilyOfSeries(s.series);
        if (family == Family::Count)
            qFatal("rolled-sections.csv: no family for series %s", qPrintable(s.series));
        Candidate &c = add(family, &s, s.standard, s.massKgM, SizesOf(s.designation));
        const Sizes &own = c.ways[0];
        if (family == Family::Angle && own.values[0] != own.values[1]) {
            Sizes &swapped = c.ways[c.wayCount++];
            for (int i : {1, 0, 2})
                swapped.add(own.texts[i]);
        } else if (family == Family::Angle) {
            Sizes &equal = c.ways[c.wayCount++];
            equal.add(own.texts[0]);
            equal.add(own.texts[2]);
        }
        if (const qsizetype open = s.designation.indexOf(u" ("); open >= 0) {
            // A designation that repeats within its edition carries its mass.
            Sizes &withMass = c.ways[c.wayCount++];
            withMass.add(own.texts[0]);
            withMass.add(s.designation.mid(open + 2).section(u' ', 0, 0));
        }
    }
    for (const HollowSection &s : tables.hollow) {
        const Family family = s.shape == HollowShape::Square ? Family::SquareHollow
            : s.shape == HollowShape::Circular               ? Family::CircularHollow
                                                             : Family::RectangularHollow;
        Candidate &c = add(family, &s, s.standard, s.massKgM, SizesOf(s.designation));
        if (family == Family::SquareHollow) {
            Sizes &side = c.ways[c.wayCount++];
            side.add(c.ways[0].texts[0]);
            side.add(c.ways[0].texts[2]);
        }
    }
    for (const Pipe &p : tables.pipes) {
        Sizes bore;
        bore.add(QString::number(p.nominalBoreMm));
        Candidate &c = add(Family::Pipe, &p, p.standard, p.massKgM, bore);
        c.pipeClass = p.pipeClass;
        c.boreInch = InchValue(p.nominalBoreInch);
    }
    for (const Flat &f : tables.flats)
        add(Family::Flat, &f, f.standard, f.massKgM, SizesOf(f.designation));
    // The longest first, so that no standard is found inside another.
    std::sort(index.standards.begin(), index.standards.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    return index;
}

const Index &TheIndex()
{
    static const Index index = BuildIndex();
    return index;
}

enum Quality : int { Complete, Partial, Begun, NoMatch };

// How the typed dimensions fit one way of writing an entry's sizes: all of
// them (Complete), the first few (Partial), or the last only begun.
Quality Fit(const Sizes &sizes, const std::vector<Dimension> &dims, bool lastIsPrefix)
{
    const int n = int(dims.size());
    if (n > sizes.count)
        return NoMatch;
    bool begun = false;
    for (int i = 0; i < n; ++i) {
        if (dims[i].mm() == sizes.values[i])
            continue;
        if (i == n - 1 && lastIsPrefix && !dims[i].inch && sizes.texts[i].startsWith(dims[i].text)) {
            begun = true;
            continue;
        }
        return NoMatch;
    }
    return begun ? Begun : n == sizes.count ? Complete : Partial;
}

Quality FitPipe(const Candidate &c, const ItemQuery &q)
{
    if (q.pipeClass && *q.pipeClass != *c.pipeClass)
        return NoMatch;
    if (q.dimensions.empty())
        return Partial;
    if (q.dimensions.size() > 1)
        return NoMatch; // an outside diameter and a wall: a tube by its dimensions
    const Dimension &bore = q.dimensions.front();
    if (bore.inch)
        return bore.value == c.boreInch ? Complete : NoMatch;
    return Fit(c.ways[0], q.dimensions, q.lastIsPrefix);
}

bool Steel(const ItemQuery &q)
{
    return (!q.material || *q.material == 0) && (!q.density || *q.density == MildSteelDensity);
}

// The shape of `family` that the typed dimensions give, if they give one.
std::optional<ShapeSize> ShapeFor(Family family, const ItemQuery &q)
{
    std::array<double, 3> d{};
    const std::size_t n = q.dimensions.size();
    if (n == 0 || n > 3)
        return std::nullopt;
    for (std::size_t i = 0; i < n; ++i) {
        d[i] = q.dimensions[i].mm();
        if (!(d[i] > 0))
            return std::nullopt;
    }
    std::optional<ShapeSize> s;
    switch (family) {
    case Family::Plate:
        s = n == 1 ? ShapeSize{ShapeKind::Plate, 0, 0, d[0]} : ShapeSize{ShapeKind::Plate, d[0], 0, d[1]};
        return n <= 2 ? s : std::nullopt;
    case Family::Flat:
        return n == 2 ? std::optional(ShapeSize{ShapeKind::Flat, d[0], 0, d[1]}) : std::nullopt;
    case Family::RoundBar:
    case Family::SquareBar:
        return n == 1 ? std::optional(ShapeSize{ShapeOf(family), d[0], 0, 0}) : std::nullopt;
    case Family::CircularHollow:
        s = ShapeSize{ShapeKind::CircularHollow, d[0], 0, d[1]};
        return n == 2 && 2 * d[1] <= d[0] ? s : std::nullopt;
    case Family::SquareHollow:
        if (n == 2)
            d = {d[0], d[0], d[1]};
        else if (n != 3 || d[0] != d[1])
            return std::nullopt;
        break;
    case Family::RectangularHollow:
        if (n != 3)
            return std::nullopt;
        break;
    default:
        return std::nullopt;
    }
    if (2 * d[2] >= std::min(d[0], d[1]))
        return std::nullopt; // no room inside the walls
    return ShapeSize{ShapeOf(family), d[0], d[1], d[2]};
}

struct Found
{
    Quality quality;
    Family family;
    const Candidate *candidate; // null for a shape
    ShapeItem shape;
    std::array<double, 3> key; // sizes, so that a list runs from small to large
    int editionRank;           // 0: the preferred edition
    int year;
    std::size_t order;
};

bool Before(const Found &a, const Found &b)
{
    return std::tie(a.quality, a.family, a.key, a.editionRank, b.year, a.order)
        < std::tie(b.quality, b.family, b.key, b.editionRank, a.year, b.order);
}

std::vector<Found> FindAll(const ItemQuery &q, const ParseOptions &options)
{
    const Index &index = TheIndex();
    std::vector<Found> found;
    FamilySet complete = 0;
    if (Steel(q)) {
        for (std::size_t i = 0; i < index.candidates.size(); ++i) {
            const Candidate &c = index.candidates[i];
            if (!(q.families & FamilyBit(c.family)) || (!q.edition.isEmpty() && c.standard != q.edition))
                continue;
            if (q.massKgM && std::abs(c.massKgM - *q.massKgM) > 0.05 + 1e-9)
                continue;
            Quality best = NoMatch;
            if (c.family == Family::Pipe) {
                best = FitPipe(c, q);
            } else {
                for (int w = 0; w < c.wayCount; ++w)
                    best = std::min(best, Fit(c.ways[w], q.dimensions, q.lastIsPrefix));
            }
            if (best == NoMatch)
                continue;
            if (best == Complete)
                complete |= FamilyBit(c.family);
            const int rank = options.preferredEdition.isEmpty() || c.standard != options.preferredEdition;
            found.push_back({best, c.family, &c, {}, c.ways[0].values, rank, c.year, i});
        }
    }
    if (q.familyNamed && q.edition.isEmpty() && !q.massKgM) {
        Material material = MildSteel();
        if (q.material)
            material = MaterialOf(*q.material);
        else if (q.density)
            material = {QString(), *q.density};
        for (int f = 0; f < int(Family::Count); ++f) {
            const Family family = Family(f);
            if (!(q.families & FamilyBit(family)) || (complete & FamilyBit(family)))
                continue;
            if (const std::optional<ShapeSize> size = ShapeFor(family, q))
                found.push_back({Complete, family, nullptr, {*size, material}, {size->a, size->b, size->t}, 0, 0, 0});
        }
    }
    std::sort(found.begin(), found.end(), Before);
    return found;
}

ItemMatch MatchOf(const Found &f)
{
    const Item item = f.candidate ? f.candidate->item : Item(f.shape);
    return {item, DescribeItem(item), ItemUnitWeight(item), ItemUnitBasis(item)};
}

} // namespace

std::vector<ItemMatch> SearchItems(QStringView text, const ParseOptions &options, std::size_t limit)
{
    const ItemQuery q = ReadItemQuery(text, TheIndex().standards, true);
    if (!q.error.isEmpty())
        return {};
    const std::vector<Found> found = FindAll(q, options);
    std::vector<ItemMatch> matches;
    matches.reserve(std::min(limit, found.size()));
    for (std::size_t i = 0; i < found.size() && i < limit; ++i)
        matches.push_back(MatchOf(found[i]));
    return matches;
}

ParsedItem ParseItem(QStringView text, const ParseOptions &options)
{
    const QString quoted = u'"' + text.trimmed().toString() + u'"';
    const ItemQuery q = ReadItemQuery(text, TheIndex().standards, false);
    if (!q.error.isEmpty())
        return {std::nullopt, QStringLiteral("%1 is not understood: %2.").arg(quoted, q.error)};
    const std::vector<Found> found = FindAll(q, options);
    if (found.empty() || found.front().quality != Complete) {
        if (q.dimensions.empty())
            return {std::nullopt, QStringLiteral("%1 is not understood: it gives no size.").arg(quoted)};
        if (!Steel(q) && !(q.families & ~RolledFamilies))
            return {std::nullopt, QStringLiteral("%1 is not understood: rolled sections are steel.").arg(quoted)};
        if (!found.empty())
            return {std::nullopt,
                    QStringLiteral("%1 is not understood: it does not give every size of %2.")
                        .arg(quoted, MatchOf(found.front()).display)};
        return {std::nullopt,
                QStringLiteral("%1 is not understood: no item of the catalogue has these sizes.").arg(quoted)};
    }
    // The first of its family and edition, unless others of that family and
    // edition fit as well: then the text does not say which.
    const Found &best = found.front();
    QStringList alike;
    for (const Found &f : found) {
        if (f.quality == Complete && f.family == best.family && f.editionRank == best.editionRank
            && f.year == best.year)
            alike << MatchOf(f).display;
    }
    if (alike.size() > 1) {
        return {std::nullopt,
                QStringLiteral("%1 is not understood: it names %2 items (%3).")
                    .arg(quoted)
                    .arg(alike.size())
                    .arg(alike.join(QStringLiteral("; ")))};
    }
    return {MatchOf(best), QString()};
}

} // namespace msweight
