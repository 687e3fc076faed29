#include "app/userform1.h"

#include "app/desktop.h"
#include "app/failure.h"
#include "numtext/numtext.h"
#include "ui/builder.h"
#include "ui/layout.h"
#include "ui/workarounds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace msweight {

namespace {

struct HandlerEntry
{
    std::string_view control;
    void (UserForm1::*handler)();
};

// Every clickable control and the handler its Click runs.
// clang-format off
constexpr HandlerEntry HandlerTable[] = {
#define MSWEIGHT_HANDLER_ENTRY(n) {"OptionButton" #n, &UserForm1::OptionButton##n##_Click},
    MSWEIGHT_OPTION_BUTTONS(MSWEIGHT_HANDLER_ENTRY)
#undef MSWEIGHT_HANDLER_ENTRY
    {"CommandButton1", &UserForm1::CommandButton1_Click},
    {"CommandButton2", &UserForm1::CommandButton2_Click},
    {"CommandButton3", &UserForm1::CommandButton3_Click},
    {"CommandButton4", &UserForm1::CommandButton4_Click},
    {"CommandButton5", &UserForm1::CommandButton5_Click},
    {"CommandButton6", &UserForm1::CommandButton6_Click},
    {"CommandButton7", &UserForm1::CommandButton7_Click},
    {"CommandButton8", &UserForm1::CommandButton8_Click},
    {"CommandButton9", &UserForm1::CommandButton9_Click},
};
// clang-format on

// The rows of the true-length page: inclined length in, true length out.
constexpr std::pair<std::string_view, std::string_view> TrueLengthRows[] = {
    {"TextBox32", "TextBox39"}, {"TextBox33", "TextBox40"}, {"TextBox34", "TextBox41"}, {"TextBox35", "TextBox42"},
    {"TextBox36", "TextBox43"}, {"TextBox37", "TextBox44"}, {"TextBox38", "TextBox45"},
};

} // namespace

void PrepareEnvironment()
{
    ChooseEventLoop();
}

void PrepareApplication()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
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
    setFixedSize(Pixels(ClientWidth), Pixels(ClientHeight));

    m_controls = BuildForm(this);
    for (const HandlerEntry &entry : HandlerTable) {
        connect(Reach<QAbstractButton>(entry.control, "Click"), &QAbstractButton::clicked, this,
                [this, handler = entry.handler] { Run(handler); });
    }
    // Alt+0 presses the "ISA" page's button, whose caption shows no key.
    Reach<QAbstractButton>("CommandButton8", "Click")->setShortcut(QKeySequence(Qt::ALT | Qt::Key_0));
}

void UserForm1::setFailureReporter(FailureReporter reporter)
{
    m_report = std::move(reporter);
}

void UserForm1::Run(Handler handler)
{
    try {
        (this->*handler)();
    } catch (const Failure &failure) {
        m_report(failure.Message());
    }
}

template<typename Control>
Control *UserForm1::Reach(std::string_view name, const char *operation) const
{
    auto *control = qobject_cast<Control *>(m_controls.value(ToQString(name)));
    if (!control)
        throw ControlFailure(ToQString(name), QString::fromLatin1(operation));
    return control;
}

QLineEdit *UserForm1::Box(std::string_view name) const
{
    return Reach<QLineEdit>(name, "SetText");
}

UserForm1::BoxText UserForm1::Take(std::string_view box) const
{
    return {box, Reach<QLineEdit>(box, "GetText")->text()};
}

double UserForm1::Number(const BoxText &text) const
{
    if (const auto value = ParseNumber(text.text))
        return *value;
    throw ConversionFailure(text.text, ToQString(NamingCaption(text.box)));
}

Operand UserForm1::Later(const BoxText &text) const
{
    return Operand([this, text] { return Number(text); });
}

Operand UserForm1::Selected(Page page) const
{
    return Operand([this, page] {
        if (const auto value = m_selected[std::size_t(page)])
            return *value;
        for (const CatalogueTable &table : Catalogue()) {
            if (table.page == page)
                throw NoSelectionFailure(ToQString(table.Caption));
        }
        throw NoSelectionFailure(QString());
    });
}

