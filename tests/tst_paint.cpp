// The window started as main starts it: on Qt's own event loop, painting
// without starting threads, with the frame round its pages exactly as Fusion
// draws it, and looking the same whatever the desktop's style, colours and
// fonts; and how it shows itself to the desktop.
#define QT_STATICPLUGIN // the desktop style below is built into this program

#include "app/userform1.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QStylePlugin>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtPlugin>
#include <QtTest>

namespace {

int ThreadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

// Every page of the window, one below the other, as the window draws them.
QImage Pages(QWidget &form)
{
    auto *pages = form.findChild<QTabWidget *>(QStringLiteral("MultiPage1"));
    QImage all(form.width(), form.height() * pages->count(), QImage::Format_ARGB32);
    all.fill(Qt::transparent);
    QPainter painter(&all);
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        painter.drawPixmap(0, i * form.height(), form.grab());
    }
    return all;
}

// A new window, shown as main shows it, and its pages.
QImage ShownPages()
{
    msweight::UserForm1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return {};
    return Pages(form);
}

// Saves the pages where the environment says (MSWEIGHT_RENDER_TO): this
// program run once more, under other desktop settings.
int RenderPagesTo(const QString &path)
{
    const QImage pages = ShownPages();
    return !pages.isNull() && pages.save(path) ? 0 : 1;
}

// Empty when the two renderings are the same; else where the differing one
// was saved to look at.
QString Difference(const QImage &actual, const QImage &expected)
{
    if (actual.convertToFormat(QImage::Format_ARGB32) == expected.convertToFormat(QImage::Format_ARGB32))
        return {};
    QString name = QString::fromUtf8(QTest::currentDataTag());
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
    const QString path = QDir::temp().filePath(QStringLiteral("tst_paint-%1.png").arg(name));
    actual.save(path);
    return QStringLiteral("the window looks otherwise than made the default way: %1").arg(path);
}

// As a dark desktop theme colours the application: light text on dark grey.
QPalette DarkPalette()
{
    const QColor window(0x35, 0x35, 0x35);
    QPalette dark(Qt::white, window, window.lighter(150), window.darker(150), window.darker(120), Qt::white, Qt::red,
                  QColor(0x2a, 0x2a, 0x2a), window);
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::Link, QColor(0x6a, 0xb0, 0xff));
    dark.setColor(QPalette::LinkVisited, QColor(0xc0, 0x8a, 0xff));
    return dark;
}

// A desktop font unlike the window's in every property a theme may set.
QFont ThemeFont()
{
    QFont font(QStringLiteral("DejaVu Serif"), 13);
    font.setWeight(QFont::DemiBold);
    font.setItalic(true);
    font.setUnderline(true);
    font.setStrikeOut(true);
    font.setStretch(QFont::Condensed);
    font.setCapitalization(QFont::SmallCaps);
    font.setLetterSpacing(QFont::PercentageSpacing, 110);
    font.setKerning(false);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

// A desktop style that, like a settings tool's, is a proxy of Fusion: the
// Fusion under it asks it, not a proxy put over it, for metrics. A class of
// its own, since a proxy given a base of its own class drops it.
class DesktopProxyStyle : public QProxyStyle
{
    Q_OBJECT

public:
    DesktopProxyStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }
};

class DesktopProxyStylePlugin : public QStylePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "desktopproxystyle.json")

public:
    QStyle *create(const QString &key) override
    {
        return key.compare(QLatin1String("msweight-desktop-proxy"), Qt::CaseInsensitive) == 0 ? new DesktopProxyStyle
                                                                                              : nullptr;
    }
};

Q_IMPORT_PLUGIN(DesktopProxyStylePlugin)

class TestPaint : public QObject
{
    Q_OBJECT

private slots:
    // First: no painting in this process may come before it.
    void firstPaintStartsNoThreads();
    void pageFrameAsFusionDrawsIt_data();
    void pageFrameAsFusionDrawsIt();
    void pageFrameOnTheScreenAsFusionDrawsIt();
    void sameUnderAnyDesktopStyle_data();
    void sameUnderAnyDesktopStyle();
    void sameWhateverTheDesktopsColoursAndFonts_data();
    void sameWhateverTheDesktopsColoursAndFonts();
    void noMaximiseButton();
    void programIcon_data();
    void programIcon();
    void namesItsDesktopEntry();

private:
    // The pages of a window made the default way.
    const QImage &Reference();

