// A line of the job sheet as the user made it, and what it comes to: worked
// out by the very calculation its page runs, so that the sheet gives what
// the page gives.
#pragma once

#include "calc/calculations.h"
#include "catalogue/item.h"
#include "sheet/cutsettingstext.h"
#include "sheet/figures.h"

#include <QMap>
#include <QString>

#include <optional>
#include <vector>

namespace msweight {

// A line as the user made it, which is all that is saved: a page's
// calculation with its size, or an item of the catalogue or a shape.
struct SheetLine
{
    const Calculation *calculation = nullptr; // one that weighs; null for an item's line
    const CatalogueRow *size = nullptr;       // null for the flange and the transition piece
    std::vector<QString> inputs;              // as typed, in the order of calculation->inputs or ItemFields
    QString rate;                             // its own rate as typed, per the sheet's unit; empty: the sheet's
    std::optional<Item> item = {};            // with no calculation
    QString mark = {};                        // the drawing's part mark
    QString description = {};

    bool operator==(const SheetLine &) const = default;
};

struct SheetContents
{
    QString jobName;
    QString sheetRate; // as typed; may be empty
    std::vector<SheetLine> lines;
    RateUnit rateUnit = RateUnit::PerKg; // of the sheet's rate and the lines' own
    // The cutting plan's settings of each group, by CutGroup::key(); also of
    // groups that have no line left, which Undo may bring back.
    QMap<QString, CutSettings> cutSettings = {};

    bool operator==(const SheetContents &) const = default;
};

// What a line comes to.
struct LineResult
{
    std::optional<double> weight;
    QString failure;      // why there is no weight
    int failedInput = -1; // the input whose text does not convert
    std::optional<double> amount;
    QString rateFailure; // the rate given does not convert
    bool rated = false;  // a rate applies to the line
};

// Works `line` out as its page would, with `separator` as the decimal
// separator; `sheetRate` applies where the line has no rate of its own.
LineResult WorkOut(const SheetLine &line, const QString &sheetRate, QStringView separator,
                   RateUnit unit = RateUnit::PerKg);

// The input of `calculation` that holds the quantity.
std::size_t QuantityInput(const Calculation &calculation);
// Sections and bars: the size is a weight per metre (a plate's is a thickness).
bool HasUnitWeight(const Calculation &calculation);
// The caption of the label of an input, without the heading of its half of
// the page: the line's item names that.
QString InputCaption(const CalculationInput &input);

// An amount of money: two decimals, no grouping.
QString MoneyText(double amount, QStringView separator);

// Why a rate does not convert, naming its box.
QString RateFailure(const QString &rate, QStringView separator);

} // namespace msweight
