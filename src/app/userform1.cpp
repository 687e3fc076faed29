#include "app/userform1.h"

#include "app/desktop.h"
#include "app/failure.h"
#include "app/menubar.h"
#include "numtext/numtext.h"
#include "ui/builder.h"
#include "ui/layout.h"
#include "ui/workarounds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>

#include <algorithm>
#include <new>

namespace msweight {

void PrepareApplication()
{
    QApplication::setStyle(ApplicationStyle());
    EnsureTahoma();
    // Also the application's font: a text box lays out its empty text in the
    // application's font before it takes its own, and with any other font
    // that would load a face the window never shows.
    QApplication::setFont(FormFont());
    PrepareDesktop();
}

UserForm1::UserForm1(QWidget *parent)
    : QWidget(parent)
    , m_report([this](const QString &message) { ShowFailure(this, message); })
{
    setObjectName(QStringLiteral("UserForm1"));
    setWindowTitle(ToQString(WindowCaption));
    PrepareWindow(this);
    EnsureTahoma(); // before the first font is matched, or the fallback sticks
    setFont(FormFont());

    m_form = std::make_unique<Form>(this);
    m_multiPage = m_form->multiPage();
    // The menu bar above the pages; below it the client area keeps its size.
    m_menus = new CalculatorMenus(*this);
    const int menuHeight = m_menus->menuBar()->sizeHint().height();
    m_menus->menuBar()->setGeometry(0, 0, Pixels(ClientWidth), menuHeight);
    m_multiPage->move(0, menuHeight);
    setFixedSize(Pixels(ClientWidth), menuHeight + Pixels(ClientHeight));
    connect(m_multiPage, &QTabWidget::currentChanged, this, &UserForm1::frontPageChanged);

    // Every option button chooses its own row, and every command button
    // calculates its page's table entry: the table from name to handler is
    // whole at once, and each page's buttons and boxes are bound to it as
    // the page's controls are made.
    for (const CatalogueTable &table : Catalogue()) {
        for (const CatalogueRow &row : table.Rows)
            m_handlers.emplace(row.ButtonName, [this, ref = RowRef{&table, &row}] { SelectRow(ref, *this); });
    }
    m_calculations.reserve(Calculations().size());
    for (const Calculation &calculation : Calculations()) {
        BoundCalculation &bound = m_calculations.emplace_back();
        bound.calculation = &calculation;
        m_handlers.emplace(calculation.button, [this, &bound] { calculate(bound); });
    }
    for (const PageSpec &spec : Pages()) {
        if (m_form->made(spec.page))
            bindPage(spec.page);
    }
    m_form->whenPageMade([this](Page page) { bindPage(page); });
}

// The page's controls, just made, bound to their handlers; Enter in an input
// box presses its calculation's button.
void UserForm1::bindPage(Page page)
{
    const ControlMap &controls = m_form->controls();
    for (const CatalogueTable &table : Catalogue()) {
        if (table.page != page)
            continue;
        for (std::string_view label : table.PropertyLabels)
            m_propertyLabels[std::size_t(table.page)].push_back(Resolve<QLabel>(controls, label));
    }
    for (BoundCalculation &bound : m_calculations) {
        const Calculation &calculation = *bound.calculation;
        if (calculation.page != page)
            continue;
        bound.button = Resolve<QAbstractButton>(controls, calculation.button);
        for (const CalculationInput &input : calculation.inputs) {
            QLineEdit *box = Resolve<QLineEdit>(controls, input.box);
            bound.inputs.push_back(box);
            connect(box, &QLineEdit::returnPressed, bound.button, &QAbstractButton::click);
            // After the paste or key press that was refused has returned.
            connect(
                box, &QLineEdit::inputRejected, this,
                [this, &input] {
                    m_report(QStringLiteral("%1: a box takes at most %2 characters; what would have made it longer "
                                            "was not entered.")
                                 .arg(InputName(input))
                                 .arg(MaxBoxText));
                },
                Qt::QueuedConnection);
        }
        for (std::string_view result : calculation.results)
            bound.results.push_back(Resolve<QLineEdit>(controls, result));
    }
    for (const ControlSpec &spec : Controls()) {
        if (spec.page != page)
            continue;
        if (const auto at = m_handlers.find(spec.name); at != m_handlers.end()) {
            connect(Resolve<QAbstractButton>(controls, spec.name), &QAbstractButton::clicked, this,
                    [this, handler = &at->second] { run(*handler); });
        }
    }
    // Alt+0 presses the "ISA" page's button, whose caption shows no key.
    if (FindControl("CommandButton8")->page == page)
        Resolve<QAbstractButton>(controls, "CommandButton8")->setShortcut(QKeySequence(Qt::ALT | Qt::Key_0));
}

QWidget *UserForm1::control(std::string_view name)
{
    return m_form->control(name);
}

UserForm1::~UserForm1() = default;

void UserForm1::setFailureReporter(FailureReporter reporter)
{
    m_report = std::move(reporter);
}

const UserForm1::Handler *UserForm1::clickHandler(std::string_view name) const
{
    const auto at = m_handlers.find(name);
    return at == m_handlers.end() ? nullptr : &at->second;
}

void UserForm1::run(const Handler &handler)
{
    try {
        handler();
    } catch (const Failure &failure) {
        m_report(failure.message());
        focusOn(failure.control);
    } catch (const std::bad_alloc &) {
        m_report(QStringLiteral("There is not enough memory to finish."));
    }
}

// The control a failure names takes the focus, a box with its text selected,
// so that the user can put it right at once.
void UserForm1::focusOn(const QString &name)
{
    const QByteArray latin1 = name.toLatin1();
    const ControlMap &controls = m_form->controls();
    const auto at = controls.find(std::string_view(latin1.data(), std::size_t(latin1.size())));
    if (at == controls.end())
        return; // none named
    QWidget *control = at->second;
    control->setFocus(Qt::OtherFocusReason);
    if (auto *box = qobject_cast<QLineEdit *>(control))
        box->selectAll();
}

// Row by row: each row's result is written before the next row starts, so a
// failure on the true-length page leaves the rows above it done.
void UserForm1::calculate(const BoundCalculation &bound)
{
    const Calculation &calculation = *bound.calculation;
    const std::vector<QString> texts = inputTexts(calculation); // makes the page, when the handler is run by name
    const QString separator = DecimalSeparator();
    const CatalogueRow *size = chosenSize(calculation);
    for (std::size_t row = 0; row < bound.results.size(); ++row)
        bound.results[row]->setText(NumberToText(Evaluate(calculation, texts, separator, size, row)));
    m_lastWeighed = &calculation;
}

const UserForm1::BoundCalculation &UserForm1::boundOf(const Calculation &calculation) const
{
    return m_calculations[std::size_t(&calculation - Calculations().data())];
}

const Calculation *UserForm1::frontCalculation() const
{
    const Page front = m_form->front();
    const QWidget *focus = focusWidget();
    const Calculation *found = nullptr;
    for (const BoundCalculation &bound : m_calculations) {
        const Calculation &calculation = *bound.calculation;
        if (calculation.page != front || !calculation.weighs)
            continue;
        const auto holds
            = [focus](const auto &boxes) { return std::find(boxes.begin(), boxes.end(), focus) != boxes.end(); };
        if (holds(bound.inputs) || holds(bound.results) || focus == bound.button)
            return &calculation;
        if (!found || m_lastWeighed == &calculation)
            found = &calculation;
    }
    return found;
}

std::vector<QString> UserForm1::inputTexts(const Calculation &calculation) const
{
    m_form->makePage(calculation.page);
    const BoundCalculation &bound = boundOf(calculation);
    std::vector<QString> texts;
    texts.reserve(bound.inputs.size());
    for (const QLineEdit *box : bound.inputs)
        texts.push_back(box->text());
    return texts;
}

const CatalogueRow *UserForm1::chosenSize(const Calculation &calculation) const
{
    return calculation.sized ? m_chosen[std::size_t(calculation.page)] : nullptr;
}

QString UserForm1::frontResult() const
{
    if (const Calculation *calculation = frontCalculation())
        return boundOf(*calculation).results.front()->text();
    // The true lengths, with the row labels' captions.
    const BoundCalculation &lengths = m_calculations.back();
    QStringList rows;
    for (std::size_t row = 0; row < lengths.results.size(); ++row)
        rows << QStringLiteral("%1\t%2").arg(ToQString(NamingCaption(lengths.calculation->inputs[row].box)),
                                             lengths.results[row]->text());
    return rows.join(u'\n');
}

void UserForm1::closeEvent(QCloseEvent *event)
{
    if (m_menus->mayClose())
        event->accept();
    else
        event->ignore();
}

void UserForm1::storeRow(const RowRef &ref)
{
    m_chosen[std::size_t(ref.table->page)] = ref.row;
}

void UserForm1::SetCaption(const CatalogueTable &table, std::size_t label, std::string_view text)
{
    m_form->makePage(table.page); // when the handler is run by name
    m_propertyLabels[std::size_t(table.page)][label]->setText(ToQString(text));
}

} // namespace msweight
