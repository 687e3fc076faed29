// The window as a user meets it: real clicks and key presses on the real
// widgets, offscreen, read back from what the page shows.
#include "formfixture.h"

#include "catalogue/catalogue.h"
#include "numtext/numtext.h"
#include "ui/builder.h"
#include "ui/layout.h"

#include <QClipboard>
#include <QMenu>
#include <QMimeData>

using namespace msweight;

namespace {

const QString Overflow = QStringLiteral("The result is beyond the range of numbers the calculator can hold.");

} // namespace

class TestUserForm1 : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<FormFixture>(); }
    void cleanup() { f.reset(); }

    void opensOnBeamPage();
    void accessKeysBringTheirPages();
    void altZeroPressesTheAngleButton();

    void sectionWeight_data();
    void sectionWeight();
    void failureKeepsPreviousResult_data();
    void failureKeepsPreviousResult();
    void resultBoxIgnoresTyping();
    void userLocaleSeparator();

    void channelShowsItsProperties();
    void beamShowsItsProperties();
    void pagesKeepTheirOwnChoice();
    void everyOptionButtonSelectsItsRow();
    void clickHandlersByName();

    void keyboardOrder_data();
    void keyboardOrder();
    void channelPageTabCycles();
    void wholeCalculationByKeyboard();
    void enterPressesThePagesButton_data();
    void enterPressesThePagesButton();
    void failureFocusesItsBox();
    void overLongTextRefusedWhole();

private:
    std::unique_ptr<FormFixture> f;
};

void TestUserForm1::opensOnBeamPage()
{
    QCOMPARE(f->form->objectName(), QStringLiteral("UserForm1"));
    QCOMPARE(f->form->windowTitle(), QStringLiteral("M.S(weight)-TKW"));
    QCOMPARE(f->multiPage()->size(), QSize(325, 344));
    QCOMPARE(f->multiPage()->currentWidget()->objectName(), QStringLiteral("Page2"));
    QCOMPARE(f->multiPage()->tabText(f->multiPage()->currentIndex()), QStringLiteral("ISM&B"));
    QVERIFY(f->failures.isEmpty());
    // Ready to type the length at once.
    QVERIFY(QTest::qWaitForWindowActive(f->form.get()));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("TextBox4"));
}

// Each page comes to the front with the focus in its first box.
void TestUserForm1::accessKeysBringTheirPages()
{
    struct Access
    {
        Qt::Key key;
        const char *page;
        const char *firstBox;
    };
    const Access keys[] = {
        {Qt::Key_P, "Page3", "TextBox7"},  {Qt::Key_C, "Page1", "TextBox1"},  {Qt::Key_A, "Page7", "TextBox29"},
        {Qt::Key_S, "Page5", "TextBox14"}, {Qt::Key_R, "Page4", "TextBox11"}, {Qt::Key_F, "Page6", "TextBox17"},
        {Qt::Key_T, "Page8", "TextBox32"}, {Qt::Key_B, "Page2", "TextBox4"},
    };
    QVERIFY(QTest::qWaitForWindowActive(f->form.get()));
    for (const Access &access : keys) {
        QTest::keyClick(f->form.get(), access.key, Qt::AltModifier);
        QCOMPARE(f->multiPage()->currentWidget()->objectName(), QLatin1String(access.page));
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(access.firstBox));
    }
}

void TestUserForm1::altZeroPressesTheAngleButton()
{
    f->click(QStringLiteral("OptionButton141")); // 200x12, 36.6 kg/m
    f->type(QStringLiteral("TextBox29"), QStringLiteral("2"));
    f->type(QStringLiteral("TextBox30"), QStringLiteral("3"));
    QTest::keyClick(f->form.get(), Qt::Key_0, Qt::AltModifier);
    // A shortcut presses the button visibly, releasing it a moment later.
    QTRY_COMPARE(f->text(QStringLiteral("TextBox31")), Localized(QStringLiteral("219.6")));
}

