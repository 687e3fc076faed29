#include "sheet/sheetfile.h"

#include "catalogue/itemparser.h"
#include "numtext/numtext.h"
#include "sheet/csv.h"
#include "sheet/cutgroups.h"
#include "sheet/filecells.h"
#include "sheet/itemline.h"
#include "sheet/sheetfileformat.h"

#include <algorithm>
#include <array>
#include <optional>

namespace msweight {

using namespace sheetformat;

namespace {

QString At(int line, int column, const QString &name, const QString &message)
{
    if (column <= 0)
        return QStringLiteral("Line %1: %2").arg(line).arg(message);
    if (name.isEmpty())
        return QStringLiteral("Line %1, column %2: %3").arg(line).arg(column).arg(message);
    return QStringLiteral("Line %1, column %2 (%3): %4").arg(line).arg(column).arg(name, message);
}

QString NotUtf8(const QByteArray &bytes, qsizetype bad)
{
    std::vector<CsvRecord> records;
    const QString before = QString::fromUtf8(bytes.left(bad));
    CsvReader tokenizer(before);
    tokenizer.read(records, true);
    const int column = records.empty() ? 1 : int(records.back().fields.size());
    QString shown = records.empty() ? QString() : records.back().fields.back();
    qsizetype end = bad;
    while (end < bytes.size() && !QByteArrayView(",\r\n\"").contains(bytes[end]))
        ++end;
    shown += QString::fromUtf8(bytes.mid(bad, end - bad)); // the bad bytes as U+FFFD
    return At(tokenizer.line(), column, {},
              QStringLiteral("%1 is not UTF-8 text; save the file as UTF-8.").arg(QuotedForMessage(shown)));
}

} // namespace

std::variant<SheetFile, QString, ReadCancelled> ReadSheet(const QByteArray &file, const QString &separator,
                                                          const ReadProgress &progress)
{
    QByteArrayView bytes(file);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (const qsizetype bad = InvalidUtf8(bytes); bad >= 0)
        return NotUtf8(bytes.toByteArray(), bad);

    // Record by record: a whole file's records at once took twenty times
    // its size.
    const QString text = QString::fromUtf8(bytes);
    CsvReader reader(text);
    std::vector<CsvRecord> records; // the version and the column names
    for (int i = 0; i < 2 && !reader.atEnd(); ++i) {
        if (const auto fault = reader.readRecord(records.emplace_back()))
            return At(fault->line, fault->column, {}, fault->message);
    }
    std::size_t first = 0; // the row of column names
    if (!records.empty() && records.front().fields.size() == 1
        && records.front().fields.front().startsWith(VersionMark)) {
        const QString number = records.front().fields.front().mid(VersionMark.size());
        bool ok = false;
        const int version = number.toInt(&ok);
        if (!ok || version < 1)
            return At(1, 1, {}, QStringLiteral("%1 is not a version of a job sheet.").arg(QuotedForMessage(number)));
        if (version > Version)
            return At(1, 1, {},
                      QStringLiteral("the file is a job sheet of version %1, written by a later msweight; this one "
                                     "reads versions up to %2.")
                          .arg(version)
                          .arg(Version));
        first = 1;
    }
    if (records.size() <= first)
        return At(1, 0, {}, QStringLiteral("the file is empty; a job sheet begins with a row of column names."));
    // The row after the column names, read with them.
    CsvRecord next;
    bool haveNext = false;
    if (first == 0 && records.size() > 1) {
        next = std::move(records[1]);
        haveNext = true;
        records.pop_back();
    }

    // Which of the file's columns holds each of ours.
    std::array<int, ColumnCount> where;
    where.fill(-1);
    const QStringList &header = records[first].fields;
    const int headerLine = records[first].line;
    for (int i = 0; i < header.size(); ++i) {
        int known = 0;
        while (known < ColumnCount && Names[known] != header[i])
            ++known;
        if (known == ColumnCount)
            return At(headerLine, i + 1, {},
                      QStringLiteral("%1 is not a column of a job sheet.").arg(QuotedForMessage(header[i])));
        if (where[known] >= 0)
            return At(headerLine, i + 1, {},
                      QStringLiteral("the column %1 appears twice.").arg(QuotedForMessage(header[i])));
        where[known] = i;
    }
    for (int c = 0; c < FirstColumns; ++c) {
        if (where[c] < 0)
            return At(headerLine, 0, {}, QStringLiteral("the column %1 is missing.").arg(QuotedForMessage(Names[c])));
    }
    // Items read once each: a sheet names few, many times.
    QHash<QString, msweight::Item> items;
    QHash<QString, int> cutSettingsOn; // the line that gave each group's settings

    SheetFile sheet;
    int namedOn = 0; // the line that set the job and the sheet rate
    CsvRecord record;
    for (qint64 read = 0;; ++read) {
        if (haveNext) {
            record = std::move(next);
            haveNext = false;
        } else if (reader.atEnd()) {
            break;
        } else if (const auto fault = reader.readRecord(record)) {
            return At(fault->line, fault->column, {}, fault->message);
        }
        if (progress && read % 2048 == 0 && !progress(reader.position(), text.size()))
            return ReadCancelled{};
        if (record.fields.size() != header.size()) {
            // A spreadsheet may leave a blank row.
            if (record.fields.size() == 1 && record.fields.front().isEmpty())
                continue;
            const bool fewer = record.fields.size() < header.size();
            const int column = int(fewer ? record.fields.size() + 1 : header.size() + 1);
            return At(record.line, column, fewer ? header[column - 1] : QString(),
                      QStringLiteral("the line has %1 fields where the first line names %2 columns.")
                          .arg(record.fields.size())
                          .arg(header.size()));
        }
        static const QString None;
        const auto cell = [&](Column c) -> const QString & { return where[c] < 0 ? None : record.fields[where[c]]; };
        const auto fault = [&](Column c, const QString &message) {
            return At(record.line, where[c] + 1, Names[c].toString(), message);
        };
        // Every cell goes into a box of the sheet, which would cut it.
        for (int c = 0; c < ColumnCount; ++c) {
            if (const qsizetype length = cell(Column(c)).size(); length > MaxBoxText)
                return fault(Column(c),
                             QStringLiteral("the text has %1 characters, more than the %2 a box takes.")
                                 .arg(length)
                                 .arg(MaxBoxText));
        }

        const QString job = ReadTextCell(cell(Job));
        const QString sheetRate = ReadNumberCell(cell(SheetRate), separator);
        const std::optional<RateUnit> rateUnit = RateUnitNamed(cell(RateUnitCell));
        if (!rateUnit)
            return fault(
                RateUnitCell,
                QStringLiteral("%1 is not a unit of a rate: write kg or t.").arg(QuotedForMessage(cell(RateUnitCell))));
        if (namedOn == 0) {
            sheet.contents.jobName = job;
            sheet.contents.sheetRate = sheetRate;
            sheet.contents.rateUnit = *rateUnit;
            namedOn = record.line;
        } else if (job != sheet.contents.jobName) {
            return fault(Job,
                         QStringLiteral("%1 differs from the job named on line %2.")
                             .arg(QuotedForMessage(cell(Job)))
                             .arg(namedOn));
        } else if (sheetRate != sheet.contents.sheetRate) {
            return fault(SheetRate,
                         QStringLiteral("%1 differs from the sheet rate on line %2.")
                             .arg(QuotedForMessage(cell(SheetRate)))
                             .arg(namedOn));
        } else if (*rateUnit != sheet.contents.rateUnit) {
            return fault(RateUnitCell,
                         QStringLiteral("%1 differs from the rate's unit on line %2.")
                             .arg(QuotedForMessage(cell(RateUnitCell)))
                             .arg(namedOn));
        }

        const QString item = ReadTextCell(cell(ItemCell));
        if (item.isEmpty()) {
            // A row of the job alone, as an empty sheet is written.
            for (int c = 0; c < ColumnCount; ++c) {
                if (c != Job && c != SheetRate && c != ItemCell && c != RateUnitCell && !cell(Column(c)).isEmpty())
                    return fault(ItemCell, QStringLiteral("the line has no item."));
            }
            continue;
        }
        SheetLine line;
        line.calculation = CalculationNamed(item);
        if (line.calculation && !line.calculation->weighs)
            line.calculation = nullptr;
        const QString size = ReadTextCell(cell(Size));
        if (line.calculation) {
            if (line.calculation->sized) {
                if (size.isEmpty())
                    return fault(Size, QStringLiteral("a %1 needs a size.").arg(item));
                for (const CatalogueRow &row : SizeTable(*line.calculation).Rows) {
                    if (QLatin1StringView(row.Caption.data(), qsizetype(row.Caption.size())) == size) {
                        line.size = &row;
                        break;
                    }
                }
                if (!line.size)
                    return fault(Size,
                                 QStringLiteral("%1 is not a size of %2.").arg(QuotedForMessage(cell(Size)), item));
            } else if (!size.isEmpty()) {
                return fault(
                    Size,
                    QStringLiteral("a %1 takes no size, but %2 is given.").arg(item, QuotedForMessage(cell(Size))));
            }
        } else {
            // An item of the catalogue or a shape, as DescribeItem wrote it.
            auto known = items.constFind(item);
            if (known == items.cend()) {
                const ParsedItem parsed = ParseItem(item);
                if (!parsed.match)
                    return fault(
                        ItemCell,
                        QStringLiteral("%1 is not an item of a job sheet.").arg(QuotedForMessage(cell(ItemCell))));
                known = items.insert(item, parsed.match->item);
            }
            line.item = *known;
            if (!size.isEmpty())
                return fault(
                    Size, QStringLiteral("%1 takes no size, but %2 is given.").arg(item, QuotedForMessage(cell(Size))));
        }

        std::array<bool, ColumnCount> used{};
        // A plate's thickness is its size, written for a spreadsheet's sake.
        const bool derivedThickness = line.calculation && line.calculation->page == Page::Plates;
        used[*ColumnOf(Field::Thickness)] = derivedThickness;
        const std::size_t inputs = line.item ? ItemFields(*line.item).size() : line.calculation->inputs.size();
        for (std::size_t i = 0; i < inputs; ++i) {
            const Column column = *ColumnOf(line.item ? ItemFields(*line.item)[i] : line.calculation->inputs[i].field);
            used[column] = true;
            line.inputs.push_back(ReadNumberCell(cell(column), separator));
        }
        for (int i = FirstInput; i < UnitWeightCell; ++i) {
            const auto c = Column(i);
            if (!used[c] && !cell(c).isEmpty())
                return fault(c,
                             QStringLiteral("%1 takes no %2, but %3 is given.")
                                 .arg(line.item ? item : QStringLiteral("a ") + item,
                                      Names[c].toString().section(QStringLiteral(" ("), 0, 0).toLower(),
                                      QuotedForMessage(cell(c))));
        }
        line.mark = ReadTextCell(cell(Mark));
        line.description = ReadTextCell(cell(Description));
        line.rate = ReadNumberCell(cell(Rate), separator);
        if (const auto given
            = std::find_if(std::begin(CutColumns), std::end(CutColumns), [&](Column c) { return !cell(c).isEmpty(); });
            given != std::end(CutColumns)) {
            const std::optional<QString> key = CutGroupKey(line);
            if (!key)
                return fault(*given,
                             QStringLiteral("%1 has no cut length, but %2 is given.")
                                 .arg(line.item ? item : QStringLiteral("a ") + item, QuotedForMessage(cell(*given))));
            CutFields typed;
            for (std::size_t i = 0; i < typed.size(); ++i) {
                const QString &text = cell(CutColumns[i]);
                typed[i] = i < CutLists ? ReadListCell(text, separator) : ReadNumberCell(text, separator);
            }
            if (const auto on = cutSettingsOn.constFind(*key); on == cutSettingsOn.cend()) {
                cutSettingsOn.insert(*key, record.line);
                sheet.contents.cutSettings.insert(*key, {typed[0], typed[1], typed[2], typed[3], typed[4]});
            } else {
                const CutFields first = FieldsOf(sheet.contents.cutSettings.value(*key));
                for (std::size_t i = 0; i < typed.size(); ++i) {
                    if (typed[i] != first[i])
                        return fault(CutColumns[i],
                                     QStringLiteral("%1 differs from the settings of its group on line %2.")
                                         .arg(QuotedForMessage(cell(CutColumns[i])))
                                         .arg(*on));
                }
            }
        }

        // The derived columns need only be numbers; the weight is checked.
        std::optional<double> weight;
        for (Column c : {UnitWeightCell, Amount, Weight, Density, *ColumnOf(Field::Thickness)}) {
            if (cell(c).isEmpty() || (c == *ColumnOf(Field::Thickness) && !derivedThickness))
                continue;
            const auto value = ParseNumber(cell(c), Dot);
            if (!value)
                return fault(c, QStringLiteral("%1 is not a number.").arg(QuotedForMessage(cell(c))));
            if (c == Weight)
                weight = value;
        }
        const LineResult result = WorkOut(line, sheet.contents.sheetRate, separator, sheet.contents.rateUnit);
        // As the sheet shows it: to 15 digits.
        const auto shown = [](const std::optional<double> &kg) { return kg ? NumberToText(*kg, Dot) : QString(); };
        sheet.contents.lines.push_back(std::move(line));
        if (shown(result.weight) != shown(weight))
            sheet.reworked << int(sheet.contents.lines.size());
    }
    if (namedOn == 0)
        return At(2, 0, {}, QStringLiteral("the file has no line after its column names."));
    return sheet;
}

} // namespace msweight