    QImage m_reference;
};

const QImage &TestPaint::Reference()
{
    if (m_reference.isNull())
        m_reference = ShownPages();
    return m_reference;
}

void TestPaint::firstPaintStartsNoThreads()
{
    const int before = ThreadCount();
    QVERIFY(before >= 1);
    msweight::UserForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    QVERIFY(!form.grab().isNull());
    QCOMPARE(ThreadCount(), before);
}

// Through a turned painter, as when the window is shown in a scene, pieces
// cut along device pixels would overlap.
void TestPaint::pageFrameAsFusionDrawsIt_data()
{
    QTest::addColumn<qreal>("devicePixelRatio");
    QTest::addColumn<qreal>("turn");
    QTest::newRow("96 dpi") << qreal(1) << qreal(0);
    QTest::newRow("125%") << qreal(1.25) << qreal(0);
    QTest::newRow("150%") << qreal(1.5) << qreal(0);
    QTest::newRow("200%") << qreal(2) << qreal(0);
    QTest::newRow("300%") << qreal(3) << qreal(0);
    QTest::newRow("turned 30 degrees") << qreal(1) << qreal(30);
}

void TestPaint::pageFrameAsFusionDrawsIt()
{
    QFETCH(qreal, devicePixelRatio);
    QFETCH(qreal, turn);
    msweight::UserForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *pages = form.findChild<QTabWidget *>(QStringLiteral("MultiPage1"));
    QVERIFY(pages);
    const auto render = [&] {
        const int side = pages->width() + pages->height(); // room for the turned page
        QImage image(QSize(side, side) * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(devicePixelRatio);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.translate(pages->height() / 2, 0);
        painter.rotate(turn);
        pages->render(&painter);
        return image;
    };
    const QImage ours = render();
    QVERIFY(pages->style() != QApplication::style());
    pages->setStyle(QApplication::style()); // the tab bar keeps its own
    QCOMPARE(ours, render());
}

// As the window paints itself, under the region its pages leave.
void TestPaint::pageFrameOnTheScreenAsFusionDrawsIt()
{
    msweight::UserForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto onScreen = [&] {
        QCoreApplication::processEvents();
        return form.screen()->grabWindow(form.winId()).toImage();
    };
    const QImage ours = onScreen();
    auto *pages = form.findChild<QTabWidget *>(QStringLiteral("MultiPage1"));
    QVERIFY(pages);
    pages->setStyle(QApplication::style());
    pages->repaint();
    QCOMPARE(ours, onScreen());
}

// The desktop's style, from the environment or the command line, as the
// program's own process meets it: rendered there and compared here.
void TestPaint::sameUnderAnyDesktopStyle_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("QT_STYLE_OVERRIDE=windows") << QStringList{"QT_STYLE_OVERRIDE=windows"} << QStringList{};
    QTest::newRow("-style windows") << QStringList{} << QStringList{"-style", "windows"};
    QTest::newRow("a desktop style that is a proxy of Fusion")
        << QStringList{"QT_STYLE_OVERRIDE=msweight-desktop-proxy"} << QStringList{};
    QTest::newRow("qt6ct, as it comes") << QStringList{"QT_QPA_PLATFORMTHEME=qt6ct"} << QStringList{};
}