void TestUserForm1::sectionWeight_data()
{
    QTest::addColumn<QStringList>("choose"); // option buttons clicked, in order
    QTest::addColumn<QStringList>("inputs"); // box, text, box, text ...
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected"); // the result box afterwards
    QTest::addColumn<QString>("failure");  // the one failure reported, if any

    auto row = [](const char *name, QStringList choose, QStringList inputs, const char *button, const char *result,
                  const char *expected, const QString &failure = {}) {
        QTest::newRow(name) << choose << inputs << QString::fromLatin1(button) << QString::fromLatin1(result)
                            << QString::fromLatin1(expected) << failure;
    };
    row("ISMC 6 m x 10 of MC - 75 x 40", {"OptionButton1"}, {"TextBox1", "6", "TextBox2", "10"}, "CommandButton1",
        "TextBox3", "408");
    row("ISMB 12 m x 3 of MB - 100", {"OptionButton12"}, {"TextBox4", "12", "TextBox5", "3"}, "CommandButton2",
        "TextBox6", "414");
    row("RO. 5.5 m x 2 of 6 mm", {"OptionButton40"}, {"TextBox11", "5.5", "TextBox12", "2"}, "CommandButton4",
        "TextBox13", "2.42");
    row("RO. 45 mm uses its table value", {"OptionButton57"}, {"TextBox11", "1", "TextBox12", "1"}, "CommandButton4",
        "TextBox13", "12.48");
    row("SQ. 42 mm uses its table value", {"OptionButton87"}, {"TextBox14", "1", "TextBox15", "1"}, "CommandButton5",
        "TextBox16", "13.88");
    row("ISA 1 m of 200x12", {"OptionButton141"}, {"TextBox29", "1", "TextBox30", "1"}, "CommandButton8", "TextBox31",
        "36.6");
    row("ISA 55X10", {"OptionButton108"}, {"TextBox29", "2", "TextBox30", "1"}, "CommandButton8", "TextBox31", "15.8");
    row("negative length", {"OptionButton1"}, {"TextBox1", "-6", "TextBox2", "7"}, "CommandButton1", "TextBox3",
        "-285.6");
    row("fractional quantity", {"OptionButton12"}, {"TextBox4", "2", "TextBox5", "2.5"}, "CommandButton2", "TextBox6",
        "57.5");
    row("zero length", {"OptionButton12"}, {"TextBox4", "0", "TextBox5", "4"}, "CommandButton2", "TextBox6", "0");
    row("blanks and exponent", {"OptionButton1"}, {"TextBox1", "  6e0 ", "TextBox2", "+1E1"}, "CommandButton1",
        "TextBox3", "408");
    row("underflow is zero", {"OptionButton1"}, {"TextBox1", "1e-200", "TextBox2", "1e-200"}, "CommandButton1",
        "TextBox3", "0");
    row("the last choice on the page counts", {"OptionButton1", "OptionButton11"}, {"TextBox1", "1", "TextBox2", "1"},
        "CommandButton1", "TextBox3", "49.4");

    // Each page weighs with the size chosen on it, whatever was chosen later
    // on another page.
    row("ISMC after a plate thickness", {"OptionButton1", "OptionButton29"}, {"TextBox1", "6", "TextBox2", "10"},
        "CommandButton1", "TextBox3", "408");
    row("ISMB after a channel", {"OptionButton12", "OptionButton1"}, {"TextBox4", "12", "TextBox5", "3"},
        "CommandButton2", "TextBox6", "414");
    row("SQ. after a round bar", {"OptionButton73", "OptionButton42"}, {"TextBox14", "1", "TextBox15", "1"},
        "CommandButton5", "TextBox16", "0.78");
    row("no size chosen yet", {}, {"TextBox1", "2", "TextBox2", "3"}, "CommandButton1", "TextBox3", "",
        QStringLiteral("Choose a size on the \"ISMC\" page first."));
    row("a size chosen on another page only", {"OptionButton26"}, {"TextBox29", "1", "TextBox30", "1"},
        "CommandButton8", "TextBox31", "", QStringLiteral("Choose a size on the \"ISA\" page first."));

    row("empty length, no size chosen", {}, {"TextBox1", "", "TextBox2", "3"}, "CommandButton1", "TextBox3", "",
        QStringLiteral("LENGTH (in Meter): \"\" is not a number."));
    row("letters", {"OptionButton1"}, {"TextBox1", "abc", "TextBox2", "3"}, "CommandButton1", "TextBox3", "",
        QStringLiteral("LENGTH (in Meter): \"abc\" is not a number."));
    row("number then letters", {"OptionButton12"}, {"TextBox4", "2", "TextBox5", "6kg"}, "CommandButton2", "TextBox6",
        "", QStringLiteral("QTY.: \"6kg\" is not a number."));
    row("both bad: length first", {"OptionButton1"}, {"TextBox1", "x", "TextBox2", "y"}, "CommandButton1", "TextBox3",
        "", QStringLiteral("LENGTH (in Meter): \"x\" is not a number."));
    row("RO. both bad: quantity first", {"OptionButton40"}, {"TextBox11", "x", "TextBox12", "y"}, "CommandButton4",
        "TextBox13", "", QStringLiteral("QTY.: \"y\" is not a number."));
    row("beyond the double range", {"OptionButton1"}, {"TextBox1", "1e400", "TextBox2", "1"}, "CommandButton1",
        "TextBox3", "", QStringLiteral("LENGTH (in Meter): \"1e400\" is too large for the calculator."));
    row("overflow", {"OptionButton1"}, {"TextBox1", "1e200", "TextBox2", "1e200"}, "CommandButton1", "TextBox3", "",
        Overflow);
    row("a bad box before the missing size", {}, {"TextBox14", "1", "TextBox15", "two"}, "CommandButton5", "TextBox16",
        "", QStringLiteral("QTY.: \"two\" is not a number."));
}

