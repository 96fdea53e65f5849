// SPDX-License-Identifier: MIT
#include "WindowFixture.h"

#include "battle/AccuracyTable.h"
#include "windows/accuracy/AccuracyWindow.h"

#include <QSignalSpy>

using namespace fixture;

class TestAccuracyWindow : public WindowTest<AccuracyWindow> {
    Q_OBJECT

private slots:
    void init()
    {
        open();
        window()->show();
    }
    void cleanup() { close(); }

    void loading_fills_the_list_and_writes_no_field();
    void fresh_work_shows_the_chance_and_a_verdict_by_the_roll();
    void base_accuracy_outside_the_rolls_decides_every_press_data();
    void base_accuracy_outside_the_rolls_decides_every_press();
    void base_accuracy_that_is_no_number_is_reported_and_changes_nothing();
    void plus_accuracy_steps_to_six_and_stays_there();
    void minus_accuracy_on_a_fresh_window_rewrites_nothing_visible();
    void evasion_follows_its_own_table_and_every_press_rewrites_it();
    void counter_rule_bounds_whatever_is_written();
    void typed_and_chosen_names_read_their_own_columns();
    void a_name_takes_effect_on_the_way_to_a_longer_one();
    void text_naming_no_attack_leaves_the_base_accuracy();
    void adding_items_runs_no_lookup();

private:
    QComboBox* moves() const { return find<QComboBox>(window(), "Moves"); }
    void press(const char* button, int times = 1) const
    {
        for (int count = 0; count < times; ++count)
            click(window(), button);
    }
    // The verdict, with "+marks" when the target picture and BULLSEYE show.
    QString verdict() const
    {
        const bool target = find(window(), "b")->isVisibleTo(window());
        const bool word = find(window(), "e")->isVisibleTo(window());
        return text(window(), "HM") + (target ? "+target" : "") + (word ? "+word" : "");
    }
};

void TestAccuracyWindow::loading_fills_the_list_and_writes_no_field()
{
    QStringList names;
    for (const battle::AccuracyRow& row : battle::accuracyRows())
        names << QString::fromUtf8(row.name);
    QCOMPARE(items(moves()), names);
    QCOMPARE(text(window(), "Moves"), "Please select a move");
    const QStringList fields{"basement", "accuracy", "accurcount", "evade", "evadecount", "Chance"};
    QStringList shown;
    for (const QString& field : fields)
        shown << text(window(), field);
    QCOMPARE(shown, QStringList({"99.6", "1", "0", "1", "0", ""}));
    QCOMPARE(verdict(), "");
    QCOMPARE(window()->windowTitle(), "Accuracy Tesh");
    QCOMPARE(window()->size(), QSize(346, 282));
    QCOMPARE(window()->minimumSize(), window()->maximumSize());
    QCOMPARE(find(window(), "Label5")->geometry(), QRect(192, 240, 153, 41));
}

void TestAccuracyWindow::fresh_work_shows_the_chance_and_a_verdict_by_the_roll()
{
    scriptRolls(runtime(), {99, 100});
    press("Work");
    QCOMPARE(text(window(), "Chance"), "99.6");
    QCOMPARE(verdict(), "HIT+target+word");
    press("Work");
    QCOMPARE(verdict(), "MISS"); // the marks hide again
    QCOMPARE(runtime().drawsUsed(), 2);
}

void TestAccuracyWindow::base_accuracy_outside_the_rolls_decides_every_press_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("100 always hits") << "100"
                                     << "HIT+target+word";
    QTest::newRow("0.5 always misses") << "0.5"
                                       << "MISS";
}

void TestAccuracyWindow::base_accuracy_outside_the_rolls_decides_every_press()
{
    QFETCH(QString, base);
    QFETCH(QString, verdict);
    write(window(), "basement", base);
    for (const int roll : {1, 2, 50, 99, 100}) {
        scriptRolls(runtime(), {roll});
        press("Work");
        QCOMPARE(text(window(), "Chance"), base);
        QCOMPARE(this->verdict(), verdict);
    }
}

void TestAccuracyWindow::base_accuracy_that_is_no_number_is_reported_and_changes_nothing()
{
    scriptRolls(runtime(), {1});
    press("Work");
    for (const char* base : {"", "-", "abc"}) {
        write(window(), "basement", base);
        press("Work");
        QCOMPARE(text(window(), "Chance"), "99.6");
        QCOMPARE(verdict(), "HIT+target+word");
        QCOMPARE(text(window(), "basement"), base);
    }
    QCOMPARE(runtime().messageTexts(), QStringList(3, "Enter the base accuracy as a number."));
    QCOMPARE(runtime().messages().first().style, Runtime::MessageStyle::Plain);
    QCOMPARE(runtime().drawsUsed(), 1);
}

