#include "ui/look.h"

#include "ui/workarounds.h"

#include <QFontDatabase>
#include <QFrame>
#include <QProxyStyle>
#include <QWidget>

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

QStyle *NewMultiPageStyle(QStyle *fusion)
{
    return new MultiPageStyle(fusion);
}

} // namespace msweight
