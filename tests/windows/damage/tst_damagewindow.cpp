// SPDX-License-Identifier: MIT
#include "WindowFixture.h"

#include "battle/AttackTable.h"
#include "battle/TypeChart.h"
#include "windows/damage/DamageWindow.h"

#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>

using namespace fixture;

class TestDamageWindow : public WindowTest<DamageWindow> {
    Q_OBJECT

private slots:
    void init() { open(); }
    void cleanup() { close(); }

    void loading_fills_the_lists_and_leaves_the_outputs_empty();
    void window_has_a_fixed_client_area_under_its_menu_bar();
    void arrow_keys_on_the_closed_attack_list_fill_power_type_and_class();
    void growl_after_tackle_keeps_power_and_type();
    void dragon_rage_shows_whole_figures_after_a_one_digit_computation();
    void templated_notes_draw_anew_through_the_runtime();
    void typed_text_is_never_completed_nor_chosen_data();
    void typed_text_is_never_completed_nor_chosen();

private:
    QComboBox* list(const char* name) const { return find<QComboBox>(window(), name); }
};

void TestDamageWindow::loading_fills_the_lists_and_leaves_the_outputs_empty()
{
    QStringList attacks, types;
    for (const battle::AttackRow& row : battle::attackRows())
        attacks << QString::fromUtf8(row.key);
    for (std::string_view type : battle::typeListOrder)
        types << QString::fromUtf8(type);
    QCOMPARE(items(list("c1")), attacks);
    QCOMPARE(list("c1")->currentIndex(), -1);
    QCOMPARE(text(window(), "c1"), "Select Attack (optional)");
    for (const char* name : {"poke1", "poke12", "poke2", "poke22", "attack1"}) {
        QCOMPARE(items(list(name)), types);
        QCOMPARE(list(name)->currentIndex(), -1);
        QCOMPARE(text(window(), name), "Select Type");
    }
    for (const char* name : {"attack", "level", "basepower", "defense", "DHP", "damagedealt",
                             "critical", "poison", "succ", "Text1", "YN", "Label10"})
        QVERIFY2(text(window(), name).isEmpty(), name);
    QCOMPARE(text(window(), "Label3"), "Make Sure You're Using:");
    QCOMPARE(find<QLineEdit>(window(), "damagedealt")->maxLength(), 3);
    QVERIFY(!find(window(), "Work")->isEnabled());
    QVERIFY(find<QTimer>(window(), "Timer1")->isActive());
    QCOMPARE(find<QTimer>(window(), "Timer1")->interval(), 3000);
}

void TestDamageWindow::window_has_a_fixed_client_area_under_its_menu_bar()
{
    window()->show();
    QCOMPARE(window()->windowTitle(), "Battle Tesh");
    QCOMPARE(window()->centralWidget()->size(), QSize(521, 297));
    QCOMPARE(window()->minimumSize(), window()->maximumSize());
    QCOMPARE(window()->height(), window()->menuBar()->height() + 297);
    QCOMPARE(find(window(), "attack")->geometry(), QRect(80, 32, 41, 19));
    QCOMPARE(find(window(), "Text1")->geometry(), QRect(8, 248, 185, 41));
}

void TestDamageWindow::arrow_keys_on_the_closed_attack_list_fill_power_type_and_class()
{
    write(window(), "defense", "90");
    QTest::keyClick(list("c1"), Qt::Key_Down);
    QCOMPARE(text(window(), "c1"), "Absorb");
    QCOMPARE(text(window(), "basepower"), "20");
    QCOMPARE(text(window(), "attack1"), "Grass");
    QCOMPARE(text(window(), "Label3"), "Make Sure You're Using: Special");
    QCOMPARE(text(window(), "Text1"), "");
    QCOMPARE(text(window(), "poke1"), "Select Type");
    QCOMPARE(text(window(), "defense"), "90");
    QTest::keyClick(list("c1"), Qt::Key_Down);
    QCOMPARE(QStringList({text(window(), "basepower"), text(window(), "attack1")}),
             QStringList({"40", "Poison"}));
    QTest::keyClick(list("c1"), Qt::Key_Up);
    QCOMPARE(text(window(), "attack1"), "Grass");
    QCOMPARE(runtime().drawsUsed(), 0);
}

