// SPDX-License-Identifier: MIT
#include "WindowFixture.h"

#include "windows/damage/DamageWindow.h"

using namespace fixture;

class TestStatusChanger : public WindowTest<DamageWindow> {
    Q_OBJECT

private slots:
    void init() { open(); }
    void cleanup() { close(); }

    void each_click_draws_a_fresh_verdict_for_the_chance();
    void chance_that_is_no_number_keeps_the_verdict_but_uses_a_draw();
    void info_explains_in_two_information_messages();
};

void TestStatusChanger::each_click_draws_a_fresh_verdict_for_the_chance()
{
    write(window(), "succ", " 30 ");
    scriptRolls(runtime(), {31, 30});
    click(window(), "Work2");
    QCOMPARE(text(window(), "YN"), "NO");
    click(window(), "Work2");
    QCOMPARE(text(window(), "YN"), "YES");
    QCOMPARE(runtime().drawsUsed(), 2);
    QVERIFY(runtime().messages().isEmpty());
}

void TestStatusChanger::chance_that_is_no_number_keeps_the_verdict_but_uses_a_draw()
{
    write(window(), "succ", "100");
    click(window(), "Work2");
    for (const char* chance : {"30%", ""}) {
        write(window(), "succ", chance);
        click(window(), "Work2");
    }
    QCOMPARE(text(window(), "YN"), "YES");
    QCOMPARE(runtime().messageTexts(), QStringList(2, "Enter the chance of success as a number."));
    QCOMPARE(runtime().messages().first().style, Runtime::MessageStyle::Plain);
    QCOMPARE(runtime().drawsUsed(), 3);
}

void TestStatusChanger::info_explains_in_two_information_messages()
{
    click(window(), "Command1");
    const QStringList texts = runtime().messageTexts();
    QCOMPARE(texts.size(), 2);
    QVERIFY(texts[0].startsWith("You enter the chance of the move doing the status change."));
    QVERIFY(texts[1].startsWith("For example, Blizzard has a 30% chance of freezing."));
    for (const TestRuntime::Message& message : runtime().messages())
        QCOMPARE(message.style, Runtime::MessageStyle::Information);
    QCOMPARE(text(window(), "YN"), "");
    QCOMPARE(runtime().drawsUsed(), 0);
}

QTEST_MAIN(TestStatusChanger)
#include "tst_statuschanger.moc"
