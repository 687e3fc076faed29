// Click to result: each command button with valid inputs, and a size chosen
// on the "ISMC" page, from the mouse click to the text its handler writes.
// And a paste far beyond what a box takes, to its refusal; and the first
// time each page comes to the front, when its controls are made. Run with
// -median 9 for steady numbers.
#include "formfixture.h"

#include <QClipboard>
#include <QElapsedTimer>

using namespace msweight;

class BenchClicks : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<FormFixture>(); }
    void cleanup() { f.reset(); }

    void commandButton_data();
    void commandButton();
    void channelSize_data();
    void channelSize();
    void overLongPaste_data();
    void overLongPaste();
    void pageFirstToFront_data();
    void pageFirstToFront();

private:
    std::unique_ptr<FormFixture> f;
};

void BenchClicks::commandButton_data()
{
    QTest::addColumn<QString>("option");     // the size chosen first, if the page has sizes
    QTest::addColumn<QStringList>("inputs"); // box, text, box, text ...
    QTest::addColumn<QString>("result");     // the box written last
    QTest::addColumn<QString>("expected");

    auto row = [](const char *button, const char *option, const QStringList &inputs, const char *result,
                  const char *expected) {
        QTest::newRow(button) << QString::fromLatin1(option) << inputs << QString::fromLatin1(result)
                              << QString::fromLatin1(expected);
    };
    row("CommandButton1", "OptionButton1", {"TextBox1", "6", "TextBox2", "10"}, "TextBox3", "408");
    row("CommandButton2", "OptionButton12", {"TextBox4", "12", "TextBox5", "3"}, "TextBox6", "414");
    row("CommandButton3", "OptionButton29", {"TextBox7", "2.5", "TextBox8", "1.25", "TextBox9", "2"}, "TextBox10",
        "490.625");
    row("CommandButton4", "OptionButton40", {"TextBox11", "5.5", "TextBox12", "2"}, "TextBox13", "2.42");
    row("CommandButton5", "OptionButton71", {"TextBox14", "2", "TextBox15", "3"}, "TextBox16", "1.68");
    row("CommandButton6", "", {"TextBox17", "0.5", "TextBox18", "0.3", "TextBox19", "20", "TextBox28", "4"},
        "TextBox20", "78.8768");
    row("CommandButton7", "",
        {"TextBox21", "1.2", "TextBox22", "0.8", "TextBox23", "1", "TextBox24", "1.5", "TextBox25", "6", "TextBox26",
         "2"},
        "TextBox27", "504.55404");
    row("CommandButton8", "OptionButton102", {"TextBox29", "2", "TextBox30", "3"}, "TextBox31", "18");
    row("CommandButton9", "",
        {"TextBox32", "3", "TextBox33", "300", "TextBox34", "1", "TextBox35", "0", "TextBox36", "-3", "TextBox37", "4",
         "TextBox38", "2.5", "TextBox46", "4"},
        "TextBox45", "4.7169905660283");
}

// The handler runs in full on every click: it reads and converts its boxes
// and writes its result, even when the text it writes is already there.
void BenchClicks::commandButton()
{
    QFETCH(QString, option);
    QFETCH(QStringList, inputs);
    QFETCH(QString, result);
    QFETCH(QString, expected);

    if (!option.isEmpty())
        f->click(option);
    f->typeNumbers(inputs);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    f->showPageOf(name);
    auto *button = f->control<QAbstractButton>(name);
    auto *box = f->control<QLineEdit>(result);

    QString text;
    QBENCHMARK
    {
        QTest::mouseClick(button, Qt::LeftButton);
        text = box->text();
    }
    QCOMPARE(text, Localized(expected));
    QCOMPARE(f->failures, QStringList());
}

void BenchClicks::channelSize_data()
{
    QTest::addColumn<bool>("alternate");
    // Every click shows another size: all twelve labels are rewritten.
    QTest::newRow("OptionButton1, from OptionButton2") << true;
    // The labels already show the size clicked.
    QTest::newRow("OptionButton1, again") << false;
}

// Label47, "tw", is the last of the twelve property labels written.
void BenchClicks::channelSize()
{
    QFETCH(bool, alternate);
    f->showPageOf(QStringLiteral("OptionButton1"));
    QAbstractButton *const buttons[] = {f->control<QAbstractButton>(QStringLiteral("OptionButton1")),
                                        f->control<QAbstractButton>(QStringLiteral("OptionButton2"))};
    auto *label = f->control<QLabel>(QStringLiteral("Label47"));
    std::size_t last = alternate ? 1 : 0; // the button clicked last
    QTest::mouseClick(buttons[last], Qt::LeftButton);

    QString text;
    QBENCHMARK
    {
        last = alternate ? last ^ 1 : 0;
        QTest::mouseClick(buttons[last], Qt::LeftButton);
        text = label->text();
    }
    const char *const shown[] = {"tw=4.4mm", "tw=4.7mm"};
    QCOMPARE(text, QLatin1String(shown[last]));
    QVERIFY(buttons[last]->isChecked());
    QCOMPARE(f->failures, QStringList());
}

void BenchClicks::overLongPaste_data()
{
    QTest::addColumn<int>("characters");
    QTest::newRow("1 MiB") << (1 << 20);
    QTest::newRow("20 MiB") << 20 * (1 << 20);
}

// The box weighs the clipboard before it takes it in: the time must not
// grow with the megabytes refused beyond reading the clipboard.
void BenchClicks::overLongPaste()
{
    QFETCH(int, characters);
    auto *box = f->control<QLineEdit>(QStringLiteral("TextBox4"));
    box->setFocus();
    QApplication::clipboard()->setText(QString(characters, u'7'));
    QBENCHMARK
    {
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    QVERIFY(box->text().isEmpty());
}

void BenchClicks::pageFirstToFront_data()
{
    QTest::addColumn<int>("tab");
    const char *const captions[] = {"PL.", "ISMC", "ISMB", "ISA", "SQ.", "RO.", "FL.&TP", "TP"};
    for (int tab = 0; tab < 8; ++tab) {
        if (tab != 2) // in front at start
            QTest::newRow(captions[tab]) << tab;
    }
}

// From the click on the tab to the page drawn, its controls made on the way.
void BenchClicks::pageFirstToFront()
{
    QFETCH(int, tab);
    QTabBar *tabs = f->multiPage()->tabBar();
    const QPoint at = tabs->tabRect(tab).center();
    // Once per window, so timed here in nanoseconds: the benchmark's own
    // clock gives a single run in whole milliseconds.
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, at);
    f->form->repaint();
    QTest::setBenchmarkResult(qreal(timer.nsecsElapsed()), QTest::WalltimeNanoseconds);
    QCOMPARE(f->multiPage()->currentIndex(), tab);
    QVERIFY(f->form->focusWidget() && f->multiPage()->currentWidget()->isAncestorOf(f->form->focusWidget()));
}

QTEST_MAIN(BenchClicks)
#include "bench_clicks.moc"
