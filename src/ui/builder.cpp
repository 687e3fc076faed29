#include "ui/builder.h"

#include "ui/focusorder.h"
#include "ui/look.h"
#include "ui/textbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QValidator>

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <vector>

namespace msweight {

namespace {

QWidget *MakeControl(const ControlSpec &spec, QWidget *page, const QValidator *validator)
{
    const StyleSpec &style = StyleOf(spec.style);
    QString caption = ToQString(spec.caption);
    QWidget *widget = nullptr;
    switch (spec.kind) {
    case Kind::Label: {
        auto *label = new QLabel(caption, page);
        label->setWordWrap(true);
        label->setFrameStyle(FrameStyle(style.edge));
        label->setAlignment((style.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        label->setAutoFillBackground(true);
        widget = label;
        break;
    }
    case Kind::TextBox: {
        if (spec.style == Style::ResultBox) {
            auto *box = new QLineEdit(page);
            box->setReadOnly(true);
            box->setMaxLength(std::numeric_limits<int>::max()); // a result is never cut
            widget = box;
        } else {
            widget = NewInputBox(page, validator);
        }
        break;
    }
    case Kind::OptionButton: // its row is there: CheckNames
        widget = new QRadioButton(ToQString(FindRow(spec.name).row->Caption), page);
        break;
    case Kind::CommandButton:
        widget = new QPushButton(caption, page);
        break;
    }
    widget->setObjectName(ToQString(spec.name));
    if (spec.kind == Kind::TextBox)
        widget->setAccessibleName(QString::fromStdString(AccessibleName(spec)));
    widget->setGeometry(Pixels(spec.left), Pixels(spec.top), Pixels(spec.width), Pixels(spec.height));
    return widget;
}

} // namespace

struct Form::State
{
    std::span<const ControlSpec> table;
    MultiPage *multiPage = nullptr;
    std::array<OrderedPage *, 9> pages{};
    std::array<bool, 9> made{};
    const QValidator *lengthLimit = nullptr;
    // The colours the layout's fixed ones are made for.
    QPalette colours;
    // Worked out on the first control of each kind and style.
    std::map<std::pair<Kind, Style>, Look> looks;
    ControlMap controls;
    std::function<void(Page)> told;
    // Cut when the form goes, before the window's children do.
    QMetaObject::Connection comingToFront;
};

namespace {

// Every name the tables use is defined, so that making any page later cannot
// fail.
void CheckNames(std::span<const ControlSpec> table)
{
    std::unordered_map<std::string_view, Kind> kinds;
    kinds.reserve(table.size());
    for (const ControlSpec &spec : table) {
        kinds.emplace(spec.name, spec.kind);
        if (spec.kind == Kind::OptionButton && !FindRow(spec.name).row)
            qFatal("msweight: the option button %.*s has no row in the catalogue", int(spec.name.size()),
                   spec.name.data());
    }
    const auto check = [&kinds](std::string_view name, const char *kind, bool isBox) {
        const auto at = kinds.find(name);
        if (at == kinds.end() || (isBox && at->second != Kind::TextBox))
            qFatal("msweight: the window has no %s named %.*s", kind, int(name.size()), name.data());
    };
    for (const ControlSpec &spec : table) {
        if (!spec.names.empty())
            check(spec.names, "QLineEdit", true);
    }
    for (const PageSpec &spec : Pages()) {
        for (std::string_view name : spec.keyboardOrder)
            check(name, "QWidget", false);
    }
}

} // namespace

Form::Form(QWidget *window, std::span<const ControlSpec> table)
    : m_state(std::make_unique<State>())
{
    State &state = *m_state;
    state.table = table;
    CheckNames(table);
    // The colours the layout's fixed ones are made for: Fusion's light ones,
    // every role set, so that none of the desktop's reach the window. Set
    // before there are controls to hand them to.
    QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    state.colours = fusion->standardPalette();
    state.colours.setResolveMask(~QPalette::ResolveMask(0));
    window->setPalette(state.colours);

    auto *multiPage = new MultiPage(window);
    state.multiPage = multiPage;
    multiPage->setObjectName(QStringLiteral("MultiPage1"));
    multiPage->setFont(FormFont());
    QTabBar *tabs = multiPage->tabBar();
    tabs->setUsesScrollButtons(false);
    tabs->setElideMode(Qt::ElideNone);
    tabs->setExpanding(false);
    QStyle *style = NewMultiPageStyle(fusion);
    style->setParent(multiPage);
    multiPage->setStyle(style);
    tabs->setStyle(style);
    multiPage->setGeometry(0, 0, Pixels(ClientWidth), Pixels(ClientHeight));

    for (const PageSpec &spec : Pages()) {
        auto *page = new OrderedPage(spec.page, spec.tabCycles);
        page->setObjectName(QStringLiteral("Page%1").arg(int(spec.page)));
        page->setAutoFillBackground(true);
        // Only the roles a page changes: the rest it takes from the window,
        // and each control made on it resolves against two roles, not all.
        QPalette palette;
        palette.setColor(QPalette::Window, state.colours.color(QPalette::Button));
        palette.setColor(QPalette::WindowText, state.colours.color(QPalette::ButtonText)); // the size lists' text
        page->setPalette(palette);
        multiPage->addTab(page, ToQString(spec.caption));
        state.pages[std::size_t(spec.page)] = page;
    }
    state.lengthLimit = NewLengthLimit(multiPage);
    state.controls.reserve(table.size());

    multiPage->setCurrentWidget(state.pages[std::size_t(Page::Beams)]);
    makePage(Page::Beams);
    state.comingToFront = multiPage->focusPagesAsTheyCome([this](Page page) { makePage(page); });
}

Form::~Form()
{
    QObject::disconnect(m_state->comingToFront);
}

QTabWidget *Form::multiPage() const
{
    return m_state->multiPage;
}

const ControlMap &Form::controls() const
{
    return m_state->controls;
}

Page Form::front() const
{
    return m_state->multiPage->page()->which();
}

bool Form::made(Page page) const
{
    return m_state->made[std::size_t(page)];
}

void Form::makePage(Page page)
{
    State &state = *m_state;
    if (state.made[std::size_t(page)])
        return;
    state.made[std::size_t(page)] = true;
    OrderedPage *onPage = state.pages[std::size_t(page)];
    std::vector<QWidget *> newControls;
    for (const ControlSpec &spec : state.table) {
        if (spec.page != page)
            continue;
        QWidget *widget = MakeControl(spec, onPage, state.lengthLimit);
        auto [at, added] = state.looks.try_emplace({spec.kind, spec.style});
        if (added)
            at->second = LookOn(*widget, spec, state.colours);
        if (at->second.font)
            widget->setFont(*at->second.font);
        if (at->second.palette)
            widget->setPalette(*at->second.palette);
        state.controls.emplace(spec.name, widget);
        newControls.push_back(widget);
    }
    for (const ControlSpec &spec : state.table) {
        if (spec.page == page && !spec.names.empty())
            Resolve<QLabel>(state.controls, spec.name)->setBuddy(Resolve<QLineEdit>(state.controls, spec.names));
    }
    const PageSpec &pageSpec
        = *std::find_if(Pages().begin(), Pages().end(), [page](const PageSpec &spec) { return spec.page == page; });
    std::vector<QWidget *> order;
    order.reserve(pageSpec.keyboardOrder.size());
    for (std::string_view name : pageSpec.keyboardOrder) {
        order.push_back(Resolve<QWidget>(state.controls, name));
        if (order.size() > 1)
            QWidget::setTabOrder(order[order.size() - 2], order.back());
    }
    onPage->setOrder(std::move(order));
    if (state.told)
        state.told(page);
    // Made on a page already shown, as when it comes to the front.
    if (onPage->isVisible()) {
        for (QWidget *widget : newControls)
            widget->show();
    }
}

QWidget *Form::control(std::string_view name)
{
    const auto spec = std::find_if(m_state->table.begin(), m_state->table.end(),
                                   [name](const ControlSpec &each) { return each.name == name; });
    if (spec == m_state->table.end())
        return nullptr;
    makePage(spec->page);
    return m_state->controls.at(name);
}

void Form::whenPageMade(std::function<void(Page)> told)
{
    m_state->told = std::move(told);
}

QWidget *ResolveControl(const ControlMap &controls, std::string_view name, const char *kind, bool (*isKind)(QWidget *))
{
    const auto at = controls.find(name);
    QWidget *widget = at == controls.end() ? nullptr : at->second;
    if (!widget || !isKind(widget))
        qFatal("msweight: the window has no %s named %.*s", kind, int(name.size()), name.data());
    return widget;
}

} // namespace msweight
