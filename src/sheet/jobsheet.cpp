#include "sheet/jobsheet.h"

#include "numtext/numtext.h"
#include "sheet/itemline.h"
#include "sheet/sheetcommands.h"

#include <algorithm>
#include <cmath>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace msweight {

JobSheet::JobSheet(QObject *parent)
    : JobSheet(DecimalSeparator(), parent)
{
    m_figures = FigureFormat::load();
    m_rateUnit = m_figures.rateUnit;
}

JobSheet::JobSheet(QString separator, QObject *parent)
    : QAbstractTableModel(parent)
    , m_separator(std::move(separator))
{
    m_figures.locale = NumberLocale(m_separator);
}

void JobSheet::setFigures(FigureFormat figures)
{
    m_figures = std::move(figures);
    if (!m_lines.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    emit totalsChanged();
}

JobSheet::~JobSheet()
{
    // The commands refer to the sheet: gone before it.
    m_undo.clear();
}

int JobSheet::addLine(const Calculation &calculation, const CatalogueRow *size, std::vector<QString> inputs)
{
    return insertLine(rowCount(), SheetLine{&calculation, size, std::move(inputs), {}});
}

namespace {

void CheckLine(const SheetLine &line)
{
    const bool fits = line.item
        ? !line.calculation && line.inputs.size() == ItemFields(*line.item).size()
        : line.calculation && line.calculation->weighs && line.inputs.size() == line.calculation->inputs.size();
    if (!fits)
        qFatal("msweight: a sheet line must weigh and have one text for each input");
}

} // namespace

int JobSheet::insertLine(int row, SheetLine line)
{
    CheckLine(line);
    row = std::clamp(row, 0, rowCount());
    const QString text
        = QStringLiteral("Add %1").arg(line.item ? DescribeItem(*line.item) : ToQString(line.calculation->item));
    LinesCommand::Runs runs;
    runs.emplace_back(row, std::vector<SheetLine>{std::move(line)});
    m_undo.push(new LinesCommand(*this, std::move(runs), false, text));
    return row;
}

void JobSheet::addLines(std::vector<SheetLine> lines, const QString &text)
{
    if (lines.empty())
        return;
    for (const SheetLine &line : lines)
        CheckLine(line);
    LinesCommand::Runs runs;
    runs.emplace_back(rowCount(), std::move(lines));
    m_undo.push(new LinesCommand(*this, std::move(runs), false, text));
}

void JobSheet::setInput(int row, std::size_t input, const QString &text)
{
    SheetLine after = line(row);
    if (input >= after.inputs.size() || after.inputs[input] == text)
        return;
    after.inputs[input] = text;
    const QString name = InputLabel(after, input);
    m_undo.push(
        new LineCommand(*this, row, std::move(after), QStringLiteral("Change %1 on line %2").arg(name).arg(row + 1)));
}

void JobSheet::setItem(int row, const Item &item)
{
    const SheetLine &before = line(row);
    if (!before.item || *before.item == item)
        return;
    SheetLine after = ItemLine(item);
    after.rate = before.rate;
    after.mark = before.mark;
    after.description = before.description;
    for (std::size_t i = 0; i < after.inputs.size(); ++i) {
        for (std::size_t j = 0; j < before.inputs.size(); ++j) {
            if (InputField(before, j) == InputField(after, i))
                after.inputs[i] = before.inputs[j];
        }
    }
    change(row, std::move(after), QStringLiteral("Change the item on line %1").arg(row + 1));
}

void JobSheet::setMark(int row, const QString &text)
{
    SheetLine after = line(row);
    if (after.mark == text)
        return;
    after.mark = text;
    change(row, std::move(after), QStringLiteral("Change the mark on line %1").arg(row + 1));
}

void JobSheet::setDescription(int row, const QString &text)
{
    SheetLine after = line(row);
    if (after.description == text)
        return;
    after.description = text;
    change(row, std::move(after), QStringLiteral("Change the description on line %1").arg(row + 1));
}

void JobSheet::change(int row, SheetLine after, const QString &text)
{
    m_undo.push(new LineCommand(*this, row, std::move(after), text));
}

void JobSheet::setLineRate(int row, const QString &text)
{
    SheetLine after = line(row);
    if (after.rate == text)
        return;
    after.rate = text;
    m_undo.push(
        new LineCommand(*this, row, std::move(after), QStringLiteral("Change the rate on line %1").arg(row + 1)));
}

void JobSheet::setJobName(const QString &name)
{
    if (name != m_jobName)
        m_undo.push(
            new SheetFieldCommand(*this, &JobSheet::setJobNameRaw, m_jobName, name, QStringLiteral("Rename the job")));
}

void JobSheet::setSheetRate(const QString &rate)
{
    if (rate != m_sheetRate)
        m_undo.push(new SheetFieldCommand(*this, &JobSheet::setSheetRateRaw, m_sheetRate, rate,
                                          QStringLiteral("Change the sheet's rate")));
}

void JobSheet::setRateUnit(RateUnit unit)
{
    if (unit != m_rateUnit)
        m_undo.push(new SheetFieldCommand(*this, &JobSheet::setRateUnitRaw, RateUnitName(m_rateUnit),
                                          RateUnitName(unit), QStringLiteral("Change the rate's unit")));
}

void JobSheet::removeLines(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.removeIf([this](int row) { return row < 0 || row >= rowCount(); });
    if (rows.isEmpty())
        return;
    LinesCommand::Runs runs;
    for (int row : rows) {
        if (runs.empty() || runs.back().first + int(runs.back().second.size()) != row)
            runs.emplace_back(row, std::vector<SheetLine>{});
        runs.back().second.push_back(line(row));
    }
    const QString text = rows.size() == 1 ? QStringLiteral("Delete line %1").arg(rows.front() + 1)
                                          : QStringLiteral("Delete %1 lines").arg(rows.size());
    m_undo.push(new LinesCommand(*this, std::move(runs), true, text));
}

void JobSheet::moveLine(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= rowCount() || to >= rowCount())
        return;
    m_undo.push(new MoveCommand(*this, from, to, QStringLiteral("Move line %1").arg(from + 1)));
}