void TestUserForm1::sectionWeight()
{
    QFETCH(QStringList, choose);
    QFETCH(QStringList, inputs);
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(QString, expected);
    QFETCH(QString, failure);

    for (qsizetype i = 1; i < inputs.size(); i += 2)
        inputs[i] = Localized(inputs[i]);
    for (const QString &option : choose)
        f->click(option);
    for (qsizetype i = 0; i + 1 < inputs.size(); i += 2)
        f->type(inputs[i], inputs[i + 1]);
    f->click(button);

    QCOMPARE(f->text(result), Localized(expected));
    QCOMPARE(f->failures, failure.isEmpty() ? QStringList() : QStringList{failure});
    for (qsizetype i = 0; i + 1 < inputs.size(); i += 2)
        QCOMPARE(f->text(inputs[i]), inputs[i + 1]); // the inputs stay as typed
}

void TestUserForm1::failureKeepsPreviousResult_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("first");

    QTest::newRow("ISMC") << "OptionButton2"
                          << "TextBox1"
                          << "TextBox2"
                          << "CommandButton1"
                          << "TextBox3"
                          << "9.2";
    QTest::newRow("ISMB") << "OptionButton25"
                          << "TextBox4"
                          << "TextBox5"
                          << "CommandButton2"
                          << "TextBox6"
                          << "122.6";
    QTest::newRow("ISA") << "OptionButton129"
                         << "TextBox29"
                         << "TextBox30"
                         << "CommandButton8"
                         << "TextBox31"
                         << "9.2";
    QTest::newRow("SQ.") << "OptionButton143"
                         << "TextBox14"
                         << "TextBox15"
                         << "CommandButton5"
                         << "TextBox16"
                         << "153.86";
    QTest::newRow("RO.") << "OptionButton142"
                         << "TextBox11"
                         << "TextBox12"
                         << "CommandButton4"
                         << "TextBox13"
                         << "120.84";
}

