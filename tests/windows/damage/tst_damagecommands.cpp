// SPDX-License-Identifier: MIT
#include "DamageWindowHarness.h"
#include "support/ModalWatchdog.h"

#include "battle/CreditsTicker.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class TestDamageCommands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void work_shows_the_figures_data();
    void work_shows_the_figures();
    void over_999_shows_the_message_before_the_field_changes();
    void copy_normal_after_over_999_copies_the_marker();
    void copy_items_copy_their_field_as_shown();
    void unusable_input_shows_a_message_and_writes_nothing_data();
    void unusable_input_shows_a_message_and_writes_nothing();
    void number_field_texts_are_checked_data();
    void number_field_texts_are_checked();
    void typed_x_in_defense_is_refused_and_leaves_work_enabled();
    void typed_digit_in_defense_enables_work_silently();
    void a_refused_letter_typed_after_digits_is_kept();
    void emptying_a_field_shows_nothing();
    void rewriting_the_same_text_runs_no_check();
    void exit_ends_the_program();
    void ticker_cycles_through_eight_lines();
    void submenu_items_ask_for_their_windows();
    void submenu_shortcuts_work_from_text_fields_data();
    void submenu_shortcuts_work_from_text_fields();

private:
    void showActive();
    void computeFireOnGrass();

    ModalWatchdog m_watchdog;
    std::unique_ptr<DamageWindowHarness> m_ui;
};

void TestDamageCommands::init()
{
    m_watchdog.reset();
    m_ui = std::make_unique<DamageWindowHarness>();
}

void TestDamageCommands::cleanup()
{
    QVERIFY(m_ui->messagesOverWindow());
    m_ui.reset();
    QVERIFY(!m_watchdog.sawDialog());
}

void TestDamageCommands::showActive()
{
    m_ui->window.show();
    QApplication::setActiveWindow(&m_ui->window);
    QVERIFY(QTest::qWaitForWindowActive(&m_ui->window));
}

void TestDamageCommands::computeFireOnGrass()
{
    m_ui->enterStats("100", "50", "80", "90");
    m_ui->enterTypes("Fire", "Fire", "Grass");
    m_ui->field("DHP")->setText("200");
    m_ui->button("Work")->click();
}

void TestDamageCommands::work_shows_the_figures_data()
{
    // Stats: attack, level, base power, defense, HP. Types: attack, attacker 1 and 2, defender 1
    // and 2. Expected: normal, critical, poison. Each row shows one field reaching the computation.
    QTest::addColumn<QStringList>("stats");
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<QString>("attackName");
    QTest::addColumn<QStringList>("expected");

    const QStringList fireOnGrass{"Fire", "Fire", "Select Type", "Grass", "Select Type"};
    QTest::newRow("fire on grass with same-type bonus")
        << QStringList{"100", "50", "80", "90", "200"} << fireOnGrass << "Select Attack (optional)"
        << QStringList{"107", "216", "12.6"};
    QTest::newRow("second defending type counts: fire on grass/grass")
        << QStringList{"100", "50", "80", "90", "200"}
        << QStringList{"Fire", "Water", "Select Type", "Grass", "Grass"} << ""
        << QStringList{"142", "288", "12.6"};
    QTest::newRow("second attacking type gives the bonus")
        << QStringList{"100", "50", "80", "90", "200"}
        << QStringList{"Fire", "Water", "Fire", "Grass", "Select Type"} << ""
        << QStringList{"107", "216", "12.6"};
    QTest::newRow("toxic names itself against steel")
        << QStringList{"100", "50", "0", "90", "200"}
        << QStringList{"Poison", "Poison", "Select Type", "Steel", "Select Type"} << "Toxic"
        << QStringList{"Toxic", "0", "12.6"};
    QTest::newRow("no hit points asks for them")
        << QStringList{"100", "50", "80", "90", ""} << fireOnGrass << ""
        << QStringList{"107", "216", "EnterHP"};
}

void TestDamageCommands::work_shows_the_figures()
{
    QFETCH(QStringList, stats);
    QFETCH(QStringList, types);
    QFETCH(QString, attackName);
    QFETCH(QStringList, expected);

    m_ui->enterStats(stats[0], stats[1], stats[2], stats[3]);
    m_ui->field("DHP")->setText(stats[4]);
    const char* lists[] = {"attack1", "poke1", "poke12", "poke2", "poke22"};
    for (int i = 0; i < 5; ++i)
        m_ui->list(lists[i])->setEditText(types[i]);
    m_ui->list("c1")->setEditText(attackName);
    m_ui->button("Work")->click();

    QCOMPARE(m_ui->field("damagedealt")->text(), expected[0]);
    QCOMPARE(m_ui->field("critical")->text(), expected[1]);
    QCOMPARE(m_ui->field("poison")->text(), expected[2]);
    QVERIFY(m_ui->runtime.messages().isEmpty());
}

