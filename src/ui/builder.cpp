#include "ui/builder.h"

#include "ui/layout.h"
#include "ui/workarounds.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <optional>

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

QWidget *MakeControl(const ControlSpec &spec, QWidget *page)
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
        auto *box = new QLineEdit(page);
        box->setReadOnly(spec.style == Style::ResultBox);
        box->setMaxLength(std::numeric_limits<int>::max()); // no limit on what may be typed or pasted
        widget = box;
        break;
    }
    case Kind::OptionButton:
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
// order visits every button. A page that cycles keeps Tab within itself.
class OrderedPage : public QWidget
{
public:
    OrderedPage(std::span<const std::string_view> order, bool cycles)
        : m_order(order)
        , m_cycles(cycles)
    {
    }

protected:
    bool focusNextPrevChild(bool next) override
    {
        const QWidget *focus = focusWidget();
        const auto at = std::find_if(m_order.begin(), m_order.end(), [focus](std::string_view name) {
            return focus && focus->objectName() == ToQString(name);
        });
        if (at == m_order.end())
            return QWidget::focusNextPrevChild(next);
        auto index = std::ptrdiff_t(at - m_order.begin()) + (next ? 1 : -1);
        const auto size = std::ptrdiff_t(m_order.size());
        if (index < 0 || index >= size) {
            if (!m_cycles)
                return QWidget::focusNextPrevChild(next);
            index = (index + size) % size;
        }
        QWidget *target = findChild<QWidget *>(ToQString(m_order[std::size_t(index)]), Qt::FindDirectChildrenOnly);
        if (!target)
            return false;
        target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }

private:
    std::span<const std::string_view> m_order;
    bool m_cycles;
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

QHash<QString, QWidget *> BuildForm(QWidget *window)
{
    // The colours the layout's fixed ones are made for: Fusion's light ones,
    // every role set, so that none of the desktop's reach the window. Set
    // before there are controls to hand them to.
    QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QPalette colours = fusion->standardPalette();
    colours.setResolveMask(~QPalette::ResolveMask(0));
    window->setPalette(colours);

    auto *multiPage = new QTabWidget(window);
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

    std::array<QWidget *, 9> pages{};
    for (const PageSpec &spec : Pages()) {
        QWidget *page = new OrderedPage(spec.keyboardOrder, spec.tabCycles);
        page->setObjectName(QStringLiteral("Page%1").arg(int(spec.page)));
        page->setAutoFillBackground(true);
        QPalette palette = colours;
        palette.setColor(QPalette::Window, colours.color(QPalette::Button));
        palette.setColor(QPalette::WindowText, colours.color(QPalette::ButtonText)); // the size lists' text
        page->setPalette(palette);
        multiPage->addTab(page, ToQString(spec.caption));
        pages[std::size_t(spec.page)] = page;
    }

    QHash<QString, QWidget *> controls;
    controls.reserve(qsizetype(Controls().size()));
    std::map<std::pair<Kind, Style>, Look> looks;
    for (const ControlSpec &spec : Controls()) {
        QWidget *widget = MakeControl(spec, pages[std::size_t(spec.page)]);
        auto [at, added] = looks.try_emplace({spec.kind, spec.style});
        if (added)
            at->second = LookOn(*widget, spec, colours);
        if (at->second.font)
            widget->setFont(*at->second.font);
        if (at->second.palette)
            widget->setPalette(*at->second.palette);
        controls.insert(widget->objectName(), widget);
    }
    for (const ControlSpec &spec : Controls()) {
        if (!spec.names.empty()) {
            static_cast<QLabel *>(controls.value(ToQString(spec.name)))
                ->setBuddy(controls.value(ToQString(spec.names)));
        }
    }

    for (const PageSpec &spec : Pages()) {
        for (std::size_t i = 1; i < spec.keyboardOrder.size(); ++i) {
            QWidget::setTabOrder(controls.value(ToQString(spec.keyboardOrder[i - 1])),
                                 controls.value(ToQString(spec.keyboardOrder[i])));
        }
    }

    multiPage->setCurrentWidget(pages[std::size_t(Page::Beams)]);
    return controls;
}

} // namespace msweight
