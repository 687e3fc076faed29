// The window: its pages and controls, the size chosen on each page, and the
// click handlers, each named after its control and found through one table.
#pragma once

#include "calc/calc.h"
#include "catalogue/catalogue.h"

#include <QHash>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string_view>

class QLineEdit;

// OptionButton1 to OptionButton153.
// clang-format off
#define MSWEIGHT_OPTION_BUTTONS(X) \
    X(1) X(2) X(3) X(4) X(5) X(6) X(7) X(8) X(9) X(10) X(11) X(12) X(13) X(14) X(15) X(16) X(17) \
    X(18) X(19) X(20) X(21) X(22) X(23) X(24) X(25) X(26) X(27) X(28) X(29) X(30) X(31) X(32) \
    X(33) X(34) X(35) X(36) X(37) X(38) X(39) X(40) X(41) X(42) X(43) X(44) X(45) X(46) X(47) \
    X(48) X(49) X(50) X(51) X(52) X(53) X(54) X(55) X(56) X(57) X(58) X(59) X(60) X(61) X(62) \
    X(63) X(64) X(65) X(66) X(67) X(68) X(69) X(70) X(71) X(72) X(73) X(74) X(75) X(76) X(77) \
    X(78) X(79) X(80) X(81) X(82) X(83) X(84) X(85) X(86) X(87) X(88) X(89) X(90) X(91) X(92) \
    X(93) X(94) X(95) X(96) X(97) X(98) X(99) X(100) X(101) X(102) X(103) X(104) X(105) X(106) \
    X(107) X(108) X(109) X(110) X(111) X(112) X(113) X(114) X(115) X(116) X(117) X(118) X(119) \
    X(120) X(121) X(122) X(123) X(124) X(125) X(126) X(127) X(128) X(129) X(130) X(131) X(132) \
    X(133) X(134) X(135) X(136) X(137) X(138) X(139) X(140) X(141) X(142) X(143) X(144) X(145) \
    X(146) X(147) X(148) X(149) X(150) X(151) X(152) X(153)
// clang-format on

namespace msweight {

// Settings for the toolkit that must be made before the application object
// exists.
void PrepareEnvironment();

// The look the layout is drawn for: the Fusion style and Tahoma, also as the
// application's font. Call once after the application object exists, before
// the window is made.
void PrepareApplication();

class UserForm1 : public QWidget, private SelectionTarget
{
    Q_OBJECT

public:
    using FailureReporter = std::function<void(const QString &message)>;

    explicit UserForm1(QWidget *parent = nullptr);

    // Where failures go; by default a modal message box.
    void setFailureReporter(FailureReporter reporter);

#define MSWEIGHT_DECLARE_HANDLER(n) void OptionButton##n##_Click();
    MSWEIGHT_OPTION_BUTTONS(MSWEIGHT_DECLARE_HANDLER)
#undef MSWEIGHT_DECLARE_HANDLER
    void CommandButton1_Click();
    void CommandButton2_Click();
    void CommandButton3_Click();
    void CommandButton4_Click();
    void CommandButton5_Click();
    void CommandButton6_Click();
    void CommandButton7_Click();
    void CommandButton8_Click();
    void CommandButton9_Click();

private:
    using Handler = void (UserForm1::*)();

    // A box's text as taken, with the box's name for the failure report.
    struct BoxText
    {
        std::string_view box;
        QString text;
    };

    void Run(Handler handler);

    // The control named `name`, of the kind that `operation` needs.
    template<typename Control>
    Control *Reach(std::string_view name, const char *operation) const;
    QLineEdit *Box(std::string_view name) const;
    BoxText Take(std::string_view box) const;
    double Number(const BoxText &text) const;
    Operand Later(const BoxText &text) const;
    Operand Selected(Page page) const;

    void SelectRow(std::string_view button);
    void SectionTotal(Page page, std::string_view firstBox, std::string_view secondBox, std::string_view resultBox);

    void StoreValue(Page page, double value) override;
    void SetCaption(std::string_view label, std::string_view text) override;

    QHash<QString, QWidget *> m_controls;
    // The value of the size chosen last on each page, by page number.
    std::array<std::optional<double>, 9> m_selected{};
    FailureReporter m_report;
};

} // namespace msweight
