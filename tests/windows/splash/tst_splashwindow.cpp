// SPDX-License-Identifier: MIT
#include "runtime/TestRuntime.h"
#include "support/ModalWatchdog.h"
#include "windows/damage/DamageWindow.h"
#include "windows/splash/SplashWindow.h"

#include <QTest>
#include <QTimer>

#include <memory>

class TestSplashWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void splash_is_a_fixed_untitled_picture_with_a_running_timer();
    void tick_hands_over_to_the_main_window();
    void click_hands_over_to_the_main_window();
    void tick_after_a_click_loads_no_second_main_window();
    void keys_do_not_end_the_splash();

private:
    QWidget* splash() const { return m_runtime->openWindow("frmSplash"); }
    QWidget* mainWindow() const { return m_runtime->openWindow("FrmDamage"); }
    QTimer* splashTimer() const { return splash()->findChild<QTimer*>("Timer1"); }

    ModalWatchdog m_watchdog;
    std::unique_ptr<TestRuntime> m_runtime;
    int m_mainLoads = 0;
};

void TestSplashWindow::init()
{
    m_watchdog.reset();
    m_mainLoads = 0;
    m_runtime = std::make_unique<TestRuntime>();
    m_runtime->registerWindow("frmSplash", [this] { return new SplashWindow(*m_runtime); });
    m_runtime->registerWindow("FrmDamage", [this] {
        ++m_mainLoads;
        return new DamageWindow(*m_runtime);
    });
    QVERIFY(m_runtime->showWindow("frmSplash"));
}

void TestSplashWindow::cleanup()
{
    QVERIFY(m_runtime->messages().isEmpty());
    m_runtime.reset();
    QVERIFY(!m_watchdog.sawDialog());
}

void TestSplashWindow::splash_is_a_fixed_untitled_picture_with_a_running_timer()
{
    QWidget* window = splash();
    QCOMPARE(window->objectName(), QString("frmSplash"));
    QVERIFY(window->windowTitle().isEmpty());
    QVERIFY(!(window->windowFlags() & Qt::WindowTitleHint));
    QCOMPARE(window->size(), QSize(394, 307));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(splashTimer()->isActive());
    QCOMPARE(splashTimer()->interval(), 3500);
    QCOMPARE(mainWindow(), nullptr);
    QCOMPARE(m_mainLoads, 0);

    // The picture covers the whole client area: no pixel shows the plain background.
    const QImage shown = window->grab().toImage();
    const QColor background = window->palette().color(QPalette::Window);
    for (const QPoint corner : {QPoint(0, 0), QPoint(393, 0), QPoint(0, 306), QPoint(393, 306)})
        QVERIFY(shown.pixelColor(corner) != background);
}

void TestSplashWindow::tick_hands_over_to_the_main_window()
{
    QMetaObject::invokeMethod(splashTimer(), "timeout");
    QVERIFY(mainWindow());
    QCOMPARE(mainWindow()->objectName(), QString("FrmDamage"));
    QCOMPARE(splash(), nullptr);
    QCOMPARE(m_mainLoads, 1);
}

void TestSplashWindow::click_hands_over_to_the_main_window()
{
    QTest::mouseClick(splash(), Qt::LeftButton, {}, QPoint(200, 150));
    QVERIFY(mainWindow());
    QCOMPARE(splash(), nullptr);
    QCOMPARE(m_mainLoads, 1);
}

void TestSplashWindow::tick_after_a_click_loads_no_second_main_window()
{
    QWidget* window = splash();
    QTimer* timer = splashTimer();
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(10, 10));
    QWidget* first = mainWindow();
    QVERIFY(!timer->isActive());
    // The closed splash lingers until its deferred deletion; a tick still queued must do nothing.
    QMetaObject::invokeMethod(timer, "timeout");
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(mainWindow(), first);
    QCOMPARE(m_mainLoads, 1);
}

void TestSplashWindow::keys_do_not_end_the_splash()
{
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_A})
        QTest::keyClick(splash(), key);
    QVERIFY(splash());
    QCOMPARE(mainWindow(), nullptr);
    QVERIFY(splashTimer()->isActive());
}

QTEST_MAIN(TestSplashWindow)
#include "tst_splashwindow.moc"
