#include "sheet/sheetwindow.h"

#include "sheet/printmodule.h"
#include "sheet/sheetexport.h"
#include "sheet/sheetfile.h"
#include "ui/builder.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QSaveFile>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace msweight {

namespace {

const char *const Caption = "Job sheet";

SheetWindow::Dialogs StandardDialogs()
{
    SheetWindow::Dialogs dialogs;
    dialogs.chooseFile
        = [](QWidget *parent, bool save, const QString &title, const QString &filter, const QString &suggested) {
              return save ? QFileDialog::getSaveFileName(parent, title, suggested, filter)
                          : QFileDialog::getOpenFileName(parent, title, suggested, filter);
          };
    dialogs.askToSave = [](QWidget *parent, const QString &question) {
        QMessageBox box(QMessageBox::Warning, QLatin1String(Caption), question,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Save);
        switch (box.exec()) {
        case QMessageBox::Save:
            return SheetWindow::Answer::Save;
        case QMessageBox::Discard:
            return SheetWindow::Answer::Discard;
        default:
            return SheetWindow::Answer::Cancel;
        }
    };
    dialogs.inform = [](QWidget *parent, const QString &message) {
        QMessageBox::information(parent, QLatin1String(Caption), message);
    };
    dialogs.fail = [](QWidget *parent, const QString &message) {
        QMessageBox::critical(parent, QLatin1String(Caption), message);
    };
    dialogs.runDialog = [](QDialog &dialog) { return dialog.exec(); };
    return dialogs;
}

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

// Loaded once, on the first Print or Export PDF, and kept.
PrintEntry PrintModule(QString &error)
{
    static QLibrary library;
    static PrintEntry entry = nullptr;
    if (entry)
        return entry;
    const QStringList paths = SheetWindow::printModulePaths();
    for (const QString &path : paths) {
        if (!QFileInfo::exists(path))
            continue;
        library.setFileName(path);
        if (!library.load()) {
            error = library.errorString();
            return nullptr;
        }
        entry = reinterpret_cast<PrintEntry>(library.resolve(PrintEntryName));
        if (!entry)
            error = QStringLiteral("%1 is not the print module of this version of the program.").arg(path);
        return entry;
    }
    error
        = QStringLiteral("the print module is missing; it was looked for as %1.").arg(paths.join(QLatin1String(", ")));
    return nullptr;
}

QString WithSuffix(QString path, const QString &suffix)
{
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += u'.' + suffix;
    return path;
}

// Screen readers hear a label's new text.
void Announce(QLabel *label, const QString &text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

// A warning sign inside a box whose text does not convert; the box's
// description says why. No colours: the desktop's theme stays whole.
void Mark(QLineEdit *box, const QString &fault)
{
    QAction *sign = box->findChild<QAction *>(QStringLiteral("Fault"));
    if (!sign && !fault.isEmpty()) {
        sign = box->addAction(box->style()->standardIcon(QStyle::SP_MessageBoxWarning), QLineEdit::TrailingPosition);
        sign->setObjectName(QStringLiteral("Fault"));
    }
    if (sign) {
        sign->setVisible(!fault.isEmpty());
        sign->setToolTip(fault);
    }
    box->setToolTip(fault);
    box->setAccessibleDescription(fault);
}

} // namespace

SheetWindow::SheetWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_dialogs(StandardDialogs())
{
    setObjectName(QStringLiteral("JobSheet"));
    // The application's font is the calculator's Tahoma; the sheet is a
    // window of the desktop.
    setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    resize(1180, 480);

    auto *layout = new QVBoxLayout(this);
    buildMenus();

    auto *top = new QHBoxLayout;
    m_job = new QLineEdit;
    m_job->setObjectName(QStringLiteral("JobName"));
    m_job->setAccessibleName(QStringLiteral("Job name"));
    auto *jobLabel = new QLabel(QStringLiteral("&Job:"));
    jobLabel->setBuddy(m_job);
    m_rate = new QLineEdit;
    m_rate->setObjectName(QStringLiteral("SheetRate"));
    m_rate->setAccessibleName(QStringLiteral("Rate per kg for the sheet"));
    m_rate->setMaximumWidth(fontMetrics().averageCharWidth() * 16);
    auto *rateLabel = new QLabel(QStringLiteral("&Rate per kg:"));
    rateLabel->setBuddy(m_rate);
    top->addWidget(jobLabel);
    top->addWidget(m_job, 1);
    top->addWidget(rateLabel);
    top->addWidget(m_rate);
    layout->addLayout(top);

    m_view = new QTableView(this); // in the window's font before the headings are measured
    m_view->setObjectName(QStringLiteral("Lines"));
    m_view->setAccessibleName(QStringLiteral("Lines"));
    m_view->setVerticalHeader(new LineNumbers);
    m_view->setModel(&m_sheet);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    m_view->setTabKeyNavigation(false); // Tab leaves the table for the next part
    m_view->setWordWrap(false);
    // Fixed heights: no line is measured, however many there are.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->horizontalHeader()->setStretchLastSection(true);
    // As wide as their headings, the inputs wider: no line is measured.
    m_view->horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
    m_view->setColumnWidth(JobSheet::ItemColumn, fontMetrics().averageCharWidth() * 14);
    m_view->setColumnWidth(JobSheet::SizeColumn, fontMetrics().averageCharWidth() * 14);
    m_view->setColumnWidth(JobSheet::InputsColumn, fontMetrics().averageCharWidth() * 24);
    m_view->setColumnWidth(JobSheet::WeightColumn, fontMetrics().averageCharWidth() * 14);
    auto *linesLabel = new QLabel(QStringLiteral("&Lines:"));
    linesLabel->setBuddy(m_view);
    layout->addWidget(linesLabel);
    auto *middle = new QHBoxLayout;
    middle->addWidget(m_view, 2);
    layout->addLayout(middle, 1);

    // The current line's inputs beside the table, each box named by its label.
    m_line = new QGroupBox;
    m_line->setObjectName(QStringLiteral("Line"));
    m_line->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    auto *form = new QFormLayout(m_line);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        m_inputs[i] = new QLineEdit;
        m_inputs[i]->setObjectName(QStringLiteral("Input%1").arg(i + 1));
        m_inputLabels[i] = new QLabel;
        m_inputLabels[i]->setBuddy(m_inputs[i]);
        form->addRow(m_inputLabels[i], m_inputs[i]);
        connect(m_inputs[i], &QLineEdit::editingFinished, this, [this, i] { commitInput(i); });
    }
    m_lineRate = new QLineEdit;
    m_lineRate->setObjectName(QStringLiteral("LineRate"));
    m_lineRate->setAccessibleName(QStringLiteral("Rate per kg for this line"));
    auto *lineRateLabel = new QLabel(QStringLiteral("Ra&te per kg for this line:"));
    lineRateLabel->setBuddy(m_lineRate);
    form->addRow(lineRateLabel, m_lineRate);
    m_lineFault = new QLabel;
    m_lineFault->setObjectName(QStringLiteral("LineFault"));
    m_lineFault->setWordWrap(true);
    form->addRow(m_lineFault);
    middle->addWidget(m_line, 1, Qt::AlignTop);

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

