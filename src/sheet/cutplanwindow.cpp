#include "sheet/cutplanwindow.h"

#include "sheet/lineeditor.h"
#include "sheet/planloader.h"
#include "ui/look.h"
#include "ui/textbox.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace msweight {

namespace {

QTableView *NewTable(QAbstractItemModel *model, const char *name, const QString &accessible, QWidget *parent)
{
    auto *view = new QTableView(parent);
    view->setObjectName(QLatin1String(name));
    view->setAccessibleName(accessible);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);
    view->setWordWrap(false);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

// "line 3", "lines 3 and 7", "lines 3, 5 and 7"
QString LinesText(const QList<int> &rows)
{
    QStringList numbers;
    for (int row : rows)
        numbers << QString::number(row + 1);
    const QString last = numbers.takeLast();
    return numbers.isEmpty() ? QStringLiteral("Line ") + last
                             : QStringLiteral("Lines %1 and %2").arg(numbers.join(QLatin1String(", ")), last);
}

std::vector<GroupPlan> Unplanned(const CutGrouping &grouping)
{
    std::vector<GroupPlan> plans;
    for (const CutGroup &group : grouping.groups)
        plans.push_back({group, {}, std::nullopt, group.faults.join(QLatin1String(" "))});
    return plans;
}

} // namespace