void TestUserForm1::failureKeepsPreviousResult()
{
    QFETCH(QString, option);
    QFETCH(QString, length);
    QFETCH(QString, quantity);
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(QString, first);
    first = Localized(first);

    f->click(option);
    f->type(length, QStringLiteral("1"));
    f->type(quantity, QStringLiteral("1"));
    f->click(button);
    QCOMPARE(f->text(result), first);

    f->type(quantity, QString());
    f->click(button);
    QCOMPARE(f->text(result), first);
    QCOMPARE(f->failures, QStringList{QStringLiteral("QTY.: \"\" is not a number.")});

    f->type(length, QStringLiteral("1e300"));
    f->type(quantity, QStringLiteral("1e300"));
    f->click(button);
    QCOMPARE(f->text(result), first);
    QCOMPARE(f->failures.size(), 2);
    QCOMPARE(f->failures.last(), Overflow);

    // Changing inputs or pages leaves the result until its own button runs.
    f->type(length, QStringLiteral("2"));
    f->click(QStringLiteral("CommandButton6"));
    QCOMPARE(f->text(result), first);
}

void TestUserForm1::resultBoxIgnoresTyping()
{
    f->click(QStringLiteral("OptionButton1"));
    f->type(QStringLiteral("TextBox1"), QStringLiteral("6"));
    f->type(QStringLiteral("TextBox2"), QStringLiteral("10"));
    f->click(QStringLiteral("CommandButton1"));
    auto *result = f->control<QLineEdit>(QStringLiteral("TextBox3"));
    result->setFocus();
    QTest::keyClick(result, Qt::Key_End);
    QTest::keyClicks(result, QStringLiteral("123"));
    QTest::keyClick(result, Qt::Key_Backspace);
    QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(result, Qt::Key_Delete);
    QCOMPARE(result->text(), QStringLiteral("408"));
    QVERIFY(result->hasSelectedText()); // selectable, not editable
}

// Numbers are read and written with the user's decimal separator; the suite
// runs once more under a German locale.
void TestUserForm1::userLocaleSeparator()
{
    const QString separator = QLocale::system().decimalPoint();
    f->click(QStringLiteral("OptionButton40")); // 6 mm round, 0.22 kg/m
    f->type(QStringLiteral("TextBox11"), QStringLiteral("5") + separator + QStringLiteral("5"));
    f->type(QStringLiteral("TextBox12"), QStringLiteral("2"));
    f->click(QStringLiteral("CommandButton4"));
    QCOMPARE(f->text(QStringLiteral("TextBox13")), QStringLiteral("2") + separator + QStringLiteral("42"));
    QVERIFY(f->failures.isEmpty());
    // The other separator is refused, saying how this computer writes decimals.
    const QString other = separator == QLatin1String(".") ? QStringLiteral("2,5") : QStringLiteral("2.5");
    f->type(QStringLiteral("TextBox12"), other);
    f->click(QStringLiteral("CommandButton4"));
    QCOMPARE(f->failures,
             QStringList{QStringLiteral("QTY.: \"%1\" is not a number: write decimals as 1").arg(other) + separator
                         + QStringLiteral("5.")});
    QCOMPARE(f->text(QStringLiteral("TextBox13")), QStringLiteral("2") + separator + QStringLiteral("42"));
}

