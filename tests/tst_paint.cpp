// The window started as main starts it: on Qt's own event loop, painting
// without starting threads, and with the frame round its pages exactly as
// Fusion draws it.
#include "app/userform1.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTabWidget>
#include <QtTest>

namespace {

int ThreadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

} // namespace

class TestPaint : public QObject
{
    Q_OBJECT

private slots:
    // First: no painting in this process may come before it.
    void firstPaintStartsNoThreads();
    void runsOnQtsOwnEventLoop();
    void pageFrameAsFusionDrawsIt_data();
    void pageFrameAsFusionDrawsIt();
};

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

void TestPaint::runsOnQtsOwnEventLoop()
{
    const QByteArray dispatcher = QAbstractEventDispatcher::instance()->metaObject()->className();
    QVERIFY2(!dispatcher.contains("Glib"), dispatcher.constData());
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

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    msweight::PrepareEnvironment();
    QApplication app(argc, argv);
    msweight::PrepareApplication();
    TestPaint test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_paint.moc"
