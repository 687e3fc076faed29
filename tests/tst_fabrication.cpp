// The plate, flange, transition-piece and true-length pages through real
// clicks: results to the last digit, the first failing box in the order the
// calculation meets it, and what a failure leaves on the page.
#include "formfixture.h"

using namespace msweight;

namespace {

const QString Overflow = QStringLiteral("The result is beyond the range of numbers the calculator can hold.");

QString NotANumber(const char *box, const char *text)
{
    return QStringLiteral("%1: \"%2\" is not a number.").arg(QLatin1String(box), QLatin1String(text));
}

const QStringList FlangeBoxes = {"TextBox17", "TextBox18", "TextBox19", "TextBox28", "TextBox20"};
const QStringList PieceBoxes
    = {"TextBox21", "TextBox22", "TextBox23", "TextBox24", "TextBox25", "TextBox26", "TextBox27"};

} // namespace

class TestFabrication : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<FormFixture>(); }
    void cleanup() { f.reset(); }

    void calculate_data();
    void calculate();
    void failureKeepsPreviousResult_data();
    void failureKeepsPreviousResult();
    void halvesOfTheFlangePageApart();
    void trueLengthsRowByRow();
    void emptyHeightChangesNoRow();

private:
    std::unique_ptr<FormFixture> f;
};

