#include "catalogue/steeltables.h"

#include <QFile>

#include <array>
#include <charconv>
#include <string_view>

// Resources of a static library are registered by name from outside any
// namespace, before the first file is opened.
static void InitSteelResources()
{
    Q_INIT_RESOURCE(steel);
}

namespace msweight {

namespace {

template<std::size_t N>
using Columns = std::array<std::string_view, N>;

// The position of `name` among `columns`, worked out when compiled, so that a
// misspelt column name does not build.
template<std::size_t N>
consteval std::size_t Col(const Columns<N> &columns, std::string_view name)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (columns[i] == name)
            return i;
    }
    throw "no such column";
}

// One CSV file of the resources: comma-separated, one header row, no quoting
// (the files hold no commas or quotes in their texts). Any fault is fatal,
// named by file, line and column: the files are built into the program.
class TableReader
{
public:
    template<std::size_t N>
    TableReader(const char *name, const Columns<N> &columns)
        : m_name(name)
    {
        QFile file(QStringLiteral(":/steel/") + QLatin1StringView(name));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("steel table %s: cannot be read", name);
        m_data = file.readAll();
        m_fields.reserve(N);
        if (!next() || m_fields.size() != N)
            fail(0, "the header does not have the expected columns");
        for (std::size_t i = 0; i < N; ++i) {
            if (m_fields[i] != columns[i])
                fail(i, "expected column name %s", columns[i].data());
        }
    }

    // Moves to the next line; false at the end of the file.
    bool next()
    {
        if (m_at >= m_data.size())
            return false;
        ++m_line;
        const qsizetype end = [&] {
            const qsizetype nl = m_data.indexOf('\n', m_at);
            return nl < 0 ? m_data.size() : nl;
        }();
        std::string_view line(m_data.constData() + m_at, std::size_t(end - m_at));
        m_at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        m_lineStart = line.data();
        m_fields.clear();
        for (;;) {
            const std::size_t comma = line.find(',');
            m_fields.push_back(line.substr(0, comma));
            if (comma == std::string_view::npos)
                break;
            line.remove_prefix(comma + 1);
        }
        for (std::size_t i = 0; i < m_fields.size(); ++i) {
            if (m_fields[i].find('"') != std::string_view::npos)
                fail(i, "a quote (the steel tables are written without quoting)");
        }
        return true;
    }

    void expectFields(std::size_t count) const
    {
        if (m_fields.size() != count)
            fail(std::min(count, m_fields.size()) - 1, "%d fields where the header has %d", int(m_fields.size()),
                 int(count));
    }

    QString text(std::size_t column) const
    {
        return QString::fromUtf8(m_fields[column].data(), qsizetype(m_fields[column].size()));
    }

    std::string_view raw(std::size_t column) const { return m_fields[column]; }

    double number(std::size_t column) const
    {
        const std::string_view f = m_fields[column];
        double value = 0;
        const auto [end, error] = std::from_chars(f.data(), f.data() + f.size(), value);
        if (f.empty() || error != std::errc() || end != f.data() + f.size() || !(value >= 0))
            fail(column, "\"%.*s\" is not a number", int(f.size()), f.data());
        return value;
    }

    std::optional<double> optionalNumber(std::size_t column) const
    {
        if (m_fields[column].empty())
            return std::nullopt;
        return number(column);
    }

    [[noreturn]] void fail(std::size_t column, const char *what, auto... args) const
    {
        // Columns are counted in characters from 1, as an editor shows them.
        const char *at = column < m_fields.size() ? m_fields[column].data() : m_lineStart;
        const QByteArray message = QString::asprintf(what, args...).toUtf8();
        qFatal("steel table %s, line %d, column %d: %s", m_name, m_line, int(at - m_lineStart) + 1,
               message.constData());
    }

private:
    const char *m_name;
    QByteArray m_data;
    qsizetype m_at = 0;
    int m_line = 0;
    const char *m_lineStart = nullptr;
    std::vector<std::string_view> m_fields;
};

template<typename Enum, std::size_t N>
Enum Lookup(const TableReader &csv, std::size_t column, const std::array<std::pair<std::string_view, Enum>, N> &names)
{
    for (const auto &[name, value] : names) {
        if (csv.raw(column) == name)
            return value;
    }
    csv.fail(column, "unknown value \"%.*s\"", int(csv.raw(column).size()), csv.raw(column).data());
}