void TestDamageWindow::growl_after_tackle_keeps_power_and_type()
{
    QSignalSpy powerChanges(find<QLineEdit>(window(), "basepower"), &QLineEdit::textChanged);
    choose(list("c1"), "Tackle");
    choose(list("c1"), "Tackle"); // the same text again is no change, so no check runs
    choose(list("c1"), "Growl");
    QCOMPARE(text(window(), "basepower"), "35");
    QCOMPARE(powerChanges.count(), 1);
    QCOMPARE(text(window(), "attack1"), "Normal");
    QCOMPARE(text(window(), "Label3"), "Make Sure You're Using: ");
    QCOMPARE(text(window(), "Text1"),
             "Lowers Other Pokemon's Attack.  This works 6 times on this pokemon, (MAX)");
}

void TestDamageWindow::dragon_rage_shows_whole_figures_after_a_one_digit_computation()
{
    write(window(), {"attack=100", "level=50", "basepower=0", "defense=90", "attack1=Normal",
                     "poke1=Normal", "poke2=Normal"});
    click(window(), "Work");
    QCOMPARE(text(window(), "damagedealt"), "1");
    QCOMPARE(find<QLineEdit>(window(), "damagedealt")->maxLength(), 1);

    choose(list("c1"), "Dragon Rage");
    QCOMPARE(text(window(), "damagedealt"), "40");
    QCOMPARE(text(window(), "critical"), "80");
    QCOMPARE(text(window(), "Text1"), "This attack deals exactly 40 damage.");
    QCOMPARE(text(window(), "basepower"), "0");
}

void TestDamageWindow::templated_notes_draw_anew_through_the_runtime()
{
    runtime().scriptDraws({0.9f, 0.1f});
    choose(list("c1"), "Bide");
    QCOMPARE(text(window(), "Text1"), "Lasts for 3 rounds.  Damage paid back is double recieved.");
    choose(list("c1"), "Bide");
    QCOMPARE(text(window(), "Text1"), "Lasts for 2 rounds.  Damage paid back is double recieved.");
    QCOMPARE(runtime().drawsUsed(), 2);
}

void TestDamageWindow::typed_text_is_never_completed_nor_chosen_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("typed");
    QTest::newRow("attack list, whole name") << "c1"
                                             << "Tackle";
    QTest::newRow("attack list, start of a name") << "c1"
                                                  << "Tack";
    QTest::newRow("type list, start of a type") << "poke1"
                                                << "Fi";
    QTest::newRow("attack type, lower-case type") << "attack1"
                                                  << "fire";
}

void TestDamageWindow::typed_text_is_never_completed_nor_chosen()
{
    QFETCH(QString, list);
    QFETCH(QString, typed);
    QComboBox* combo = find<QComboBox>(window(), list);
    const int count = combo->count();
    showActive(window());
    combo->setFocus();
    retype(combo, typed);
    QTest::keyClick(combo, Qt::Key_Return);
    QCOMPARE(text(window(), list), typed);
    QTest::keyClick(combo, Qt::Key_Tab); // leaving the box is no choice either
    QVERIFY(!combo->hasFocus());
    QCOMPARE(text(window(), list), typed);
    QCOMPARE(combo->count(), count);
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(text(window(), "basepower"), "");
    QCOMPARE(text(window(), "Text1"), "");
    QCOMPARE(text(window(), "Label3"), "Make Sure You're Using:");
    if (list != "attack1")
        QCOMPARE(text(window(), "attack1"), "Select Type");
}

QTEST_MAIN(TestDamageWindow)
#include "tst_damagewindow.moc"
