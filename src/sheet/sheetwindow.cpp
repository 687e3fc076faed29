#include "sheet/sheetwindow.h"

#include "sheet/itemline.h"
#include "sheet/itemsearch.h"
#include "sheet/lineeditor.h"
#include "sheet/placement.h"
#include "sheet/sheetcolumns.h"
#include "sheet/sheetexport.h"
#include "sheet/sheetkeys.h"
#include "ui/look.h"
#include "ui/textbox.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>

namespace msweight {

namespace {

// The line numbers beside the table. Qt's header measures up to a couple of
// hundred of its labels whenever a line comes or goes; the last line's
// number is the widest, and measuring it alone keeps a change to a long
// sheet quick.
class LineNumbers : public QHeaderView
{
public:
    LineNumbers()
        : QHeaderView(Qt::Vertical)
    {
    }
    QSize sizeHint() const override
    {
        if (count() == 0)
            return {fontMetrics().horizontalAdvance(u'0') * 2, defaultSectionSize()};
        return sectionSizeFromContents(count() - 1);
    }
};

// A warning sign in each cell that the sheet says is at fault.
class FaultDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(JobSheet::FaultRole).toString().isEmpty())
            return;
        if (m_warning.isNull())
            m_warning = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        option->features |= QStyleOptionViewItem::HasDecoration;
        option->icon = m_warning;
    }

    // A text cut short shows whole in its tooltip.
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event->type() == QEvent::ToolTip && index.data(Qt::ToolTipRole).isNull()) {
            QStyleOptionViewItem shown = option;
            initStyleOption(&shown, index);
            const QString text = shown.text;
            const QRect room = view->style()->subElementRect(QStyle::SE_ItemViewItemText, &shown, view);
            if (!text.isEmpty() && shown.fontMetrics.horizontalAdvance(text) > room.width()) {
                QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
                return true;
            }
        }
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }

private:
    mutable QIcon m_warning;
};

} // namespace