CutPlanWindow::CutPlanWindow(JobSheet &sheet, SheetWindow::Dialogs dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_sheet(sheet)
    , m_dialogs(std::move(dialogs))
    , m_purchases(sheet.separator())
    , m_bars(sheet.separator())
{
    setObjectName(QStringLiteral("CuttingPlanWindow"));
    setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    resize(1240, 660);

    auto *layout = new QVBoxLayout(this);
    buildMenus();

    m_groupView = NewTable(&m_purchases, "PurchaseList", QStringLiteral("Groups and what to buy"), this);
    auto *groupsLabel = new QLabel(QStringLiteral("&Groups and what to buy:"));
    groupsLabel->setBuddy(m_groupView);
    layout->addWidget(groupsLabel);
    layout->addWidget(m_groupView, 2);

    auto *settings = new QGroupBox(QStringLiteral("Settings of the selected group"));
    settings->setObjectName(QStringLiteral("GroupSettings"));
    auto *grid = new QGridLayout(settings);
    m_settingsFor = new QLabel;
    m_settingsFor->setObjectName(QStringLiteral("SettingsFor"));
    grid->addWidget(m_settingsFor, 0, 0, 1, 6);
    const auto box
        = [&](const char *name, const QString &caption, const QString &accessible, int row, int column, int width) {
              QLineEdit *edit = NewInputBox(settings);
              edit->setObjectName(QLatin1String(name));
              edit->setAccessibleName(accessible);
              edit->setMinimumWidth(fontMetrics().averageCharWidth() * width);
              auto *label = new QLabel(caption);
              label->setBuddy(edit);
              grid->addWidget(label, row, column);
              grid->addWidget(edit, row, column + 1);
              connect(edit, &QLineEdit::editingFinished, this, &CutPlanWindow::commitSettings);
              return edit;
          };
    m_stock = box("StockLengths", QStringLiteral("&Stock lengths (m):"),
                  QStringLiteral("Stock lengths in m, each with an optional count"), 1, 0, 16);
    m_offcuts = box("Offcuts", QStringLiteral("&Offcuts in stock (m):"),
                    QStringLiteral("Offcuts in stock in m, each with its count"), 1, 2, 16);
    m_timeLimit = box("TimeLimit", QStringLiteral("T&ime limit (s):"), QStringLiteral("Time limit in s"), 1, 4, 6);
    m_kerf = box("Kerf", QStringLiteral("&Kerf (mm):"), QStringLiteral("Saw kerf in mm"), 2, 0, 6);
    m_minOffcut = box("MinOffcut", QStringLiteral("S&hortest offcut kept (m):"),
                      QStringLiteral("Shortest offcut kept in m"), 2, 2, 6);
    auto *hint = new QLabel(QStringLiteral("Lists: 12, 6 or 12 x 4; 6 (x the count)."));
    grid->addWidget(hint, 2, 4, 1, 2);
    m_settingsFault = new QLabel;
    m_settingsFault->setObjectName(QStringLiteral("SettingsFault"));
    m_settingsFault->setWordWrap(true);
    grid->addWidget(m_settingsFault, 3, 0, 1, 6);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 2);
    grid->setColumnStretch(5, 1);
    layout->addWidget(settings);

    auto *run = new QHBoxLayout;
    m_workOut = new QPushButton(QStringLiteral("&Work out the plan (F5)"));
    m_workOut->setObjectName(QStringLiteral("WorkOut"));
    m_cancelButton = new QPushButton(QStringLiteral("Cancel (Esc)"));
    m_cancelButton->setObjectName(QStringLiteral("CancelPlan"));
    m_cancelButton->setEnabled(false);
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("PlanProgress"));
    m_progress->setAccessibleName(QStringLiteral("Progress of the plan"));
    m_progress->setVisible(false);
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("PlanStatus"));
    m_status->setWordWrap(true);
    run->addWidget(m_workOut);
    run->addWidget(m_cancelButton);
    run->addWidget(m_progress);
    run->addWidget(m_status, 1);
    layout->addLayout(run);
    connect(m_workOut, &QPushButton::clicked, this, &CutPlanWindow::workOut);
    connect(m_cancelButton, &QPushButton::clicked, this, &CutPlanWindow::cancel);

    m_barView = NewTable(&m_bars, "CutPlan", QStringLiteral("Bars to cut"), this);
    m_barView->verticalHeader()->hide(); // each bar has its number in its group
    auto *barsLabel = new QLabel(QStringLiteral("&Bars to cut:"));
    barsLabel->setBuddy(m_barView);
    layout->addWidget(barsLabel);
    layout->addWidget(m_barView, 3);

    m_total = new QLabel;
    m_total->setObjectName(QStringLiteral("PlanTotal"));
    m_notes = new QLabel;
    m_notes->setObjectName(QStringLiteral("PlanNotes"));
    for (QLabel *label : {m_total, m_notes}) {
        label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        label->setFocusPolicy(Qt::StrongFocus);
        label->setWordWrap(true);
        layout->addWidget(label);
    }

    // A job has a few groups and some hundreds of bars: measured whole.
    for (QTableView *view : {m_groupView, m_barView})
        connect(view->model(), &QAbstractItemModel::modelReset, view, &QTableView::resizeColumnsToContents);

    connect(&m_watcher, &QFutureWatcher<std::vector<GroupPlan>>::progressRangeChanged, m_progress,
            &QProgressBar::setRange);
    connect(&m_watcher, &QFutureWatcher<std::vector<GroupPlan>>::progressValueChanged, m_progress,
            &QProgressBar::setValue);
    connect(&m_watcher, &QFutureWatcher<std::vector<GroupPlan>>::finished, this, &CutPlanWindow::finished);
    connect(m_groupView->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &CutPlanWindow::showSettings);
    connect(&m_purchases, &QAbstractItemModel::modelReset, this, [this] {
        if (m_purchases.rowCount() > 0)
            m_groupView->selectionModel()->setCurrentIndex(
                m_purchases.index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        showSettings();
    });

    // The plan is the sheet's as it was: a change says so, and before any
    // plan the groups follow the sheet.
    const auto changed = [this] {
        if (m_planned) {
            m_stale = true;
            showNotes();
        } else {
            showGroups();
        }
    };
    connect(&m_sheet, &JobSheet::totalsChanged, this, changed);
    connect(&m_sheet, &QAbstractItemModel::modelReset, this, [this] { m_defaults.clear(); });
    connect(&m_sheet, &QAbstractItemModel::modelReset, this, changed);
    connect(&m_sheet, &QAbstractItemModel::rowsMoved, this, changed);
    // The groups stay as they are; the current one's boxes show the change.
    connect(&m_sheet, &JobSheet::cutSettingsChanged, this, [this] {
        if (m_planned) {
            m_stale = true;
            showNotes();
        }
        showSettings();
    });
    const auto title = [this](const QString &job) {
        setWindowTitle(QStringLiteral("%1 – Cutting plan").arg(job.isEmpty() ? QStringLiteral("Untitled job") : job));
    };
    connect(&m_sheet, &JobSheet::jobNameChanged, this, title);
    title(m_sheet.jobName());
    showGroups();
}

CutPlanWindow::~CutPlanWindow()
{
    if (m_working) {
        cancel();
        m_watcher.waitForFinished();
    }
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        disconnect(edit, nullptr, this, nullptr);
}