void JobSheet::setCutSettings(const QString &key, const CutSettings &settings, const QString &title)
{
    const auto found = m_cutSettings.constFind(key);
    if (found == m_cutSettings.cend() || *found != settings)
        m_undo.push(new CutSettingsCommand(*this, key, settings, QStringLiteral("Cutting settings of %1").arg(title)));
}

void JobSheet::insertRaw(int row, const std::vector<SheetLine> &lines)
{
    beginInsertRows({}, row, row + int(lines.size()) - 1);
    std::vector<Entry> entries;
    entries.reserve(lines.size());
    for (const SheetLine &line : lines) {
        Entry &entry = entries.emplace_back(Entry{line, {}});
        rework(entry);
        count(entry, +1);
    }
    m_lines.insert(m_lines.begin() + row, std::make_move_iterator(entries.begin()),
                   std::make_move_iterator(entries.end()));
    endInsertRows();
    emit totalsChanged();
}

void JobSheet::removeRaw(int row, int count)
{
    beginRemoveRows({}, row, row + count - 1);
    const auto first = m_lines.begin() + row;
    for (auto entry = first; entry != first + count; ++entry)
        this->count(*entry, -1);
    m_lines.erase(first, first + count);
    endRemoveRows();
    emit totalsChanged();
}

void JobSheet::replaceRaw(int row, const SheetLine &line)
{
    Entry &entry = m_lines[std::size_t(row)];
    count(entry, -1);
    entry.line = line;
    rework(entry);
    count(entry, +1);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    emit totalsChanged();
}

void JobSheet::moveRaw(int from, int to)
{
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    const auto at = m_lines.begin();
    if (to > from)
        std::rotate(at + from, at + from + 1, at + to + 1);
    else
        std::rotate(at + to, at + from, at + from + 1);
    endMoveRows();
}

void JobSheet::setJobNameRaw(const QString &name)
{
    m_jobName = name;
    emit jobNameChanged(name);
}

// Every line without a rate of its own comes to a new amount.
void JobSheet::setSheetRateRaw(const QString &rate)
{
    m_sheetRate = rate;
    reworkAll(true);
    emit sheetRateChanged(rate);
    emit totalsChanged();
}

// Every line comes to a new amount.
void JobSheet::setRateUnitRaw(const QString &name)
{
    m_rateUnit = RateUnitNamed(name).value_or(RateUnit::PerKg);
    reworkAll(false);
    emit headerDataChanged(Qt::Horizontal, RateColumn, AmountColumn);
    emit rateUnitChanged(m_rateUnit);
    emit totalsChanged();
}

void JobSheet::setCutSettingsRaw(const QString &key, const std::optional<CutSettings> &settings)
{
    if (settings)
        m_cutSettings.insert(key, *settings);
    else
        m_cutSettings.remove(key);
    emit cutSettingsChanged();
}