    connect(m_job, &QLineEdit::editingFinished, this, [this] { m_sheet.setJobName(m_job->text()); });
    connect(m_rate, &QLineEdit::editingFinished, this, [this] { m_sheet.setSheetRate(m_rate->text()); });
    connect(m_lineRate, &QLineEdit::editingFinished, this, &SheetWindow::commitLineRate);
    connect(&m_sheet, &JobSheet::jobNameChanged, this, [this](const QString &name) {
        if (m_job->text() != name)
            m_job->setText(name);
        updateTitle();
    });
    connect(&m_sheet, &JobSheet::sheetRateChanged, this, [this](const QString &rate) {
        if (m_rate->text() != rate)
            m_rate->setText(rate);
        Mark(m_rate, m_sheet.sheetRateFailure());
        showLine(currentRow());
    });
    connect(&m_sheet, &JobSheet::totalsChanged, this, &SheetWindow::showTotals);
    connect(&m_sheet.undoStack(), &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });

    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { showLine(current.row()); });
    connect(&m_sheet, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &from, const QModelIndex &to) {
        if (from.row() <= m_shownRow && m_shownRow <= to.row())
            showLine(m_shownRow);
    });
    // A new line becomes the current one, in sight.
    connect(&m_sheet, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &, int, int last) {
        const QModelIndex at = m_sheet.index(last, JobSheet::QuantityColumn);
        m_view->selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        // Its start in sight: the view may not be laid out yet, and any other
        // column would scroll it sideways.
        m_view->scrollTo(m_sheet.index(last, JobSheet::ItemColumn));
    });
    connect(&m_sheet, &QAbstractItemModel::rowsRemoved, this, [this] { showLine(currentRow()); });
    connect(&m_sheet, &QAbstractItemModel::rowsMoved, this, [this] { showLine(currentRow()); });
    connect(&m_sheet, &QAbstractItemModel::modelReset, this, [this] {
        if (m_sheet.rowCount() > 0)
            m_view->selectionModel()->setCurrentIndex(m_sheet.index(0, JobSheet::QuantityColumn),
                                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        showLine(currentRow());
    });

    updateTitle();
    showLine(-1);
    showTotals();
}