void TestFabrication::calculate_data()
{
    QTest::addColumn<QStringList>("choose");
    QTest::addColumn<QStringList>("inputs"); // box, text, ...
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("expect"); // box, text, ...
    QTest::addColumn<QString>("failure");

    auto plate
        = [](const char *name, const char *option, QStringList lwq, const char *result, const QString &failure = {}) {
              QTest::newRow(name) << (option ? QStringList{option} : QStringList{})
                                  << QStringList{"TextBox7", lwq[0], "TextBox8", lwq[1], "TextBox9", lwq[2]}
                                  << "CommandButton3" << QStringList{"TextBox10", result} << failure;
          };
    plate("plate 2.5 x 1.25 x 2 of 10 mm", "OptionButton29", {"2.5", "1.25", "2"}, "490.625");
    plate("plate 6.3 x 1.5 of 12 mm", "OptionButton30", {"6.3", "1.5", "1"}, "890.19");
    plate("plate 2 x 1 of 5 mm", "OptionButton26", {"2", "1", "1"}, "78.5");
    plate("plate of 100 mm", "OptionButton153", {"1", "1", "1"}, "785");
    plate("negative plate", "OptionButton26", {"-2", "1", "1"}, "-78.5");
    plate("fractional plate quantity", "OptionButton26", {"2", "1", "1.5"}, "117.75");
    plate("plate underflow", "OptionButton26", {"1e-200", "1e-200", "1"}, "0");
    plate("no thickness chosen", nullptr, {"2", "1", "1"}, "",
          QStringLiteral("Choose a size on the \"PL.\" page first."));
    plate("width before length", "OptionButton26", {"", "", "1"}, "", NotANumber("WIDTH (in Meter)", ""));
    plate("length before quantity", "OptionButton26", {"x", "1", "y"}, "", NotANumber("LENGTH (in Meter)", "x"));
    plate("quantity after the area", "OptionButton26", {"2", "1", ""}, "", NotANumber("QTY.", ""));
    plate("area overflow before the quantity", "OptionButton26", {"1e200", "1e200", "abc"}, "", Overflow);
    plate("quantity before the missing thickness", nullptr, {"2", "1", "many"}, "", NotANumber("QTY.", "many"));
    plate("overflow in the last steps", "OptionButton153", {"1e150", "1e150", "1e10"}, "", Overflow);

    // A channel chosen on "ISMC" is no thickness for the plate.
    QTest::newRow("plate keeps its own thickness") << QStringList{"OptionButton26", "OptionButton1"}
                                                   << QStringList{"TextBox7", "2", "TextBox8", "1", "TextBox9", "1"}
                                                   << "CommandButton3" << QStringList{"TextBox10", "78.5"} << QString();
    QTest::newRow("plate thickness chosen on no page but ISMC")
        << QStringList{"OptionButton1"} << QStringList{"TextBox7", "2", "TextBox8", "1", "TextBox9", "1"}
        << "CommandButton3" << QStringList{"TextBox10", ""}
        << QStringLiteral("Choose a size on the \"PL.\" page first.");

    auto flange = [](const char *name, QStringList dDtq, const char *result, const QString &failure = {}) {
        QTest::newRow(name) << QStringList{} << QStringList{"TextBox17", dDtq[0], "TextBox18", dDtq[1],
                                                            "TextBox19", dDtq[2], "TextBox28", dDtq[3]}
                            << "CommandButton6" << QStringList{"TextBox20", result} << failure;
    };
    flange("flange 0.5 / 0.3 x 20 x 4", {"0.5", "0.3", "20", "4"}, "78.8768");
    flange("flange 0.6 / 0.4 x 10", {"0.6", "0.4", "10", "1"}, "12.3245");
    flange("solid disc", {"0.5", "0", "20", "1"}, "30.81125");
    flange("equal diameters", {"0.5", "0.5", "20", "3"}, "0");
    flange("bore larger than the flange", {"0.3", "0.5", "20", "4"}, "-78.8768");
    flange("negative diameter squared away", {"-0.5", "0.3", "20", "4"}, "78.8768");
    flange("outer diameter first", {"", "", "", ""}, "", NotANumber("FLANGE: O / DIA. (in M)", ""));
    flange("inner diameter", {"0.5", "in", "x", "y"}, "", NotANumber("FLANGE: I / DIA. (in M)", "in"));
    flange("thickness after the first check", {"0.5", "0.3", "thick", "y"}, "",
           NotANumber("FLANGE: THK. (in MM)", "thick"));
    flange("quantity after two checks", {"0.5", "0.3", "20", ""}, "", NotANumber("FLANGE: QTY.", ""));
    flange("diameter overflow before the thickness", {"1e200", "0", "abc", "1"}, "", Overflow);
    flange("thickness overflow before the quantity", {"1", "0", "1e308", "abc"}, "", Overflow);
    flange("quantity overflow", {"1", "0", "1e300", "1e10"}, "", Overflow);

    auto piece = [](const char *name, QStringList lwdhtq, const char *result, const QString &failure = {}) {
        QTest::newRow(name) << QStringList{}
                            << QStringList{"TextBox21", lwdhtq[0], "TextBox22", lwdhtq[1], "TextBox23", lwdhtq[2],
                                           "TextBox24", lwdhtq[3], "TextBox25", lwdhtq[4], "TextBox26", lwdhtq[5]}
                            << "CommandButton7" << QStringList{"TextBox27", result} << failure;
    };
    piece("all ones", {"1", "1", "1", "1", "1", "1"}, "28.03078");
    piece("no circle", {"2", "1", "0", "1", "5", "1"}, "117.75");
    piece("1.2 x 0.8 to 1 over 1.5", {"1.2", "0.8", "1", "1.5", "6", "2"}, "504.55404");
    piece("zero height", {"1.2", "0.8", "1", "0", "6", "2"}, "0");
    piece("fractional quantity", {"1", "1", "1", "1", "1", "2.5"}, "70.07695");
    piece("negative quantity", {"1", "1", "1", "1", "1", "-1"}, "-28.03078");
    piece("length first, though the diameter is taken first", {"", "", "", "", "", ""}, "",
          NotANumber("TRANSITION PIECE: LENGTH (in M)", ""));
    piece("diameter second", {"1", "", "", "", "", ""}, "", NotANumber("TRANSITION PIECE: DIA. (in M)", ""));
    piece("width third", {"1", "w", "1", "h", "t", "q"}, "", NotANumber("TRANSITION PIECE: WIDTH (in M)", "w"));
    piece("height", {"1", "1", "1", "h", "t", "q"}, "", NotANumber("TRANSITION PIECE: HIGHT. (in M)", "h"));
    piece("thickness", {"1", "1", "1", "1", "t", "q"}, "", NotANumber("TRANSITION PIECE: THK. (in MM)", "t"));
    piece("quantity last", {"1", "1", "1", "1", "1", ""}, "", NotANumber("TRANSITION PIECE: QTY.", ""));
    piece("overflow of the length before the diameter", {"1e308", "1", "d", "1", "1", "1"}, "", Overflow);
    piece("overflow of the girth before the width", {"1", "w", "1e308", "1", "1", "1"}, "", Overflow);
    piece("overflow of the area before the thickness", {"1", "1", "1", "1e308", "t", "1"}, "", Overflow);
    piece("overflow of the quantity", {"1", "1", "1", "1", "1", "1e308"}, "", Overflow);

    QTest::newRow("true lengths, all rows")
        << QStringList{} << QStringList{"TextBox32", "3",  "TextBox33", "300", "TextBox34", "1",   "TextBox35", "0",
                                        "TextBox36", "-3", "TextBox37", "4",   "TextBox38", "2.5", "TextBox46", "4"}
        << "CommandButton9" << QStringList{"TextBox39", "5",
                                           "TextBox40", "300.026665481587",
                                           "TextBox41", "4.12310562561766",
                                           "TextBox42", "4",
                                           "TextBox43", "5",
                                           "TextBox44", "5.65685424949238",
                                           "TextBox45", "4.7169905660283"}
        << QString();
    QTest::newRow("true length in millimetres")
        << QStringList{} << QStringList{"TextBox32", "300", "TextBox46", "400"} << "CommandButton9"
        << QStringList{"TextBox39", "500", "TextBox40", ""} << NotANumber("X-1", "");
    QTest::newRow("square root of two") << QStringList{} << QStringList{"TextBox32", "1", "TextBox46", "1"}
                                        << "CommandButton9" << QStringList{"TextBox39", "1.4142135623731"}
                                        << NotANumber("X-1", "");
    QTest::newRow("height zero") << QStringList{} << QStringList{"TextBox32", "-7", "TextBox33", "0", "TextBox46", "0"}
                                 << "CommandButton9" << QStringList{"TextBox39", "7", "TextBox40", "0", "TextBox41", ""}
                                 << NotANumber("X-2", "");
    QTest::newRow("overflow in the third row")
        << QStringList{}
        << QStringList{"TextBox32", "3", "TextBox33", "6", "TextBox34", "1e200", "TextBox35", "1", "TextBox46", "4"}
        << "CommandButton9"
        << QStringList{"TextBox39", "5", "TextBox40", "7.21110255092798", "TextBox41", "", "TextBox42", ""} << Overflow;
}