void JobSheet::reworkAll(bool rateOfTheSheetOnly)
{
    for (Entry &entry : m_lines) {
        if (!rateOfTheSheetOnly || entry.line.rate.isEmpty()) {
            count(entry, -1);
            rework(entry);
            count(entry, +1);
        }
    }
    if (!m_lines.empty())
        emit dataChanged(index(0, RateColumn), index(rowCount() - 1, AmountColumn));
}

void JobSheet::rework(Entry &entry)
{
    entry.result = WorkOut(entry.line, m_sheetRate, m_separator, m_rateUnit);
}

// Adds the entry to the running totals, or with `sign` -1 takes it out.
void JobSheet::count(const Entry &entry, int sign)
{
    const LineResult &result = entry.result;
    if (result.weight)
        sign > 0 ? m_weight.add(*result.weight) : m_weight.subtract(*result.weight);
    else
        m_withoutWeight += sign;
    if (result.amount)
        sign > 0 ? m_amount.add(*result.amount) : m_amount.subtract(*result.amount);
    else
        m_withoutAmount += sign;
    if (!entry.line.rate.isEmpty())
        m_ownRates += sign;
}

QString JobSheet::sheetRateFailure() const
{
    if (m_sheetRate.isEmpty() || ParseNumber(m_sheetRate, m_separator))
        return {};
    return RateFailure(m_sheetRate, m_separator);
}

SheetTotals JobSheet::totals() const
{
    return {m_weight.value(), m_withoutWeight, m_amount.value(), m_withoutAmount,
            !m_sheetRate.isEmpty() || m_ownRates > 0};
}

namespace {

QString Incomplete(int lines, const char *what)
{
    return lines == 1 ? QStringLiteral(", incomplete: 1 line has no %1").arg(QLatin1String(what))
                      : QStringLiteral(", incomplete: %1 lines have no %2").arg(lines).arg(QLatin1String(what));
}

QString Beyond()
{
    return QStringLiteral("beyond the range of numbers the calculator can hold");
}

} // namespace

QString JobSheet::weightTotalText() const
{
    const SheetTotals t = totals();
    QString text = QStringLiteral("Total weight: ");
    if (t.weight)
        text += QStringLiteral("%1 kg (%2 t)").arg(m_figures.kg(*t.weight), m_figures.tonnes(*t.weight));
    else
        text += Beyond();
    if (t.linesWithoutWeight > 0)
        text += Incomplete(t.linesWithoutWeight, "weight");
    return text;
}

QString JobSheet::amountTotalText() const
{
    const SheetTotals t = totals();
    if (!t.rated)
        return QStringLiteral("Total amount: no rate given");
    QString text = QStringLiteral("Total amount: ") + (t.amount ? m_figures.moneyWithSymbol(*t.amount) : Beyond());
    if (t.linesWithoutAmount > 0)
        text += Incomplete(t.linesWithoutAmount, "amount");
    return text;
}

SheetContents JobSheet::contents() const
{
    SheetContents contents{m_jobName, m_sheetRate, {}, m_rateUnit, m_cutSettings};
    contents.lines.reserve(m_lines.size());
    for (const Entry &entry : m_lines)
        contents.lines.push_back(entry.line);
    return contents;
}

void JobSheet::replace(SheetContents contents)
{
    beginResetModel();
    m_undo.clear();
    m_jobName = std::move(contents.jobName);
    m_sheetRate = std::move(contents.sheetRate);
    const bool large = m_lines.size() > 10'000;
    // Its room too, which a larger sheet took: `= {}` would assign an empty
    // list and keep the capacity.
    std::vector<Entry>().swap(m_lines);
#ifdef __GLIBC__
    // The C library keeps what a large sheet's many small strings took for
    // the process; hand it back to the system.
    if (large)
        malloc_trim(0);
#endif
    m_weight = {};
    m_amount = {};
    m_withoutWeight = m_withoutAmount = m_ownRates = 0;
    m_rateUnit = contents.rateUnit;
    m_cutSettings = std::move(contents.cutSettings);
    m_lines.reserve(contents.lines.size());
    for (SheetLine &line : contents.lines) {
        Entry &entry = m_lines.emplace_back(Entry{std::move(line), {}});
        rework(entry);
        count(entry, +1);
    }
    endResetModel();
    m_undo.setClean();
    emit jobNameChanged(m_jobName);
    emit sheetRateChanged(m_sheetRate);
    emit rateUnitChanged(m_rateUnit);
    emit cutSettingsChanged();
    emit totalsChanged();
}

} // namespace msweight
