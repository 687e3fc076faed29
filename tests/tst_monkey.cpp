// A monkey at the window: thousands of random clicks, key presses and page
// changes, with the window checked after every one. Set MSWEIGHT_MONKEY_SEED
// and MSWEIGHT_MONKEY_ACTIONS to replay or lengthen a session.
#include "formfixture.h"

#include "ui/builder.h"
#include "ui/layout.h"

#include <random>

using namespace msweight;

namespace {

// The result boxes that each command button writes.
const QHash<QString, QStringList> ResultsOf = {
    {"CommandButton1", {"TextBox3"}},
    {"CommandButton2", {"TextBox6"}},
    {"CommandButton3", {"TextBox10"}},
    {"CommandButton4", {"TextBox13"}},
    {"CommandButton5", {"TextBox16"}},
    {"CommandButton6", {"TextBox20"}},
    {"CommandButton7", {"TextBox27"}},
    {"CommandButton8", {"TextBox31"}},
    {"CommandButton9", {"TextBox39", "TextBox40", "TextBox41", "TextBox42", "TextBox43", "TextBox44", "TextBox45"}},
};

int Setting(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void randomSession();

private:
    QString randomText(std::mt19937 &rng, const QString &separator);
};

QString TestMonkey::randomText(std::mt19937 &rng, const QString &separator)
{
    static const QStringList odd
        = {"",     " ",     "abc",   "1e",     "--1",   "1.2.3",  "inf",    "nan",
           "0x1A", "1,000", "1e400", "-1e309", "1e200", "-1e200", "1e-200", "1e-400",
           "+0",   "-0",    "12kg",  ".",      "e5",    " 7 ",    "1 2",    "9999999999999999999999"};
    switch (rng() % 4) {
    case 0:
        return odd[qsizetype(rng() % odd.size())];
    case 1:
        return QString::number(int(rng() % 2001) - 1000);
    case 2: {
        std::uniform_real_distribution<double> value(-1000, 1000);
        return QString::number(value(rng), 'f', int(rng() % 6)).replace(u'.', separator);
    }
    default: {
        QString text;
        const int length = int(rng() % 12);
        for (int i = 0; i < length; ++i)
            text += QChar(char16_t(u' ' + rng() % 95)); // printable ASCII
        return text;
    }
    }
}

void TestMonkey::randomSession()
{
    const auto seed = std::uint32_t(Setting("MSWEIGHT_MONKEY_SEED", 20261208));
    const int actions = Setting("MSWEIGHT_MONKEY_ACTIONS", 20000);
    qInfo("seed %u, %d actions", seed, actions);
    std::mt19937 rng(seed);
    FormFixture f;
    const QString separator = QLocale::system().decimalPoint();

    QStringList options, buttons, inputs, boxes;
    for (const ControlSpec &spec : Controls()) {
        const QString name = ToQString(spec.name);
        if (spec.kind == Kind::OptionButton)
            options << name;
        else if (spec.kind == Kind::CommandButton)
            buttons << name;
        else if (spec.kind == Kind::TextBox)
            (spec.style == Style::ResultBox ? boxes : inputs) << name;
    }
    boxes += inputs;

    QHash<QString, QLineEdit *> edits;
    QHash<QString, QString> before;
    for (const QString &box : boxes) {
        edits[box] = f.control<QLineEdit>(box);
        before[box] = edits[box]->text();
    }

    int computed = 0;
    for (int step = 0; step < actions; ++step) {
        const qsizetype failuresBefore = f.failures.size();
        QString pressed, typed, text;
        switch (rng() % 10) {
        case 0:
        case 1:
        case 2:
            f.click(options[qsizetype(rng() % options.size())]);
            break;
        case 3:
        case 4:
        case 5:
            pressed = buttons[qsizetype(rng() % buttons.size())];
            f.click(pressed);
            break;
        case 6:
        case 7:
        case 8:
            typed = inputs[qsizetype(rng() % inputs.size())];
            text = randomText(rng, separator);
            f.type(typed, text);
            break;
        default: {
            QTabBar *tabs = f.multiPage()->tabBar();
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(int(rng() % 8)).center());
        }
        }

        if (step % 64 == 0)
            QCoreApplication::processEvents(); // repaint now and then, as a user pauses
        const qsizetype reported = f.failures.size() - failuresBefore;
        const QString where = QStringLiteral("step %1 of seed %2").arg(step).arg(seed);
        QVERIFY2(reported <= (pressed.isEmpty() ? 0 : 1), qPrintable(where));
        const QStringList written = pressed.isEmpty() ? QStringList() : ResultsOf.value(pressed);
        for (const QString &box : boxes) {
            const QString now = edits[box]->text();
            if (box == typed)
                QVERIFY2(now == text, qPrintable(where + QStringLiteral(": typing into ") + box));
            else if (!written.contains(box))
                QVERIFY2(now == before[box],
                         qPrintable(where + QStringLiteral(": ") + box + QStringLiteral(" changed")));
            before[box] = now;
        }
        // A click that reported nothing has written all its results.
        if (!pressed.isEmpty() && reported == 0) {
            for (const QString &box : written)
                QVERIFY2(!edits[box]->text().isEmpty(), qPrintable(where + QStringLiteral(": empty ") + box));
            ++computed;
        }
    }
    qInfo("%d clicks computed, %lld failures reported", computed, qlonglong(f.failures.size()));
    QVERIFY(computed > 0);
    QVERIFY(!f.failures.isEmpty());
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