void TestFabrication::calculate()
{
    QFETCH(QStringList, choose);
    QFETCH(QStringList, inputs);
    QFETCH(QString, button);
    QFETCH(QStringList, expect);
    QFETCH(QString, failure);

    for (const QString &option : choose)
        f->click(option);
    f->typeNumbers(inputs);
    f->click(button);

    for (qsizetype i = 0; i + 1 < expect.size(); i += 2)
        QCOMPARE(f->text(expect[i]), Localized(expect[i + 1]));
    QCOMPARE(f->failures, failure.isEmpty() ? QStringList() : QStringList{failure});
    for (qsizetype i = 0; i + 1 < inputs.size(); i += 2)
        QCOMPARE(f->text(inputs[i]), Localized(inputs[i + 1]));
}

void TestFabrication::failureKeepsPreviousResult_data()
{
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QStringList>("breaking"); // box, text that then fails
    QTest::newRow("PL.") << QStringList{"TextBox7", "2", "TextBox8", "1", "TextBox9", "1"} << "CommandButton3"
                         << "TextBox10"
                         << "78.5" << QStringList{"TextBox9", "one"};
    QTest::newRow("FLANGE") << QStringList{"TextBox17", "0.5", "TextBox18", "0.3", "TextBox19", "20", "TextBox28", "4"}
                            << "CommandButton6"
                            << "TextBox20"
                            << "78.8768" << QStringList{"TextBox19", ""};
    QTest::newRow("TRANSITION PIECE") << QStringList{"TextBox21", "1", "TextBox22", "1", "TextBox23", "1",
                                                     "TextBox24", "1", "TextBox25", "1", "TextBox26", "1"}
                                      << "CommandButton7"
                                      << "TextBox27"
                                      << "28.03078" << QStringList{"TextBox24", "1e308", "TextBox25", "1e308"};
}

void TestFabrication::failureKeepsPreviousResult()
{
    QFETCH(QStringList, inputs);
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(QString, first);
    QFETCH(QStringList, breaking);

    f->click(QStringLiteral("OptionButton26")); // 5 mm, for the plate
    f->typeNumbers(inputs);
    f->click(button);
    QCOMPARE(f->text(result), Localized(first));
    f->typeNumbers(breaking);
    f->click(button);
    QCOMPARE(f->text(result), Localized(first));
    QCOMPARE(f->failures.size(), 1);
}