SheetWindow::SheetWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("JobSheet"));
    // The application's font is the calculator's Tahoma; the sheet is a
    // window of the desktop.
    setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    resize(1180, 640);
    setDialogs({});

    auto *layout = new QVBoxLayout(this);
    buildMenus();

    auto *top = new QHBoxLayout;
    m_job = NewInputBox(this);
    m_job->setObjectName(QStringLiteral("JobName"));
    m_job->setAccessibleName(QStringLiteral("Job name"));
    auto *jobLabel = new QLabel(QStringLiteral("&Job:"));
    jobLabel->setBuddy(m_job);
    m_rate = NewInputBox(this);
    m_rate->setObjectName(QStringLiteral("SheetRate"));
    m_rate->setAccessibleName(QStringLiteral("Rate for the sheet"));
    m_rate->setMaximumWidth(fontMetrics().averageCharWidth() * 16);
    auto *rateLabel = new QLabel(QStringLiteral("&Rate:"));
    rateLabel->setBuddy(m_rate);
    top->addWidget(jobLabel);
    top->addWidget(m_job, 1);
    top->addWidget(rateLabel);
    top->addWidget(m_rate);
    m_rateUnit = newRateUnitBox();
    top->addWidget(m_rateUnit);
    layout->addLayout(top);

    m_view = new QTableView(this); // in the window's font before the headings are measured
    m_view->setObjectName(QStringLiteral("Lines"));
    m_view->setAccessibleName(QStringLiteral("Lines"));
    m_view->setVerticalHeader(new LineNumbers);
    m_view->setItemDelegate(new FaultDelegate(m_view));
    m_view->setModel(&m_sheet);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    m_view->setTabKeyNavigation(false); // Tab leaves the table for the next part
    m_view->setWordWrap(false);
    // Fixed heights: no line is measured, however many there are.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const int character = fontMetrics().averageCharWidth();
    // No line is measured: the widths follow the table's own.
    KeepColumnsInView(m_view);
    // The drawing's mark first, as a take-off lists it; the model keeps its
    // order for copies and files.
    m_view->horizontalHeader()->moveSection(JobSheet::MarkColumn, 0);

    // The totals by section, a second view of the same lines.
    m_summaryView = new QTableView(this);
    m_summaryView->setObjectName(QStringLiteral("Summary"));
    m_summaryView->setAccessibleName(QStringLiteral("Totals by section"));
    m_summaryView->setModel(&m_summary);
    m_summaryView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_summaryView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_summaryView->setTabKeyNavigation(false);
    m_summaryView->setWordWrap(false);
    m_summaryView->verticalHeader()->hide();
    m_summaryView->horizontalHeader()->setStretchLastSection(true);
    m_summaryView->horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
    m_summaryView->setColumnWidth(SheetSummary::KindColumn, character * 16);
    m_summaryView->setColumnWidth(SheetSummary::ItemColumn, character * 20);
    m_summaryView->setColumnWidth(SheetSummary::StandardColumn, character * 27);
    m_summaryView->setColumnWidth(SheetSummary::WeightColumn, character * 14);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("Views"));
    m_tabs->tabBar()->setFocusPolicy(Qt::NoFocus); // Alt+L and Alt+U choose; Tab goes to the table
    m_tabs->addTab(m_view, QStringLiteral("&Lines"));
    m_tabs->addTab(m_summaryView, QStringLiteral("Totals by sectio&n"));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        m_summary.setLive(m_tabs->widget(tab) == m_summaryView);
        m_tabs->widget(tab)->setFocus(Qt::TabFocusReason);
    });

    // The line's boxes beside the table where the window is wide enough for
    // both, else below it; in a scroll area, so that they never squeeze the
    // table away.
    m_middle = new QBoxLayout(QBoxLayout::LeftToRight);
    m_middle->addWidget(m_tabs, 2);
    layout->addLayout(m_middle, 1);

    auto *sidePanel = new QWidget;
    auto *side = new QVBoxLayout(sidePanel);
    side->setContentsMargins({});
    m_search = new ItemSearch(this);
    auto *searchLabel = new QLabel(QStringLiteral("Find an item (Ctrl+L):"));
    searchLabel->setBuddy(m_search->box());
    side->addWidget(searchLabel);
    side->addWidget(m_search);
    m_line = new LineEditor(m_sheet);
    side->addWidget(m_line, 1, Qt::AlignTop);
    m_side = new QScrollArea;
    m_side->setObjectName(QStringLiteral("LineSide"));
    m_side->setWidget(sidePanel);
    m_side->setWidgetResizable(true);
    m_side->setFrameShape(QFrame::NoFrame);
    m_side->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_side->setFocusPolicy(Qt::NoFocus);
    m_middle->addWidget(m_side, 1);
    m_search->setOptions(parseOptions());
    m_line->setOptions(parseOptions());
    connect(m_search, &ItemSearch::chosen, this, &SheetWindow::addItem);
    // Cells copied from a spreadsheet, pasted into the table.
    new QShortcut(
        QKeySequence::Paste, m_view, this, [this] { pasteTakeOff(); }, Qt::WidgetShortcut);
    setTabOrder(m_rate, m_rateUnit);
    setTabOrder(m_rateUnit, m_search->box());
    setTabOrder(m_search->box(), m_search->findChild<QWidget *>(QStringLiteral("ItemMatches")));
    setTabOrder(m_search->findChild<QWidget *>(QStringLiteral("ItemMatches")), m_view);
    setTabOrder(m_view, m_summaryView);

    auto *totals = new QVBoxLayout;
    m_weightTotal = new QLabel;
    m_weightTotal->setObjectName(QStringLiteral("TotalWeight"));
    m_amountTotal = new QLabel;
    m_amountTotal->setObjectName(QStringLiteral("TotalAmount"));
    for (QLabel *label : {m_weightTotal, m_amountTotal}) {
        // Reached by Tab, so that the totals can be read again.
        label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        label->setFocusPolicy(Qt::StrongFocus);
        label->setWordWrap(true);
        totals->addWidget(label);
    }
    layout->addLayout(totals);

    // A box that refuses an over-long text says so once the refusal is done.
    for (QLineEdit *box : findChildren<QLineEdit *>()) {
        LeaveUndoToWindow(box);
        connect(
            box, &QLineEdit::inputRejected, this,
            [this, box] {
                m_dialogs.fail(this,
                               QStringLiteral("%1: a box takes at most %2 characters; what would have made it "
                                              "longer was not entered.")
                                   .arg(box->accessibleName())
                                   .arg(MaxBoxText));
            },
            Qt::QueuedConnection);
    }

    connect(m_job, &QLineEdit::editingFinished, this, [this] { m_sheet.setJobName(m_job->text()); });
    connect(m_rate, &QLineEdit::editingFinished, this, [this] { m_sheet.setSheetRate(m_rate->text()); });
    connect(&m_sheet, &JobSheet::jobNameChanged, this, [this](const QString &name) {
        if (m_job->text() != name)
            m_job->setText(name);
        updateTitle();
    });
    connect(&m_sheet, &JobSheet::sheetRateChanged, this, [this](const QString &rate) {
        if (m_rate->text() != rate)
            m_rate->setText(rate);
        MarkFault(m_rate, m_sheet.sheetRateFailure());
        m_line->showLine(currentRow());
    });
    connect(&m_sheet, &JobSheet::totalsChanged, this, &SheetWindow::showTotals);
    connect(&m_sheet.undoStack(), &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });

    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { m_line->showLine(current.row()); });
    connect(&m_sheet, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &from, const QModelIndex &to) {
        if (from.row() <= m_line->shownRow() && m_line->shownRow() <= to.row())
            m_line->showLine(m_line->shownRow());
    });
    // A new line becomes the current one, in sight.
    connect(&m_sheet, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &, int, int last) {
        const QModelIndex at = m_sheet.index(last, JobSheet::QuantityColumn);
        m_view->selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        // Its start in sight: the view may not be laid out yet, and any other
        // column would scroll it sideways.
        m_view->scrollTo(m_sheet.index(last, JobSheet::ItemColumn));
    });
    connect(&m_sheet, &QAbstractItemModel::rowsRemoved, this, [this] { m_line->showLine(currentRow()); });
    // A moved line stays the current one, and the only one selected.
    connect(&m_sheet, &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex &, int, int, const QModelIndex &, int to) {
                Q_UNUSED(to);
                const int row = currentRow();
                if (row >= 0)
                    m_view->selectionModel()->setCurrentIndex(m_sheet.index(row, JobSheet::QuantityColumn),
                                                              QItemSelectionModel::ClearAndSelect
                                                                  | QItemSelectionModel::Rows);
                m_line->showLine(row);
            });
    connect(&m_sheet, &QAbstractItemModel::modelReset, this, [this] {
        m_view->horizontalScrollBar()->setValue(0); // a file opens at its first column
        if (m_sheet.rowCount() > 0)
            m_view->selectionModel()->setCurrentIndex(m_sheet.index(0, JobSheet::QuantityColumn),
                                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_line->showLine(currentRow());
    });

    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&m_sheet, signal, this, &SheetWindow::updateLineCommands, Qt::QueuedConnection);
    connect(&m_sheet, &QAbstractItemModel::modelReset, this, &SheetWindow::updateLineCommands);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &SheetWindow::updateLineCommands);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this, &SheetWindow::updateLineCommands);

    updateTitle();
    m_line->showLine(-1);
    showTotals();
    updateLineCommands();
    placeLine();
}