constexpr Columns<22> RolledColumns = {
    "standard", "series",    "designation", "kind",   "mass_kg_m", "area_cm2",     "depth_mm", "width_mm",
    "web_mm",   "flange_mm", "r1_mm",       "r2_mm",  "ixx_cm4",   "iyy_cm4",      "rxx_cm",   "ryy_cm",
    "zxx_cm3",  "zyy_cm3",   "cyy_cm",      "cxx_cm", "source",    "edition_note",
};

constexpr std::array<std::pair<std::string_view, SectionKind>, 6> KindNames = {{
    {"beam", SectionKind::Beam},
    {"column", SectionKind::Column},
    {"channel", SectionKind::Channel},
    {"equal angle", SectionKind::EqualAngle},
    {"unequal angle", SectionKind::UnequalAngle},
    {"parallel flange beam", SectionKind::ParallelFlangeBeam},
}};

std::vector<RolledSection> ReadRolled()
{
    const auto &c = RolledColumns;
    TableReader csv("rolled-sections.csv", c);
    std::vector<RolledSection> rows;
    rows.reserve(800);
    while (csv.next()) {
        csv.expectFields(c.size());
        RolledSection &r = rows.emplace_back();
        r.standard = csv.text(Col(c, "standard"));
        r.series = csv.text(Col(c, "series"));
        r.designation = csv.text(Col(c, "designation"));
        r.kind = Lookup(csv, Col(c, "kind"), KindNames);
        r.massKgM = csv.number(Col(c, "mass_kg_m"));
        r.areaCm2 = csv.number(Col(c, "area_cm2"));
        r.depthMm = csv.number(Col(c, "depth_mm"));
        r.widthMm = csv.number(Col(c, "width_mm"));
        r.webMm = csv.number(Col(c, "web_mm"));
        r.flangeMm = csv.optionalNumber(Col(c, "flange_mm"));
        r.r1Mm = csv.number(Col(c, "r1_mm"));
        r.r2Mm = csv.optionalNumber(Col(c, "r2_mm"));
        r.ixxCm4 = csv.optionalNumber(Col(c, "ixx_cm4"));
        r.iyyCm4 = csv.optionalNumber(Col(c, "iyy_cm4"));
        r.rxxCm = csv.optionalNumber(Col(c, "rxx_cm"));
        r.ryyCm = csv.optionalNumber(Col(c, "ryy_cm"));
        r.zxxCm3 = csv.optionalNumber(Col(c, "zxx_cm3"));
        r.zyyCm3 = csv.optionalNumber(Col(c, "zyy_cm3"));
        r.cyyCm = csv.optionalNumber(Col(c, "cyy_cm"));
        r.cxxCm = csv.optionalNumber(Col(c, "cxx_cm"));
        r.editionNote = csv.text(Col(c, "edition_note"));
    }
    return rows;
}

constexpr Columns<13> HollowColumns = {
    "standard", "shape",   "designation", "depth_mm", "width_mm", "thickness_mm", "mass_kg_m",
    "area_cm2", "ixx_cm4", "iyy_cm4",     "zxx_cm3",  "zyy_cm3",  "source",
};

constexpr std::array<std::pair<std::string_view, HollowShape>, 3> ShapeNames = {{
    {"SHS", HollowShape::Square},
    {"RHS", HollowShape::Rectangular},
    {"CHS", HollowShape::Circular},
}};

std::vector<HollowSection> ReadHollow()
{
    const auto &c = HollowColumns;
    TableReader csv("hollow-sections.csv", c);
    std::vector<HollowSection> rows;
    rows.reserve(200);
    while (csv.next()) {
        csv.expectFields(c.size());
        HollowSection &r = rows.emplace_back();
        r.standard = csv.text(Col(c, "standard"));
        r.shape = Lookup(csv, Col(c, "shape"), ShapeNames);
        r.designation = csv.text(Col(c, "designation"));
        r.depthMm = csv.number(Col(c, "depth_mm"));
        r.widthMm = r.shape == HollowShape::Circular ? r.depthMm : csv.number(Col(c, "width_mm"));
        r.thicknessMm = csv.number(Col(c, "thickness_mm"));
        r.massKgM = csv.number(Col(c, "mass_kg_m"));
        r.areaCm2 = csv.number(Col(c, "area_cm2"));
        r.ixxCm4 = csv.number(Col(c, "ixx_cm4"));
        r.iyyCm4 = csv.number(Col(c, "iyy_cm4"));
        r.zxxCm3 = csv.number(Col(c, "zxx_cm3"));
        r.zyyCm3 = csv.number(Col(c, "zyy_cm3"));
    }
    return rows;
}

