// SPDX-License-Identifier: MIT
#include "WindowFixture.h"

#include "windows/damage/DamageWindow.h"
#include "windows/splash/SplashWindow.h"

#include <memory>

using namespace fixture;

class TestSplashWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void untitled_fixed_splash_waits_for_its_timer_and_ignores_keys();
    void tick_or_click_hands_over_exactly_once_data();
    void tick_or_click_hands_over_exactly_once();

private:
    QWidget* splash() const { return m_runtime->openWindow("frmSplash"); }
    QWidget* mainWindow() const { return m_runtime->openWindow("FrmDamage"); }

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

void TestSplashWindow::untitled_fixed_splash_waits_for_its_timer_and_ignores_keys()
{
    QVERIFY(splash()->windowTitle().isEmpty());
    QVERIFY(!(splash()->windowFlags() & Qt::WindowTitleHint));
    QCOMPARE(splash()->size(), QSize(394, 307));
    QCOMPARE(splash()->minimumSize(), splash()->maximumSize());
    QCOMPARE(find<QTimer>(splash(), "Timer1")->interval(), 3500);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_A})
        QTest::keyClick(splash(), key);
    QVERIFY(splash());
    QVERIFY(find<QTimer>(splash(), "Timer1")->isActive());
    QCOMPARE(mainWindow(), nullptr);
}

void TestSplashWindow::tick_or_click_hands_over_exactly_once_data()
{
    QTest::addColumn<bool>("clickFirst");
    QTest::newRow("tick, then a late click") << false;
    QTest::newRow("click, then a tick still queued") << true;
}

void TestSplashWindow::tick_or_click_hands_over_exactly_once()
{
    QFETCH(bool, clickFirst);
    // The closed splash lingers until its deferred deletion; what still reaches it must do nothing.
    QWidget* window = splash();
    QTimer* timer = find<QTimer>(window, "Timer1");
    for (const bool click : {clickFirst, !clickFirst, clickFirst}) {
        if (click)
            QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(200, 150));
        else
            tick(timer);
        QVERIFY(mainWindow());
        QCOMPARE(splash(), nullptr);
        QVERIFY(!timer->isActive());
    }
    QCOMPARE(m_mainLoads, 1);
}

QTEST_MAIN(TestSplashWindow)
#include "tst_splashwindow.moc"
