// The sheet's totals by section: its lines grouped by item, size, edition
// and material, with pieces, total length, weight and amount, a subtotal
// for each kind (beams, channels, plates, ...) and the whole. A second view
// of the sheet, worked out again when it is looked at; never saved.
#pragma once

#include "calc/exactsum.h"
#include "sheet/itemline.h"
#include "sheet/jobsheet.h"

#include <QAbstractTableModel>

#include <memory>

class QMimeData;

namespace msweight {

class SheetSummary : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        KindColumn,
        ItemColumn,
        StandardColumn,
        MaterialColumn,
        PiecesColumn,
        LengthColumn,
        WeightColumn,
        AmountColumn,
        ColumnCount
    };

    explicit SheetSummary(const JobSheet &sheet, QObject *parent = nullptr);

    // While live, every change to the sheet is summed again as soon as the
    // event loop runs; otherwise only when it is next made live or
    // refreshed, so that a hidden summary costs an edit nothing.
    void setLive(bool live);
    // Sums the sheet again now, if it changed.
    void refresh();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A subtotal or the total: printed in bold.
    bool isTotal(int row) const { return m_rows[std::size_t(row)].total; }

private:
    struct Row
    {
        ItemKind kind{};
        bool total = false;
        bool whole = false; // the sheet's total
        QString item;
        QString standard;
        QString material;
        ExactSum pieces;
        ExactSum length;
        ExactSum weight;
        ExactSum amount;
        bool hasLength = false;
        bool rated = false;
        int lines = 0;
    };

    void changed();
    void rebuild();

    const JobSheet &m_sheet;
    std::vector<Row> m_rows;
    int m_withoutWeight = 0;
    bool m_live = false;
    bool m_stale = true;
    bool m_scheduled = false;
};

// The summary as plain cells, its column names first, for any printout.
struct SummaryText
{
    QStringList header;
    std::vector<QStringList> rows;
    std::vector<bool> totals; // the rows printed in bold
};
// The figures exact and ungrouped, as a spreadsheet takes them; with
// Qt::DisplayRole as the view shows them.
SummaryText SummaryCellsText(SheetSummary &summary, int role = JobSheet::ExactRole);

// Every row as tab-separated text and as an HTML table, which a spreadsheet
// pastes as cells: what is sent to a supplier.
std::unique_ptr<QMimeData> SummaryCells(SheetSummary &summary);

} // namespace msweight
