// The window's static content: every control on its page, in its place,
// with its font and colours, and every caption fitting its control.
#include "formfixture.h"

#include "catalogue/catalogue.h"
#include "ui/builder.h"
#include "ui/layout.h"

#include <QAccessible>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

using namespace msweight;

namespace {

QRect PixelRect(double left, double top, double width, double height)
{
    return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { f = std::make_unique<FormFixture>(); }
    void cleanupTestCase() { f.reset(); }

    void everyControlOnePage();
    void tabsAllShow();
    void controlsShowWithTheirPage();
    void placesAsDrawn_data();
    void placesAsDrawn();
    void placesFollowTheTable();
    void stylesLookAsDrawn_data();
    void stylesLookAsDrawn();
    void boxes();
    void captionsFit();
    void nothingOverlaps();
    void screenReaderNames_data();
    void screenReaderNames();
    void missingControlStopsStartUp_data();
    void missingControlStopsStartUp();

private:
    std::unique_ptr<FormFixture> f;
};

void TestLayout::everyControlOnePage()
{
    const std::pair<const char *, int> kinds[]
        = {{"TextBox", 46}, {"Label", 59}, {"OptionButton", 153}, {"CommandButton", 9}};
    int total = 0;
    for (const auto &[prefix, count] : kinds) {
        for (int i = 1; i <= count; ++i) {
            const QString name = QLatin1String(prefix) + QString::number(i);
            f->control(name); // its page made
            const QList<QWidget *> found = f->form->findChildren<QWidget *>(name);
            QCOMPARE(found.size(), 1);
            QWidget *page = found.first()->parentWidget();
            QVERIFY2(page->objectName().startsWith(QLatin1String("Page")), qPrintable(name));
            QCOMPARE(page->parentWidget()->parentWidget(), f->multiPage());
            ++total;
        }
    }
    QCOMPARE(total, 267);
    QCOMPARE(f->control(QStringLiteral("TextBox1"))->metaObject()->className(), "QLineEdit");
    QVERIFY(qobject_cast<QLabel *>(f->control(QStringLiteral("Label59"))));
    QVERIFY(qobject_cast<QRadioButton *>(f->control(QStringLiteral("OptionButton153"))));
    QVERIFY(qobject_cast<QPushButton *>(f->control(QStringLiteral("CommandButton9"))));
}

void TestLayout::tabsAllShow()
{
    QTabWidget *pages = f->multiPage();
    // The whole client area below the menu bar.
    const QMenuBar *menus = f->form->findChild<QMenuBar *>();
    QVERIFY(menus);
    QCOMPARE(menus->geometry(), QRect(0, 0, 325, menus->sizeHint().height()));
    QCOMPARE(pages->geometry(), QRect(0, menus->height(), 325, 344));
    QCOMPARE(f->form->size(), QSize(325, menus->height() + 344));
    const QStringList captions = {"&PL.", "ISM&C", "ISM&B", "IS&A", "&SQ.", "&RO.", "&FL.&&TP", "&TP"};
    const QStringList names = {"Page3", "Page1", "Page2", "Page7", "Page5", "Page4", "Page6", "Page8"};
    QCOMPARE(pages->count(), 8);
    QVERIFY(!pages->tabBar()->usesScrollButtons());
    for (int i = 0; i < pages->count(); ++i) {
        QCOMPARE(pages->tabText(i), captions[i]);
        QCOMPARE(pages->widget(i)->objectName(), names[i]);
        QVERIFY(pages->isTabEnabled(i));
        const QRect tab = pages->tabBar()->tabRect(i);
        QVERIFY2(tab.right() < pages->width(), qPrintable(captions[i]));
        QVERIFY(pages->tabBar()->fontMetrics().horizontalAdvance(QString(captions[i]).remove(u'&')) < tab.width());
    }
    QCOMPARE(pages->tabBar()->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(pages->tabBar()->font().pointSizeF(), 8.25);
}

// Each page's controls are made when it first comes to the front, and shown
// with it.
void TestLayout::controlsShowWithTheirPage()
{
    QTabWidget *pages = f->multiPage();
    QTabBar *tabs = pages->tabBar();
    for (int i = 0; i < pages->count(); ++i) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
        QCOMPARE(pages->currentIndex(), i);
        const QString page = pages->currentWidget()->objectName();
        for (const ControlSpec &spec : Controls()) {
            if (QStringLiteral("Page%1").arg(int(spec.page)) != page)
                continue;
            QWidget *widget = f->form->findChild<QWidget *>(ToQString(spec.name));
            QVERIFY2(widget && widget->isVisible(), spec.name.data());
        }
    }
}

void TestLayout::placesAsDrawn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QRect>("rect");
    auto row = [](const char *name, const char *page, double l, double t, double w, double h) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(page) << PixelRect(l, t, w, h);
    };
    row("Label5", "Page3", 6, 6, 110, 18);
    row("TextBox9", "Page3", 125, 54, 110, 18);
    row("TextBox10", "Page3", 6, 75, 110, 20);
    row("OptionButton39", "Page3", 125, 120.5, 50, 15);
    row("OptionButton153", "Page3", 185, 200, 50, 15);
    row("OptionButton1", "Page1", 6, 80, 70, 15);
    row("OptionButton9", "Page1", 160, 80, 75, 15);
    row("Label45", "Page1", 6, 220, 75, 15);
    row("Label43", "Page1", 170, 181, 65, 15);
    row("Label56", "Page2", 170, 159, 65, 15);
    row("OptionButton25", "Page2", 185, 100, 50, 15);
    row("TextBox6", "Page2", 6, 55, 110, 20);
    row("CommandButton2", "Page2", 125, 55, 110, 20);
    row("OptionButton108", "Page7", 6, 200, 39, 15);
    row("OptionButton130", "Page7", 140, 160, 39, 15);
    row("OptionButton131", "Page7", 140, 180.5, 45, 15);
    row("OptionButton132", "Page7", 140, 200, 50, 15);
    row("OptionButton141", "Page7", 190, 220, 45, 15);
    row("OptionButton76", "Page5", 6, 180.5, 50, 15);
    row("OptionButton143", "Page5", 185, 220, 50, 15);
    row("OptionButton45", "Page4", 6, 180, 50, 15);
    row("OptionButton142", "Page4", 185, 220, 50, 15);
    row("Label22", "Page6", 6, 4, 230, 20);
    row("Label12", "Page6", 6, 30, 60, 15);
    row("TextBox19", "Page6", 190, 30, 50, 20);
    row("TextBox28", "Page6", 190, 55, 50, 20);
    row("TextBox27", "Page6", 6, 215, 110, 20);
    row("Label35", "Page8", 6, 5, 216, 12);
    row("Label34", "Page8", 12, 195, 216, 12);
    row("TextBox38", "Page8", 6, 175, 75, 16);
    row("Label32", "Page8", 85, 175, 30, 16);
    row("TextBox45", "Page8", 120, 175, 115, 16);
    row("TextBox46", "Page8", 6, 215, 70, 20);
    row("Label33", "Page8", 80, 215, 40, 15);
    row("CommandButton9", "Page8", 125, 215, 110, 20);
}