SheetWindow::~SheetWindow()
{
    // The boxes outlive the sheet, and losing the focus as the window goes
    // would hand it their text.
    for (QObject *child : findChildren<QObject *>())
        disconnect(child, nullptr, this, nullptr);
}

void SheetWindow::buildMenus()
{
    auto *bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    const auto add = [this](QMenu *menu, const QString &text, auto keys, const char *name, auto slot) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, slot);
        addAction(action); // its key works wherever the focus is in the window
        return action;
    };
    using Keys = QList<QKeySequence>;
    const auto keys = StandardKeys;

    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    add(file, QStringLiteral("&Open…"), keys(QKeySequence::Open, Qt::CTRL | Qt::Key_O), "Open", [this] { openFile(); });
    add(file, QStringLiteral("&Save"), keys(QKeySequence::Save, Qt::CTRL | Qt::Key_S), "Save", [this] { save(); });
    add(file, QStringLiteral("Save &As…"), keys(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S), "SaveAs",
        [this] { saveAs(); });
    file->addSeparator();
    add(file, QStringLiteral("&Print…"), keys(QKeySequence::Print, Qt::CTRL | Qt::Key_P), "Print", [this] { print(); });
    add(file, QStringLiteral("&Export as PDF…"), Keys{QKeySequence(Qt::CTRL | Qt::Key_E)}, "ExportPdf",
        [this] { exportPdf(); });
    file->addSeparator();
    add(file, QStringLiteral("&Close"), keys(QKeySequence::Close, Qt::CTRL | Qt::Key_W), "Close", [this] { close(); });

    QMenu *edit = bar->addMenu(QStringLiteral("&Edit"));
    QAction *undo = m_sheet.undoStack().createUndoAction(this, QStringLiteral("&Undo"));
    undo->setObjectName(QStringLiteral("Undo"));
    undo->setShortcuts(keys(QKeySequence::Undo, Qt::CTRL | Qt::Key_Z));
    QAction *redo = m_sheet.undoStack().createRedoAction(this, QStringLiteral("&Redo"));
    redo->setObjectName(QStringLiteral("Redo"));
    redo->setShortcuts(keys(QKeySequence::Redo, Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    for (QAction *action : {undo, redo}) {
        edit->addAction(action);
        addAction(action);
    }
    edit->addSeparator();
    add(edit, QStringLiteral("&Copy lines"), keys(QKeySequence::Copy, Qt::CTRL | Qt::Key_C), "Copy",
        [this] { copyLines(); });
    add(edit, QStringLiteral("&Delete lines"), keys(QKeySequence::Delete, QKeyCombination(Qt::Key_Delete)), "Delete",
        [this] { deleteLines(); });
    add(edit, QStringLiteral("Move line &up"), Keys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up)}, "MoveUp",
        [this] { moveCurrent(-1); });
    add(edit, QStringLiteral("Move line do&wn"), Keys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down)}, "MoveDown",
        [this] { moveCurrent(+1); });
}