constexpr Columns<12> PipeColumns = {
    "standard",        "nominal_bore_mm",
    "nominal_bore_in", "class",
    "od_mm",           "od_max_mm",
    "od_min_mm",       "thickness_mm",
    "mass_kg_m",       "mass_screwed_socketed_kg_m",
    "source",          "note",
};

constexpr std::array<std::pair<std::string_view, PipeClass>, 3> ClassNames = {{
    {"light", PipeClass::Light},
    {"medium", PipeClass::Medium},
    {"heavy", PipeClass::Heavy},
}};

std::vector<Pipe> ReadPipes()
{
    const auto &c = PipeColumns;
    TableReader csv("pipes.csv", c);
    std::vector<Pipe> rows;
    rows.reserve(40);
    while (csv.next()) {
        csv.expectFields(c.size());
        Pipe &r = rows.emplace_back();
        r.standard = csv.text(Col(c, "standard"));
        const double bore = csv.number(Col(c, "nominal_bore_mm"));
        r.nominalBoreMm = int(bore);
        if (r.nominalBoreMm != bore)
            csv.fail(Col(c, "nominal_bore_mm"), "a nominal bore is a whole number of millimetres");
        r.nominalBoreInch = csv.text(Col(c, "nominal_bore_in"));
        r.pipeClass = Lookup(csv, Col(c, "class"), ClassNames);
        r.odMm = csv.number(Col(c, "od_mm"));
        r.thicknessMm = csv.number(Col(c, "thickness_mm"));
        r.massKgM = csv.number(Col(c, "mass_kg_m"));
        r.massScrewedSocketedKgM = csv.number(Col(c, "mass_screwed_socketed_kg_m"));
        r.note = csv.text(Col(c, "note"));
    }
    return rows;
}

constexpr Columns<7> FlatColumns = {
    "standard", "designation", "printed", "width_mm", "thickness_mm", "mass_kg_m", "source",
};

std::vector<Flat> ReadFlats()
{
    const auto &c = FlatColumns;
    TableReader csv("flats.csv", c);
    std::vector<Flat> rows;
    rows.reserve(320);
    while (csv.next()) {
        csv.expectFields(c.size());
        Flat &r = rows.emplace_back();
        r.standard = csv.text(Col(c, "standard"));
        r.designation = csv.text(Col(c, "designation"));
        r.widthMm = csv.number(Col(c, "width_mm"));
        r.thicknessMm = csv.number(Col(c, "thickness_mm"));
        r.massKgM = csv.number(Col(c, "mass_kg_m"));
    }
    return rows;
}

constexpr Columns<5> DensityColumns = {"material", "density_kg_m3", "range_low", "range_high", "source"};

std::vector<Material> ReadMaterials()
{
    const auto &c = DensityColumns;
    TableReader csv("densities.csv", c);
    std::vector<Material> rows;
    while (csv.next()) {
        csv.expectFields(c.size());
        rows.push_back({csv.text(Col(c, "material")), csv.number(Col(c, "density_kg_m3"))});
    }
    return rows;
}

} // namespace

SteelCatalogue LoadSteelTables()
{
    static const bool registered = (InitSteelResources(), true);
    Q_UNUSED(registered);
    return {ReadRolled(), ReadHollow(), ReadPipes(), ReadFlats(), ReadMaterials()};
}

const SteelCatalogue &SteelTables()
{
    static const SteelCatalogue tables = LoadSteelTables();
    return tables;
}

QString PipeClassName(PipeClass pipeClass)
{
    for (const auto &[name, value] : ClassNames) {
        if (value == pipeClass)
            return QString::fromLatin1(name.data(), qsizetype(name.size()));
    }
    return {};
}

} // namespace msweight
