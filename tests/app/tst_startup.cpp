// SPDX-License-Identifier: MIT
#include "app/Startup.h"
#include "runtime/TestRuntime.h"
#include "support/ModalWatchdog.h"

#include <QAction>
#include <QTest>
#include <QTimer>

// The whole program wired as main() wires it, with the runtime test double.
class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void the_splash_alone_hands_over_to_the_main_window();
    void menus_open_their_tools_data();
    void menus_open_their_tools();
    void exit_ends_the_program_with_every_window();

private:
    void trigger(const char* action);

    std::unique_ptr<TestRuntime> m_runtime;
    std::unique_ptr<ModalWatchdog> m_watchdog;
};

void TestStartup::init()
{
    m_watchdog = std::make_unique<ModalWatchdog>();
    m_runtime = std::make_unique<TestRuntime>();
    registerWindows(*m_runtime);
    m_runtime->showWindow("frmSplash");
}

void TestStartup::cleanup()
{
    m_runtime.reset();
    QVERIFY(!m_watchdog->sawDialog());
}

void TestStartup::trigger(const char* action)
{
    QWidget* splash = m_runtime->openWindow("frmSplash");
    if (splash) // no real 3.5 s wait
        QMetaObject::invokeMethod(splash->findChild<QTimer*>("Timer1"), "timeout");
    m_runtime->openWindow("FrmDamage")->findChild<QAction*>(action)->trigger();
}

void TestStartup::the_splash_alone_hands_over_to_the_main_window()
{
    QVERIFY(m_runtime->openWindow("frmSplash"));
    for (const char* name : {"FrmDamage", "Acc", "CH", "Tab1", "Tab2", "Dex"})
        QVERIFY2(!m_runtime->openWindow(name), name);
    QMetaObject::invokeMethod(m_runtime->openWindow("frmSplash")->findChild<QTimer*>("Timer1"),
                              "timeout");
    QVERIFY(m_runtime->openWindow("FrmDamage"));
    QVERIFY(!m_runtime->openWindow("frmSplash"));
}

void TestStartup::menus_open_their_tools_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("windows");
    QTest::addColumn<QStringList>("titles");
    // clang-format off
    QTest::newRow("accuracy")         << "mnuAcc" << QStringList{"Acc"}          << QStringList{};
    QTest::newRow("critical hit")     << "mnuCH"  << QStringList{"CH"}           << QStringList{};
    QTest::newRow("trainer tracking") << "mnuPT"  << QStringList{"Tab1", "Tab2"} << QStringList{"Trainer 1", "Trainer 2"};
    QTest::newRow("pokédex")          << "mnuDex" << QStringList{"Dex"}          << QStringList{"Pokédex"};
    QTest::newRow("battle turn")      << "mnuTurn" << QStringList{"Turn"}        << QStringList{"Battle Turn"};
    // clang-format on
}

void TestStartup::menus_open_their_tools()
{
    QFETCH(QString, action);
    QFETCH(QStringList, windows);
    QFETCH(QStringList, titles);
    trigger(qPrintable(action));
    for (qsizetype index = 0; index < windows.size(); ++index) {
        QWidget* window = m_runtime->openWindow(windows[index]);
        QVERIFY2(window, qPrintable(windows[index]));
        QVERIFY(window->isWindow() && !window->parentWidget()); // a window of its own, no owner
        if (!titles.isEmpty())
            QCOMPARE(window->windowTitle(), titles[index]);
    }
}

void TestStartup::exit_ends_the_program_with_every_window()
{
    trigger("mnuAcc");
    trigger("mnuPT");
    trigger("mnuExit");
    QCOMPARE(m_runtime->endRequests(), 1);
    for (const char* name : {"FrmDamage", "Acc", "Tab1", "Tab2"})
        QVERIFY2(!m_runtime->openWindow(name), name);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
