#include "sheet/itemline.h"

#include "calc/calc.h"
#include "numtext/numtext.h"

namespace msweight {

namespace {

struct KindNames
{
    QStringView one;
    QStringView many;
};

constexpr KindNames Names[] = {
    {u"Beam", u"Beams"},
    {u"Column", u"Columns"},
    {u"Parallel flange beam", u"Parallel flange beams"},
    {u"Channel", u"Channels"},
    {u"Angle", u"Angles"},
    {u"Hollow section", u"Hollow sections"},
    {u"Pipe", u"Pipes"},
    {u"Flat", u"Flats"},
    {u"Plate", u"Plates"},
    {u"Round bar", u"Round bars"},
    {u"Square bar", u"Square bars"},
    {u"Flange", u"Flanges"},
    {u"Transition piece", u"Transition pieces"},
};
static_assert(std::size(Names) == std::size_t(ItemKind::TransitionPieces) + 1, "a name for every kind");

constexpr Field PerMetre[] = {Field::Length, Field::Quantity};
constexpr Field PerSquareMetre[] = {Field::Length, Field::Width, Field::Quantity};

ItemKind KindOfSection(SectionKind kind)
{
    switch (kind) {
    case SectionKind::Beam:
        return ItemKind::Beams;
    case SectionKind::Column:
        return ItemKind::Columns;
    case SectionKind::Channel:
        return ItemKind::Channels;
    case SectionKind::EqualAngle:
    case SectionKind::UnequalAngle:
        return ItemKind::Angles;
    case SectionKind::ParallelFlangeBeam:
        return ItemKind::ParallelFlangeBeams;
    }
    return ItemKind::Beams;
}

ItemKind KindOfShape(ShapeKind kind)
{
    switch (kind) {
    case ShapeKind::Plate:
        return ItemKind::Plates;
    case ShapeKind::Flat:
        return ItemKind::Flats;
    case ShapeKind::RoundBar:
        return ItemKind::RoundBars;
    case ShapeKind::SquareBar:
        return ItemKind::SquareBars;
    case ShapeKind::CircularHollow:
    case ShapeKind::SquareHollow:
    case ShapeKind::RectangularHollow:
        return ItemKind::HollowSections;
    }
    return ItemKind::Plates;
}

// The section pages' rows are those of the 1964 tables.
bool IsSectionPage(const Calculation &calculation)
{
    return calculation.page == Page::Channels || calculation.page == Page::Beams || calculation.page == Page::Angles;
}

constexpr QStringView PagesEdition = u"IS 808:1964";

} // namespace

ItemKind KindOf(const SheetLine &line)
{
    if (line.item) {
        const Item &item = *line.item;
        if (const auto *section = std::get_if<const RolledSection *>(&item))
            return KindOfSection((*section)->kind);
        if (std::holds_alternative<const HollowSection *>(item))
            return ItemKind::HollowSections;
        if (std::holds_alternative<const Pipe *>(item))
            return ItemKind::Pipes;
        if (std::holds_alternative<const Flat *>(item))
            return ItemKind::Flats;
        return KindOfShape(std::get<ShapeItem>(item).size.kind);
    }
    switch (line.calculation->page) {
    case Page::Channels:
        return ItemKind::Channels;
    case Page::Beams:
        return ItemKind::Beams;
    case Page::Angles:
        return ItemKind::Angles;
    case Page::Plates:
        return ItemKind::Plates;
    case Page::RoundBars:
        return ItemKind::RoundBars;
    case Page::SquareBars:
        return ItemKind::SquareBars;
    default:
        return line.calculation->item == "Flange" ? ItemKind::Flanges : ItemKind::TransitionPieces;
    }
}

QString KindName(ItemKind kind)
{
    return Names[std::size_t(kind)].one.toString();
}

QString KindPluralName(ItemKind kind)
{
    return Names[std::size_t(kind)].many.toString();
}

std::span<const Field> ItemFields(const Item &item)
{
    if (ItemUnitBasis(item) == UnitBasis::PerSquareMetre)
        return PerSquareMetre;
    return PerMetre;
}

SheetLine ItemLine(const Item &item)
{
    SheetLine line;
    line.item = item;
    for (Field field : ItemFields(item))
        line.inputs.push_back(field == Field::Quantity ? QStringLiteral("1") : QString());
    return line;
}

Field InputField(const SheetLine &line, std::size_t input)
{
    return line.item ? ItemFields(*line.item)[input] : line.calculation->inputs[input].field;
}

QString InputLabel(const SheetLine &line, std::size_t input)
{
    if (!line.item)
        return InputCaption(line.calculation->inputs[input]);
    switch (InputField(line, input)) {
    case Field::Length:
        return QStringLiteral("Length (m)");
    case Field::Width:
        return QStringLiteral("Width (m)");
    default:
        return QStringLiteral("Quantity");
    }
}

std::size_t QuantityInput(const SheetLine &line)
{
    if (!line.item)
        return QuantityInput(*line.calculation);
    return ItemFields(*line.item).size() - 1;
}

std::size_t ShownInput(const SheetLine &line, std::size_t place)
{
    return line.item ? place : line.calculation->shown[place];
}

std::optional<double> InputValue(const SheetLine &line, Field field, QStringView separator)
{
    for (std::size_t i = 0; i < line.inputs.size(); ++i) {
        if (InputField(line, i) == field)
            return ParseNumber(line.inputs[i], separator);
    }
    return std::nullopt;
}

QString SizeText(const SheetLine &line)
{
    if (line.item)
        return DescribeItem(*line.item);
    if (!line.size)
        return {};
    const QString caption = ToQString(line.size->Caption);
    return IsSectionPage(*line.calculation) ? caption + QStringLiteral(" \u00b7 ") + PagesEdition.toString() : caption;
}

QString LineEdition(const SheetLine &line)
{
    if (line.item)
        return ItemEdition(*line.item);
    return IsSectionPage(*line.calculation) ? PagesEdition.toString() : QString();
}

QString LineMaterial(const SheetLine &line)
{
    if (line.item) {
        if (const auto *shape = std::get_if<ShapeItem>(&*line.item))
            return MaterialWord(shape->material);
    }
    return QStringLiteral("steel");
}

std::optional<double> LineUnitWeight(const SheetLine &line)
{
    if (line.item)
        return ItemUnitWeight(*line.item);
    if (line.size && HasUnitWeight(*line.calculation))
        return line.size->Value;
    if (line.size && line.calculation->page == Page::Plates)
        return line.size->Value * SteelDensity; // the size is the thickness in mm
    return std::nullopt;
}

bool WeighedPerSquareMetre(const SheetLine &line)
{
    if (line.item)
        return ItemUnitBasis(*line.item) == UnitBasis::PerSquareMetre;
    return line.calculation && line.calculation->page == Page::Plates;
}

void WorkOutItem(const SheetLine &line, QStringView separator, LineResult &result)
{
    double values[3] = {0, 0, 0}; // length, width, quantity
    for (std::size_t i = 0; i < line.inputs.size(); ++i) {
        const std::optional<double> value = ParseNumber(line.inputs[i], separator);
        if (!value) {
            ConversionFailure failure(line.inputs[i], separator);
            failure.box = InputLabel(line, i);
            result.failure = failure.message();
            result.failedInput = int(i);
            return;
        }
        const Field field = InputField(line, i);
        values[field == Field::Length ? 0 : field == Field::Width ? 1 : 2] = *value;
    }
    try {
        result.weight = ItemWeight(*line.item, values[0], values[2], values[1]);
    } catch (const Failure &failure) {
        result.failure = failure.message();
    }
}

} // namespace msweight
