#include "sheet/sheetfile.h"

#include "numtext/numtext.h"
#include "ui/builder.h"

#include <QStringDecoder>

#include <array>
#include <optional>

namespace msweight {

namespace {

// One column for each kind of input, in the order of Field, but for the
// inclined lengths, which no line of a sheet has.
enum Column : int {
    Job,
    Item,
    Size,
    FirstInput,
    UnitWeight = FirstInput + int(Field::InclinedLength),
    Weight,
    Rate,
    SheetRate,
    Amount,
    ColumnCount
};

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
};
static_assert(!Names[ColumnCount - 1].isEmpty(), "a name for every column");

std::optional<Column> ColumnOf(Field field)
{
    if (field == Field::InclinedLength)
        return std::nullopt;
    return Column(FirstInput + int(field));
}

constexpr QStringView Dot = u".";

// A spreadsheet takes a cell that begins with one of these as a formula; an
// apostrophe before it keeps it text, and is taken off when read.
bool NeedsEscape(QStringView text)
{
    static constexpr QStringView Leading = u"=+-@\t\r'";
    return !text.isEmpty() && Leading.contains(text.front());
}

QString TextCell(const QString &text)
{
    return NeedsEscape(text) ? QLatin1Char('\'') + text : text;
}

// A number as typed goes into the file with '.'; any other text stays text,
// with an apostrophe where it would be read as a formula or as a number.
QString NumberCell(const QString &typed, QStringView separator)
{
    if (ParseNumber(typed, separator)) {
        QString text = typed;
        if (separator != Dot)
            text.replace(separator.toString(), Dot.toString());
        return text;
    }
    if (NeedsEscape(typed) || ParseNumber(typed, Dot))
        return QLatin1Char('\'') + typed;
    return typed;
}

QString ReadNumberCell(const QString &cell, const QString &separator)
{
    if (cell.startsWith(u'\''))
        return cell.mid(1);
    if (separator != Dot && ParseNumber(cell, Dot)) {
        QString text = cell;
        return text.replace(u'.', separator);
    }
    return cell;
}

void AppendField(QString &out, const QString &field)
{
    static constexpr QStringView Special = u",\"\r\n";
    bool quote = false;
    for (QChar c : field) {
        if (Special.contains(c)) {
            quote = true;
            break;
        }
    }
    if (!quote) {
        out += field;
        return;
    }
    out += u'"';
    for (QChar c : field) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
}

struct Record
{
    int line; // where it begins in the file
    QStringList fields;
};

// Where reading stopped, and why.
struct Fault
{
    int line;
    int column; // 1-based; 0 for the line as a whole
    QString message;
};

// RFC 4180 records: line breaks CRLF, LF or CR; inside quotes any character
// but a lone quote. With `partial`, the text may end inside a quoted field.
class Tokenizer
{
public:
    explicit Tokenizer(QStringView text)
        : m_text(text)
    {
    }

    std::optional<Fault> Read(std::vector<Record> &records, bool partial = false)
    {
        const qsizetype n = m_text.size();
        while (m_at < n) {
            Record &record = records.emplace_back(Record{m_line, {}});
            for (;;) {
                QString &field = record.fields.emplace_back();
                const int column = int(record.fields.size());
                if (m_at < n && m_text[m_at] == u'"') {
                    const int opened = m_line;
                    ++m_at;
                    for (;;) {
                        if (m_at >= n) {
                            if (partial)
                                return std::nullopt;
                            return Fault{opened, column,
                                         QStringLiteral("the quoted field %1 has no closing quote.")
                                             .arg(QuotedForMessage(field))};
                        }
                        const QChar c = m_text[m_at];
                        if (c == u'"') {
                            if (m_at + 1 < n && m_text[m_at + 1] == u'"') {
                                field += u'"';
                                m_at += 2;
                                continue;
                            }
                            ++m_at;
                            break;
                        }
                        if (c == u'\n' || (c == u'\r' && (m_at + 1 >= n || m_text[m_at + 1] != u'\n')))
                            ++m_line;
                        field += c;
                        ++m_at;
                    }
                    if (m_at < n && !IsEnd(m_text[m_at]))
                        return Fault{
                            m_line, column,
                            QStringLiteral("text after the closing quote of %1.").arg(QuotedForMessage(field))};
                } else {
                    const qsizetype start = m_at;
                    while (m_at < n && !IsEnd(m_text[m_at])) {
                        if (m_text[m_at] == u'"')
                            return Fault{m_line, column,
                                         QStringLiteral("a quote inside %1, a field that does not begin with one.")
                                             .arg(QuotedForMessage(m_text.sliced(start, FieldEnd(start) - start)))};
                        ++m_at;
                    }
                    field = m_text.sliced(start, m_at - start).toString();
                }
                if (m_at < n && m_text[m_at] == u',') {
                    ++m_at;
                    continue;
                }
                break;
            }
            if (m_at < n) { // a line break: CRLF, LF or CR
                m_at += m_text[m_at] == u'\r' && m_at + 1 < n && m_text[m_at + 1] == u'\n' ? 2 : 1;
                ++m_line;
            }
        }
        return std::nullopt;
    }

