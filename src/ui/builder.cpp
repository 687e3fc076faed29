#include "ui/builder.h"

#include "ui/layout.h"
#include "ui/workarounds.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QValidator>

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <optional>
#include <vector>

namespace msweight {

namespace {

// The classic system colours by the window's palette role nearest in meaning.
QColor ToQColor(const Colour &colour, const QPalette &palette)
{
    if (colour.system < 0)
        return QColor(colour.red, colour.green, colour.blue);
    switch (colour.system) {
    case MenuBackground:
        return palette.color(QPalette::Window);
    case WindowBackground:
        return palette.color(QPalette::Base);
    case WindowFrame:
        return palette.color(QPalette::WindowText);
    case WindowText:
        return palette.color(QPalette::Text);
    case HighlightText:
        return palette.color(QPalette::HighlightedText);
    case ButtonFace:
        return palette.color(QPalette::Button);
    case ButtonText:
        return palette.color(QPalette::ButtonText);
    case ButtonHighlight:
        return palette.color(QPalette::Light);
    }
    return palette.color(QPalette::Window);
}

QFont StyleFont(const StyleSpec &style)
{
    QFont font = FormFont();
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    font.setUnderline(style.underline);
    if (style.letterSpacing != 100)
        font.setLetterSpacing(QFont::PercentageSpacing, style.letterSpacing);
    return font;
}

// Roles that carry a style's text colour and background on each kind.
struct Roles
{
    QPalette::ColorRole text;
    QPalette::ColorRole background;
};

Roles RolesOf(Kind kind)
{
    switch (kind) {
    case Kind::TextBox:
        return {QPalette::Text, QPalette::Base};
    case Kind::CommandButton:
        return {QPalette::ButtonText, QPalette::Button};
    case Kind::Label:
    case Kind::OptionButton:
        break;
    }
    return {QPalette::WindowText, QPalette::Window};
}

int FrameStyle(Edge edge)
{
    switch (edge) {
    case Edge::Etched:
        return QFrame::Box | QFrame::Sunken;
    case Edge::Raised:
        return QFrame::Panel | QFrame::Raised;
    case Edge::Sunken:
        return QFrame::Panel | QFrame::Sunken;
    case Edge::Bump:
        return QFrame::Box | QFrame::Raised;
    case Edge::Standard:
    case Edge::Flat:
        break;
    }
    return QFrame::NoFrame;
}

// A style's font and palette on a kind of control, each where it differs from
// what the control has on its page. Every page looks the same, so a look is
// worked out on the first control of its kind and style and shared by the
// rest: each font or palette set is resolved anew for its control.
struct Look
{
    std::optional<QFont> font;
    std::optional<QPalette> palette;
};

Look LookOn(const QWidget &widget, const ControlSpec &spec, const QPalette &colours)
{
    const StyleSpec &style = StyleOf(spec.style);
    Look look;
    if (const QFont font = StyleFont(style); !(font == widget.font()))
        look.font = font;
    QPalette palette = widget.palette();
    const Roles roles = RolesOf(spec.kind);
    palette.setColor(roles.text, ToQColor(style.text, colours));
    palette.setColor(roles.background, ToQColor(style.background, colours));
    if (!(palette == widget.palette()))
        look.palette = palette;
    return look;
}

// Refuses a text longer than a box takes, whatever way it comes in.
class LengthLimit : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override { return input.size() > MaxBoxText ? Invalid : Acceptable; }
};

// An input box that weighs a paste before it takes it in. The validator
// alone would refuse an over-long paste too, but only after the box had
// inserted it with an undo step for every character: seconds and a gigabyte
// for a paste of some megabytes.
class InputBox : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Paste) && !Fits(QClipboard::Clipboard))
            return Refuse(event);
        QLineEdit::keyPressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()
            && !Fits(QClipboard::Selection))
            return Refuse(event);
        QLineEdit::mouseReleaseEvent(event);
    }

    void dropEvent(QDropEvent *event) override
    {
        if (Fits(event->mimeData()->text().size()))
            QLineEdit::dropEvent(event);
        else
            Refuse(event);
    }

    void contextMenuEvent(QContextMenuEvent *event) override
    {
        QMenu *menu = createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        // The menu's Paste, known by the toolkit's own caption for it.
        for (QAction *action : menu->actions()) {
            if (action->text().section(u'\t', 0, 0) != QLineEdit::tr("&Paste"))
                continue;
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this] {
                if (Fits(QClipboard::Clipboard))
                    paste();
                else
                    emit inputRejected();
            });
        }
        menu->popup(event->globalPos());
    }

