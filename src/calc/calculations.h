// The pages' calculations as one table: for each command button, its input
// boxes in the order its calculation converts them, its size table, its
// calculator and its result boxes. The window's handlers and the job sheet
// both weigh through it, so the sheet gives what the page gives.
#pragma once

#include "calc/calc.h"
#include "catalogue/catalogue.h"
#include "numtext/numtext.h"

#include <QString>

#include <cstdint>
#include <span>
#include <string_view>

namespace msweight {

// What an input box holds; the job sheet files inputs by it.
enum class Field : std::uint8_t {
    Length,
    Width,
    OuterDiameter,
    InnerDiameter,
    Diameter,
    Height,
    Thickness,
    Quantity,
    InclinedLength, // last: the job sheet's file has a column for each field before it
};

struct CalculationInput
{
    std::string_view box; // its label names it (the layout's `names`)
    Field field;
};

// Row `row` of a calculation from its inputs, in the order of its table
// entry, and the value of the size chosen on its page.
using Calculator = double (*)(std::span<const Operand> inputs, const Operand &size, std::size_t row);

struct Calculation
{
    std::string_view item; // what the job sheet calls a line of it
    Page page;
    std::string_view button;
    std::span<const CalculationInput> inputs; // in the order they are converted
    bool sized;                               // weighs with the size chosen on its page
    bool weighs;                              // gives kilograms; the true lengths do not
    Calculator calculate;
    std::span<const std::string_view> results; // one per row, written row by row
    // The inputs as the page shows them, top to bottom and then left to
    // right: indices into `inputs`. The sheet lists a line's inputs so.
    std::span<const std::uint8_t> shown;
};

// A page's button was pressed before a size was chosen on that page.
class NoSelectionFailure : public Failure
{
public:
    // `firstSize`: the page's first option button, where the focus goes.
    NoSelectionFailure(QString page, QString firstSize);
    QString message() const override;

    QString page;
};

// In the order of the tabs, the flange before the transition piece.
std::span<const Calculation> Calculations();
const Calculation *CalculationNamed(QStringView item);

// The catalogue table of a sized calculation's page.
const CatalogueTable &SizeTable(const Calculation &calculation);

// What the user calls an input: its label, after the heading of its half of
// the page where there is one ("FLANGE: QTY.").
QString InputName(const CalculationInput &input);

// Row `row` of `calculation` from the texts of its inputs (in the order of
// `calculation.inputs`), read with `separator`, and the size chosen on its
// page (null when none is). Each text is converted at the step that first
// uses it; throws the Failure the click would meet: a ConversionFailure
// naming the input, a NoSelectionFailure, an ArithmeticFailure.
double Evaluate(const Calculation &calculation, std::span<const QString> texts, QStringView separator,
                const CatalogueRow *size, std::size_t row = 0);

} // namespace msweight