void TestLayout::placesAsDrawn()
{
    QFETCH(QString, name);
    QFETCH(QString, page);
    QFETCH(QRect, rect);
    QWidget *widget = f->control(name);
    QCOMPARE(widget->parentWidget()->objectName(), page);
    QCOMPARE(widget->geometry(), rect);
    QVERIFY(widget->isVisibleTo(widget->parentWidget()));
    QVERIFY(widget->isEnabled());
}

void TestLayout::placesFollowTheTable()
{
    for (const ControlSpec &spec : Controls()) {
        QWidget *widget = f->control(ToQString(spec.name));
        QCOMPARE(widget->geometry(), PixelRect(spec.left, spec.top, spec.width, spec.height));
        QCOMPARE(widget->parentWidget()->objectName(), QStringLiteral("Page%1").arg(int(spec.page)));
        // Nothing lies beyond the page.
        QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), spec.name.data());
    }
}

void TestLayout::stylesLookAsDrawn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QColor>("text");       // invalid: a system colour
    QTest::addColumn<QColor>("background"); // invalid: a system colour

    const QColor system;
    QTest::newRow("CaptionLabel") << "Label1" << 8.25 << true << false << QColor(0, 0, 255) << system;
    QTest::newRow("FieldLabel") << "Label12" << 8.25 << false << false << QColor(0, 0, 255) << system;
    QTest::newRow("HeadingLabel") << "Label21" << 9.0 << true << true << QColor(192, 0, 0) << system;
    QTest::newRow("PropertyLabel") << "Label59" << 8.25 << false << false << QColor(128, 0, 0) << system;
    QTest::newRow("RowLabel") << "Label33" << 8.25 << true << false << QColor(0, 0, 255) << system;
    QTest::newRow("NoteLabel") << "Label35" << 8.25 << false << false << QColor(255, 0, 0) << system;
    QTest::newRow("ResultBox") << "TextBox45" << 8.25 << true << false << QColor(64, 0, 64) << QColor(192, 255, 255);
    QTest::newRow("TotalButton") << "CommandButton7" << 8.25 << true << false << QColor(255, 0, 255) << system;
    QTest::newRow("AnswerButton") << "CommandButton9" << 9.0 << true << false << QColor(255, 0, 255) << system;
    QTest::newRow("InputBox") << "TextBox32" << 8.25 << false << false << system << system;
    QTest::newRow("bold height box") << "TextBox46" << 8.25 << true << false << system << system;
    QTest::newRow("SizeOption") << "OptionButton102" << 8.25 << false << false << system << system;
}