void CutPlanWindow::buildMenus()
{
    auto *bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    const auto add
        = [this](QMenu *menu, const QString &text, QList<QKeySequence> keys, const char *name, auto command) {
              QAction *action = menu->addAction(text);
              action->setObjectName(QLatin1String(name));
              action->setShortcuts(keys);
              connect(action, &QAction::triggered, this, command);
              addAction(action);
              return action;
          };
    using Keys = QList<QKeySequence>;
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    add(file, QStringLiteral("&Print…"), StandardKeys(QKeySequence::Print, Qt::CTRL | Qt::Key_P), "PrintPlan",
        [this] { print(); });
    add(file, QStringLiteral("&Export as PDF…"), Keys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)}, "ExportPlanPdf",
        [this] { exportPdf(); });
    file->addSeparator();
    add(file, QStringLiteral("&Close"), StandardKeys(QKeySequence::Close, Qt::CTRL | Qt::Key_W), "ClosePlan",
        [this] { close(); });
    QMenu *edit = bar->addMenu(QStringLiteral("&Edit"));
    add(edit, QStringLiteral("&Copy table"), StandardKeys(QKeySequence::Copy, Qt::CTRL | Qt::Key_C), "CopyPlan",
        [this] { copy(); });
    QMenu *plan = bar->addMenu(QStringLiteral("P&lan"));
    add(plan, QStringLiteral("&Work out"), Keys{QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_R)},
        "WorkOutPlan", [this] { workOut(); });
    add(plan, QStringLiteral("&Cancel"), Keys{QKeySequence(Qt::Key_Escape)}, "CancelWorkingOut", [this] { cancel(); });
}

