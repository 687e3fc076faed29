// The columns of the sheet's file and its version, which its writer and its
// reader share (sheetfile.cpp, sheetfileread.cpp).
#pragma once

#include "calc/calculations.h"
#include "sheet/sheetline.h"

#include <QStringView>

#include <array>
#include <optional>

namespace msweight::sheetformat {

// One column for each kind of input, in the order of Field, but for the
// inclined lengths, which no line of a sheet has.
enum Column : int {
    Job,
    ItemCell,
    Size,
    FirstInput,
    UnitWeightCell = FirstInput + int(Field::InclinedLength),
    Weight,
    Rate,
    SheetRate,
    Amount,
    // Version 2: items of the catalogue and shapes, marks and descriptions.
    Mark,
    Description,
    Standard,
    MaterialCell,
    Density,
    // Version 3: what the rates are given per.
    RateUnitCell,
    // Version 4: the cutting plan's settings of the line's group, the same on
    // each of its lines.
    StockCell,
    OffcutsCell,
    KerfCell,
    MinOffcutCell,
    TimeLimitCell,
    ColumnCount
};

// The columns a file of version 1 has; the later ones may be missing.
constexpr int FirstColumns = Mark;

constexpr QStringView Names[ColumnCount] = {
    u"Job",
    u"Item",
    u"Size",
    u"Length (m)",
    u"Width (m)",
    u"Outer diameter (m)",
    u"Inner diameter (m)",
    u"Diameter (m)",
    u"Height (m)",
    u"Thickness (mm)",
    u"Quantity",
    u"Unit weight (kg/m)",
    u"Weight (kg)",
    u"Rate",
    u"Sheet rate",
    u"Amount",
    u"Mark",
    u"Description",
    u"Standard",
    u"Material",
    u"Density (kg/m3)",
    u"Rate per",
    u"Stock lengths (m)",
    u"Offcuts in stock (m)",
    u"Kerf (mm)",
    u"Shortest offcut kept (m)",
    u"Time limit (s)",
};

// The file's first row, a cell of its own, so that a later format can be told
// from this one; a file without it is of version 1.
constexpr QStringView VersionMark = u"#msweight job sheet ";
constexpr int Version = 4;
static_assert(!Names[ColumnCount - 1].isEmpty(), "a name for every column");

inline std::optional<Column> ColumnOf(Field field)
{
    if (field == Field::InclinedLength)
        return std::nullopt;
    return Column(FirstInput + int(field));
}

constexpr QStringView Dot = u".";

// The settings' columns in the order of CutSettings' fields, the lists first.
constexpr Column CutColumns[] = {StockCell, OffcutsCell, KerfCell, MinOffcutCell, TimeLimitCell};
constexpr std::size_t CutLists = 2;
using CutFields = std::array<QString, std::size(CutColumns)>;

inline CutFields FieldsOf(const CutSettings &settings)
{
    return {settings.stock, settings.offcuts, settings.kerfMm, settings.minOffcutM, settings.timeLimitS};
}

} // namespace msweight::sheetformat
