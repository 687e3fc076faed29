#include "sheet/summary.h"

#include "numtext/numtext.h"
#include "sheet/sheetexport.h"

#include <QFont>
#include <QHash>
#include <QMimeData>
#include <QTimer>

#include <array>
#include <cmath>

namespace msweight {

namespace {

constexpr std::size_t KindCount = std::size_t(ItemKind::TransitionPieces) + 1;

// A plate's length is not a run of stock, nor a flange's a length at all.
bool HasRunLength(ItemKind kind)
{
    return kind != ItemKind::Plates && kind != ItemKind::Flanges && kind != ItemKind::TransitionPieces;
}

} // namespace

SheetSummary::SheetSummary(const JobSheet &sheet, QObject *parent)
    : QAbstractTableModel(parent)
    , m_sheet(sheet)
{
    connect(&sheet, &QAbstractItemModel::modelReset, this, &SheetSummary::changed);
    connect(&sheet, &QAbstractItemModel::rowsInserted, this, &SheetSummary::changed);
    connect(&sheet, &QAbstractItemModel::rowsRemoved, this, &SheetSummary::changed);
    connect(&sheet, &QAbstractItemModel::rowsMoved, this, &SheetSummary::changed);
    connect(&sheet, &QAbstractItemModel::dataChanged, this, &SheetSummary::changed);
}

void SheetSummary::setLive(bool live)
{
    m_live = live;
    if (live && m_stale)
        rebuild();
}

void SheetSummary::refresh()
{
    if (m_stale)
        rebuild();
}

void SheetSummary::changed()
{
    m_stale = true;
    if (!m_live || m_scheduled)
        return;
    // One sum for all the changes of one command.
    m_scheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_scheduled = false;
        if (m_live)
            refresh();
    });
}

void SheetSummary::rebuild()
{
    beginResetModel();
    m_stale = false;
    m_rows.clear();
    m_withoutWeight = 0;
    std::array<std::vector<Row>, KindCount> groups;
    std::array<Row, KindCount> subtotals;
    QHash<QString, std::size_t> where;
    Row whole;
    whole.total = whole.whole = true;
    whole.hasLength = true;
    const QString &separator = m_sheet.separator();

    for (int r = 0; r < m_sheet.rowCount(); ++r) {
        const SheetLine &line = m_sheet.line(r);
        const LineResult &result = m_sheet.result(r);
        if (!result.weight) {
            ++m_withoutWeight;
            continue;
        }
        const ItemKind kind = KindOf(line);
        const QString size = line.item || line.size ? SizeText(line) : ToQString(line.calculation->item);
        const QString material = LineMaterial(line);
        std::vector<Row> &group = groups[std::size_t(kind)];
        const QString key = size + u'\x1f' + material;
        auto at = where.constFind(key);
        if (at == where.cend()) {
            at = where.insert(key, group.size());
            Row &row = group.emplace_back();
            row.kind = kind;
            // The edition and the material have columns of their own.
            row.item = size.section(QStringLiteral(" \u00b7 "), 0, 0);
            row.standard = LineEdition(line);
            row.material = material;
            row.hasLength = HasRunLength(kind);
        }
        const double quantity = InputValue(line, Field::Quantity, separator).value_or(0);
        const std::optional<double> length = InputValue(line, Field::Length, separator);
        const double run = length ? *length * quantity : 0;
        for (Row *row : {&group[*at], &subtotals[std::size_t(kind)], &whole}) {
            ++row->lines;
            row->pieces.add(quantity);
            if (HasRunLength(kind) && std::isfinite(run))
                row->length.add(run);
            row->weight.add(*result.weight);
            if (result.amount) {
                row->amount.add(*result.amount);
                row->rated = true;
            }
        }
    }
    for (std::size_t k = 0; k < KindCount; ++k) {
        if (groups[k].empty())
            continue;
        for (Row &row : groups[k])
            m_rows.push_back(std::move(row));
        Row &subtotal = subtotals[k];
        subtotal.kind = ItemKind(k);
        subtotal.total = true;
        subtotal.hasLength = HasRunLength(ItemKind(k));
        subtotal.item = QStringLiteral("All ") + KindPluralName(ItemKind(k)).toLower();
        m_rows.push_back(std::move(subtotal));
    }
    whole.item = m_withoutWeight == 0 ? QStringLiteral("Total")
        : m_withoutWeight == 1        ? QStringLiteral("Total, leaving out 1 line without a weight")
                               : QStringLiteral("Total, leaving out %1 lines without a weight").arg(m_withoutWeight);
    m_rows.push_back(std::move(whole));
    endResetModel();
}

int SheetSummary::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int SheetSummary::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SheetSummary::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row &row = m_rows[std::size_t(index.row())];
    const QString &separator = m_sheet.separator();
    const auto number = [&](const ExactSum &sum) -> QString {
        const std::optional<double> value = sum.value();
        return value ? NumberToText(*value, separator) : QStringLiteral("beyond range");
    };
    switch (role) {
    case JobSheet::ExactRole:
        // For a spreadsheet: exact and ungrouped.
        if (index.column() == WeightColumn)
            return number(row.weight);
        if (index.column() == AmountColumn && row.rated)
            return row.amount.value() ? MoneyText(*row.amount.value(), separator) : QStringLiteral("beyond range");
        return data(index, Qt::DisplayRole);
    case Qt::DisplayRole:
        switch (index.column()) {
        case KindColumn:
            return row.whole ? QString() : KindPluralName(row.kind);
        case ItemColumn:
            return row.item;
        case StandardColumn:
            return row.standard;
        case MaterialColumn:
            return row.material;
        case PiecesColumn:
            return number(row.pieces);
        case LengthColumn:
            return row.hasLength ? number(row.length) : QString();
        case WeightColumn: {
            const std::optional<double> weight = row.weight.value();
            return weight ? m_sheet.figures().kg(*weight) : QStringLiteral("beyond range");
        }
        case AmountColumn:
            if (!row.rated)
                return QString();
            if (const std::optional<double> amount = row.amount.value())
                return m_sheet.figures().money(*amount);
            return QStringLiteral("beyond range");
        }
        return {};
    case Qt::FontRole:
        if (row.total) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() >= PiecesColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    return {};
}

QVariant SheetSummary::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QString Names[ColumnCount] = {
        QStringLiteral("Kind"),        QStringLiteral("Item"),   QStringLiteral("Standard"),
        QStringLiteral("Material"),    QStringLiteral("Pieces"), QStringLiteral("Length (m)"),
        QStringLiteral("Weight (kg)"), QStringLiteral("Amount"),
    };
    return section >= 0 && section < ColumnCount ? Names[section] : QString();
}

SummaryText SummaryCellsText(SheetSummary &summary, int role)
{
    summary.refresh();
    SummaryText text;
    for (int c = 0; c < SheetSummary::ColumnCount; ++c)
        text.header << summary.headerData(c, Qt::Horizontal).toString();
    for (int r = 0; r < summary.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < SheetSummary::ColumnCount; ++c)
            row << summary.data(summary.index(r, c), role).toString();
        text.rows.push_back(std::move(row));
        text.totals.push_back(summary.isTotal(r));
    }
    return text;
}

std::unique_ptr<QMimeData> SummaryCells(SheetSummary &summary)
{
    SummaryText text = SummaryCellsText(summary);
    text.rows.insert(text.rows.begin(), text.header);
    return CellsMimeData(text.rows);
}

} // namespace msweight
