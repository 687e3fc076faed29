// The job sheet's cells as its views show them: the texts of each line,
// what is wrong with a cell, the headings, and the cells edited in place.
#include "sheet/itemline.h"
#include "sheet/jobsheet.h"

#include "numtext/numtext.h"

#include <QFont>

namespace msweight {

int JobSheet::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

int JobSheet::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString JobSheet::inputsText(const SheetLine &line) const
{
    QStringList parts;
    const std::size_t quantity = QuantityInput(line);
    for (std::size_t place = 0; place < line.inputs.size(); ++place) {
        const std::size_t i = ShownInput(line, place);
        if (i != quantity)
            parts << InputLabel(line, i) + QStringLiteral(" = ") + line.inputs[i];
    }
    return parts.join(QStringLiteral("; "));
}

QVariant JobSheet::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Entry &entry = m_lines[std::size_t(index.row())];
    const SheetLine &line = entry.line;
    const LineResult &result = entry.result;
    const int quantity = int(QuantityInput(line));
    const bool inheritsRate = line.rate.isEmpty();

    // What is wrong with the cell, if anything.
    const auto fault = [&]() -> QString {
        switch (index.column()) {
        case InputsColumn:
            return result.failedInput >= 0 && result.failedInput != quantity ? result.failure : QString();
        case QuantityColumn:
            return result.failedInput == quantity ? result.failure : QString();
        case WeightColumn:
            return result.failure;
        case RateColumn:
            return result.rateFailure;
        case AmountColumn:
            return result.rated && !result.amount ? (result.weight ? result.rateFailure : result.failure) : QString();
        default:
            return {};
        }
    };

    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case ItemColumn:
            return line.item ? KindName(KindOf(line)) : ToQString(line.calculation->item);
        case SizeColumn:
            return SizeText(line);
        case InputsColumn:
            return inputsText(line);
        case QuantityColumn:
            return line.inputs[std::size_t(quantity)];
        case UnitWeightColumn: {
            // The header says kg/m; a plate's cell says its own unit.
            const std::optional<double> unit = LineUnitWeight(line);
            if (!unit)
                return QString();
            return WeighedPerSquareMetre(line) ? m_figures.exact(*unit) + QStringLiteral(" kg/m²")
                                               : m_figures.exact(*unit);
        }
        case WeightColumn:
            return result.weight ? m_figures.kg(*result.weight) : QStringLiteral("no weight");
        case RateColumn:
            return inheritsRate ? m_sheetRate : line.rate;
        case AmountColumn:
            if (!result.rated)
                return QString();
            return result.amount ? m_figures.money(*result.amount) : QStringLiteral("no amount");
        case MarkColumn:
            return line.mark;
        case DescriptionColumn:
            return line.description;
        }
        return {};
    case Qt::EditRole:
        if (index.column() == RateColumn)
            return line.rate;
        return data(index, Qt::DisplayRole);
    case ExactRole:
        switch (index.column()) {
        case UnitWeightColumn: {
            const std::optional<double> unit = LineUnitWeight(line);
            return unit ? NumberToText(*unit, m_separator) : QString();
        }
        case WeightColumn:
            return result.weight ? NumberToText(*result.weight, m_separator) : data(index, Qt::DisplayRole);
        case AmountColumn:
            return result.amount ? MoneyText(*result.amount, m_separator) : data(index, Qt::DisplayRole);
        default:
            return data(index, Qt::DisplayRole);
        }
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        const QString why = fault();
        if (!why.isEmpty())
            return why;
        if (index.column() == RateColumn && inheritsRate && role == Qt::ToolTipRole)
            return QStringLiteral("The sheet's rate");
        if (index.column() == UnitWeightColumn && WeighedPerSquareMetre(line))
            return QStringLiteral("kg per square metre");
        // The weight as the page writes it: the cell is rounded.
        if (index.column() == WeightColumn && result.weight)
            return NumberToText(*result.weight, m_separator) + QStringLiteral(" kg");
        return {};
    }
    case FaultRole:
        return fault();
    case Qt::FontRole:
        if (index.column() == RateColumn && inheritsRate) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() >= QuantityColumn && index.column() <= AmountColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    return {};
}

QVariant JobSheet::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case ItemColumn:
        return QStringLiteral("Item");
    case SizeColumn:
        return QStringLiteral("Size");
    case InputsColumn:
        return QStringLiteral("Inputs");
    case QuantityColumn:
        return QStringLiteral("Quantity");
    case UnitWeightColumn:
        return QStringLiteral("Unit weight (kg/m)");
    case WeightColumn:
        return QStringLiteral("Weight (kg)");
    case RateColumn:
        return rateCaption();
    case AmountColumn: {
        const QString symbol = m_figures.currencySymbol();
        return symbol.isEmpty() ? QStringLiteral("Amount") : QStringLiteral("Amount (%1)").arg(symbol);
    }
    case MarkColumn:
        return QStringLiteral("Mark");
    case DescriptionColumn:
        return QStringLiteral("Description");
    }
    return {};
}

QString JobSheet::rateCaption() const
{
    const QString symbol = m_figures.currencySymbol();
    const QString unit = RateUnitName(m_rateUnit);
    return symbol.isEmpty() ? QStringLiteral("Rate per %1").arg(unit)
                            : QStringLiteral("Rate (%1 per %2)").arg(symbol, unit);
}

Qt::ItemFlags JobSheet::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    switch (index.column()) {
    case QuantityColumn:
    case RateColumn:
    case MarkColumn:
    case DescriptionColumn:
        flags |= Qt::ItemIsEditable;
        break;
    default:
        break;
    }
    return flags;
}

bool JobSheet::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    if (index.column() == QuantityColumn)
        setInput(index.row(), QuantityInput(line(index.row())), value.toString());
    else if (index.column() == RateColumn)
        setLineRate(index.row(), value.toString());
    else if (index.column() == MarkColumn)
        setMark(index.row(), value.toString());
    else if (index.column() == DescriptionColumn)
        setDescription(index.row(), value.toString());
    else
        return false;
    return true;
}

} // namespace msweight
