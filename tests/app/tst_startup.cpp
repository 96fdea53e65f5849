// SPDX-License-Identifier: MIT
#include "app/Startup.h"
#include "runtime/TestRuntime.h"
#include "support/ModalWatchdog.h"

#include <QAction>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

// The whole program wired as main() wires it, with the runtime test double.
class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void start_opens_only_the_splash();
    void splash_hands_over_to_the_main_window();
    void submenus_open_each_tool_once();
    void tracking_puts_trainer_2_in_front();
    void a_closed_tool_opens_afresh();
    void exit_ends_the_program_with_every_window();

private:
    QWidget* handOver();
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

QWidget* TestStartup::handOver()
{
    QWidget* splash = m_runtime->openWindow("frmSplash");
    auto* timer = splash->findChild<QTimer*>("Timer1");
    QMetaObject::invokeMethod(timer, "timeout"); // no real 3.5 s wait
    return m_runtime->openWindow("FrmDamage");
}

void TestStartup::trigger(const char* action)
{
    QWidget* main = m_runtime->openWindow("FrmDamage");
    main->findChild<QAction*>(action)->trigger();
}

void TestStartup::start_opens_only_the_splash()
{
    QVERIFY(m_runtime->openWindow("frmSplash"));
    for (const char* name : {"FrmDamage", "Acc", "CH", "Tab1", "Tab2"})
        QVERIFY2(!m_runtime->openWindow(name), name);
}

void TestStartup::splash_hands_over_to_the_main_window()
{
    QWidget* main = handOver();
    QVERIFY(main);
    QCOMPARE(main->objectName(), QString("FrmDamage"));
    QVERIFY(!m_runtime->openWindow("frmSplash"));
}

void TestStartup::submenus_open_each_tool_once()
{
    handOver();
    trigger("mnuAcc");
    trigger("mnuCH");
    QWidget* accuracy = m_runtime->openWindow("Acc");
    QWidget* critical = m_runtime->openWindow("CH");
    QVERIFY(accuracy && critical);
    accuracy->findChild<QLineEdit*>("basement")->setText("50");
    trigger("mnuAcc");
    QCOMPARE(m_runtime->openWindow("Acc"), accuracy);
    QCOMPARE(accuracy->findChild<QLineEdit*>("basement")->text(), QString("50"));
}

void TestStartup::tracking_puts_trainer_2_in_front()
{
    handOver();
    trigger("mnuPT");
    QWidget* first = m_runtime->openWindow("Tab1");
    QWidget* second = m_runtime->openWindow("Tab2");
    QVERIFY(first && second);
    QCOMPARE(first->windowTitle(), QString("Trainer 1"));
    QCOMPARE(second->windowTitle(), QString("Trainer 2"));
    // Both are top-level windows without owner, and the second was raised last.
    QVERIFY(first->isWindow() && !first->parentWidget());
    QVERIFY(second->isWindow() && !second->parentWidget());
    trigger("mnuPT");
    QCOMPARE(m_runtime->openWindow("Tab1"), first);
    QCOMPARE(m_runtime->openWindow("Tab2"), second);
}

void TestStartup::a_closed_tool_opens_afresh()
{
    handOver();
    trigger("mnuCH");
    QPointer<QWidget> critical = m_runtime->openWindow("CH");
    critical->findChild<QLineEdit*>("bc")->setText("changed");
    critical->close();
    QTRY_VERIFY(critical.isNull());
    trigger("mnuCH");
    QCOMPARE(m_runtime->openWindow("CH")->findChild<QLineEdit*>("bc")->text(),
             QString("Base Critical"));
}

void TestStartup::exit_ends_the_program_with_every_window()
{
    handOver();
    trigger("mnuAcc");
    trigger("mnuPT");
    trigger("mnuExit");
    QCOMPARE(m_runtime->endRequests(), 1);
    for (const char* name : {"FrmDamage", "Acc", "Tab1", "Tab2"})
        QVERIFY2(!m_runtime->openWindow(name), name);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
