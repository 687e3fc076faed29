#include "sheet/cutresults.h"

#include "numtext/numtext.h"
#include "sheet/sheetexport.h"
#include "sheet/sheetline.h"

#include <QLocale>
#include <QMimeData>

#include <cmath>
#include <map>

namespace msweight {

namespace {

QString KgText(double kg, QStringView separator)
{
    return NumberToText(std::round(kg * 100) / 100, separator);
}

double Kg(Micrometres length, double kgPerMetre)
{
    return double(length) / double(MicrometresPerMetre) * kgPerMetre;
}

QString Proof(const GroupPlan &plan, QStringView separator)
{
    if (!plan.fault.isEmpty())
        return QStringLiteral("not planned: ") + plan.fault;
    if (!plan.plan)
        return QStringLiteral("not worked out");
    const CutPlan &cut = *plan.plan;
    if (!cut.uncut.isEmpty())
        return QStringLiteral("the stock ran out: no bound");
    if (cut.optimal)
        return QStringLiteral("optimal");
    QString text = QStringLiteral("gap %1 m").arg(MetresText(cut.gap(), separator));
    if (cut.timedOut)
        text += QStringLiteral(", time limit reached");
    return text;
}

QString BuyText(const QList<CutPurchase> &buy, QStringView separator)
{
    QStringList parts;
    for (const CutPurchase &purchase : buy)
        parts << QStringLiteral("%1 x %2 m").arg(purchase.count).arg(MetresText(purchase.length, separator));
    return parts.join(QLatin1String(", "));
}

// "L2 3.55 x 3 + L4 1.15": a bar's pieces in cutting order, runs of one
// piece counted.
QString PiecesText(const CutRequest &request, const QList<int> &pieces, QStringView separator)
{
    QStringList parts;
    for (qsizetype i = 0; i < pieces.size();) {
        qsizetype run = 1;
        while (i + run < pieces.size() && pieces[i + run] == pieces[i])
            ++run;
        const CutPiece &piece = request.pieces[pieces[i]];
        QString text = piece.mark + u' ' + MetresText(piece.length, separator);
        if (run > 1)
            text += QStringLiteral(" x %1").arg(run);
        parts << text;
        i += run;
    }
    return parts.join(QLatin1String(" + "));
}

} // namespace

PlanWeights WeighPlan(const GroupPlan &plan, QStringView separator)
{
    PlanWeights weights;
    if (!plan.plan)
        return weights;
    const double kgPerMetre = plan.group.kgPerMetre;
    Micrometres fromStock = 0, pieces = 0, offcuts = 0;
    for (const CutBar &bar : plan.plan->bars) {
        if (bar.fromOffcut)
            fromStock += bar.length;
        for (int piece : bar.pieces)
            pieces += plan.request.pieces[piece].length;
        if (bar.offcutUsable)
            offcuts += bar.offcut;
    }
    std::map<Micrometres, int, std::greater<>> bought;
    for (const CutBar &bar : plan.plan->bars) {
        if (!bar.fromOffcut)
            ++bought[bar.length];
    }
    for (const auto &[length, count] : bought) {
        weights.buy << CutPurchase{length, count};
        // bars x length x kg/m
        weights.boughtKg += double(count) * (double(length) / double(MicrometresPerMetre)) * kgPerMetre;
    }
    weights.fromStockKg = Kg(fromStock, kgPerMetre);
    weights.piecesKg = Kg(pieces, kgPerMetre);
    weights.offcutsKg = Kg(offcuts, kgPerMetre);
    weights.scrapKg = Kg(plan.plan->boughtLength + fromStock - pieces - offcuts, kgPerMetre);
    if (!plan.group.rate.isEmpty()) {
        if (const std::optional<double> rate = ParseNumber(plan.group.rate, separator))
            weights.amount = weights.boughtKg * *rate;
    }
    return weights;
}

PurchaseModel::PurchaseModel(QString separator, QObject *parent)
    : QAbstractTableModel(parent)
    , m_separator(std::move(separator))
{
}

void PurchaseModel::setPlans(std::vector<GroupPlan> plans)
{
    beginResetModel();
    m_plans = std::move(plans);
    m_weights.clear();
    for (const GroupPlan &plan : m_plans)
        m_weights.push_back(WeighPlan(plan, m_separator));
    endResetModel();
}

QString PurchaseModel::totalText() const
{
    double bought = 0, in = 0, pieces = 0, offcuts = 0, scrap = 0, amount = 0;
    bool rated = false;
    int unplanned = 0;
    for (std::size_t i = 0; i < m_plans.size(); ++i) {
        if (!m_plans[i].plan) {
            ++unplanned;
            continue;
        }
        const PlanWeights &w = m_weights[i];
        bought += w.boughtKg;
        in += w.boughtKg + w.fromStockKg;
        pieces += w.piecesKg;
        offcuts += w.offcutsKg;
        scrap += w.scrapKg;
        if (w.amount) {
            amount += *w.amount;
            rated = true;
        }
    }
    if (unplanned == int(m_plans.size()))
        return {};
    const double kg = std::round(bought * 100) / 100;
    QString text = QStringLiteral("To buy: %1 kg (%2 t); pieces %3 kg, offcuts kept %4 kg, scrap %5 kg, waste %6%")
                       .arg(KgText(kg, m_separator), NumberToText(kg / 1000, m_separator), KgText(pieces, m_separator),
                            KgText(offcuts, m_separator), KgText(scrap, m_separator),
                            NumberToText(in > 0 ? std::round(scrap / in * 1000) / 10 : 0, m_separator));
    if (rated)
        text += QStringLiteral("; amount ") + MoneyText(amount, m_separator);
    if (unplanned > 0)
        text += QStringLiteral("; incomplete: %1 of %2 groups have no plan").arg(unplanned).arg(m_plans.size());
    return text;
}

int PurchaseModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_plans.size());
}

int PurchaseModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PurchaseModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole) {
        const bool number
            = index.column() != GroupColumn && index.column() != BuyColumn && index.column() != ProofColumn;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const GroupPlan &plan = m_plans[std::size_t(index.row())];
    const PlanWeights &w = m_weights[std::size_t(index.row())];
    const auto planned = [&](const QString &text) { return plan.plan ? text : QString(); };
    switch (index.column()) {
    case GroupColumn:
        return plan.group.title();
    case PiecesColumn: {
        int count = 0;
        for (const CutPiece &piece : plan.group.pieces)
            count += piece.count;
        return count;
    }
    case BuyColumn:
        return BuyText(w.buy, m_separator);
    case BoughtColumn:
        return planned(MetresText(plan.plan ? plan.plan->boughtLength : 0, m_separator));
    case BoundColumn:
        return planned(MetresText(plan.plan ? plan.plan->lowerBound : 0, m_separator));
    case ProofColumn:
        return Proof(plan, m_separator);
    case BoughtKgColumn:
        return planned(KgText(w.boughtKg, m_separator));
    case PiecesKgColumn:
        return planned(KgText(w.piecesKg, m_separator));
    case OffcutsKgColumn:
        return planned(KgText(w.offcutsKg, m_separator));
    case ScrapKgColumn:
        return planned(KgText(w.scrapKg, m_separator));
    case WasteColumn: {
        const double in = w.boughtKg + w.fromStockKg;
        return planned(NumberToText(in > 0 ? std::round(w.scrapKg / in * 1000) / 10 : 0, m_separator));
    }
    case AmountColumn:
        if (plan.group.rateDiffers)
            return QStringLiteral("rates differ");
        return w.amount ? MoneyText(*w.amount, m_separator) : QString();
    default:
        return {};
    }
}

QVariant PurchaseModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    static const char *const Headers[]
        = {"Group",       "Pieces",      "Bars to buy",       "Bought (m)", "Bound (m)", "Proof",
           "Bought (kg)", "Pieces (kg)", "Offcuts kept (kg)", "Scrap (kg)", "Waste (%)", "Amount"};
    return QLatin1String(Headers[section]);
}

CutPlanModel::CutPlanModel(QString separator, QObject *parent)
    : QAbstractTableModel(parent)
    , m_separator(std::move(separator))
{
}