void UserForm1::StoreValue(Page page, double value)
{
    m_selected[std::size_t(page)] = value;
}

void UserForm1::SetCaption(std::string_view label, std::string_view text)
{
    Reach<QLabel>(label, "SetCaption")->setText(ToQString(text));
}

void UserForm1::SelectRow(std::string_view button)
{
    msweight::SelectRow(FindRow(button), *this);
}

#define MSWEIGHT_DEFINE_HANDLER(n)            \
    void UserForm1::OptionButton##n##_Click() \
    {                                         \
        SelectRow("OptionButton" #n);         \
    }
MSWEIGHT_OPTION_BUTTONS(MSWEIGHT_DEFINE_HANDLER)
#undef MSWEIGHT_DEFINE_HANDLER

// Takes and converts the first box before the second; the weight is
// (first x second) x the page's unit weight, written last.
void UserForm1::SectionTotal(Page page, std::string_view firstBox, std::string_view secondBox,
                             std::string_view resultBox)
{
    const BoxText first = Take(firstBox);
    const BoxText second = Take(secondBox);
    QLineEdit *result = Box(resultBox);
    const double weight = SectionWeight(Later(first), Later(second), Selected(page));
    result->setText(NumberToText(weight));
}

void UserForm1::CommandButton1_Click()
{
    SectionTotal(Page::Channels, "TextBox1", "TextBox2", "TextBox3");
}

void UserForm1::CommandButton2_Click()
{
    SectionTotal(Page::Beams, "TextBox4", "TextBox5", "TextBox6");
}

void UserForm1::CommandButton3_Click()
{
    const BoxText width = Take("TextBox8");
    const BoxText quantity = Take("TextBox9");
    const BoxText length = Take("TextBox7");
    QLineEdit *result = Box("TextBox10");
    const double weight = PlateWeight(Later(length), Later(width), Later(quantity), Selected(Page::Plates));
    result->setText(NumberToText(weight));
}

// Round bars take the quantity first; length x quantity is the same double
// in either order.
void UserForm1::CommandButton4_Click()
{
    SectionTotal(Page::RoundBars, "TextBox12", "TextBox11", "TextBox13");
}

void UserForm1::CommandButton5_Click()
{
    SectionTotal(Page::SquareBars, "TextBox14", "TextBox15", "TextBox16");
}

void UserForm1::CommandButton6_Click()
{
    const BoxText outer = Take("TextBox17");
    const BoxText inner = Take("TextBox18");
    const BoxText thickness = Take("TextBox19");
    const BoxText quantity = Take("TextBox28");
    QLineEdit *result = Box("TextBox20");
    const double weight = FlangeWeight(Later(outer), Later(inner), Later(thickness), Later(quantity));
    result->setText(NumberToText(weight));
}

void UserForm1::CommandButton7_Click()
{
    const BoxText diameter = Take("TextBox23");
    const BoxText length = Take("TextBox21");
    const BoxText width = Take("TextBox22");
    const BoxText height = Take("TextBox24");
    const BoxText thickness = Take("TextBox25");
    const BoxText quantity = Take("TextBox26");
    QLineEdit *result = Box("TextBox27");
    const double weight = TransitionPieceWeight(Later(length), Later(width), Later(diameter), Later(height),
                                                Later(thickness), Later(quantity));
    result->setText(NumberToText(weight));
}

void UserForm1::CommandButton8_Click()
{
    SectionTotal(Page::Angles, "TextBox29", "TextBox30", "TextBox31");
}

// Row by row: each row's true length is written before the next row starts,
// so a failure leaves the rows above it done.
void UserForm1::CommandButton9_Click()
{
    for (const auto &[inclinedBox, resultBox] : TrueLengthRows) {
        const BoxText height = Take("TextBox46");
        QLineEdit *result = Box(resultBox);
        const BoxText inclined = Take(inclinedBox);
        result->setText(NumberToText(TrueLength(Later(inclined), Later(height))));
    }
}

} // namespace msweight