void TestLayout::stylesLookAsDrawn()
{
    QFETCH(QString, name);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(QColor, text);
    QFETCH(QColor, background);

    QWidget *widget = f->control(name);
    const QFont font = widget->font();
    QCOMPARE(font.family(), QStringLiteral("Tahoma"));
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("Tahoma")); // the face is really there
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.underline(), underline);
    const bool box = qobject_cast<QLineEdit *>(widget);
    const bool button = qobject_cast<QPushButton *>(widget);
    const QPalette palette = widget->palette();
    const QColor shownText = palette.color(box ? QPalette::Text : button ? QPalette::ButtonText : QPalette::WindowText);
    const QColor shownBack = palette.color(box ? QPalette::Base : button ? QPalette::Button : QPalette::Window);
    if (text.isValid())
        QCOMPARE(shownText, text);
    if (background.isValid())
        QCOMPARE(shownBack, background);
}

void TestLayout::boxes()
{
    const QPalette app = QApplication::palette();
    for (int i = 1; i <= 46; ++i) {
        const QString name = QStringLiteral("TextBox%1").arg(i);
        auto *box = f->control<QLineEdit>(name);
        QVERIFY(box->text().isEmpty());
        const bool result = FindControl(name.toStdString())->style == Style::ResultBox;
        QCOMPARE(box->isReadOnly(), result);
        QVERIFY2(box->maxLength() >= std::numeric_limits<int>::max() / 2, qPrintable(name)); // no length limit
        if (!result && i != 9)
            QCOMPARE(box->palette().color(QPalette::Text), app.color(QPalette::Text));
    }
    QCOMPARE(f->control(QStringLiteral("TextBox9"))->palette().color(QPalette::Text), app.color(QPalette::WindowText));
    for (int i = 1; i <= 153; ++i)
        QVERIFY(!f->control<QRadioButton>(QStringLiteral("OptionButton%1").arg(i))->isChecked());
}

// Every caption fits its control, the property labels' texts included.
void TestLayout::captionsFit()
{
    QStringList checked;
    auto fits = [&](QWidget *widget, const QString &text) {
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            const QRect inside = label->contentsRect();
            const QFontMetrics metrics(label->font());
            const QRect needed = metrics.boundingRect(inside, Qt::TextWordWrap | int(label->alignment()), text);
            return needed.height() <= inside.height() && needed.width() <= inside.width();
        }
        if (auto *radio = qobject_cast<QRadioButton *>(widget)) {
            QStyleOptionButton option;
            option.initFrom(radio);
            const QRect contents = radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
            return radio->fontMetrics().horizontalAdvance(text) <= contents.width();
        }
        auto *button = qobject_cast<QPushButton *>(widget);
        return button->fontMetrics().horizontalAdvance(text) + 8 <= button->width();
    };
    for (const ControlSpec &spec : Controls()) {
        if (spec.kind == Kind::TextBox)
            continue;
        QWidget *widget = f->control(ToQString(spec.name));
        const QString caption
            = spec.kind == Kind::OptionButton ? ToQString(FindRow(spec.name).row->Caption) : ToQString(spec.caption);
        QVERIFY2(fits(widget, caption), qPrintable(ToQString(spec.name) + QStringLiteral(": ") + caption));
        checked << caption;
    }
    for (const CatalogueTable &table : Catalogue()) {
        for (const CatalogueRow &row : table.Rows) {
            for (std::size_t i = 0; i < table.PropertyLabels.size(); ++i) {
                const QString text = ToQString(row.PropertyTexts[i]);
                QVERIFY2(fits(f->control(ToQString(table.PropertyLabels[i])), text), qPrintable(text));
            }
        }
    }
    QCOMPARE(checked.size(), 267 - 46);
}