    int line() const { return m_line; }

private:
    static bool IsEnd(QChar c) { return c == u',' || c == u'\r' || c == u'\n'; }
    qsizetype FieldEnd(qsizetype from) const
    {
        while (from < m_text.size() && !IsEnd(m_text[from]))
            ++from;
        return from;
    }

    QStringView m_text;
    qsizetype m_at = 0;
    int m_line = 1;
};

// The offset of the first byte that is not part of well-formed UTF-8, or -1.
qsizetype InvalidUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        unsigned char low = 0x80, high = 0xbf; // the second byte's range
        if (c >= 0xc2 && c <= 0xdf) {
            length = 2;
        } else if (c >= 0xe0 && c <= 0xef) {
            length = 3;
            low = c == 0xe0 ? 0xa0 : 0x80;  // no overlong forms
            high = c == 0xed ? 0x9f : 0xbf; // no surrogates
        } else if (c >= 0xf0 && c <= 0xf4) {
            length = 4;
            low = c == 0xf0 ? 0x90 : 0x80;
            high = c == 0xf4 ? 0x8f : 0xbf; // nothing beyond U+10FFFF
        } else {
            return i;
        }
        if (i + length > n || p[i + 1] < low || p[i + 1] > high)
            return i;
        for (int k = 2; k < length; ++k) {
            if ((p[i + k] & 0xc0) != 0x80)
                return i;
        }
        i += length;
    }
    return -1;
}

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
    std::vector<Record> records;
    const QString before = QString::fromUtf8(bytes.left(bad));
    Tokenizer tokenizer(before);
    tokenizer.Read(records, true);
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
            AppendField(out, row[c]);
        }
        out += QLatin1String("\r\n");
    };

    std::array<QString, ColumnCount> row;
    for (int c = 0; c < ColumnCount; ++c)
        row[c] = Names[c].toString();
    endRow(row);

    const QString job = TextCell(contents.jobName);
    const QString sheetRate = NumberCell(contents.sheetRate, separator);
    if (contents.lines.empty()) {
        row = {};
        row[Job] = job;
        row[SheetRate] = sheetRate;
        endRow(row);
    }
    for (const SheetLine &line : contents.lines) {
        row = {};
        const Calculation &calculation = *line.calculation;
        row[Job] = job;
        row[Item] = TextCell(ToQString(calculation.item));
        if (line.size) {
            row[Size] = TextCell(ToQString(line.size->Caption));
            if (HasUnitWeight(calculation))
                row[UnitWeight] = NumberToText(line.size->Value, Dot);
        }
        for (std::size_t i = 0; i < line.inputs.size(); ++i) {
            if (const auto column = ColumnOf(calculation.inputs[i].field))
                row[*column] = NumberCell(line.inputs[i], separator);
        }
        const LineResult result = WorkOut(line, contents.sheetRate, separator);
        if (result.weight)
            row[Weight] = NumberToText(*result.weight, Dot);
        row[Rate] = NumberCell(line.rate, separator);
        row[SheetRate] = sheetRate;
        if (result.amount)
            row[Amount] = MoneyText(*result.amount, Dot);
        endRow(row);
    }
    return "\xEF\xBB\xBF" + out.toUtf8();
}