// Each button of "FL.&TP" reads and writes only its own half.
void TestFabrication::halvesOfTheFlangePageApart()
{
    f->typeNumbers({"TextBox17", "0.5", "TextBox18", "0.3", "TextBox19", "20", "TextBox28", "4"});
    f->click(QStringLiteral("CommandButton7")); // the lower half is empty
    QCOMPARE(f->failures, QStringList{NotANumber("TRANSITION PIECE: LENGTH (in M)", "")});
    QCOMPARE(f->text(QStringLiteral("TextBox20")), QString());

    f->click(QStringLiteral("CommandButton6"));
    QCOMPARE(f->text(QStringLiteral("TextBox20")), Localized(QStringLiteral("78.8768")));
    for (const QString &box : PieceBoxes)
        QCOMPARE(f->text(box), QString());

    f->typeNumbers(
        {"TextBox21", "1", "TextBox22", "1", "TextBox23", "1", "TextBox24", "1", "TextBox25", "1", "TextBox26", "1"});
    f->typeNumbers({"TextBox17", "bad"});
    f->click(QStringLiteral("CommandButton7"));
    QCOMPARE(f->text(QStringLiteral("TextBox27")), Localized(QStringLiteral("28.03078")));
    QCOMPARE(f->text(QStringLiteral("TextBox20")), Localized(QStringLiteral("78.8768")));
    QCOMPARE(f->failures.size(), 1);

    // Choices on the size pages change nothing here.
    f->click(QStringLiteral("OptionButton153"));
    f->click(QStringLiteral("OptionButton25"));
    f->typeNumbers({"TextBox17", "0.6", "TextBox18", "0.4", "TextBox19", "10", "TextBox28", "1"});
    f->click(QStringLiteral("CommandButton6"));
    f->click(QStringLiteral("CommandButton7"));
    QCOMPARE(f->text(QStringLiteral("TextBox20")), Localized(QStringLiteral("12.3245")));
    QCOMPARE(f->text(QStringLiteral("TextBox27")), Localized(QStringLiteral("28.03078")));
    QCOMPARE(f->failures.size(), 1);
}

// A failure in a row leaves the rows above it with their new true lengths
// and the rows from it down as they were.
void TestFabrication::trueLengthsRowByRow()
{
    const QStringList inputs
        = {"TextBox32", "TextBox33", "TextBox34", "TextBox35", "TextBox36", "TextBox37", "TextBox38"};
    const QStringList outputs
        = {"TextBox39", "TextBox40", "TextBox41", "TextBox42", "TextBox43", "TextBox44", "TextBox45"};
    for (const QString &box : inputs)
        f->type(box, QStringLiteral("3"));
    f->type(QStringLiteral("TextBox46"), QStringLiteral("4"));
    f->click(QStringLiteral("CommandButton9"));
    for (const QString &box : outputs)
        QCOMPARE(f->text(box), QStringLiteral("5"));

    f->type(QStringLiteral("TextBox46"), QStringLiteral("0"));
    f->type(inputs[4], QString()); // X-4 empty
    f->click(QStringLiteral("CommandButton9"));
    QCOMPARE(f->failures, QStringList{NotANumber("X-4", "")});
    for (int row = 0; row < 7; ++row)
        QCOMPARE(f->text(outputs[row]), row < 4 ? QStringLiteral("3") : QStringLiteral("5"));
}

void TestFabrication::emptyHeightChangesNoRow()
{
    const QStringList outputs
        = {"TextBox39", "TextBox40", "TextBox41", "TextBox42", "TextBox43", "TextBox44", "TextBox45"};
    for (int row = 32; row <= 38; ++row)
        f->type(QStringLiteral("TextBox%1").arg(row), QString::number(row));
    f->type(QStringLiteral("TextBox46"), QStringLiteral("0"));
    f->click(QStringLiteral("CommandButton9"));
    QCOMPARE(f->text(QStringLiteral("TextBox45")), QStringLiteral("38"));

    f->type(QStringLiteral("TextBox46"), QString());
    f->type(QStringLiteral("TextBox32"), QStringLiteral("9"));
    f->click(QStringLiteral("CommandButton9"));
    QCOMPARE(f->failures, QStringList{NotANumber("HEIGHT", "")});
    for (int row = 0; row < 7; ++row)
        QCOMPARE(f->text(outputs[row]), QString::number(32 + row));
}

QTEST_MAIN(TestFabrication)
#include "tst_fabrication.moc"
