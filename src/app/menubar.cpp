#include "app/menubar.h"

#include "app/userform1.h"
#include "numtext/numtext.h"
#include "sheet/sheetkeys.h"
#include "sheet/sheetwindow.h"
#include "ui/builder.h"
#include "ui/layout.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QToolTip>

namespace msweight {

namespace {

QAction *AddAction(QMenu *menu, const QString &text, const QList<QKeySequence> &shortcuts)
{
    QAction *action = menu->addAction(text);
    action->setShortcuts(shortcuts);
    return action;
}

// The window's own keys, beside those of the menus.
constexpr std::pair<const char *, const char *> WindowKeys[] = {
    {"Alt+P, C, B, A, S, R, F, T",
     "Bring the page \"PL.\", \"ISMC\", \"ISMB\", \"ISA\", \"SQ.\", \"RO.\", "
     "\"FL.&amp;TP\" or \"TP\" to the front"},
    {"Tab, Shift+Tab", "The next or the previous box or button of the page"},
    {"Space", "Choose a size, press a button"},
    {"Enter", "Calculate the page (on \"FL.&amp;TP\" the half of the box)"},
    {"Alt+0", "Press the \"ISA\" page's button"},
};

// "TP" gives lengths: Add to sheet's key there says so, and does nothing.
class LengthsNotWeight : public Failure
{
public:
    QString message() const override
    {
        return QStringLiteral("\"TP\" gives lengths, not a weight: nothing is added to the sheet.");
    }
};

constexpr QKeyCombination AddKeys[] = {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter};

} // namespace

CalculatorMenus::CalculatorMenus(UserForm1 &form)
    : QObject(&form)
    , m_form(form)
    , m_menuBar(new QMenuBar(&form))
{
    // Access keys I, E, J and H: the tabs have P, C, B, A, S, R, F and T, and
    // Alt+0 presses a button.
    QMenu *file = m_menuBar->addMenu(tr("F&ile"));
    connect(AddAction(file, tr("&Open sheet…"), {QKeySequence::Open}), &QAction::triggered, this, [this] {
        if (sheet().openFile())
            m_sheet->showBeside(&m_form);
    });
    connect(AddAction(file, tr("&Save sheet"), {QKeySequence::Save}), &QAction::triggered, this,
            [this] { sheet().save(); });
    connect(
        AddAction(file, tr("Save sheet &as…"), StandardKeys(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
        &QAction::triggered, this, [this] { sheet().saveAs(); });
    file->addSeparator();
    connect(AddAction(file, tr("&Print sheet…"), {QKeySequence::Print}), &QAction::triggered, this,
            [this] { sheet().print(); });
    connect(AddAction(file, tr("&Export sheet as PDF…"), {}), &QAction::triggered, this,
            [this] { sheet().exportPdf(); });
    file->addSeparator();
    connect(AddAction(file, tr("&Quit"), {QKeySequence::Quit}), &QAction::triggered, &form, &QWidget::close);

    QMenu *edit = m_menuBar->addMenu(tr("&Edit"));
    connect(AddAction(edit, tr("&Copy result"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}), &QAction::triggered,
            this, &CalculatorMenus::copyResult);

    QMenu *job = m_menuBar->addMenu(tr("&Job"));
    m_addToSheet = AddAction(job, tr("&Add to sheet"), {QKeySequence(AddKeys[0]), QKeySequence(AddKeys[1])});
    connect(m_addToSheet, &QAction::triggered, this, &CalculatorMenus::addToSheet);
    // With the action disabled its keys would reach the box, whose Return
    // calculates the page.
    for (const QKeyCombination key : AddKeys) {
        auto *noWeight = new QShortcut(QKeySequence(key), &form);
        noWeight->setContext(Qt::WindowShortcut);
        noWeight->setEnabled(false);
        connect(noWeight, &QShortcut::activated, this, [this] { m_form.run([] { throw LengthsNotWeight(); }); });
        connect(m_addToSheet, &QAction::enabledChanged, noWeight, [noWeight](bool on) { noWeight->setEnabled(!on); });
    }
    connect(AddAction(job, tr("&Show sheet"), {QKeySequence(Qt::CTRL | Qt::Key_J)}), &QAction::triggered, this,
            &CalculatorMenus::showSheet);

    QMenu *help = m_menuBar->addMenu(tr("&Help"));
    connect(AddAction(help, tr("&Keyboard shortcuts"), {QKeySequence::HelpContents}), &QAction::triggered, this,
            &CalculatorMenus::showShortcuts);
    connect(AddAction(help, tr("&About"), {}), &QAction::triggered, this, &CalculatorMenus::showAbout);

    connect(&form, &UserForm1::frontPageChanged, this, &CalculatorMenus::frontPageChanged);
}

CalculatorMenus::~CalculatorMenus() = default;

bool CalculatorMenus::mayClose()
{
    if (!m_sheet)
        return true;
    if (!m_sheet->mayClose())
        return false;
    m_sheet->hide(); // it has asked already
    return true;
}

SheetWindow &CalculatorMenus::sheet()
{
    if (!m_sheet) {
        m_sheet = std::make_unique<SheetWindow>();
        m_sheet->setCalculatorKeys([this] { return keyRows(); });
    }
    return *m_sheet;
}

bool CalculatorMenus::openSheetFile(const QString &path)
{
    // Shown first, so that what the file's reading says comes over it.
    sheet().showBeside(&m_form);
    return m_sheet->openPath(path);
}

QString CalculatorMenus::keyRows() const
{
    QString rows;
    for (const auto &[keys, what] : WindowKeys)
        rows += KeyRow(QString::fromUtf8(keys), tr(what));
    return rows + MenuKeyRows(m_menuBar);
}

// The line weighs what the page's button would write, with the same failure
// when it cannot: the box's message, or the size not chosen.
void CalculatorMenus::addToSheet()
{
    const Calculation *calculation = m_form.frontCalculation();
    if (!calculation)
        return;
    m_form.run([&] {
        const std::vector<QString> texts = m_form.inputTexts(*calculation);
        const CatalogueRow *size = m_form.chosenSize(*calculation);
        // The result box filled as the page's button fills it.
        (*m_form.clickHandler(calculation->button))();
        sheet().commitTyping(); // a line being edited keeps what is typed
        const int row = m_sheet->sheet().addLine(*calculation, size, texts);
        showAdded(row);
        // Shown beside the calculator, which keeps the focus for the next item.
        if (!m_sheet->isVisible()) {
            m_sheet->setAttribute(Qt::WA_ShowWithoutActivating);
            m_sheet->showBeside(&m_form);
            m_sheet->setAttribute(Qt::WA_ShowWithoutActivating, false);
            m_form.activateWindow();
        }
    });
}

// So that a second press is a choice: the sheet's count and total in the
// command's text, and a notice by the result that fades.
void CalculatorMenus::showAdded(int row)
{
    const JobSheet &sheet = m_sheet->sheet();
    const QString total = sheet.weightTotalText();
    const QString lines = sheet.rowCount() == 1 ? tr("1 line") : tr("%1 lines").arg(sheet.rowCount());
    m_addToSheet->setText(tr("&Add to sheet (it has %1; %2)").arg(lines, total));
    m_addToSheet->setStatusTip(m_addToSheet->text().remove(u'&'));
    const QString notice = tr("Line %1 added to the sheet.\n%2").arg(row + 1).arg(total);
    QWidget *focus = m_form.focusWidget() ? m_form.focusWidget() : &m_form;
    QToolTip::showText(focus->mapToGlobal(QPoint(0, focus->height())), notice, focus, {}, 4000);
}

void CalculatorMenus::showSheet()
{
    sheet().showBeside(&m_form);
}

void CalculatorMenus::frontPageChanged()
{
    const bool weighs = m_form.frontCalculation() != nullptr;
    m_addToSheet->setEnabled(weighs);
    if (!weighs)
        m_addToSheet->setText(tr("&Add to sheet (\"TP\" gives lengths, not a weight)"));
    else if (m_addToSheet->text().contains(u'"'))
        m_addToSheet->setText(tr("&Add to sheet"));
}

// The front page's result as its box shows it; on "TP" each true length
// after its row's name, a line each.
void CalculatorMenus::copyResult()
{
    QApplication::clipboard()->setText(m_form.frontResult());
}

void CalculatorMenus::showAbout()
{
    QMessageBox::about(
        &m_form, tr("About %1").arg(ToQString(WindowCaption)),
        tr("<h3>%1</h3>"
           "<p>msweight %2: the weight of mild-steel plates, sections, bars, flanges and transition pieces, "
           "and the true lengths of a transition piece's lines.</p>"
           "<p>Sections: the ISMC, ISMB and ISA rows of the Indian standard section tables of 1964 (sections "
           "rolled today follow the 1989 revision and differ).</p>"
           "<p>The job sheet's catalogue, each table with its standard and edition:<br>"
           "rolled beams, columns, channels and angles: IS 808:1989 and IS 808:1964<br>"
           "parallel-flange beams and columns: IS 12778:2004<br>"
           "square and rectangular hollow sections: IS 4923:1997<br>"
           "circular hollow sections: IS 1161:2014<br>"
           "steel pipes: IS 1239 (Part 1):2004<br>"
           "flats: IS 1731:1971</p>"
           "<p>Constants: 7.85 kg per square metre per mm of steel; 0.785 for a circle's area from its "
           "diameter squared; 3.1416 for pi in a transition piece's girth.</p>"
           "<p>Licence: proprietary, all rights reserved.</p>")
            .arg(ToQString(WindowCaption), QStringLiteral(MSWEIGHT_VERSION)));
}

// Made from the menus themselves, so that the list cannot drift from them.
void CalculatorMenus::showShortcuts()
{
    QMessageBox box(QMessageBox::NoIcon, tr("Keyboard shortcuts"),
                    QStringLiteral("<table cellspacing=\"4\">%1</table>").arg(keyRows()), QMessageBox::Close, &m_form);
    box.exec();
}

} // namespace msweight