void CutPlanModel::setPlans(const std::vector<GroupPlan> &plans)
{
    beginResetModel();
    m_rows.clear();
    for (const GroupPlan &plan : plans) {
        if (!plan.plan)
            continue;
        const QString title = plan.group.title();
        int number = 0;
        for (const CutBar &bar : plan.plan->bars) {
            QString offcut = MetresText(bar.offcut, m_separator);
            if (bar.offcut > 0)
                offcut += bar.offcutUsable ? QStringLiteral(", kept") : QStringLiteral(", scrap");
            m_rows.push_back({title, QString::number(++number), MetresText(bar.length, m_separator),
                              bar.fromOffcut ? QStringLiteral("offcut in stock") : QStringLiteral("bought"),
                              PiecesText(plan.request, bar.pieces, m_separator), offcut});
        }
        const auto unplaced = [&](const QList<CutShortfall> &pieces, const QString &what, const QString &why) {
            for (const CutShortfall &shortfall : pieces)
                m_rows.push_back({title,
                                  {},
                                  {},
                                  what,
                                  PiecesText(plan.request, QList<int>(shortfall.count, shortfall.piece), m_separator),
                                  why});
        };
        unplaced(plan.plan->tooLong, QStringLiteral("too long"), QStringLiteral("needs a joint or a special length"));
        unplaced(plan.plan->uncut, QStringLiteral("not cut"), QStringLiteral("the stock ran out"));
    }
    endResetModel();
}

int CutPlanModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CutPlanModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CutPlanModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole) {
        const bool number = index.column() == BarColumn || index.column() == StockColumn;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    return m_rows[std::size_t(index.row())].value(index.column());
}

QVariant CutPlanModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation == Qt::Vertical)
        return {};
    static const char *const Headers[] = {"Group", "Bar", "Stock (m)", "Cut from", "Pieces (m)", "Offcut (m)"};
    return QLatin1String(Headers[section]);
}

Printout CutPlanPrintout(const PurchaseModel &purchases, const CutPlanModel &bars, const QString &jobName, QDate date)
{
    Printout printout;
    printout.title = jobName.isEmpty() ? QStringLiteral("Cutting plan") : QStringLiteral("Cutting plan: ") + jobName;
    printout.preamble << QLocale().toString(date, QLocale::LongFormat);
    for (int row = 0; row < purchases.rowCount(); ++row) {
        QStringList parts;
        for (int column = 0; column < PurchaseModel::ColumnCount; ++column) {
            const QString cell = purchases.index(row, column).data().toString();
            if (column == PurchaseModel::GroupColumn)
                parts << cell;
            else if (!cell.isEmpty())
                parts << purchases.headerData(column, Qt::Horizontal).toString() + QStringLiteral(": ") + cell;
        }
        printout.preamble << parts.join(QLatin1String("; "));
    }
    for (int column = 0; column < CutPlanModel::ColumnCount; ++column) {
        printout.headers << bars.headerData(column, Qt::Horizontal).toString();
        printout.alignments.push_back(
            column == CutPlanModel::BarColumn || column == CutPlanModel::StockColumn ? Qt::AlignRight : Qt::AlignLeft);
    }
    for (int row = 0; row < bars.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < CutPlanModel::ColumnCount; ++column)
            cells << bars.index(row, column).data().toString();
        printout.rows.push_back(std::move(cells));
    }
    printout.footer << purchases.totalText();
    return printout;
}

std::unique_ptr<QMimeData> TableCells(const QAbstractItemModel &model)
{
    std::vector<QStringList> rows(std::size_t(model.rowCount()) + 1);
    for (int c = 0; c < model.columnCount(); ++c)
        rows.front() << model.headerData(c, Qt::Horizontal).toString();
    for (int r = 0; r < model.rowCount(); ++r) {
        for (int c = 0; c < model.columnCount(); ++c)
            rows[std::size_t(r) + 1] << model.index(r, c).data().toString();
    }
    return CellsMimeData(rows);
}

} // namespace msweight