void TestAccuracyWindow::plus_accuracy_steps_to_six_and_stays_there()
{
    QStringList counters, multipliers;
    for (int step = 0; step < 7; ++step) {
        press("plusaccur");
        counters << text(window(), "accurcount");
        multipliers << text(window(), "accuracy");
    }
    QCOMPARE(counters, QStringList({"1", "2", "3", "4", "5", "6", "6"}));
    QCOMPARE(multipliers,
             QStringList({"0.674", "0.533", "0.427", "0.404", "0.329", "0.284", "0.284"}));
    QCOMPARE(text(window(), "evade"), "1");
    QCOMPARE(text(window(), "evadecount"), "0");
}

void TestAccuracyWindow::minus_accuracy_on_a_fresh_window_rewrites_nothing_visible()
{
    QSignalSpy counterChanges(find<QLineEdit>(window(), "accurcount"), &QLineEdit::textChanged);
    QSignalSpy multiplierChanges(find<QLineEdit>(window(), "accuracy"), &QLineEdit::textChanged);
    press("minusaccur");
    QCOMPARE(text(window(), "accurcount"), "0");
    QCOMPARE(text(window(), "accuracy"), "1");
    // "-1" is written and the rule turns it back into "0" (the spy, connected after the window,
    // sees the nested "0" first); "1" again is no change at all.
    QCOMPARE(counterChanges.count(), 2);
    QCOMPARE(counterChanges.at(1).at(0).toString(), "-1");
    QCOMPARE(multiplierChanges.count(), 0);
}

void TestAccuracyWindow::evasion_follows_its_own_table_and_every_press_rewrites_it()
{
    press("plusevade", 2);
    QCOMPARE(text(window(), "evade"), "0.5");
    write(window(), "evade", "stale");
    press("plusevade");
    QCOMPARE(text(window(), "evadecount"), "3");
    QCOMPARE(text(window(), "evade"), "0.442");
    QCOMPARE(text(window(), "accuracy"), "1");
    press("minusevade", 4);
    QCOMPARE(text(window(), "evadecount"), "0");
    QCOMPARE(text(window(), "evade"), "1");
}

void TestAccuracyWindow::counter_rule_bounds_whatever_is_written()
{
    const std::pair<const char*, const char*> writes[] = {{"9", "6"}, {"-2", "0"}, {"2.5", "2.5"}};
    for (const char* counter : {"accurcount", "evadecount"}) {
        for (const auto& [written, kept] : writes) {
            write(window(), counter, written);
            QCOMPARE(text(window(), counter), kept);
        }
    }
}

void TestAccuracyWindow::typed_and_chosen_names_read_their_own_columns()
{
    retype(moves(), "Smog");
    QCOMPARE(text(window(), "basement"), "65.5");
    QTest::keyClick(moves()->lineEdit(), Qt::Key_Return); // Enter on typed text is no choice
    QCOMPARE(text(window(), "basement"), "65.5");
    QCOMPARE(moves()->count(), 165);
    choose(moves(), "Smog");
    QCOMPARE(text(window(), "basement"), "69.5");
    choose(moves(), "Egg Bomb");
    QCOMPARE(text(window(), "basement"), "74.9");
}

void TestAccuracyWindow::a_name_takes_effect_on_the_way_to_a_longer_one()
{
    QStringList seen;
    moves()->setEditText(QString());
    for (const QChar letter : QString("Acid Armor")) {
        write(window(), "basement", "0");
        QTest::keyClicks(moves()->lineEdit(), QString(letter));
        seen << text(window(), "basement");
    }
    QCOMPARE(seen, QStringList({"0", "0", "0", "99.6", "0", "0", "0", "0", "0", "99.6"}));
}

void TestAccuracyWindow::text_naming_no_attack_leaves_the_base_accuracy()
{
    write(window(), "basement", "42");
    const std::pair<QString, QString> texts[] = {
        {"", "smog"}, {"Smog", " "}, {"", "Thunde"}, {"Please select a mov", "e"}};
    for (const auto& [already, typed] : texts) {
        moves()->setEditText(already);
        QTest::keyClicks(moves()->lineEdit(), typed);
        QCOMPARE(text(window(), "Moves"), already + typed);
        QCOMPARE(text(window(), "basement"), "42");
    }
    QVERIFY(runtime().messages().isEmpty());
}

void TestAccuracyWindow::adding_items_runs_no_lookup()
{
    moves()->clear();
    write(window(), "basement", "42");
    moves()->addItem("Smog"); // the first item of an empty list becomes the current one
    moves()->addItem("Thunder");
    QCOMPARE(text(window(), "basement"), "42");
}

QTEST_MAIN(TestAccuracyWindow)
#include "tst_accuracywindow.moc"
