// SPDX-License-Identifier: MIT
#include "DamageWindowHarness.h"
#include "support/ModalWatchdog.h"

#include <QTest>

#include <memory>

class TestStatusChanger : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void verdict_follows_the_draw_data();
    void verdict_follows_the_draw();
    void each_click_takes_a_fresh_draw();
    void chance_that_is_no_number_keeps_the_verdict_but_uses_a_draw_data();
    void chance_that_is_no_number_keeps_the_verdict_but_uses_a_draw();
    void info_explains_in_two_information_messages();
    void answer_label_is_bold_on_white();

private:
    ModalWatchdog m_watchdog;
    std::unique_ptr<DamageWindowHarness> m_ui;
};

void TestStatusChanger::init()
{
    m_watchdog.reset();
    m_ui = std::make_unique<DamageWindowHarness>();
}

void TestStatusChanger::cleanup()
{
    QVERIFY(m_ui->messagesOverWindow());
    m_ui.reset();
    QVERIFY(!m_watchdog.sawDialog());
}

void TestStatusChanger::verdict_follows_the_draw_data()
{
    QTest::addColumn<QString>("chance");
    QTest::addColumn<float>("draw");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("0 with the lowest roll") << "0" << 0.0f << "NO";
    QTest::newRow("100 with the highest roll") << "100" << 0.999f << "YES";
    QTest::newRow("150 with the highest roll") << "150" << 0.999f << "YES";
    QTest::newRow("-5 with the lowest roll") << "-5" << 0.0f << "NO";
    QTest::newRow("30 with a roll of 30") << "30" << 0.295f << "YES";
    QTest::newRow("30 with a roll of 31") << "30" << 0.305f << "NO";
    QTest::newRow("30.5 with a roll of 31") << "30.5" << 0.305f << "YES";
    QTest::newRow("0.5 with a roll of 1") << "0.5" << 0.0f << "YES";
    QTest::newRow("blanks around the chance") << " 50 " << 0.495f << "YES";
}

void TestStatusChanger::verdict_follows_the_draw()
{
    QFETCH(QString, chance);
    QFETCH(float, draw);
    QFETCH(QString, verdict);
    m_ui->field("succ")->setText(chance);
    m_ui->runtime.scriptDraws({draw});
    m_ui->button("Work2")->click();
    QCOMPARE(m_ui->label("YN")->text(), verdict);
    QCOMPARE(m_ui->runtime.drawsUsed(), 1);
    QVERIFY(m_ui->runtime.messages().isEmpty());
}

void TestStatusChanger::each_click_takes_a_fresh_draw()
{
    m_ui->field("succ")->setText("30");
    m_ui->runtime.scriptDraws({0.5f, 0.1f});
    m_ui->button("Work2")->click();
    QCOMPARE(m_ui->label("YN")->text(), QString("NO"));
    m_ui->button("Work2")->click();
    QCOMPARE(m_ui->label("YN")->text(), QString("YES"));
    QCOMPARE(m_ui->runtime.drawsUsed(), 2);
}

void TestStatusChanger::chance_that_is_no_number_keeps_the_verdict_but_uses_a_draw_data()
{
    QTest::addColumn<QString>("chance");
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("percent sign") << "30%";
}

void TestStatusChanger::chance_that_is_no_number_keeps_the_verdict_but_uses_a_draw()
{
    QFETCH(QString, chance);
    m_ui->field("succ")->setText("100");
    m_ui->button("Work2")->click();
    QCOMPARE(m_ui->label("YN")->text(), QString("YES"));

    m_ui->field("succ")->setText(chance);
    m_ui->button("Work2")->click();
    QCOMPARE(m_ui->label("YN")->text(), QString("YES"));
    QCOMPARE(m_ui->runtime.messageTexts(), QStringList{"Enter the chance of success as a number."});
    QCOMPARE(m_ui->runtime.messages().first().style, Runtime::MessageStyle::Plain);
    QCOMPARE(m_ui->runtime.drawsUsed(), 2);
}

void TestStatusChanger::info_explains_in_two_information_messages()
{
    m_ui->button("Command1")->click();
    const QStringList expected{
        "You enter the chance of the move doing the status change. Status changes are changes "
        "like confusion, paralize, freezing, burn and so on. Press WORK. If it returns YES, the "
        "status change was succesful, and the Pokémon is now... whatever the status change was.",
        "For example, Blizzard has a 30% chance of freezing. I put '30' in the Succ change area, "
        "and press WORK. It returns NO. After my opponent attacks, I use Blizzard again (simply "
        "by pressing WORK again) and it returns YES! My opponent is now frozen!"};
    QCOMPARE(m_ui->runtime.messageTexts(), expected);
    for (const TestRuntime::Message& message : m_ui->runtime.messages())
        QCOMPARE(message.style, Runtime::MessageStyle::Information);
    QVERIFY(m_ui->label("YN")->text().isEmpty());
    QCOMPARE(m_ui->runtime.drawsUsed(), 0);
}

void TestStatusChanger::answer_label_is_bold_on_white()
{
    QLabel* yn = m_ui->label("YN");
    QVERIFY(yn->font().bold());
    QVERIFY(yn->autoFillBackground());
    QCOMPARE(yn->palette().color(QPalette::Window), QColor(Qt::white));
}

QTEST_MAIN(TestStatusChanger)
#include "tst_statuschanger.moc"
