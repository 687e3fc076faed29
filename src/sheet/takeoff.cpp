#include "sheet/takeoff.h"

#include "numtext/numtext.h"
#include "sheet/itemline.h"

#include <QHash>

namespace msweight {

namespace {

enum TakeOffColumn { Designation, Length, Quantity, Mark, MaterialColumn, TakeOffColumns };

constexpr QStringView Dot = u".";

// A number as the sheet keeps it: with the sheet's separator.
std::optional<QString> NumberText(const QString &cell, QStringView separator)
{
    if (ParseNumber(cell, separator))
        return cell.trimmed();
    if (separator != Dot && ParseNumber(cell, Dot))
        return cell.trimmed().replace(u'.', separator.toString());
    return std::nullopt;
}

bool IsBlank(const QStringList &cells)
{
    return std::all_of(cells.begin(), cells.end(), [](const QString &cell) { return cell.trimmed().isEmpty(); });
}

// A first row that names no item, and whose length and quantity are not
// numbers, names the columns; any other row is read, or refused.
bool IsHeader(const QStringList &cells, QStringView separator, const ParseOptions &options)
{
    return cells.size() > Quantity && !NumberText(cells[Length], separator) && !NumberText(cells[Quantity], separator)
        && !ParseItem(cells[Designation], options).match;
}

} // namespace

TakeOff ReadTakeOff(std::span<const CsvRecord> rows, QStringView separator, const ParseOptions &options)
{
    TakeOff takeOff;
    takeOff.lines.reserve(rows.size());
    // A take-off names few items, many times.
    QHash<QString, ParsedItem> parsed;
    bool first = true;
    for (const CsvRecord &record : rows) {
        const QStringList &cells = record.fields;
        if (IsBlank(cells))
            continue;
        if (std::exchange(first, false) && IsHeader(cells, separator, options))
            continue;
        const auto fault = [&](const QString &text, const QString &reason) {
            takeOff.faults.push_back({record.line, text, reason});
        };
        const QString designation = cells[Designation].trimmed();
        if (cells.size() <= Quantity) {
            fault(designation, QStringLiteral("a row takes a designation, a length in metres and a quantity."));
            continue;
        }
        for (qsizetype c = TakeOffColumns; c < cells.size(); ++c) {
            if (!cells[c].trimmed().isEmpty()) {
                fault(cells[c],
                      QStringLiteral("a row has at most five columns: designation, length (m), quantity, "
                                     "mark and material."));
                break;
            }
        }
        if (!takeOff.faults.empty() && takeOff.faults.back().row == record.line)
            continue;

        const QString material = cells.size() > MaterialColumn ? cells[MaterialColumn].trimmed() : QString();
        const QString text = material.isEmpty() ? designation : material + u' ' + designation;
        auto item = parsed.constFind(text);
        if (item == parsed.cend())
            item = parsed.insert(text, ParseItem(text, options));
        if (!item->match) {
            fault(text, item->reason);
            continue;
        }
        const std::optional<QString> length = NumberText(cells[Length], separator);
        const std::optional<QString> quantity = NumberText(cells[Quantity], separator);
        if (!length || !quantity) {
            const QString &cell = length ? cells[Quantity] : cells[Length];
            fault(text,
                  QStringLiteral("the %1 %2 is not a number.")
                      .arg(length ? QStringLiteral("quantity") : QStringLiteral("length"), QuotedForMessage(cell)));
            continue;
        }
        if (ItemUnitBasis(item->match->item) == UnitBasis::PerSquareMetre) {
            fault(text,
                  QStringLiteral("a plate in a take-off needs its width: write it as width x thickness in mm, "
                                 "\"PL 1500x10\"."));
            continue;
        }
        SheetLine line = ItemLine(item->match->item);
        line.inputs = {*length, *quantity};
        if (cells.size() > Mark)
            line.mark = cells[Mark].trimmed();
        takeOff.lines.push_back(std::move(line));
    }
    if (!takeOff.faults.empty())
        takeOff.lines.clear(); // all or none
    return takeOff;
}

TakeOff ReadTakeOffCsv(const QByteArray &file, QStringView separator, const ParseOptions &options)
{
    QByteArray bytes = file;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    TakeOff takeOff;
    if (const qsizetype bad = InvalidUtf8(bytes); bad >= 0) {
        takeOff.faults.push_back({int(bytes.left(bad).count('\n')) + 1,
                                  {},
                                  QStringLiteral("the file is not UTF-8 text; save it as CSV UTF-8.")});
        return takeOff;
    }
    std::vector<CsvRecord> records;
    const QString text = QString::fromUtf8(bytes);
    if (const auto fault = CsvReader(text).read(records)) {
        takeOff.faults.push_back({fault->line, {}, fault->message});
        return takeOff;
    }
    return ReadTakeOff(records, separator, options);
}

TakeOff ReadTakeOffText(QStringView text, QStringView separator, const ParseOptions &options)
{
    std::vector<CsvRecord> records;
    int line = 0;
    for (QStringView row : text.split(u'\n')) {
        ++line;
        if (row.endsWith(u'\r'))
            row.chop(1);
        CsvRecord &record = records.emplace_back(CsvRecord{line, {}});
        for (QStringView cell : row.split(u'\t'))
            record.fields << cell.toString();
    }
    return ReadTakeOff(records, separator, options);
}

QString TakeOffMessage(const TakeOff &takeOff, std::size_t shown)
{
    const std::size_t count = takeOff.faults.size();
    QString message = count == 1
        ? QStringLiteral("1 row of the take-off is not understood; nothing was added.")
        : QStringLiteral("%1 rows of the take-off are not understood; nothing was added.").arg(count);
    for (std::size_t i = 0; i < std::min(count, shown); ++i) {
        const TakeOffFault &fault = takeOff.faults[i];
        message += QStringLiteral("\nRow %1").arg(fault.row);
        // The parser's reasons quote the text themselves.
        if (!fault.text.isEmpty() && !fault.reason.startsWith(QuotedForMessage(fault.text)))
            message += QStringLiteral(", %1").arg(QuotedForMessage(fault.text));
        message += QStringLiteral(": ") + fault.reason;
    }
    if (count > shown)
        message += QStringLiteral("\n… and %1 more.").arg(count - shown);
    return message;
}

} // namespace msweight
