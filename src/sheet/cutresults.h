// What the cutting plan comes to, as the window shows it: the groups with
// what to buy and what it weighs (the purchase list), and the bars with the
// pieces cut from each (the plan). Plain models over the plans, and the same
// texts for the clipboard and the printout.
#pragma once

#include "sheet/cutgroups.h"
#include "sheet/printout.h"

#include <QAbstractTableModel>
#include <QDate>

#include <memory>
#include <optional>

class QMimeData;

namespace msweight {

// A group, what it was planned with, and its plan.
struct GroupPlan
{
    CutGroup group;
    CutRequest request; // without its cancel flag and progress
    std::optional<CutPlan> plan;
    QString fault; // why there is no plan: the group's lines or its settings
};

// The weights of a plan, each from exact sums of micrometres x kg/m.
struct PlanWeights
{
    QList<CutPurchase> buy;
    double boughtKg = 0;
    double fromStockKg = 0;       // offcuts in stock that the plan cuts
    double piecesKg = 0;          // the pieces cut
    double offcutsKg = 0;         // offcuts at least the shortest worth keeping
    double scrapKg = 0;           // the rest: short offcuts and the saw's kerfs
    std::optional<double> amount; // bought x the group's rate per kg
};

PlanWeights WeighPlan(const GroupPlan &plan, QStringView separator);

// One row a group: its pieces, the bars to buy, their weight, the pieces',
// the offcuts' and the scrap's, the waste, the bound and the proof, and the
// amount.
class PurchaseModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        GroupColumn,
        PiecesColumn,
        BuyColumn,
        BoughtColumn,
        BoundColumn,
        ProofColumn,
        BoughtKgColumn,
        PiecesKgColumn,
        OffcutsKgColumn,
        ScrapKgColumn,
        WasteColumn,
        AmountColumn,
        ColumnCount
    };

    explicit PurchaseModel(QString separator, QObject *parent = nullptr);

    void setPlans(std::vector<GroupPlan> plans);
    const std::vector<GroupPlan> &plans() const { return m_plans; }
    // "To buy: 1234.5 kg (1.2345 t) ..."; empty before any plan.
    QString totalText() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString m_separator;
    std::vector<GroupPlan> m_plans;
    std::vector<PlanWeights> m_weights;
};

// One row a bar, then a row for each piece too long for the stock or left
// uncut, so that none goes unmentioned.
class CutPlanModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { GroupColumn, BarColumn, StockColumn, FromColumn, PiecesColumn, OffcutColumn, ColumnCount };

    explicit CutPlanModel(QString separator, QObject *parent = nullptr);

    void setPlans(const std::vector<GroupPlan> &plans);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString m_separator;
    std::vector<QStringList> m_rows;
};

// The purchase list above (a line a group), the bars as the table, the
// totals below.
Printout CutPlanPrintout(const PurchaseModel &purchases, const CutPlanModel &bars, const QString &jobName, QDate date);

// A table's cells with its headings, as tab-separated text and as an HTML
// table, which a spreadsheet pastes as cells.
std::unique_ptr<QMimeData> TableCells(const QAbstractItemModel &model);

} // namespace msweight