// Beside the table when both fit side by side: the table's fixed columns, a
// little of its flexible ones, and the line's boxes at their natural width.
void SheetWindow::placeLine()
{
    const int character = fontMetrics().averageCharWidth();
    const int side = m_side->widget()->sizeHint().width();
    const bool beside = width() >= character * 100 + side;
    m_middle->setDirection(beside ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    m_middle->setStretch(0, beside ? 2 : 3);
    m_middle->setStretch(1, beside ? 1 : 2);
    m_side->setMaximumWidth(beside ? side + m_side->verticalScrollBar()->sizeHint().width() : QWIDGETSIZE_MAX);
    // Squeezed beside the calculator (a large font, a scale of 2): the
    // weights before the margins and the line numbers.
    const bool narrow = width() < character * 40;
    const int margin = narrow ? 2 : style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    layout()->setContentsMargins(margin, margin, margin, margin);
    m_view->verticalHeader()->setVisible(!narrow);
}

void SheetWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeLine();
}

SheetWindow::~SheetWindow()
{
    // The boxes outlive the sheet, and losing the focus as the window goes
    // would hand it their text.
    for (QObject *child : findChildren<QObject *>())
        disconnect(child, nullptr, this, nullptr);
    for (QObject *child : m_line->findChildren<QObject *>())
        disconnect(child, nullptr, m_line, nullptr);
}

void SheetWindow::addItem(const Item &item)
{
    commitTyping();
    m_sheet.insertLine(m_sheet.rowCount(), ItemLine(item));
    if (m_tabs->currentWidget() != m_view)
        m_tabs->setCurrentWidget(m_view);
    m_line->focusFirstInput();
}

void SheetWindow::showBeside(const QWidget *calculator)
{
    ShowBeside(*this, *calculator);
}

void SheetWindow::commitTyping()
{
    QWidget *focus = focusWidget();
    if (focus && focus != m_view && m_view->isAncestorOf(focus))
        emit m_view->itemDelegate()->commitData(focus); // a cell's editor
    m_sheet.setJobName(m_job->text());
    m_sheet.setSheetRate(m_rate->text());
    m_line->commit();
}

void SheetWindow::closeEvent(QCloseEvent *event)
{
    if (mayClose())
        event->accept();
    else
        event->ignore();
}

QList<int> SheetWindow::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_view->selectionModel()->selectedRows())
        rows << index.row();
    if (rows.isEmpty() && currentRow() >= 0)
        rows << currentRow();
    return rows;
}

int SheetWindow::currentRow() const
{
    return m_view->currentIndex().isValid() ? m_view->currentIndex().row() : -1;
}

void SheetWindow::copyLines()
{
    if (m_summaryView->hasFocus()) {
        QGuiApplication::clipboard()->setMimeData(SummaryCells(m_summary).release());
        return;
    }
    const QList<int> rows = selectedRows();
    if (!rows.isEmpty())
        QGuiApplication::clipboard()->setMimeData(SheetCells(m_sheet, rows).release());
}

void SheetWindow::deleteLines()
{
    m_sheet.removeLines(selectedRows());
}

void SheetWindow::moveCurrent(int step)
{
    const int row = currentRow();
    if (row >= 0)
        m_sheet.moveLine(row, row + step);
}

void SheetWindow::showTotals()
{
    Announce(m_weightTotal, m_sheet.weightTotalText());
    Announce(m_amountTotal, m_sheet.amountTotalText());
}

void SheetWindow::updateTitle()
{
    const QString job = m_sheet.jobName().isEmpty() ? QStringLiteral("Untitled job") : m_sheet.jobName();
    setWindowTitle(QStringLiteral("%1[*] – %2").arg(job, QStringLiteral("Job sheet")));
}

} // namespace msweight
