#include "sheet/sheetfile.h"

#include "numtext/numtext.h"
#include "sheet/csv.h"
#include "sheet/cutgroups.h"
#include "sheet/filecells.h"
#include "sheet/itemline.h"
#include "sheet/sheetfileformat.h"

#include <array>

namespace msweight {

using namespace sheetformat;

namespace {

CutFields CutCells(const CutSettings &settings, QStringView separator)
{
    CutFields cells = FieldsOf(settings);
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = i < CutLists ? ListCell(cells[i], separator) : NumberCell(cells[i], separator);
    return cells;
}

} // namespace

std::span<const QStringView> SheetFileColumns()
{
    return Names;
}

QByteArray WriteSheet(const SheetContents &contents, QStringView separator)
{
    QString out;
    out.reserve(qsizetype(contents.lines.size()) * 160 + 256);
    const auto endRow = [&out](std::array<QString, ColumnCount> &row) {
        for (int c = 0; c < ColumnCount; ++c) {
            if (c > 0)
                out += u',';
            AppendCsvField(out, row[c]);
        }
        out += QLatin1String("\r\n");
    };

    out += VersionMark.toString() + QString::number(Version) + QLatin1String("\r\n");
    std::array<QString, ColumnCount> row;
    for (int c = 0; c < ColumnCount; ++c)
        row[c] = Names[c].toString();
    endRow(row);

    const QString job = TextCell(contents.jobName);
    const QString sheetRate = NumberCell(contents.sheetRate, separator);
    const QString rateUnit = RateUnitName(contents.rateUnit);
    QHash<QString, CutFields> cutCells;
    for (auto settings = contents.cutSettings.cbegin(); settings != contents.cutSettings.cend(); ++settings)
        cutCells.insert(settings.key(), CutCells(settings.value(), separator));
    if (contents.lines.empty()) {
        row = {};
        row[Job] = job;
        row[SheetRate] = sheetRate;
        row[RateUnitCell] = rateUnit;
        endRow(row);
    }
    for (const SheetLine &line : contents.lines) {
        row = {};
        row[Job] = job;
        if (line.item) {
            row[ItemCell] = TextCell(DescribeItem(*line.item));
            row[Standard] = TextCell(ItemEdition(*line.item));
            row[MaterialCell] = TextCell(LineMaterial(line));
            if (const auto *shape = std::get_if<ShapeItem>(&*line.item))
                row[Density] = NumberToText(shape->material.densityKgM3, Dot);
        } else {
            row[ItemCell] = TextCell(ToQString(line.calculation->item));
            if (line.size)
                row[Size] = TextCell(ToQString(line.size->Caption));
            if (line.size && line.calculation->page == Page::Plates)
                row[*ColumnOf(Field::Thickness)] = NumberToText(line.size->Value, Dot);
        }
        if (const std::optional<double> unit = LineUnitWeight(line))
            row[UnitWeightCell] = NumberToText(*unit, Dot);
        for (std::size_t i = 0; i < line.inputs.size(); ++i) {
            if (const auto column = ColumnOf(InputField(line, i)))
                row[*column] = NumberCell(line.inputs[i], separator);
        }
        row[Mark] = TextCell(line.mark);
        row[Description] = TextCell(line.description);
        const LineResult result = WorkOut(line, contents.sheetRate, separator, contents.rateUnit);
        if (result.weight)
            row[Weight] = NumberToText(*result.weight, Dot);
        row[Rate] = NumberCell(line.rate, separator);
        row[SheetRate] = sheetRate;
        row[RateUnitCell] = rateUnit;
        if (result.amount)
            row[Amount] = MoneyText(*result.amount, Dot);
        if (!cutCells.isEmpty()) {
            const std::optional<QString> key = CutGroupKey(line);
            if (const auto cells = key ? cutCells.constFind(*key) : cutCells.cend(); cells != cutCells.cend()) {
                for (std::size_t i = 0; i < cells->size(); ++i)
                    row[CutColumns[i]] = (*cells)[i];
            }
        }
        endRow(row);
    }
    return "\xEF\xBB\xBF" + out.toUtf8();
}

} // namespace msweight
