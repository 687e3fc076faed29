// The cutting plan of a job sheet in a window of its own: the groups of
// lines that have a length with what to buy for each (the purchase list), the
// selected group's settings, and the bars to cut. The plan is worked out off
// the window's thread, with a progress bar and a Cancel; Cancel keeps the
// plan shown before.
#pragma once

#include "sheet/cutresults.h"
#include "sheet/cutsettings.h"
#include "sheet/sheetwindow.h"

#include <QFutureWatcher>
#include <QHash>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace msweight {

class CutPlanWindow : public QWidget
{
    Q_OBJECT

public:
    // Plans one group; called on a worker thread.
    using Planner = std::function<CutPlan(const CutRequest &)>;

    CutPlanWindow(JobSheet &sheet, SheetWindow::Dialogs dialogs, QWidget *parent = nullptr);
    ~CutPlanWindow() override;

    // The planner to use instead of the program's own (tests).
    void setPlanner(Planner planner) { m_planner = std::move(planner); }

    // Starts working the plan out from the sheet as it is now; false when it
    // cannot start (a plan is being worked out, or the planner is missing).
    bool workOut();
    // Stops the plan being worked out; the plan shown stays.
    void cancel();
    // Until the plan is shown, or the cancel told.
    bool isWorking() const { return m_working; }
    // The plan being worked out, for whoever waits for it.
    QFuture<std::vector<GroupPlan>> future() const { return m_watcher.future(); }

    const PurchaseModel &purchases() const { return m_purchases; }
    const CutPlanModel &bars() const { return m_bars; }

    bool print();
    bool exportPdf();
    bool exportPdfTo(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void showGroups();
    void showSettings();
    void commitSettings();
    // The sheet's settings of the group, else the last used on this computer
    // as they were when the window first showed the sheet's group.
    CutSettings settingsOf(const CutGroup &group) const;
    void finished();
    void copy();
    void showNotes();
    int currentGroup() const;

    JobSheet &m_sheet;
    SheetWindow::Dialogs m_dialogs;
    Planner m_planner;
    PurchaseModel m_purchases;
    CutPlanModel m_bars;
    QList<int> m_leftOut;
    // The defaults as first read for the sheet shown: a change saves new
    // ones, yet once it is undone the boxes must show those before it.
    mutable QHash<QString, CutSettings> m_defaults;
    bool m_planned = false; // the models hold a plan, not only the groups
    bool m_stale = false;   // the sheet changed since
    bool m_working = false;

    QFutureWatcher<std::vector<GroupPlan>> m_watcher;
    std::shared_ptr<std::atomic_bool> m_cancel;

    QTableView *m_groupView;
    QTableView *m_barView;
    QLineEdit *m_stock;
    QLineEdit *m_offcuts;
    QLineEdit *m_kerf;
    QLineEdit *m_minOffcut;
    QLineEdit *m_timeLimit;
    QLabel *m_settingsFault;
    QLabel *m_settingsFor;
    QPushButton *m_workOut;
    QPushButton *m_cancelButton;
    QProgressBar *m_progress;
    QLabel *m_status;
    QLabel *m_total;
    QLabel *m_notes;
};

} // namespace msweight