std::variant<SheetFile, QString> ReadSheet(const QByteArray &file, const QString &separator)
{
    QByteArray bytes = file;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    if (const qsizetype bad = InvalidUtf8(bytes); bad >= 0)
        return NotUtf8(bytes, bad);

    std::vector<Record> records;
    const QString text = QString::fromUtf8(bytes);
    if (const auto fault = Tokenizer(text).Read(records))
        return At(fault->line, fault->column, {}, fault->message);
    if (records.empty())
        return At(1, 0, {}, QStringLiteral("the file is empty; a job sheet begins with a row of column names."));

    // Which of the file's columns holds each of ours.
    std::array<int, ColumnCount> where;
    where.fill(-1);
    const QStringList &header = records.front().fields;
    for (int i = 0; i < header.size(); ++i) {
        int known = 0;
        while (known < ColumnCount && Names[known] != header[i])
            ++known;
        if (known == ColumnCount)
            return At(1, i + 1, {},
                      QStringLiteral("%1 is not a column of a job sheet.").arg(QuotedForMessage(header[i])));
        if (where[known] >= 0)
            return At(1, i + 1, {}, QStringLiteral("the column %1 appears twice.").arg(QuotedForMessage(header[i])));
        where[known] = i;
    }
    for (int c = 0; c < ColumnCount; ++c) {
        if (where[c] < 0)
            return At(1, 0, {}, QStringLiteral("the column %1 is missing.").arg(QuotedForMessage(Names[c])));
    }

    SheetFile sheet;
    int namedOn = 0; // the line that set the job and the sheet rate
    for (std::size_t r = 1; r < records.size(); ++r) {
        const Record &record = records[r];
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
        const auto cell = [&](Column c) -> const QString & { return record.fields[where[c]]; };
        const auto fault = [&](Column c, const QString &message) {
            return At(record.line, where[c] + 1, Names[c].toString(), message);
        };

        const QString job = cell(Job).startsWith(u'\'') ? cell(Job).mid(1) : cell(Job);
        const QString sheetRate = ReadNumberCell(cell(SheetRate), separator);
        if (namedOn == 0) {
            sheet.contents.jobName = job;
            sheet.contents.sheetRate = sheetRate;
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
        }

        const QString item = cell(Item).startsWith(u'\'') ? cell(Item).mid(1) : cell(Item);
        if (item.isEmpty()) {
            // A row of the job alone, as an empty sheet is written.
            for (int c = 0; c < ColumnCount; ++c) {
                if (c != Job && c != SheetRate && c != Item && !cell(Column(c)).isEmpty())
                    return fault(Item, QStringLiteral("the line has no item."));
            }
            continue;
        }
        const Calculation *calculation = CalculationNamed(item);
        if (!calculation || !calculation->weighs)
            return fault(Item, QStringLiteral("%1 is not an item of a job sheet.").arg(QuotedForMessage(cell(Item))));

        SheetLine line{calculation, nullptr, {}, {}};
        const QString size = cell(Size).startsWith(u'\'') ? cell(Size).mid(1) : cell(Size);
        if (calculation->sized) {
            if (size.isEmpty())
                return fault(Size, QStringLiteral("a %1 needs a size.").arg(item));
            for (const CatalogueRow &row : SizeTable(*calculation).Rows) {
                if (QLatin1StringView(row.Caption.data(), qsizetype(row.Caption.size())) == size) {
                    line.size = &row;
                    break;
                }
            }
            if (!line.size)
                return fault(Size, QStringLiteral("%1 is not a size of %2.").arg(QuotedForMessage(cell(Size)), item));
        } else if (!size.isEmpty()) {
            return fault(
                Size, QStringLiteral("a %1 takes no size, but %2 is given.").arg(item, QuotedForMessage(cell(Size))));
        }

        std::array<bool, ColumnCount> used{};
        for (const CalculationInput &input : calculation->inputs) {
            const Column column = *ColumnOf(input.field);
            used[column] = true;
            line.inputs.push_back(ReadNumberCell(cell(column), separator));
        }
        for (int i = FirstInput; i < UnitWeight; ++i) {
            const auto c = Column(i);
            if (!used[c] && !cell(c).isEmpty())
                return fault(c,
                             QStringLiteral("a %1 takes no %2, but %3 is given.")
                                 .arg(item, Names[c].toString().section(QStringLiteral(" ("), 0, 0).toLower(),
                                      QuotedForMessage(cell(c))));
        }
        line.rate = ReadNumberCell(cell(Rate), separator);

        // The derived columns need only be numbers; the weight is checked.
        std::optional<double> weight;
        for (Column c : {UnitWeight, Amount, Weight}) {
            if (cell(c).isEmpty())
                continue;
            const auto value = ParseNumber(cell(c), Dot);
            if (!value)
                return fault(c, QStringLiteral("%1 is not a number.").arg(QuotedForMessage(cell(c))));
            if (c == Weight)
                weight = value;
        }
        const LineResult result = WorkOut(line, sheet.contents.sheetRate, separator);
        // As the sheet shows it: to 15 digits.
        const auto shown = [](const std::optional<double> &kg) { return kg ? NumberToText(*kg, Dot) : QString(); };
        if (shown(result.weight) != shown(weight))
            sheet.reworked << record.line;
        sheet.contents.lines.push_back(std::move(line));
    }
    if (namedOn == 0)
        return At(2, 0, {}, QStringLiteral("the file has no line after its column names."));
    return sheet;
}

} // namespace msweight
