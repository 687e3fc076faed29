// The job sheet: a list of weighed lines, each worked out by the very
// calculation its page runs, with running totals that stay exact whatever
// the order of edits. A table model over plain structs; every change goes
// through its undo stack (sheetcommands.h).
#pragma once

#include "calc/exactsum.h"
#include "sheet/sheetline.h"

#include <QAbstractTableModel>
#include <QUndoStack>

#include <optional>
#include <vector>

namespace msweight {

struct SheetTotals
{
    std::optional<double> weight; // nothing when the sum is beyond the double range
    int linesWithoutWeight = 0;
    std::optional<double> amount;
    int linesWithoutAmount = 0;
    bool rated = false; // the sheet or a line has a rate
};

class JobSheet : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        ItemColumn,
        SizeColumn,
        InputsColumn,
        QuantityColumn,
        UnitWeightColumn,
        WeightColumn,
        RateColumn,
        AmountColumn,
        MarkColumn,
        DescriptionColumn,
        ColumnCount
    };
    // Why a cell has no value, or holds one that does not convert: a text,
    // empty where all is well. The view marks such cells.
    static constexpr int FaultRole = Qt::UserRole;
    // A number cell's exact text, as the file has it but with the sheet's
    // separator; what Copy gives a spreadsheet.
    static constexpr int ExactRole = Qt::UserRole + 1;

    explicit JobSheet(QObject *parent = nullptr);
    // Reads and writes numbers with `separator`: tests choose it in-process.
    explicit JobSheet(QString separator, QObject *parent = nullptr);
    ~JobSheet() override;

    QString separator() const { return m_separator; }
    // How weights and amounts are shown; the user's settings unless set.
    const FigureFormat &figures() const { return m_figures; }
    void setFigures(FigureFormat figures);
    QUndoStack &undoStack() { return m_undo; }

    // Each of these is a change on the undo stack.
    int addLine(const Calculation &calculation, const CatalogueRow *size, std::vector<QString> inputs);
    int insertLine(int row, SheetLine line);
    // Lines at the end as one change, named `text` ("Paste 12 lines").
    void addLines(std::vector<SheetLine> lines, const QString &text);
    // A line's item in place of the one it has; its inputs kept where the new
    // item takes the same ones.
    void setItem(int row, const Item &item);
    void setMark(int row, const QString &text);
    void setDescription(int row, const QString &text);
    void setInput(int row, std::size_t input, const QString &text);
    void setLineRate(int row, const QString &text);
    void setJobName(const QString &name);
    void setSheetRate(const QString &rate);
    void setRateUnit(RateUnit unit);
    void removeLines(QList<int> rows);
    void moveLine(int from, int to);
    // The cutting plan's settings of the group `key` (CutGroup::key()); the
    // group's `title` names the change in the Undo menu.
    void setCutSettings(const QString &key, const CutSettings &settings, const QString &title);

    const SheetLine &line(int row) const { return m_lines[std::size_t(row)].line; }
    const LineResult &result(int row) const { return m_lines[std::size_t(row)].result; }
    const QString &jobName() const { return m_jobName; }
    const QString &sheetRate() const { return m_sheetRate; }
    RateUnit rateUnit() const { return m_rateUnit; }
    const QMap<QString, CutSettings> &cutSettings() const { return m_cutSettings; }
    // "Rate per kg", "Rate (₹ per t)".
    QString rateCaption() const;
    // The sheet rate's failure, when it does not convert.
    QString sheetRateFailure() const;
    SheetTotals totals() const;
    // "Total weight: 408 kg (0.408 t)", "..., incomplete: 1 line has no weight".
    QString weightTotalText() const;
    QString amountTotalText() const;

    SheetContents contents() const;
    // Replaces the whole sheet; not a change that can be undone, so the undo
    // stack is emptied and the sheet counts as unmodified.
    void replace(SheetContents contents);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    void totalsChanged();
    void jobNameChanged(const QString &name);
    void sheetRateChanged(const QString &rate);
    void rateUnitChanged(msweight::RateUnit unit);
    void cutSettingsChanged();

private:
    friend class LinesCommand;
    friend class LineCommand;
    friend class SheetFieldCommand;
    friend class MoveCommand;
    friend class CutSettingsCommand;

    struct Entry
    {
        SheetLine line;
        LineResult result;
    };

    void insertRaw(int row, const std::vector<SheetLine> &lines);
    void removeRaw(int row, int count);
    void replaceRaw(int row, const SheetLine &line);
    void moveRaw(int from, int to);
    void setJobNameRaw(const QString &name);
    void setSheetRateRaw(const QString &rate);
    void setRateUnitRaw(const QString &name);
    void setCutSettingsRaw(const QString &key, const std::optional<CutSettings> &settings);
    void reworkAll(bool rateOfTheSheetOnly);

    void count(const Entry &entry, int sign);
    void change(int row, SheetLine after, const QString &text);
    void rework(Entry &entry);
    QString inputsText(const SheetLine &line) const;
    QString rateText(const Entry &entry) const;

    QString m_separator;
    QString m_jobName;
    QString m_sheetRate;
    RateUnit m_rateUnit = RateUnit::PerKg;
    QMap<QString, CutSettings> m_cutSettings;
    FigureFormat m_figures;
    std::vector<Entry> m_lines;
    ExactSum m_weight;
    ExactSum m_amount;
    int m_withoutWeight = 0;
    int m_withoutAmount = 0;
    int m_ownRates = 0;
    QUndoStack m_undo;
};

} // namespace msweight
