#include "sheet/sheetcolumns.h"

#include "sheet/jobsheet.h"

#include <QEvent>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>

#include <algorithm>

namespace msweight {

namespace {

// In average characters: what a column wants, where the heading or the
// figure does not need more.
struct ColumnWant
{
    JobSheet::Column column;
    int want;
    bool figures;         // holds a heading or a figure: takes no width to spare
    const char *widest{}; // a figure as wide as most it holds
};

// clang-format off
constexpr ColumnWant Wants[] = {
    {JobSheet::MarkColumn, 6, true},
    {JobSheet::ItemColumn, 16, false},
    {JobSheet::SizeColumn, 30, false},
    {JobSheet::InputsColumn, 24, false},
    {JobSheet::QuantityColumn, 0, true, "9999"},
    {JobSheet::UnitWeightColumn, 0, true, "999.99"},
    {JobSheet::WeightColumn, 0, true, "99,999.999"},
    {JobSheet::RateColumn, 0, true, "9,999.99"},
    {JobSheet::AmountColumn, 0, true, "999,999.99"},
    {JobSheet::DescriptionColumn, 14, false},
};

// Where the table is too narrow, in turn: a column shrinks to `least`
// characters, or goes (0) where what is left would not read. The quantity,
// the weight and the amount never give way.
struct GiveWay
{
    JobSheet::Column column;
    int least;
};
constexpr GiveWay GiveWays[] = {
    {JobSheet::DescriptionColumn, 0},
    {JobSheet::InputsColumn, 0},
    {JobSheet::SizeColumn, 12},
    {JobSheet::ItemColumn, 10},
    {JobSheet::UnitWeightColumn, 0},
    {JobSheet::RateColumn, 0},
    {JobSheet::MarkColumn, 0},
    {JobSheet::SizeColumn, 0},
    {JobSheet::ItemColumn, 4},
    {JobSheet::QuantityColumn, 0},
    {JobSheet::ItemColumn, 0},
};
// clang-format on

// Two lines of heading: "Unit weight (kg/m)" need not widen its column.
void FitHeading(QHeaderView *header)
{
    header->setMinimumHeight(header->fontMetrics().lineSpacing() * 2 + header->fontMetrics().height() / 2);
}

class ColumnFitter final : public QObject
{
public:
    explicit ColumnFitter(QTableView *view)
        : QObject(view)
        , m_view(view)
    {
        view->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FontChange)
            FitHeading(m_view->horizontalHeader());
        if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange)
            FitColumns(m_view);
        return false;
    }

private:
    QTableView *m_view;
};

} // namespace

void KeepColumnsInView(QTableView *view)
{
    QHeaderView *header = view->horizontalHeader();
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(1);
    // The headings may wrap rather than widen a column of figures.
    header->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    FitHeading(header);
    new ColumnFitter(view);
    FitColumns(view);
}

void FitColumns(QTableView *view)
{
    QHeaderView *header = view->horizontalHeader();
    const int character = view->fontMetrics().averageCharWidth();
    const int room = view->viewport()->width();
    const int margin = character / 2 + 2; // the cell's own padding
    const auto wanted = [&](const ColumnWant &want) {
        if (!want.figures)
            return want.want * character;
        // The heading in two lines, broken where they are narrowest, or the
        // figure, whichever is wider.
        const QStringList words = view->model()->headerData(want.column, Qt::Horizontal).toString().split(u' ');
        // The style may draw headings bold, inside margins of its own.
        QFont bold = header->font();
        bold.setBold(true);
        const QFontMetrics heading(bold);
        const int headingMargin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        int twoLines = heading.horizontalAdvance(words.join(u' '));
        for (qsizetype split = 1; split < words.size(); ++split)
            twoLines = std::min(twoLines,
                                std::max(heading.horizontalAdvance(words.mid(0, split).join(u' ')),
                                         heading.horizontalAdvance(words.mid(split).join(u' '))));
        const int figure = want.widest ? view->fontMetrics().horizontalAdvance(QLatin1String(want.widest)) : 0;
        return std::max({want.want * character + margin, figure + margin, twoLines + headingMargin + 2});
    };

    int wants[JobSheet::ColumnCount] = {};
    int used = 0;
    for (const ColumnWant &want : Wants)
        used += wants[want.column] = wanted(want);
    int widths[JobSheet::ColumnCount] = {};
    std::ranges::copy(wants, widths);
    const auto figures
        = [](JobSheet::Column column) { return std::ranges::find(Wants, column, &ColumnWant::column)->figures; };
    const int readable = character * 8;
    for (const GiveWay &give : GiveWays) {
        if (used <= room)
            break;
        int &width = widths[give.column];
        // A figure goes whole; a text may be cut, down to its least.
        int less = figures(give.column) ? width : std::min(used - room, std::max(width - give.least * character, 0));
        if (width - less < readable)
            less = width;
        width -= less;
        used -= less;
    }
    // Gone whole where a little less would have done: back, the last first,
    // where it fits.
    for (auto give = std::rbegin(GiveWays); give != std::rend(GiveWays); ++give) {
        int &width = widths[give->column];
        const int back = figures(give->column) ? wants[give->column] : std::min(wants[give->column], room - used);
        if (width == 0 && back >= readable && back <= room - used) {
            width = back;
            used += back;
        }
    }
    // Wider: the size and the inputs share what is left, or the item takes it.
    if (used < room) {
        const int spare = room - used;
        int &size = widths[JobSheet::SizeColumn];
        int &inputs = widths[JobSheet::InputsColumn];
        if (size > 0 && inputs > 0) {
            size += spare / 2;
            inputs += spare - spare / 2;
        } else if (size > 0 || inputs > 0) {
            (size > 0 ? size : inputs) += spare;
        } else if (widths[JobSheet::ItemColumn] > 0) {
            widths[JobSheet::ItemColumn] += spare;
        }
    }
    for (const ColumnWant &want : Wants) {
        const bool hidden = widths[want.column] < character;
        header->setSectionHidden(want.column, hidden);
        if (!hidden)
            header->resizeSection(want.column, widths[want.column]);
    }
}

} // namespace msweight