void SheetWindow::setDialogs(Dialogs dialogs)
{
    if (dialogs.chooseFile)
        m_dialogs.chooseFile = std::move(dialogs.chooseFile);
    if (dialogs.askToSave)
        m_dialogs.askToSave = std::move(dialogs.askToSave);
    if (dialogs.inform)
        m_dialogs.inform = std::move(dialogs.inform);
    if (dialogs.fail)
        m_dialogs.fail = std::move(dialogs.fail);
    if (dialogs.runDialog)
        m_dialogs.runDialog = std::move(dialogs.runDialog);
}

// Right of the calculator if the screen has room, else left, else below,
// else above; the window shrinks to the room there is, never covering it.
void SheetWindow::showBeside(const QWidget *calculator)
{
    const QRect beside = calculator->frameGeometry();
    const QScreen *screen = calculator->screen() ? calculator->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    if (!isVisible())
        show(); // the frame's margins are known once it is shown
    const QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
    const QSize wanted = size().grownBy(frame);
    const QSize least = minimumSizeHint().grownBy(frame);
    constexpr int Gap = 8;

    const QRect rooms[] = {
        QRect(QPoint(beside.right() + 1 + Gap, area.top()), area.bottomRight()),
        QRect(area.topLeft(), QPoint(beside.left() - 1 - Gap, area.bottom())),
        QRect(QPoint(area.left(), beside.bottom() + 1 + Gap), area.bottomRight()),
        QRect(area.topLeft(), QPoint(area.right(), beside.top() - 1 - Gap)),
    };
    const QRect *room = nullptr;
    for (const QRect &candidate : rooms) {
        if (candidate.width() >= least.width() && candidate.height() >= least.height()) {
            room = &candidate;
            break;
        }
    }
    if (!room) {
        room = &rooms[0];
        for (const QRect &candidate : rooms) {
            if (candidate.width() * qint64(candidate.height()) > room->width() * qint64(room->height()))
                room = &candidate;
        }
    }
    QRect placed(QPoint(), wanted.boundedTo(room->size()).expandedTo(QSize(1, 1)));
    // Level with the calculator where it can be, inside the room.
    const bool sideways = room == &rooms[0] || room == &rooms[1];
    placed.moveTopLeft(sideways ? QPoint(room == &rooms[0] ? room->left() : room->right() - placed.width() + 1,
                                         std::clamp(beside.top(), room->top(), room->bottom() - placed.height() + 1))
                                : QPoint(std::clamp(beside.left(), room->left(), room->right() - placed.width() + 1),
                                         room == &rooms[2] ? room->top() : room->bottom() - placed.height() + 1));
    setGeometry(placed.marginsRemoved(frame));
    raise();
    activateWindow();
}

// Text typed but not yet confirmed by leaving its box counts too.
void SheetWindow::commitPending()
{
    QWidget *focus = focusWidget();
    if (!focus)
        return;
    if (focus != m_view && m_view->isAncestorOf(focus))
        emit m_view->itemDelegate()->commitData(focus); // a cell's editor
    else if (focus == m_job)
        m_sheet.setJobName(m_job->text());
    else if (focus == m_rate)
        m_sheet.setSheetRate(m_rate->text());
    else if (focus == m_lineRate)
        commitLineRate();
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        if (focus == m_inputs[i])
            commitInput(i);
    }
}

