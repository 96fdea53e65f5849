// SPDX-License-Identifier: MIT
#include "support/ProgramFixture.h"

using namespace fixture;

class TestDexWindow : public ProgramTest {
    Q_OBJECT

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void behaviour_data();
    void behaviour() { checkRow("Dex"); }
    void works_from_the_keyboard_alone();
};

void TestDexWindow::behaviour_data()
{
    columns();
    // clang-format off
    const QStringList chansey{"Types=Normal", "StatHp=356", "StatAtk=56", "StatDef=56", "StatSpd=101", "StatSpc=156", "BattleAtk=56", "BattleDef=56", "BattleSpd=101", "BattleSpc=156"};
    const QStringList empty{"Types=", "StatHp=", "StatAtk=", "StatDef=", "StatSpd=", "StatSpc=", "BattleAtk=", "BattleDef=", "BattleSpd=", "BattleSpc=", "UseAttacker=(disabled)", "UseDefender=(disabled)"};
    const QStringList alakazam{"Species=Alakazam", "Preset>Enemy trainer"};
    row("fresh window",                     {}, empty + QStringList{"Dex=Pokédex", "Species=", "Level=50", "Preset=Maximum", "DvAtk=15", "DvSpc=15", "DvHp=15", "ExpHp=65535", "ExpSpc=65535", "StageAtk=0", "StageSpc=0"});
    row("figures of a species, no condition", {"Species=Chansey"}, chansey + QStringList{"UseAttacker=Use as &attacker", "UseDefender=Use as &defender"});
    row("stages and conditions change only the battle figures", {"Species=Chansey", "Level=100", "StageSpc=-1", "Paralyzed!", "Reflect!"}, {"StatHp=703", "StatDef=108", "StatSpd=198", "StatSpc=308", "BattleDef=216", "BattleSpd=49", "BattleSpc=203"});
    row("Reflect doubles past 999",         {"Species=Cloyster", "Level=100", "StageDef=2", "Reflect!"}, {"StatDef=458", "BattleDef=1832"});
    row("a single type",                    {"Species>Magnemite"}, {"Types=Electric"});
    row("team text's spellings are known",  {"Species=gengar"}, {"Types=Ghost / Poison"});
    row("an unknown species empties them",  {"Species=Chansey", "Species=Missingno"}, empty + QStringList{"DvHp=15"});
    row("a preset writes its values",       alakazam, {"DvHp=8", "DvAtk=9", "DvDef=8", "DvSpd=8", "DvSpc=8", "ExpHp=0", "ExpSpc=0", "StatHp=123", "StatAtk=64", "StatSpc=148"});
    row("own values make it Custom",        alakazam + QStringList{"DvAtk=10"}, {"Preset=Custom", "DvHp=0", "DvAtk=10", "DvDef=8", "StatAtk=65"});
    row("Custom sets nothing",              alakazam + QStringList{"DvAtk=10", "Preset>Custom"}, {"DvAtk=10", "DvDef=8"});
    row("a typed preset sets its values",   alakazam + QStringList{"Preset=Maximum"}, {"DvAtk=15", "ExpHp=65535", "StatAtk=101"});
    row("values outside their ranges cannot be typed", {"DvSpd=16", "ExpDef=65536", "Level=101", "StageDef=7", "StageSpd=-7", "DvSpc=x"}, {"DvSpd=1", "ExpDef=6553", "Level=10", "StageDef=0", "StageSpd=-", "DvSpc=15"});
    // Mewtwo, level 100, maximum, burned, under Reflect and Light Screen; Attack +1, Special -1.
    // Left from a dual-typed species, the second type goes back to the list's own text. What the
    // buttons write passes the main window's own checks: no message.
    const QStringList mewtwo{"FrmDamage/poke12=Flying", "FrmDamage/poke22=Flying", "Species=Mewtwo", "Level=100", "StageAtk=1", "StageSpc=-1", "Burned!", "Reflect!", "LightScreen!"};
    row("Use as attacker: burned Attack",       mewtwo + QStringList{"UseAttacker!"}, {"FrmDamage/attack=238", "FrmDamage/level=100", "FrmDamage/poke1=Psychic", "FrmDamage/poke12=Select Type", "FrmDamage/Work=(disabled)"});
    row("attacker of a physical attack",        QStringList{"FrmDamage/c1>Slash"} + mewtwo + QStringList{"UseAttacker!"}, {"FrmDamage/attack=238"});
    row("attacker: Special, no screen",         QStringList{"FrmDamage/c1>Psychic"} + mewtwo + QStringList{"UseAttacker!"}, {"FrmDamage/attack=267"});
    row("Use as defender: Reflect's Defense",   mewtwo + QStringList{"UseDefender!"}, {"FrmDamage/defense=556", "FrmDamage/DHP=415", "FrmDamage/poke2=Psychic", "FrmDamage/poke22=Select Type", "FrmDamage/Work=&Work"});
    row("defender: Light Screen's Special",     QStringList{"FrmDamage/c1>Ice Beam"} + mewtwo + QStringList{"UseDefender!"}, {"FrmDamage/defense=534"});
    // clang-format on
}

void TestDexWindow::works_from_the_keyboard_alone()
{
    QWidget* main = show("FrmDamage");
    showActive(main);
    QTest::keyClick(main, Qt::Key_D, Qt::ControlModifier);
    QWidget* dex = runtime().openWindow(WindowId::Dex);
    QVERIFY(dex);
    showActive(dex);
    const auto press = [](QKeyCombination keys) {
        QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
    };
    QCOMPARE(QApplication::focusWidget(), find(dex, "Species"));
    QTest::keyClicks(QApplication::focusWidget(), "Gengar");
    press(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "4"); // over the whole Level, selected on Tab
    press(Qt::ALT | Qt::Key_G);
    press(Qt::Key_Up);
    press(Qt::ALT | Qt::Key_B); // access keys click a moment later, as a mouse does
    QTRY_COMPARE(text(dex, "BattleAtk"), "9");
    QCOMPARE(text(dex, "Level") + ' ' + text(dex, "StageAtk") + ' ' + text(dex, "StatAtk"),
             "4 1 13");
    press(Qt::ALT | Qt::Key_A);
    QTRY_COMPARE(text(main, "attack"), "9");
    QCOMPARE(text(main, "level") + ' ' + text(main, "poke12"), "4 Poison");
    // The menu brings the open one forward as it is, and opens a closed one afresh.
    showActive(main);
    QTest::keyClick(main, Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(runtime().openWindow(WindowId::Dex), dex);
    dex->close();
    showActive(main);
    QTest::keyClick(main, Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(text(runtime().openWindow(WindowId::Dex), "Species"), "");
}

QTEST_MAIN(TestDexWindow)
#include "tst_dexwindow.moc"