int CutPlanWindow::currentGroup() const
{
    const QModelIndex current = m_groupView->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CutPlanWindow::showGroups()
{
    const CutGrouping grouping = CutGroups(m_sheet);
    m_leftOut = grouping.leftOut;
    m_purchases.setPlans(Unplanned(grouping));
    m_bars.setPlans({});
    showNotes();
}

void CutPlanWindow::showSettings()
{
    const int row = currentGroup();
    const bool any = row >= 0;
    for (QLineEdit *edit : {m_stock, m_offcuts, m_kerf, m_minOffcut, m_timeLimit})
        edit->setEnabled(any);
    if (!any) {
        m_settingsFor->setText(QStringLiteral("No group: the sheet has no line with a length."));
        for (QLineEdit *edit : {m_stock, m_offcuts, m_kerf, m_minOffcut, m_timeLimit})
            edit->clear();
        m_settingsFault->clear();
        return;
    }
    const CutGroup &group = m_purchases.plans()[std::size_t(row)].group;
    const CutSettings settings = settingsOf(group);
    m_settingsFor->setText(QStringLiteral("For %1:").arg(group.title()));
    m_stock->setText(settings.stock);
    m_offcuts->setText(settings.offcuts);
    m_kerf->setText(settings.kerfMm);
    m_minOffcut->setText(settings.minOffcutM);
    m_timeLimit->setText(settings.timeLimitS);
    const auto made = MakeCutRequest(group, settings, m_sheet.separator());
    const QString *fault = std::get_if<QString>(&made);
    Announce(m_settingsFault, fault ? *fault : QString());
}

void CutPlanWindow::commitSettings()
{
    const int row = currentGroup();
    if (row < 0)
        return;
    const CutGroup &group = m_purchases.plans()[std::size_t(row)].group;
    const CutSettings settings{m_stock->text(), m_offcuts->text(), m_kerf->text(), m_minOffcut->text(),
                               m_timeLimit->text()};
    // On the sheet, one change that Undo takes back; in QSettings, the
    // defaults of the next sheet that has none.
    if (settings != settingsOf(group))
        m_sheet.setCutSettings(group.key(), settings, group.title());
    if (settings != LoadCutSettings(group, m_sheet.separator()))
        SaveCutSettings(group, settings, m_sheet.separator());
    const auto made = MakeCutRequest(group, settings, m_sheet.separator());
    const QString *fault = std::get_if<QString>(&made);
    Announce(m_settingsFault, fault ? *fault : QString());
}

CutSettings CutPlanWindow::settingsOf(const CutGroup &group) const
{
    const QString key = group.key();
    if (const auto found = m_sheet.cutSettings().constFind(key); found != m_sheet.cutSettings().cend())
        return *found;
    auto known = m_defaults.constFind(key);
    if (known == m_defaults.cend())
        known = m_defaults.insert(key, LoadCutSettings(group, m_sheet.separator()));
    return *known;
}

bool CutPlanWindow::workOut()
{
    if (m_working)
        return false;
    commitSettings();
    if (!m_planner) {
        QString why;
        m_planner = LoadPlanner(why);
        if (!m_planner) {
            m_dialogs.fail(this, why);
            return false;
        }
    }
    const CutGrouping grouping = CutGroups(m_sheet);
    std::vector<GroupPlan> plans = Unplanned(grouping);
    for (GroupPlan &plan : plans) {
        if (!plan.fault.isEmpty())
            continue;
        auto made = MakeCutRequest(plan.group, settingsOf(plan.group), m_sheet.separator());
        if (QString *fault = std::get_if<QString>(&made))
            plan.fault = *fault;
        else
            plan.request = std::get<CutRequest>(std::move(made));
    }
    m_leftOut = grouping.leftOut;

    m_cancel = std::make_shared<std::atomic_bool>(false);
    // Each group in turn, in the sheet's order, so that a sheet gives the
    // same plan run after run; each group's share of the bar a thousand steps.
    m_watcher.setFuture(QtConcurrent::run([plans = std::move(plans), cancel = m_cancel,
                                           planner = m_planner](QPromise<std::vector<GroupPlan>> &promise) mutable {
        promise.setProgressRange(0, int(std::max<std::size_t>(plans.size(), 1) * 1000));
        for (std::size_t i = 0; i < plans.size() && !cancel->load(); ++i) {
            if (!plans[i].fault.isEmpty())
                continue;
            CutRequest request = plans[i].request;
            request.cancel = cancel.get();
            request.progress = [&promise, i](double share) {
                promise.setProgressValue(int(i * 1000 + std::clamp(share, 0.0, 1.0) * 999));
            };
            plans[i].plan = planner(request);
        }
        promise.addResult(std::move(plans));
    }));
    m_working = true;
    m_workOut->setEnabled(false);
    m_cancelButton->setEnabled(true);
    m_progress->setValue(0);
    m_progress->setVisible(true);
    Announce(m_status, QStringLiteral("Working out the plan…"));
    return true;
}

void CutPlanWindow::cancel()
{
    if (m_working)
        m_cancel->store(true);
}

void CutPlanWindow::finished()
{
    m_working = false;
    m_workOut->setEnabled(true);
    m_cancelButton->setEnabled(false);
    m_progress->setVisible(false);
    if (m_cancel->load() || m_watcher.future().resultCount() == 0) {
        Announce(m_status, QStringLiteral("Cancelled: the plan shown is the one before."));
        return;
    }
    const int row = currentGroup();
    std::vector<GroupPlan> plans = m_watcher.future().result();
    m_bars.setPlans(plans);
    m_purchases.setPlans(std::move(plans));
    if (row >= 0 && row < m_purchases.rowCount())
        m_groupView->selectionModel()->setCurrentIndex(m_purchases.index(row, 0),
                                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_planned = true;
    m_stale = false;
    int proven = 0, planned = 0;
    for (const GroupPlan &plan : m_purchases.plans()) {
        planned += plan.plan ? 1 : 0;
        proven += plan.plan && plan.plan->optimal ? 1 : 0;
    }
    Announce(m_status,
             QStringLiteral("Worked out: %1 of %2 groups planned, %3 proven optimal.")
                 .arg(planned)
                 .arg(m_purchases.rowCount())
                 .arg(proven));
    showNotes();
}

void CutPlanWindow::showNotes()
{
    Announce(m_total, m_purchases.totalText());
    QStringList notes;
    if (m_stale)
        notes << QStringLiteral("The sheet has changed since this plan was worked out: press F5 for a new one.");
    if (!m_leftOut.isEmpty())
        notes << QStringLiteral("%1 left out: plates, flanges and transition pieces have no cut length.")
                     .arg(LinesText(m_leftOut));
    notes << QStringLiteral("The plan is worked out again from the sheet; the settings are saved with the sheet.");
    Announce(m_notes, notes.join(u'\n'));
}

void CutPlanWindow::copy()
{
    const QAbstractItemModel *model = m_barView->hasFocus() ? static_cast<QAbstractItemModel *>(&m_bars)
                                                            : static_cast<QAbstractItemModel *>(&m_purchases);
    QGuiApplication::clipboard()->setMimeData(TableCells(*model).release());
}

void CutPlanWindow::closeEvent(QCloseEvent *event)
{
    cancel();
    event->accept();
}

} // namespace msweight
