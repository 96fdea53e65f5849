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
        m_feed = startProgram(runtime());
        step(runtime().openWindow(WindowId::Splash), "Timer1!"); // no real 3.5 s wait
        return runtime().openWindow(WindowId::Main);
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
    m_feed = startProgram(runtime());
    QWidget* splash = runtime().openWindow(WindowId::Splash);
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape})
        QTest::keyClick(splash, key); // keys do not hand over
    for (const WindowId id : allWindowIds) {
        if (id != WindowId::Splash)
            QVERIFY2(!runtime().openWindow(id), qPrintable(objectNameOf(id)));
    }
    // The closed splash lingers until its deferred deletion; what still reaches it must not
    // bring back the main window the user has closed meanwhile.
    for (const bool click : {clickFirst, !clickFirst}) {
        if (click)
            QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(200, 150));
        else
            step(splash, "Timer1!");
        QVERIFY(!runtime().openWindow(WindowId::Splash) && splash->isHidden());
        QCOMPARE(bool(runtime().openWindow(WindowId::Main)), click == clickFirst);
        if (QWidget* main = runtime().openWindow(WindowId::Main))
            main->close();
    }
}

void TestStartup::menus_open_each_tool_once_afresh_and_exit_ends_them_all()
{
    QWidget* main = mainWindow();
    for (const char* item : {"mnuAcc!", "mnuCH!", "mnuPT!", "mnuDex!", "mnuTurn!", "mnuDuel!"})
        step(main, item);
    QList<QPointer<QWidget>> windows{main};
    for (const WindowId id : allWindowIds) {
        if (id == WindowId::Splash || id == WindowId::Main)
            continue;
        windows << runtime().openWindow(id);
        QVERIFY2(windows.last() && !windows.last()->parentWidget(), qPrintable(objectNameOf(id)));
        QCOMPARE(windows.last()->objectName(), objectNameOf(id));
    }
    // An open window comes forward as it is; a closed or unloaded one opens afresh.
    QPointer<QWidget> accuracy = windows[1];
    step(accuracy, "plusaccur!");
    step(main, "mnuAcc!");
    QCOMPARE(runtime().openWindow(WindowId::Accuracy), accuracy.data());
    QCOMPARE(text(accuracy, "accurcount"), "1");
    accuracy->close(); // as the user closes it
    QVERIFY(!runtime().openWindow(WindowId::Accuracy));
    QTRY_VERIFY(accuracy.isNull()); // deleted, not kept hidden
    step(main, "mnuAcc!");
    QCOMPARE(text(runtime().openWindow(WindowId::Accuracy), "accurcount"), "0");
    runtime().unloadWindow(WindowId::Accuracy);
    QVERIFY(!runtime().openWindow(WindowId::Accuracy));

    step(main, "mnuExit!");
    QCOMPARE(runtime().endRequests(), 1);
    for (const QPointer<QWidget>& window : windows)
        QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