bool SheetWindow::askToSaveFirst()
{
    commitPending();
    if (m_sheet.undoStack().isClean())
        return true;
    const QString job = m_sheet.jobName().isEmpty() ? QStringLiteral("the job sheet")
                                                    : QStringLiteral("the job sheet \"%1\"").arg(m_sheet.jobName());
    switch (m_dialogs.askToSave(this, QStringLiteral("The changes to %1 are not saved. Save them?").arg(job))) {
    case Answer::Save:
        return save();
    case Answer::Discard:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

bool SheetWindow::mayClose()
{
    if (!askToSaveFirst())
        return false;
    if (!m_sheet.undoStack().isClean()) { // discarded
        m_sheet.replace({});
        m_path.clear();
        updateTitle();
    }
    return true;
}

void SheetWindow::closeEvent(QCloseEvent *event)
{
    if (mayClose())
        event->accept();
    else
        event->ignore();
}

bool SheetWindow::openFile()
{
    if (!askToSaveFirst())
        return false;
    const QString path
        = m_dialogs.chooseFile(this, false, QStringLiteral("Open a job sheet"),
                               QStringLiteral("Job sheets (*.csv);;All files (*)"), QFileInfo(m_path).path());
    return !path.isEmpty() && openPath(path);
}

bool SheetWindow::openPath(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_dialogs.fail(this, QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
        return false;
    }
    auto read = ReadSheet(file.readAll(), m_sheet.separator());
    if (const QString *why = std::get_if<QString>(&read)) {
        m_dialogs.fail(this, QStringLiteral("Cannot open %1.\n%2").arg(path, *why));
        return false;
    }
    SheetFile &opened = std::get<SheetFile>(read);
    m_sheet.replace(std::move(opened.contents));
    m_path = path;
    updateTitle();
    if (!opened.reworked.isEmpty()) {
        QStringList lines;
        for (int line : opened.reworked)
            lines << QString::number(line);
        m_dialogs.inform(this,
                         QStringLiteral("In %1 the weight on line %2 did not agree with its inputs; the sheet "
                                        "shows the weight worked out from the inputs.")
                             .arg(path, lines.join(QLatin1String(", "))));
    }
    return true;
}

bool SheetWindow::save()
{
    return m_path.isEmpty() ? saveAs() : saveTo(m_path);
}

bool SheetWindow::saveAs()
{
    const QString suggested = m_path.isEmpty()
        ? (m_sheet.jobName().isEmpty() ? QStringLiteral("Job sheet") : m_sheet.jobName()) + ".csv"
        : m_path;
    const QString path = WithSuffix(m_dialogs.chooseFile(this, true, QStringLiteral("Save the job sheet"),
                                                         QStringLiteral("Job sheets (*.csv)"), suggested),
                                    QStringLiteral("csv"));
    return !path.isEmpty() && saveTo(path);
}

// Whole or not at all: the old file stays as it was until the new one is
// complete.
bool SheetWindow::saveTo(const QString &path)
{
    commitPending();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(WriteSheet(m_sheet.contents(), m_sheet.separator())) < 0
        || !file.commit()) {
        m_dialogs.fail(this, QStringLiteral("Cannot save %1: %2").arg(path, file.errorString()));
        return false;
    }
    m_path = path;
    m_sheet.undoStack().setClean();
    updateTitle();
    return true;
}

bool SheetWindow::print()
{
    return printRequest({});
}

bool SheetWindow::exportPdf()
{
    const QString base = m_path.isEmpty()
        ? (m_sheet.jobName().isEmpty() ? QStringLiteral("Job sheet") : m_sheet.jobName())
        : QFileInfo(m_path).path() + u'/' + QFileInfo(m_path).completeBaseName();
    const QString path = WithSuffix(m_dialogs.chooseFile(this, true, QStringLiteral("Export the job sheet as PDF"),
                                                         QStringLiteral("PDF files (*.pdf)"), base + ".pdf"),
                                    QStringLiteral("pdf"));
    return !path.isEmpty() && exportPdfTo(path);
}

bool SheetWindow::exportPdfTo(const QString &path)
{
    return printRequest(path);
}

QStringList SheetWindow::printModulePaths()
{
    const QString chosen = qEnvironmentVariable("MSWEIGHT_PRINT_MODULE");
    if (!chosen.isEmpty())
        return {chosen};
    const QString here = QCoreApplication::applicationDirPath() + u'/';
    return {here + QStringLiteral(MSWEIGHT_PRINT_MODULE_FILE),
            QDir::cleanPath(here + QStringLiteral(MSWEIGHT_PRINT_MODULE_DIR "/" MSWEIGHT_PRINT_MODULE_FILE))};
}

bool SheetWindow::printRequest(const QString &pdfPath)
{
    const QString doing
        = pdfPath.isEmpty() ? QStringLiteral("Cannot print") : QStringLiteral("Cannot export %1").arg(pdfPath);
    commitPending();
    QString error;
    const PrintEntry entry = PrintModule(error);
    if (!entry) {
        m_dialogs.fail(this, doing + QStringLiteral(": ") + error);
        return false;
    }
    const std::unique_ptr<QTextDocument> document = SheetDocument(m_sheet, QDate::currentDate());
    PrintRequest request{document.get(),      this, windowTitle().remove(QLatin1String("[*]")), pdfPath,
                         m_dialogs.runDialog, {}};
    switch (PrintOutcome(entry(&request))) {
    case PrintOutcome::Printed:
        return true;
    case PrintOutcome::Cancelled:
        return false;
    case PrintOutcome::Failed:
        break;
    }
    m_dialogs.fail(this, doing + QStringLiteral(": ") + request.error);
    return false;
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
        m_sheet.moveLine(row, row + step); // the view keeps the moved line current
}

// The boxes of the current line, each named by its label.
void SheetWindow::showLine(int row)
{
    m_shownRow = row >= 0 && row < m_sheet.rowCount() ? row : -1;
    auto *form = static_cast<QFormLayout *>(m_line->layout());
    if (m_shownRow < 0) {
        m_line->setTitle(QStringLiteral("No line"));
        m_line->setEnabled(false);
        for (QLineEdit *box : m_inputs)
            form->setRowVisible(box, false);
        m_lineRate->clear();
        m_lineFault->clear();
        return;
    }
    const SheetLine &line = m_sheet.line(row);
    const LineResult &result = m_sheet.result(row);
    m_line->setEnabled(true);
    m_line->setTitle(
        QStringLiteral("Line %1: %2%3")
            .arg(row + 1)
            .arg(ToQString(line.calculation->item), line.size ? u' ' + ToQString(line.size->Caption) : QString()));
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        const bool used = i < line.inputs.size();
        form->setRowVisible(m_inputs[i], used);
        if (!used)
            continue;
        const QString caption = InputCaption(line.calculation->inputs[i]);
        m_inputLabels[i]->setText(caption + u':');
        m_inputs[i]->setAccessibleName(caption);
        if (m_inputs[i]->text() != line.inputs[i])
            m_inputs[i]->setText(line.inputs[i]);
        Mark(m_inputs[i], result.failedInput == int(i) ? result.failure : QString());
    }
    if (m_lineRate->text() != line.rate)
        m_lineRate->setText(line.rate);
    m_lineRate->setPlaceholderText(
        m_sheet.sheetRate().isEmpty() ? QString() : QStringLiteral("the sheet's: ") + m_sheet.sheetRate());
    Mark(m_lineRate, line.rate.isEmpty() ? QString() : result.rateFailure);
    QString fault = result.failure;
    if (!result.rateFailure.isEmpty())
        fault += (fault.isEmpty() ? QString() : QStringLiteral("\n")) + result.rateFailure;
    Announce(m_lineFault, fault);
}

void SheetWindow::commitInput(std::size_t input)
{
    if (m_shownRow >= 0 && m_shownRow < m_sheet.rowCount() && input < m_sheet.line(m_shownRow).inputs.size())
        m_sheet.setInput(m_shownRow, input, m_inputs[input]->text());
}

void SheetWindow::commitLineRate()
{
    if (m_shownRow >= 0 && m_shownRow < m_sheet.rowCount())
        m_sheet.setLineRate(m_shownRow, m_lineRate->text());
}

void SheetWindow::showTotals()
{
    Announce(m_weightTotal, m_sheet.weightTotalText());
    Announce(m_amountTotal, m_sheet.amountTotalText());
}

void SheetWindow::updateTitle()
{
    const QString job = m_sheet.jobName().isEmpty() ? QStringLiteral("Untitled job") : m_sheet.jobName();
    setWindowTitle(QStringLiteral("%1[*] – %2").arg(job, QLatin1String(Caption)));
}

} // namespace msweight
