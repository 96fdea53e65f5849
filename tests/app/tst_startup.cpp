// SPDX-License-Identifier: MIT
#include "support/ProgramFixture.h"

#include <QPointer>

using namespace fixture;

// The program as main() starts it, and the runtime's showing and unloading of its windows.
class TestStartup : public ProgramTest {
    Q_OBJECT

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void the_splash_alone_hands_over_once_by_timer_or_click_data();
    void the_splash_alone_hands_over_once_by_timer_or_click();
    void menus_open_each_tool_once_afresh_and_exit_ends_them_all();

private:
    QWidget* mainWindow()
    {
        startProgram(runtime());
        step(runtime().openWindow("frmSplash"), "Timer1!"); // no real 3.5 s wait
        return runtime().openWindow("FrmDamage");
    }
};

void TestStartup::the_splash_alone_hands_over_once_by_timer_or_click_data()
{
    QTest::addColumn<bool>("clickFirst");
    QTest::newRow("tick, then a late click") << false;
    QTest::newRow("click, then a tick still queued") << true;
}

void TestStartup::the_splash_alone_hands_over_once_by_timer_or_click()
{
    QFETCH(bool, clickFirst);
    startProgram(runtime());
    QWidget* splash = runtime().openWindow("frmSplash");
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape})
        QTest::keyClick(splash, key); // keys do not hand over
    for (const char* name : {"FrmDamage", "Acc", "CH", "Tab1", "Tab2", "Dex", "Turn", "Duel"})
        QVERIFY2(!runtime().openWindow(name), name);
    // The closed splash lingers until its deferred deletion; what still reaches it must not
    // bring back the main window the user has closed meanwhile.
    for (const bool click : {clickFirst, !clickFirst}) {
        if (click)
            QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(200, 150));
        else
            step(splash, "Timer1!");
        QVERIFY(!runtime().openWindow("frmSplash") && splash->isHidden());
        QCOMPARE(bool(runtime().openWindow("FrmDamage")), click == clickFirst);
        if (QWidget* main = runtime().openWindow("FrmDamage"))
            main->close();
    }
}

void TestStartup::menus_open_each_tool_once_afresh_and_exit_ends_them_all()
{
    QWidget* main = mainWindow();
    for (const char* item : {"mnuAcc!", "mnuCH!", "mnuPT!", "mnuDex!", "mnuTurn!", "mnuDuel!"})
        step(main, item);
    QList<QPointer<QWidget>> windows{main};
    for (const char* name : {"Acc", "CH", "Tab1", "Tab2", "Dex", "Turn", "Duel"}) {
        windows << runtime().openWindow(name);
        QVERIFY2(windows.last() && !windows.last()->parentWidget(), name); // no owner
    }
    // An open window comes forward as it is; a closed or unloaded one opens afresh.
    QPointer<QWidget> accuracy = windows[1];
    step(accuracy, "plusaccur!");
    step(main, "mnuAcc!");
    QCOMPARE(runtime().openWindow("Acc"), accuracy.data());
    QCOMPARE(text(accuracy, "accurcount"), "1");
    accuracy->close(); // as the user closes it
    QVERIFY(!runtime().openWindow("Acc"));
    QTRY_VERIFY(accuracy.isNull()); // deleted, not kept hidden
    step(main, "mnuAcc!");
    QCOMPARE(text(runtime().openWindow("Acc"), "accurcount"), "0");
    runtime().unloadWindow("Acc");
    QVERIFY(!runtime().openWindow("Acc"));

    step(main, "mnuExit!");
    QCOMPARE(runtime().endRequests(), 1);
    for (const QPointer<QWidget>& window : windows)
        QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