void TestUserForm1::channelShowsItsProperties()
{
    const QStringList labels = {"Label36", "Label37", "Label38", "Label39", "Label40", "Label41",
                                "Label42", "Label43", "Label44", "Label45", "Label46", "Label47"};
    const QStringList atStart = {
        "Ixx",        "Iyy", "rxx", "ryy", "Zxx", "Zyy", "r1", "r2", "Sec. Area", "Cen. of Gravity", "Thk. of Flange",
        "Thk. of Web"};
    for (qsizetype i = 0; i < labels.size(); ++i)
        QCOMPARE(f->text(labels[i]), atStart[i]);

    f->click(QStringLiteral("OptionButton1"));
    const QStringList first = {"Ixx=76.0cm4", "Iyy=12.6cm4", "rxx=2.96cm", "ryy=1.21cm", "Zxx=20.3cm3", "Zyy=4.7cm3",
                               "r1=8.5mm",    "r2=4.5mm",    "A=8.67cm2",  "Cyy=1.31cm", "tf=7.3mm",    "tw=4.4mm"};
    for (qsizetype i = 0; i < labels.size(); ++i)
        QCOMPARE(f->text(labels[i]), first[i]);

    f->click(QStringLiteral("OptionButton11"));
    const QStringList last
        = {"Ixx=15082.8cm4", "Iyy=504.8cm4", "rxx=15.48cm", "ryy=2.83cm", "Zxx=754.1cm3", "Zyy=66.6cm3",
           "r1=15.0mm",      "r2=7.5mm",     "A=62.93cm2",  "Cyy=2.42cm", "tf=15.3mm",    "tw=8.6mm"};
    for (qsizetype i = 0; i < labels.size(); ++i)
        QCOMPARE(f->text(labels[i]), last[i]);

    // A choice on another page, a calculation or a page change leaves them.
    f->click(QStringLiteral("OptionButton12"));
    f->click(QStringLiteral("CommandButton1"));
    for (qsizetype i = 0; i < labels.size(); ++i)
        QCOMPARE(f->text(labels[i]), last[i]);
    QCOMPARE(f->text(QStringLiteral("Label48")), QStringLiteral("Ixx=257.5cm4"));
}

void TestUserForm1::beamShowsItsProperties()
{
    f->click(QStringLiteral("OptionButton12"));
    QCOMPARE(f->text(QStringLiteral("Label57")), QStringLiteral("b=75mm"));
    f->click(QStringLiteral("OptionButton25"));
    QCOMPARE(f->text(QStringLiteral("Label57")), QStringLiteral("b=210mm"));
    QCOMPARE(f->text(QStringLiteral("Label48")), QStringLiteral("Ixx=91813.0cm4"));
    QCOMPARE(f->text(QStringLiteral("Label59")), QStringLiteral("tw=12.0mm"));
    QCOMPARE(f->text(QStringLiteral("Label36")), QStringLiteral("Ixx")); // the channel page is untouched
}

void TestUserForm1::pagesKeepTheirOwnChoice()
{
    f->click(QStringLiteral("OptionButton73")); // SQ. 10 mm
    f->click(QStringLiteral("OptionButton42")); // RO. 10 mm
    QVERIFY(f->control<QAbstractButton>(QStringLiteral("OptionButton73"))->isChecked());
    QVERIFY(f->control<QAbstractButton>(QStringLiteral("OptionButton42"))->isChecked());
    f->click(QStringLiteral("OptionButton44"));
    QVERIFY(!f->control<QAbstractButton>(QStringLiteral("OptionButton42"))->isChecked());
    QVERIFY(f->control<QAbstractButton>(QStringLiteral("OptionButton73"))->isChecked());
    QVERIFY(f->failures.isEmpty());
}

// Every option button chooses its own row: one metre of one piece weighs
// the row's value (a plate of one square metre, the value times 7.85).
void TestUserForm1::everyOptionButtonSelectsItsRow()
{
    struct PageBoxes
    {
        Page page;
        QStringList inputs;
        const char *button;
        const char *result;
    };
    const PageBoxes pages[] = {
        {Page::Channels, {"TextBox1", "TextBox2"}, "CommandButton1", "TextBox3"},
        {Page::Beams, {"TextBox4", "TextBox5"}, "CommandButton2", "TextBox6"},
        {Page::Plates, {"TextBox7", "TextBox8", "TextBox9"}, "CommandButton3", "TextBox10"},
        {Page::RoundBars, {"TextBox11", "TextBox12"}, "CommandButton4", "TextBox13"},
        {Page::SquareBars, {"TextBox14", "TextBox15"}, "CommandButton5", "TextBox16"},
        {Page::Angles, {"TextBox29", "TextBox30"}, "CommandButton8", "TextBox31"},
    };
    int rows = 0;
    for (const CatalogueTable &table : Catalogue()) {
        const auto boxes = std::find_if(std::begin(pages), std::end(pages),
                                        [&](const PageBoxes &p) { return p.page == table.page; });
        QVERIFY(boxes != std::end(pages));
        for (const QString &box : boxes->inputs)
            f->type(box, QStringLiteral("1"));
        for (const CatalogueRow &row : table.Rows) {
            const QString button = ToQString(row.ButtonName);
            f->click(button);
            QVERIFY2(f->control<QAbstractButton>(button)->isChecked(), qPrintable(button));
            QCOMPARE(f->control<QAbstractButton>(button)->text(), ToQString(row.Caption));
            f->click(QLatin1String(boxes->button));
            const double expected = table.page == Page::Plates ? row.Value * 7.85 : row.Value;
            QCOMPARE(f->text(QLatin1String(boxes->result)), Localized(NumberToText(expected, u".")));
            ++rows;
        }
    }
    QCOMPARE(rows, 153);
    QVERIFY(f->failures.isEmpty());
}