void TestPaint::sameUnderAnyDesktopStyle()
{
    QFETCH(QStringList, environment);
    QFETCH(QStringList, arguments);
    if (environment.contains(QLatin1String("QT_QPA_PLATFORMTHEME=qt6ct"))
        && !QFile::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QLatin1String("/platformthemes/libqt6ct.so")))
        QFAIL("qt6ct is not installed (make test installs it)");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("pages.png"));
    QProcessEnvironment settings = QProcessEnvironment::systemEnvironment();
    settings.insert(QStringLiteral("MSWEIGHT_RENDER_TO"), path);
    settings.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path()); // no user's settings for a settings tool
    for (const QString &setting : environment)
        settings.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    QProcess process;
    process.setProcessEnvironment(settings);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QCoreApplication::applicationFilePath(), arguments);
    QVERIFY(process.waitForFinished(60'000));
    QCOMPARE(process.exitCode(), 0);
    const QString difference = Difference(QImage(path), Reference());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

// The desktop's colours and fonts, set before the window is made (as a theme
// sets them at start) or while it is open (as on switching themes). The
// window keeps its own; a dialog follows the desktop.
void TestPaint::sameWhateverTheDesktopsColoursAndFonts_data()
{
    QTest::addColumn<bool>("whileOpen");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QStringList>("fontsFor"); // an empty name: the application's font
    const QStringList kinds
        = {"QWidget", "QTabWidget", "QTabBar", "QLabel", "QLineEdit", "QRadioButton", "QPushButton"};
    QTest::newRow("dark colours at start") << false << true << QStringList{};
    QTest::newRow("dark colours while open") << true << true << QStringList{};
    QTest::newRow("a font for tab bars at start") << false << false << QStringList{"QTabBar"};
    QTest::newRow("a font for each kind of control at start") << false << false << kinds;
    QTest::newRow("a font for each kind of control while open") << true << false << kinds;
    QTest::newRow("another application font while open") << true << false << QStringList{QString()};
}

void TestPaint::sameWhateverTheDesktopsColoursAndFonts()
{
    QFETCH(bool, whileOpen);
    QFETCH(bool, dark);
    QFETCH(QStringList, fontsFor);
    const QImage &reference = Reference();
    const QPalette palette = QApplication::palette();
    const QFont font = QApplication::font();
    const auto changeDesktop = [&] {
        if (dark)
            QApplication::setPalette(DarkPalette());
        for (const QString &kind : fontsFor)
            QApplication::setFont(ThemeFont(), kind.isEmpty() ? nullptr : qPrintable(kind));
        QCoreApplication::processEvents();
    };
    const auto restoreDesktop = qScopeGuard([&] {
        QApplication::setPalette(palette);
        QApplication::setFont(font); // also drops the fonts for each kind
    });
    if (!whileOpen)
        changeDesktop();
    msweight::UserForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    if (whileOpen)
        changeDesktop();
    const QString difference = Difference(Pages(form), reference);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    if (dark) {
        // Every role, those no control draws with yet included.
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        QCOMPARE(form.palette(), fusion->standardPalette());
        QMessageBox dialog(&form);
        QCOMPARE(dialog.palette().color(QPalette::Window), DarkPalette().color(QPalette::Window));
    }
}

// Its size is fixed, so a maximise button would do nothing.
void TestPaint::noMaximiseButton()
{
    msweight::UserForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(form.isWindow());
    QCOMPARE(form.minimumSize(), form.maximumSize());
    const Qt::WindowFlags flags = form.windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    for (const Qt::WindowType flag :
         {Qt::WindowTitleHint, Qt::WindowSystemMenuHint, Qt::WindowMinimizeButtonHint, Qt::WindowCloseButtonHint})
        QVERIFY(flags.testFlag(flag));
}

// Once the window has painted, its icon at each size is the rendering of
// ours that the package installs at that size.
void TestPaint::programIcon_data()
{
    QTest::addColumn<int>("side");
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", side, side) << side;
}

void TestPaint::programIcon()
{
    QFETCH(int, side);
    msweight::UserForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY(!form.windowIcon().isNull());
    const QIcon icon = form.windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(side, side)));
    const QImage ours(QFINDTESTDATA(QStringLiteral("../dist/icons/%1x%1/org.msweight.msweight.png").arg(side)));
    QVERIFY(!ours.isNull());
    // Premultiplied, as a pixmap holds it.
    QCOMPARE(icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
             ours.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

// Desktops find the desktop entry by the name the program gives, and under
// X11 by the window's class, which is the application's name.
void TestPaint::namesItsDesktopEntry()
{
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.msweight.msweight"));
    QFile entry(QFINDTESTDATA("../dist/org.msweight.msweight.desktop"));
    QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(entry.readAll()).split(u'\n');
    QVERIFY(lines.contains(QLatin1String("StartupWMClass=") + QCoreApplication::applicationName()));
}

int main(int argc, char *argv[])
{
    const QString renderTo = qEnvironmentVariable("MSWEIGHT_RENDER_TO");
    if (renderTo.isEmpty()) {
        // The reference is made the default way, whatever the shell has set.
        qunsetenv("QT_STYLE_OVERRIDE");
        qunsetenv("QT_QPA_PLATFORMTHEME");
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    msweight::PrepareApplication();
    if (!renderTo.isEmpty())
        return RenderPagesTo(renderTo);
    TestPaint test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_paint.moc"