private:
    bool Fits(QClipboard::Mode mode) const { return Fits(QGuiApplication::clipboard()->text(mode).size()); }
    bool Fits(qsizetype pasted) const { return text().size() - selectedText().size() + pasted <= MaxBoxText; }

    void Refuse(QEvent *event)
    {
        event->accept();
        emit inputRejected();
    }
};

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
        auto *box = spec.style == Style::ResultBox ? new QLineEdit(page) : new InputBox(page);
        box->setReadOnly(spec.style == Style::ResultBox);
        // The limit is the validator's, which refuses an over-long paste
        // whole; the toolkit's own would cut it without a word.
        box->setMaxLength(std::numeric_limits<int>::max());
        if (spec.style != Style::ResultBox)
            box->setValidator(validator);
        widget = box;
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

// A page whose Tab key follows its keyboard order. The toolkit's own focus
// chain lets Tab stop only once in a group of option buttons, where the
// order visits every button. A page that cycles keeps Tab within itself; from
// the ends of any other page Tab goes to the tabs (MultiPage).
class OrderedPage : public QWidget
{
public:
    OrderedPage(Page page, bool cycles)
        : m_page(page)
        , m_cycles(cycles)
    {
    }

    Page which() const { return m_page; }

    void setOrder(std::vector<QWidget *> order) { m_order = std::move(order); }
    QWidget *first() const { return m_order.front(); }
    QWidget *last() const { return m_order.back(); }

protected:
    bool focusNextPrevChild(bool next) override
    {
        const auto at = std::find(m_order.begin(), m_order.end(), focusWidget());
        if (at == m_order.end())
            return QWidget::focusNextPrevChild(next);
        auto index = std::ptrdiff_t(at - m_order.begin()) + (next ? 1 : -1);
        const auto size = std::ptrdiff_t(m_order.size());
        if (index < 0 || index >= size) {
            if (!m_cycles)
                return QWidget::focusNextPrevChild(next); // on to MultiPage
            index = (index + size) % size;
        }
        m_order[std::size_t(index)]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }

private:
    std::vector<QWidget *> m_order;
    Page m_page;
    bool m_cycles;
};

// The tab control. Tab goes round the tabs and the page in front, and
// Shift+Tab the same way back; bringing a page to the front makes its
// controls if need be and puts the focus in its first box, so that the user
// can type at once.
class MultiPage : public QTabWidget
{
public:
    using QTabWidget::QTabWidget;

    // From now on, with the front page's controls made.
    QMetaObject::Connection focusPagesAsTheyCome(std::function<void(Page)> make)
    {
        page()->first()->setFocus(Qt::OtherFocusReason);
        return connect(this, &QTabWidget::currentChanged, this, [this, make = std::move(make)] {
            make(page()->which());
            page()->first()->setFocus(Qt::TabFocusReason);
        });
    }

    OrderedPage *page() const { return static_cast<OrderedPage *>(currentWidget()); }

protected:
    bool focusNextPrevChild(bool next) override
    {
        QWidget *focus = window()->focusWidget();
        if (focus == tabBar()) {
            (next ? page()->first() : page()->last())->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
        if (focus && page()->isAncestorOf(focus)) { // at an end of the page's order
            tabBar()->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
        return QTabWidget::focusNextPrevChild(next);
    }
};

// The tab control's look: tabs with the narrow padding of classic forms, so
// that all eight fit the window side by side, and the frame round the pages
// drawn as start-up needs it. Built on Fusion itself: without a base a proxy
// takes the desktop's style, which need not be the application's, and which
// may be a proxy of its own whose drawing asks it, not this one, for the
// padding, clipping the captions.
class MultiPageStyle : public QProxyStyle
{
public:
    explicit MultiPageStyle(QStyle *fusion)
        : QProxyStyle(fusion)
    {
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 16;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameTabWidget)
            DrawPageFrame(*baseStyle(), option, painter, widget);
        else
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

} // namespace

QString ToQString(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

void EnsureTahoma()
{
    static const bool once = [] {
        // Only installed families count, not the ones the font configuration
        // would substitute for the name, and looking at the list is cheaper
        // than asking for that substitution.
        if (QFontDatabase::families().contains(QStringLiteral("Tahoma"), Qt::CaseInsensitive))
            return true;
        // Only the regular face: Wine's bold file has bold spacing but regular
        // strokes, so bold captions would not look bold. Bold is drawn from
        // the regular face instead.
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
        return true;
    }();
    Q_UNUSED(once);
}

QList<QKeySequence> StandardKeys(QKeySequence::StandardKey key, QKeyCombination common)
{
    QList<QKeySequence> bound = QKeySequence::keyBindings(key);
    if (bound.isEmpty())
        bound.append(QKeySequence(common));
    return bound;
}

QFont FormFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(FontSize);
    // Every property counts as set, so that nothing of a font the desktop
    // gives the application or a kind of control (bold, italic, spacing...)
    // shows through.
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

struct Form::State
{
    std::span<const ControlSpec> table;
    MultiPage *multiPage = nullptr;
    std::array<OrderedPage *, 9> pages{};
    std::array<bool, 9> made{};
    const LengthLimit *lengthLimit = nullptr;
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
    auto *style = new MultiPageStyle(fusion);
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
    state.lengthLimit = new LengthLimit(multiPage);
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
