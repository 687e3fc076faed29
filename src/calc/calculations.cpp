#include "calc/calculations.h"

#include "ui/layout.h"

#include <algorithm>
#include <array>
#include <vector>

namespace msweight {

namespace {

using enum Field;

// clang-format off
constexpr CalculationInput ChannelInputs[] = {{"TextBox1", Length}, {"TextBox2", Quantity}};
constexpr CalculationInput BeamInputs[] = {{"TextBox4", Length}, {"TextBox5", Quantity}};
// The width is converted before the length, the quantity after the area.
constexpr CalculationInput PlateInputs[] = {{"TextBox8", Width}, {"TextBox7", Length}, {"TextBox9", Quantity}};
// Round bars convert the quantity first.
constexpr CalculationInput RoundBarInputs[] = {{"TextBox12", Quantity}, {"TextBox11", Length}};
constexpr CalculationInput SquareBarInputs[] = {{"TextBox14", Length}, {"TextBox15", Quantity}};
constexpr CalculationInput AngleInputs[] = {{"TextBox29", Length}, {"TextBox30", Quantity}};
constexpr CalculationInput FlangeInputs[] = {
    {"TextBox17", OuterDiameter}, {"TextBox18", InnerDiameter}, {"TextBox19", Thickness}, {"TextBox28", Quantity}};
constexpr CalculationInput PieceInputs[] = {
    {"TextBox21", Length}, {"TextBox23", Diameter}, {"TextBox22", Width},
    {"TextBox24", Height}, {"TextBox25", Thickness}, {"TextBox26", Quantity}};
// The seven inclined lengths, one a row, then the height that every row uses.
constexpr CalculationInput TrueLengthInputs[] = {
    {"TextBox32", InclinedLength}, {"TextBox33", InclinedLength}, {"TextBox34", InclinedLength},
    {"TextBox35", InclinedLength}, {"TextBox36", InclinedLength}, {"TextBox37", InclinedLength},
    {"TextBox38", InclinedLength}, {"TextBox46", Height}};

// Where the page shows its boxes in another order than they are converted.
constexpr std::uint8_t InOrder[] = {0, 1, 2, 3, 4, 5, 6, 7};
constexpr std::span<const std::uint8_t> TwoInOrder(InOrder, 2);
constexpr std::uint8_t PlateShown[] = {1, 0, 2};
constexpr std::uint8_t RoundBarShown[] = {1, 0};
constexpr std::uint8_t FlangeShown[] = {0, 2, 1, 3};
constexpr std::uint8_t PieceShown[] = {0, 3, 2, 4, 1, 5};

constexpr std::string_view ChannelResult[] = {"TextBox3"};
constexpr std::string_view BeamResult[] = {"TextBox6"};
constexpr std::string_view PlateResult[] = {"TextBox10"};
constexpr std::string_view RoundBarResult[] = {"TextBox13"};
constexpr std::string_view SquareBarResult[] = {"TextBox16"};
constexpr std::string_view AngleResult[] = {"TextBox31"};
constexpr std::string_view FlangeResult[] = {"TextBox20"};
constexpr std::string_view PieceResult[] = {"TextBox27"};
constexpr std::string_view TrueLengthResults[] = {
    "TextBox39", "TextBox40", "TextBox41", "TextBox42", "TextBox43", "TextBox44", "TextBox45"};

// The first two inputs multiplied, then by the unit weight.
constexpr Calculator Section = [](std::span<const Operand> in, const Operand &size, std::size_t) {
    return SectionWeight(in[0], in[1], size);
};

constexpr Calculation Table[] = {
    {"Plate", Page::Plates, "CommandButton3", PlateInputs, true, true,
     [](std::span<const Operand> in, const Operand &size, std::size_t) {
         return PlateWeight(in[1], in[0], in[2], size);
     }, PlateResult, PlateShown},
    {"ISMC channel", Page::Channels, "CommandButton1", ChannelInputs, true, true, Section, ChannelResult, TwoInOrder},
    {"ISMB beam", Page::Beams, "CommandButton2", BeamInputs, true, true, Section, BeamResult, TwoInOrder},
    {"ISA angle", Page::Angles, "CommandButton8", AngleInputs, true, true, Section, AngleResult, TwoInOrder},
    {"Square bar", Page::SquareBars, "CommandButton5", SquareBarInputs, true, true, Section, SquareBarResult, TwoInOrder},
    {"Round bar", Page::RoundBars, "CommandButton4", RoundBarInputs, true, true, Section, RoundBarResult, RoundBarShown},
    {"Flange", Page::FlangeAndPiece, "CommandButton6", FlangeInputs, false, true,
     [](std::span<const Operand> in, const Operand &, std::size_t) {
         return FlangeWeight(in[0], in[1], in[2], in[3]);
     }, FlangeResult, FlangeShown},
    {"Transition piece", Page::FlangeAndPiece, "CommandButton7", PieceInputs, false, true,
     [](std::span<const Operand> in, const Operand &, std::size_t) {
         return TransitionPieceWeight(in[0], in[2], in[1], in[3], in[4], in[5]);
     }, PieceResult, PieceShown},
    {"True lengths", Page::TrueLengths, "CommandButton9", TrueLengthInputs, false, false,
     [](std::span<const Operand> in, const Operand &, std::size_t row) {
         return TrueLength(in[row], in[7]);
     }, TrueLengthResults, InOrder},
};
// clang-format on

} // namespace

NoSelectionFailure::NoSelectionFailure(QString page, QString firstSize)
    : page(std::move(page))
{
    control = std::move(firstSize);
}

QString NoSelectionFailure::message() const
{
    return QStringLiteral("Choose a size on the \"%1\" page first.").arg(page);
}

std::span<const Calculation> Calculations()
{
    return Table;
}

const Calculation *CalculationNamed(QStringView item)
{
    const auto at = std::find_if(std::begin(Table), std::end(Table), [item](const Calculation &c) {
        return QLatin1StringView(c.item.data(), qsizetype(c.item.size())) == item;
    });
    return at == std::end(Table) ? nullptr : at;
}

const CatalogueTable &SizeTable(const Calculation &calculation)
{
    for (const CatalogueTable &table : Catalogue()) {
        if (table.page == calculation.page)
            return table;
    }
    qFatal("msweight: no size table for the page of %s", calculation.button.data());
}

QString InputName(const CalculationInput &input)
{
    const ControlSpec *box = FindControl(input.box);
    if (!box)
        qFatal("msweight: the input box %s is missing from the layout", input.box.data());
    return QString::fromStdString(AccessibleName(*box));
}

double Evaluate(const Calculation &calculation, std::span<const QString> texts, QStringView separator,
                const CatalogueRow *size, std::size_t row)
{
    if (texts.size() != calculation.inputs.size())
        qFatal("msweight: %s takes %zu inputs, not %zu", calculation.button.data(), calculation.inputs.size(),
               texts.size());
    std::array<Operand, std::size(TrueLengthInputs)> operands;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        operands[i] = Operand([&, i] {
            if (const auto value = ParseNumber(texts[i], separator))
                return *value;
            ConversionFailure failure(texts[i], separator);
            failure.box = InputName(calculation.inputs[i]);
            failure.control = ToQString(calculation.inputs[i].box);
            throw failure;
        });
    }
    const Operand chosen([&] {
        if (!size) {
            const CatalogueTable &sizes = SizeTable(calculation);
            throw NoSelectionFailure(ToQString(sizes.Caption), ToQString(sizes.Rows.front().ButtonName));
        }
        return size->Value;
    });
    return calculation.calculate(std::span(operands.data(), texts.size()), chosen, row);
}

} // namespace msweight