// Controls meet at most where rounding points to pixels puts them one
// pixel into each other.
void TestLayout::nothingOverlaps()
{
    const auto controls = Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QRect a = f->control(ToQString(controls[i].name))->geometry();
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (controls[j].page != controls[i].page)
                continue;
            const QRect overlap = a & f->control(ToQString(controls[j].name))->geometry();
            QVERIFY2(overlap.width() <= 1 || overlap.height() <= 1,
                     qPrintable(ToQString(controls[i].name) + QStringLiteral(" / ") + ToQString(controls[j].name)));
        }
    }
}

void TestLayout::screenReaderNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("spoken");
    auto row = [](const char *name, QAccessible::Role role, const char *spoken) {
        QTest::newRow(name) << QString::fromLatin1(name) << role << QString::fromLatin1(spoken);
    };
    row("TextBox1", QAccessible::EditableText, "LENGTH (in Meter)");
    row("TextBox9", QAccessible::EditableText, "QTY.");
    row("TextBox3", QAccessible::EditableText, "ISMC total weight (kg)");
    row("TextBox10", QAccessible::EditableText, "Plate total weight (kg)");
    row("TextBox17", QAccessible::EditableText, "FLANGE: O / DIA. (in M)");
    row("TextBox28", QAccessible::EditableText, "FLANGE: QTY.");
    row("TextBox24", QAccessible::EditableText, "TRANSITION PIECE: HIGHT. (in M)");
    row("TextBox26", QAccessible::EditableText, "TRANSITION PIECE: QTY.");
    row("TextBox27", QAccessible::EditableText, "Transition piece total weight (kg)");
    row("TextBox35", QAccessible::EditableText, "X-3");
    row("TextBox45", QAccessible::EditableText, "X-6 true length");
    row("TextBox46", QAccessible::EditableText, "HEIGHT");
    row("OptionButton108", QAccessible::RadioButton, "55X10");
    row("OptionButton1", QAccessible::RadioButton, "MC - 75 x 40");
    row("CommandButton8", QAccessible::Button, "TOTAL WEIGHT (in kg.)");
    row("CommandButton9", QAccessible::Button, "ANS");
}

void TestLayout::screenReaderNames()
{
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, spoken);
    QAccessibleInterface *control = QAccessible::queryAccessibleInterface(f->control(name));
    QVERIFY(control);
    QCOMPARE(control->role(), role);
    QCOMPARE(control->text(QAccessible::Name), spoken);

    // Every box has a name of its own among the boxes of its page.
    for (const ControlSpec &spec : Controls()) {
        if (spec.kind != Kind::TextBox)
            continue;
        const QString spokenName
            = QAccessible::queryAccessibleInterface(f->control(ToQString(spec.name)))->text(QAccessible::Name);
        QVERIFY2(!spokenName.isEmpty(), spec.name.data());
        for (const ControlSpec &other : Controls()) {
            if (other.kind == Kind::TextBox && other.page == spec.page && other.name != spec.name)
                QVERIFY(QString::fromStdString(AccessibleName(other)) != spokenName);
        }
    }
}

// A name the tables use but do not define is a programming error: start-up
// stops naming it (the broken layout is built in a child process, below).
void TestLayout::missingControlStopsStartUp_data()
{
    QTest::addColumn<QString>("broken");
    QTest::addColumn<QString>("named");
    QTest::newRow("an option button without a catalogue row") << "extra-option"
                                                              << "OptionButton999";
    QTest::newRow("a box that its label and keyboard order name") << "missing-box"
                                                                  << "TextBox7";
}

void TestLayout::missingControlStopsStartUp()
{
    QFETCH(QString, broken);
    QFETCH(QString, named);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MSWEIGHT_BROKEN_LAYOUT"), broken);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(30'000));
    const QByteArray errors = child.readAllStandardError();
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QVERIFY2(errors.contains(named.toLatin1()), errors.constData());
}

namespace {

// Builds the window from the layout table broken as `broken` says.
int BuildBrokenLayout(int argc, char *argv[], const QByteArray &broken)
{
    QApplication app(argc, argv);
    PrepareApplication();
    std::vector<ControlSpec> table(Controls().begin(), Controls().end());
    if (broken == "extra-option") {
        table.push_back({"OptionButton999", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 6, 100, 50, 15});
    } else {
        std::erase_if(table, [](const ControlSpec &spec) { return spec.name == "TextBox7"; });
    }
    QWidget window;
    const Form form(&window, table);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const QByteArray broken = qgetenv("MSWEIGHT_BROKEN_LAYOUT"); !broken.isEmpty())
        return BuildBrokenLayout(argc, argv, broken);
    QApplication app(argc, argv);
    TestLayout test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_layout.moc"