// The table from control name to handler: every option and command button
// has one, nothing else does, and a name leads to its own row.
void TestUserForm1::clickHandlersByName()
{
    int handlers = 0;
    for (const ControlSpec &spec : Controls()) {
        const bool clickable = spec.kind == Kind::OptionButton || spec.kind == Kind::CommandButton;
        QCOMPARE(f->form->clickHandler(spec.name) != nullptr, clickable);
        handlers += clickable;
    }
    QCOMPARE(handlers, 153 + 9);
    (*f->form->clickHandler("OptionButton102"))(); // 35x6, 3.0 kg/m
    f->type(QStringLiteral("TextBox29"), QStringLiteral("2"));
    f->type(QStringLiteral("TextBox30"), QStringLiteral("5"));
    (*f->form->clickHandler("CommandButton8"))();
    QCOMPARE(f->text(QStringLiteral("TextBox31")), QStringLiteral("30"));
}

void TestUserForm1::keyboardOrder_data()
{
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<bool>("cycles");
    for (const PageSpec &page : Pages()) {
        QStringList order;
        for (std::string_view name : page.keyboardOrder)
            order << ToQString(name);
        QTest::newRow(qPrintable(QStringLiteral("Page%1").arg(int(page.page)))) << order << page.tabCycles;
    }
    // Two pages spelled out, where the order is not that of the numbers.
    QTest::newRow("RO. as printed")
        << QStringList{"TextBox11",      "TextBox12",      "OptionButton40", "OptionButton41", "OptionButton42",
                       "OptionButton43", "OptionButton44", "OptionButton45", "OptionButton46", "OptionButton47",
                       "OptionButton49", "OptionButton48", "OptionButton50", "OptionButton52", "OptionButton53",
                       "OptionButton54", "OptionButton55", "OptionButton56", "OptionButton57", "OptionButton58",
                       "OptionButton59", "OptionButton60", "OptionButton61", "OptionButton62", "OptionButton63",
                       "OptionButton64", "OptionButton65", "OptionButton66", "OptionButton67", "OptionButton68",
                       "TextBox13",      "CommandButton4", "OptionButton51", "OptionButton69", "OptionButton70",
                       "OptionButton142"}
        << false;
    QTest::newRow("FL.&TP as printed") << QStringList{"TextBox17", "TextBox18",      "CommandButton6", "TextBox19",
                                                      "TextBox20", "CommandButton7", "TextBox21",      "TextBox22",
                                                      "TextBox23", "TextBox24",      "TextBox25",      "TextBox26",
                                                      "TextBox27", "TextBox28"}
                                       << false;
}