void TestDamageCommands::over_999_shows_the_message_before_the_field_changes()
{
    computeFireOnGrass();
    int messagesWhenWritten = -1;
    connect(m_ui->field("damagedealt"), &QLineEdit::textChanged, this,
            [&] { messagesWhenWritten = int(m_ui->runtime.messages().size()); });

    m_ui->enterStats("300", "100", "150", "50");
    m_ui->enterTypes("Water", "Water", "Fire");
    m_ui->button("Work")->click();

    QCOMPARE(m_ui->runtime.messageTexts(),
             QStringList{"Damage dealt is over 999! Defending Pokémon fainted!"});
    QCOMPARE(m_ui->runtime.messages().first().style, Runtime::MessageStyle::Plain);
    QCOMPARE(messagesWhenWritten, 1);
    QCOMPARE(m_ui->field("damagedealt")->text(), QString(">999"));
    QCOMPARE(m_ui->field("critical")->text(), QString(">999"));
}

void TestDamageCommands::copy_normal_after_over_999_copies_the_marker()
{
    m_ui->enterStats("300", "100", "150", "50");
    m_ui->enterTypes("Water", "Water", "Fire");
    m_ui->button("Work")->click();
    m_ui->action("mnuCN")->trigger();
    QCOMPARE(m_ui->runtime.clipboardHistory(), QStringList{">999"});
}

void TestDamageCommands::copy_items_copy_their_field_as_shown()
{
    m_ui->action("mnuCN")->trigger(); // before any computation: the empty text
    computeFireOnGrass();
    m_ui->action("mnuCC")->trigger();
    m_ui->action("mnuCN")->trigger();
    m_ui->action("mnuCP")->trigger();
    QCOMPARE(m_ui->runtime.clipboardHistory(), QStringList({"", "216", "107", "12.6"}));
    QCOMPARE(m_ui->runtime.clipboardClears(), 4);
}

void TestDamageCommands::unusable_input_shows_a_message_and_writes_nothing_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("messagePart");
    QTest::newRow("empty level") << "level"
                                 << ""
                                 << "Level of Pokémon required!";
    QTest::newRow("defense is no number") << "defense"
                                          << "Abc"
                                          << "Defense";
    QTest::newRow("defense of zero") << "defense"
                                     << "0"
                                     << "Defense";
}

void TestDamageCommands::unusable_input_shows_a_message_and_writes_nothing()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, messagePart);
    computeFireOnGrass();
    m_ui->field(field.toLatin1().constData())->setText(text);
    m_ui->button("Work")->click();

    QCOMPARE(m_ui->runtime.messages().size(), 1);
    QVERIFY2(m_ui->runtime.messageTexts().first().contains(messagePart),
             qPrintable(m_ui->runtime.messageTexts().first()));
    QCOMPARE(m_ui->field("damagedealt")->text(), QString("107"));
    QCOMPARE(m_ui->field("critical")->text(), QString("216"));
    QCOMPARE(m_ui->field("poison")->text(), QString("12.6"));
}

void TestDamageCommands::number_field_texts_are_checked_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // empty: the text passes and stays

    const QString number = "Enter Number Only.";
    const QString numbers = "Enter Numbers Only.";
    QTest::newRow("attack refuses x") << "attack"
                                      << "x" << number;
    QTest::newRow("attack keeps X") << "attack"
                                    << "X" << QString();
    QTest::newRow("level refuses a5") << "level"
                                      << "a5" << number;
    QTest::newRow("level keeps 5a") << "level"
                                    << "5a" << QString();
    QTest::newRow("basepower refuses x") << "basepower"
                                         << "x" << number;
    QTest::newRow("defense refuses x") << "defense"
                                       << "x" << numbers;
    QTest::newRow("defense keeps X") << "defense"
                                     << "X" << QString();
    QTest::newRow("defense keeps zz") << "defense"
                                      << "zz" << QString();
    QTest::newRow("defense keeps 5a") << "defense"
                                      << "5a" << QString();
    QTest::newRow("defense refuses z alone") << "defense"
                                             << "z" << numbers;
    QTest::newRow("DHP refuses z alone") << "DHP"
                                         << "z" << numbers;
    QTest::newRow("DHP keeps zz") << "DHP"
                                  << "zz" << QString();
    QTest::newRow("DHP keeps a blank") << "DHP"
                                       << " " << QString();
}

// Written texts run the check just like typed ones: a pasted "zz" is not a typed "z" then "z".
void TestDamageCommands::number_field_texts_are_checked()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QLineEdit* target = m_ui->field(field.toLatin1().constData());
    target->setText(text);
    if (message.isEmpty()) {
        QVERIFY(m_ui->runtime.messages().isEmpty());
        QCOMPARE(target->text(), text);
    } else {
        QCOMPARE(m_ui->runtime.messageTexts(), QStringList{message});
        QCOMPARE(m_ui->runtime.messages().first().style, Runtime::MessageStyle::Plain);
        QVERIFY(target->text().isEmpty());
    }
    QCOMPARE(m_ui->button("Work")->isEnabled(), field == "defense");
}

