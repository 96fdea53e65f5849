// SPDX-License-Identifier: MIT
#include "WindowFixture.h"

#include "battle/SpeciesTable.h"
#include "windows/critical/CriticalWindow.h"

using namespace fixture;

class TestCriticalWindow : public WindowTest<CriticalWindow> {
    Q_OBJECT

private slots:
    void init() { open(); }
    void cleanup() { close(); }

    void loading_fills_the_list_and_writes_no_field();
    void choosing_a_species_writes_its_base_critical();
    void typing_takes_effect_at_each_full_name_on_the_way_data();
    void typing_takes_effect_at_each_full_name_on_the_way();
    void text_naming_no_species_leaves_the_base_critical();
    void attack_gives_the_verdict_of_the_roll_and_keeps_it();
    void attack_before_any_species_is_reported_after_drawing();
    void credits_show_four_boxes_in_order();

private:
    QComboBox* poke() const { return find<QComboBox>(window(), "poke"); }
};

void TestCriticalWindow::loading_fills_the_list_and_writes_no_field()
{
    QStringList species;
    for (const battle::SpeciesRow& row : battle::speciesRows())
        species << QString::fromUtf8(row.name);
    QCOMPARE(items(poke()), species);
    QCOMPARE(text(window(), "poke"), "Select Pokémon");
    QCOMPARE(text(window(), "bc"), "Base Critical");
    QCOMPARE(text(window(), "Text2"), "");
    QCOMPARE(window()->windowTitle(), "Critical ");
    QCOMPARE(window()->size(), QSize(130, 125));
    QCOMPARE(window()->minimumSize(), window()->maximumSize());
}

void TestCriticalWindow::choosing_a_species_writes_its_base_critical()
{
    const std::pair<const char*, const char*> species[] = {
        {"Bulbasaur", "18"}, {"Electrode", "37"}, {"Slowpoke", "12"}};
    for (const auto& [name, value] : species) {
        choose(poke(), name);
        QCOMPARE(text(window(), "bc"), value);
    }
    QCOMPARE(text(window(), "Text2"), "");
}

void TestCriticalWindow::typing_takes_effect_at_each_full_name_on_the_way_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("afterEachLetter");
    const QString none = "Base Critical";
    QTest::newRow("Mew on the way to Mewtwo")
        << "Mewtwo" << QStringList{none, none, "29", "29", "29", "35"};
    QTest::newRow("Pidgeot on the way to Pidgeotto")
        << "Pidgeotto" << QStringList{none, none, none, none, none, none, "28", "28", "24"};
}

void TestCriticalWindow::typing_takes_effect_at_each_full_name_on_the_way()
{
    QFETCH(QString, name);
    QFETCH(QStringList, afterEachLetter);
    poke()->setEditText(QString());
    QStringList seen;
    for (const QChar letter : name) {
        QTest::keyClicks(poke()->lineEdit(), QString(letter));
        seen << text(window(), "bc");
    }
    QCOMPARE(seen, afterEachLetter);
}

void TestCriticalWindow::text_naming_no_species_leaves_the_base_critical()
{
    choose(poke(), "Slowpoke");
    const std::pair<QString, QString> texts[] = {
        {"", "mew"}, {"", "Nidoran"}, {"Mew", " "}, {"Select Pokémo", "n"}, {"", "Pika"}};
    for (const auto& [already, typed] : texts) {
        poke()->setEditText(already);
        QTest::keyClicks(poke()->lineEdit(), typed);
        QTest::keyClick(poke()->lineEdit(), Qt::Key_Return); // no choice either
        QCOMPARE(text(window(), "poke"), already + typed);
        QCOMPARE(text(window(), "bc"), "12");
    }
    QCOMPARE(poke()->count(), 151);
    QVERIFY(runtime().messages().isEmpty());
}

void TestCriticalWindow::attack_gives_the_verdict_of_the_roll_and_keeps_it()
{
    choose(poke(), "Electrode");
    scriptRolls(runtime(), {37, 38, 30});
    click(window(), "Command1");
    QCOMPARE(text(window(), "Text2"), "Critical Hit!");
    click(window(), "Command1");
    QCOMPARE(text(window(), "Text2"), "Normal Damage.");
    click(window(), "Command1");
    QCOMPARE(text(window(), "Text2"), "Critical Hit!");

    // A new species leaves the old verdict until the next attack.
    choose(poke(), "Slowpoke");
    QCOMPARE(text(window(), "bc"), "12");
    QCOMPARE(text(window(), "Text2"), "Critical Hit!");
    scriptRolls(runtime(), {30});
    click(window(), "Command1");
    QCOMPARE(text(window(), "Text2"), "Normal Damage.");
    QCOMPARE(runtime().drawsUsed(), 4);
    QVERIFY(runtime().messages().isEmpty());
}

void TestCriticalWindow::attack_before_any_species_is_reported_after_drawing()
{
    click(window(), "Command1");
    QCOMPARE(runtime().messageTexts(), QStringList{"Choose a Pokémon first."});
    QCOMPARE(runtime().messages().first().style, Runtime::MessageStyle::Plain);
    QCOMPARE(text(window(), "Text2"), "");
    QCOMPARE(runtime().drawsUsed(), 1);
}

void TestCriticalWindow::credits_show_four_boxes_in_order()
{
    choose(poke(), "Mew");
    click(window(), "Command2");
    QStringList roles;
    for (const QString& box : runtime().messageTexts())
        roles << box.section(" - ", 1);
    QCOMPARE(roles,
             QStringList({"information", "initial programming", "beta testing", "GUI editor"}));
    QCOMPARE(text(window(), "bc"), "29");
    QCOMPARE(runtime().drawsUsed(), 0);
}

QTEST_MAIN(TestCriticalWindow)
#include "tst_criticalwindow.moc"