// Shift+Tab goes round the page against its order and, but on "ISMC",
// through the tabs back into it; Tab goes the same way forward. A size is
// chosen first: entering a group with a chosen button, the toolkit's own
// chain would skip its other buttons.
void TestUserForm1::keyboardOrder()
{
    QFETCH(QStringList, order);
    QFETCH(bool, cycles);
    const auto sizes = order.filter(QStringLiteral("OptionButton"));
    if (!sizes.isEmpty())
        f->click(sizes[sizes.size() / 2]);
    QStringList round = order;
    if (!cycles)
        round << QStringLiteral("the tabs");
    round << order.first();
    const auto focused = [this] {
        QWidget *focus = QApplication::focusWidget();
        return focus == f->multiPage()->tabBar() ? QStringLiteral("the tabs") : focus->objectName();
    };

    f->showPageOf(order.first());
    f->control(order.first())->setFocus(Qt::TabFocusReason);
    QCOMPARE(focused(), order.first());
    for (qsizetype i = round.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), round[i]);
    }
    for (qsizetype i = 1; i < round.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focused(), round[i]);
    }
}

void TestUserForm1::channelPageTabCycles()
{
    f->showPageOf(QStringLiteral("TextBox1"));
    f->control(QStringLiteral("OptionButton11"))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("TextBox1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("OptionButton11"));
}

// Alt+C, the length, Tab, the quantity, Tab to the first channel, Space to
// choose it, back to the button, Space to press it: no mouse at all.
void TestUserForm1::wholeCalculationByKeyboard()
{
    QVERIFY(QTest::qWaitForWindowActive(f->form.get()));
    auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    QTest::keyClick(f->form.get(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(f->multiPage()->currentWidget()->objectName(), QStringLiteral("Page1"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("TextBox1"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("6"));
    press(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("10"));
    for (int i = 0; i < 3; ++i)
        press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("OptionButton1"));
    press(Qt::Key_Space);
    QVERIFY(f->control<QAbstractButton>(QStringLiteral("OptionButton1"))->isChecked());
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CommandButton1"));
    press(Qt::Key_Space);
    QCOMPARE(f->text(QStringLiteral("TextBox3")), Localized(QStringLiteral("408")));
    QCOMPARE(f->text(QStringLiteral("Label44")), QStringLiteral("A=8.67cm2"));
    QVERIFY(f->failures.isEmpty());
}

// Enter in any input box does what its page's button does; on "FL.&TP" the
// button of the box's own half.
void TestUserForm1::enterPressesThePagesButton_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("inputs"); // box, text, ...; Enter is pressed in the last box
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ISMC, in the length") << "OptionButton1" << QStringList{"TextBox2", "10", "TextBox1", "6"}
                                         << "TextBox3"
                                         << "408";
    QTest::newRow("PL., in the quantity")
        << "OptionButton29" << QStringList{"TextBox7", "2.5", "TextBox8", "1.25", "TextBox9", "2"} << "TextBox10"
        << "490.625";
    QTest::newRow("flange half") << QString() << QStringList{"TextBox17", "0.5", "TextBox18", "0.3",
                                                             "TextBox28", "4",   "TextBox19", "20"}
                                 << "TextBox20"
                                 << "78.8768";
    QTest::newRow("transition piece half")
        << QString() << QStringList{"TextBox21", "1", "TextBox22", "1", "TextBox23", "1",
                                    "TextBox24", "1", "TextBox26", "1", "TextBox25", "1"}
        << "TextBox27"
        << "28.03078";
    QTest::newRow("TP, in the height") << QString() << QStringList{"TextBox32", "3", "TextBox33", "3", "TextBox34", "3",
                                                                   "TextBox35", "3", "TextBox36", "3", "TextBox37", "3",
                                                                   "TextBox38", "3", "TextBox46", "4"}
                                       << "TextBox45"
                                       << "5";
}

void TestUserForm1::enterPressesThePagesButton()
{
    QFETCH(QString, option);
    QFETCH(QStringList, inputs);
    QFETCH(QString, result);
    QFETCH(QString, expected);

    if (!option.isEmpty())
        f->click(option);
    f->typeNumbers(inputs);
    QWidget *box = f->control(inputs[inputs.size() - 2]);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(f->text(result), Localized(expected));
    QVERIFY(f->failures.isEmpty());

    // The other half of "FL.&TP" has empty boxes: Enter here must not reach it.
    if (result == QLatin1String("TextBox20") || result == QLatin1String("TextBox27")) {
        f->type(inputs[inputs.size() - 2], QStringLiteral("2"));
        QTest::keyClick(box, Qt::Key_Enter);
        QVERIFY(f->failures.isEmpty());
        QVERIFY(f->text(result) != Localized(expected));
    }
}

// After a failure that names a box, that box has the focus with its text
// selected, so that typing replaces it; without a size, the first size has it.
void TestUserForm1::failureFocusesItsBox()
{
    QVERIFY(QTest::qWaitForWindowActive(f->form.get()));
    f->type(QStringLiteral("TextBox4"), QStringLiteral("6"));
    f->type(QStringLiteral("TextBox5"), QStringLiteral("ten"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(f->failures.size(), 1);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("TextBox5"));
    f->type(QStringLiteral("TextBox5"), QStringLiteral("10"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(f->failures.size(), 2);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("OptionButton12"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);

    f->type(QStringLiteral("TextBox5"), QStringLiteral("ten"));
    f->click(QStringLiteral("CommandButton2"));
    QCOMPARE(f->failures.last(), QStringLiteral("QTY.: \"ten\" is not a number."));
    auto *quantity = f->control<QLineEdit>(QStringLiteral("TextBox5"));
    QCOMPARE(QApplication::focusWidget(), quantity);
    QCOMPARE(quantity->selectedText(), QStringLiteral("ten"));
    QTest::keyClicks(quantity, QStringLiteral("10"));
    QTest::keyClick(quantity, Qt::Key_Return);
    QCOMPARE(f->text(QStringLiteral("TextBox6")), Localized(QStringLiteral("690")));
}

// A box takes up to 32767 characters; a longer paste or key press is refused
// whole with a message, never cut, and the window goes on answering.
void TestUserForm1::overLongTextRefusedWhole()
{
    auto *length = f->control<QLineEdit>(QStringLiteral("TextBox4"));
    auto *quantity = f->control<QLineEdit>(QStringLiteral("TextBox5"));
    f->type(QStringLiteral("TextBox4"), QStringLiteral("12"));
    QApplication::clipboard()->setText(QString(1 << 20, u'7'));
    QTest::keyClick(length, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(length->text(), QStringLiteral("12"));
    QTRY_COMPARE(f->failures.size(), 1);
    QVERIFY2(f->failures[0].startsWith(QStringLiteral("LENGTH (in Meter): a box takes at most 32767 characters")),
             qPrintable(f->failures[0]));

    const QString longest(32767, u'7');
    QApplication::clipboard()->setText(longest);
    QTest::keyClick(quantity, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(quantity->text(), longest);
    QTest::keyClick(quantity, Qt::Key_1);
    QCOMPARE(quantity->text(), longest);
    QTRY_COMPARE(f->failures.size(), 2);
    QVERIFY(f->failures[1].startsWith(QStringLiteral("QTY.: ")));

    // The same from the context menu's Paste and from a drop.
    QApplication::clipboard()->setText(QString(1 << 20, u'7'));
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), length->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(length, &menuEvent);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QAction *paste = nullptr;
    for (QAction *action : QApplication::activePopupWidget()->actions()) {
        if (action->text().section(u'\t', 0, 0) == QLineEdit::tr("&Paste"))
            paste = action;
    }
    QVERIFY(paste);
    paste->trigger();
    QApplication::activePopupWidget()->close();
    QCOMPARE(length->text(), QStringLiteral("12"));
    QTRY_COMPARE(f->failures.size(), 3);
    QMimeData dropped;
    dropped.setText(QString(1 << 20, u'7'));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(length, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(length, &drop);
    QCOMPARE(length->text(), QStringLiteral("12"));
    QTRY_COMPARE(f->failures.size(), 4);

    // The longest number converts; a result beyond the doubles says so.
    f->click(QStringLiteral("OptionButton12"));
    f->click(QStringLiteral("CommandButton2"));
    QCOMPARE(f->failures.size(), 5);
    QVERIFY(f->failures[4].size() < 200);
}

QTEST_MAIN(TestUserForm1)
#include "tst_userform1.moc"