void TestDamageCommands::typed_x_in_defense_is_refused_and_leaves_work_enabled()
{
    QTest::keyClicks(m_ui->field("defense"), "x");
    QCOMPARE(m_ui->runtime.messageTexts(), QStringList{"Enter Numbers Only."});
    QVERIFY(m_ui->field("defense")->text().isEmpty());
    QVERIFY(m_ui->button("Work")->isEnabled());
}

void TestDamageCommands::typed_digit_in_defense_enables_work_silently()
{
    QTest::keyClicks(m_ui->field("defense"), "1");
    QVERIFY(m_ui->button("Work")->isEnabled());
    QTest::keyClick(m_ui->field("defense"), Qt::Key_Backspace);
    QVERIFY(m_ui->button("Work")->isEnabled());
    QVERIFY(m_ui->runtime.messages().isEmpty());
}

void TestDamageCommands::a_refused_letter_typed_after_digits_is_kept()
{
    QTest::keyClicks(m_ui->field("attack"), "x");
    QTest::keyClicks(m_ui->field("attack"), "5a");
    QCOMPARE(m_ui->runtime.messageTexts(), QStringList{"Enter Number Only."});
    QCOMPARE(m_ui->field("attack")->text(), QString("5a"));
}

void TestDamageCommands::emptying_a_field_shows_nothing()
{
    for (const char* name : {"attack", "basepower", "level", "defense", "DHP"}) {
        QLineEdit* field = m_ui->field(name);
        QTest::keyClicks(field, "12");
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_Backspace);
        QVERIFY(field->text().isEmpty());
    }
    QVERIFY(m_ui->runtime.messages().isEmpty());
}

void TestDamageCommands::rewriting_the_same_text_runs_no_check()
{
    QLineEdit* basepower = m_ui->field("basepower");
    QSignalSpy changes(basepower, &QLineEdit::textChanged);
    m_ui->choose("Tackle");
    m_ui->choose("Tackle");
    QCOMPARE(basepower->text(), QString("35"));
    QCOMPARE(changes.count(), 1);
}

void TestDamageCommands::exit_ends_the_program()
{
    m_ui->action("mnuExit")->trigger();
    QCOMPARE(m_ui->runtime.endRequests(), 1);
}

void TestDamageCommands::ticker_cycles_through_eight_lines()
{
    QLabel* credits = m_ui->label("Label10");
    const auto line = [](int number) {
        return QString::fromUtf8(battle::creditLines.at(number - 1));
    };
    m_ui->tick();
    QCOMPARE(credits->text(), line(1));
    for (int tick = 2; tick <= 8; ++tick)
        m_ui->tick();
    QCOMPARE(credits->text(), line(8));
    m_ui->tick();
    QCOMPARE(credits->text(), line(1));
}

void TestDamageCommands::submenu_items_ask_for_their_windows()
{
    QSignalSpy tracking(&m_ui->window, &DamageWindow::trackingRequested);
    QSignalSpy accuracy(&m_ui->window, &DamageWindow::accuracyFinderRequested);
    QSignalSpy critical(&m_ui->window, &DamageWindow::criticalFinderRequested);
    m_ui->action("mnuPT")->trigger();
    m_ui->action("mnuAcc")->trigger();
    m_ui->action("mnuAcc")->trigger();
    m_ui->action("mnuCH")->trigger();
    QCOMPARE(tracking.count(), 1);
    QCOMPARE(accuracy.count(), 2);
    QCOMPARE(critical.count(), 1);
}

void TestDamageCommands::submenu_shortcuts_work_from_text_fields_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("item");
    QTest::newRow("Ctrl+A from attack") << "attack" << int(Qt::Key_A) << "mnuAcc";
    QTest::newRow("Ctrl+A from the attack list") << "c1" << int(Qt::Key_A) << "mnuAcc";
    QTest::newRow("Ctrl+A from the notes") << "Text1" << int(Qt::Key_A) << "mnuAcc";
    QTest::newRow("Ctrl+T from DHP") << "DHP" << int(Qt::Key_T) << "mnuPT";
    QTest::newRow("Ctrl+H from succ") << "succ" << int(Qt::Key_H) << "mnuCH";
    QTest::newRow("Ctrl+H from a type list") << "poke2" << int(Qt::Key_H) << "mnuCH";
}

void TestDamageCommands::submenu_shortcuts_work_from_text_fields()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, item);
    showActive();
    auto* target = m_ui->find<QWidget>(focus.toLatin1().constData());
    target->setFocus();
    QSignalSpy triggered(m_ui->action(item.toLatin1().constData()), &QAction::triggered);
    QTest::keyClick(target, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(triggered.count(), 1);
}

QTEST_MAIN(TestDamageCommands)
#include "tst_damagecommands.moc"
