// SPDX-License-Identifier: MIT
#include "support/ProgramFixture.h"
#include "support/TurnReference.h"

#include "battle/game/GameData.h"

using namespace fixture;

namespace {

// A game entry as the window's lists spell it.
QString listed(const QString& gameName)
{
    using namespace battle::game;
    const std::string name = gameName.toStdString();
    const Species* species = findSpecies(name);
    return QString::fromUtf8(species ? programNameOf(*species) : programNameOf(*findMove(name)));
}

} // namespace

class TestTurnWindow : public ProgramTest {
    Q_OBJECT

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void behaviour_data();
    void behaviour() { checkRow("Turn"); }
    void works_from_the_keyboard_alone();
};

// Bulbasaur against Bulbasaur at 50, both on the maximum preset, until a row changes them.
void TestTurnWindow::behaviour_data()
{
    columns();
    const QStringList chansey{"DefenderSpecies>Chansey", "DefenderLevel=100"};
    // clang-format off
    row("fresh window",                     {}, {"Turn=Battle Turn", "AttackerSpecies=Bulbasaur", "AttackerLevel=50", "AttackerPreset=Maximum", "DefenderPreset=Maximum", "DefenderHp=151", "Move=Absorb", "HitChance=99.6 % (255/256)", "CritChance=8.6 % (22/256)", "Range=2–3 (1.3–2.0 %)", "Outcome="});
    row("Razor Leaf's 68.75 % rounds up",   {"Move>Razor Leaf"}, {"CritChance=68.8 % (176/256)"});
    row("Swift never misses",               {"Move>Swift"}, {"HitChance=100.0 %"});
    row("defender's HP follows its maximum", chansey, {"DefenderHp=703"});
    row("and its preset",                   chansey + QStringList{"DefenderPreset>Enemy trainer", "Move>Sonicboom"}, {"DefenderHp=626", "Range=20 (3.2 %)"});
    row("until the HP is edited",           {"DefenderHp=40", "DefenderSpecies>Pikachu", "DefenderLevel=5", "Move>Sonicboom"}, {"DefenderHp=40", "Range=20 (50.0 %)", "KO=1: 0.0 %, 2: 80.0 %, 3: 96.9 %, 4: 99.6 %"});
    row("the game's order of matchups",     {"AttackerSpecies>Jolteon", "DefenderSpecies>Dragonite", "Move>Thunderbolt"}, {"Range=58–69 (29.4–35.0 %)", "KO=1: 0.0 %, 2: 6.7 %, 3: 62.9 %, 4: 99.4 %"});
    row("no effect is a miss",              {"AttackerSpecies>Jolteon", "DefenderSpecies>Golem", "Move>Thunderbolt", "Roll!"}, {"Rolls=No effect", "Range=No effect", "Outcome=No effect", "ApplyDamage=(disabled)"}, {}, 4, {1, 1, 1, 1});
    row("every move of the game",           {"AttackerSpecies>Mewtwo", "Move>Psywave"}, {"Range=1–74 (0.7–49.0 %)"});
    row("a one-hit KO needs the Speed",     {"AttackerSpecies>Slowpoke", "DefenderSpecies>Electrode", "Move>Horn Drill", "DefenderParalyzed!"}, {"HitChance=29.7 % (76/256)"});
    row("a move without damage",            {"Move>Growl"}, {"Rolls=No damage", "Range=No damage", "KO="});
    row("a roll above the hit chance",      {"Move>Thunder", "Roll!"}, {"Outcome=Missed"}, {}, 4, {71, 1, 1, 1});
    row("a roll of fixed damage",           {"Move>Seismic Toss", "AttackerLevel=42", "Roll!"}, {"Outcome=Hit: 42 damage"}, {}, 4, {100, 1, 100, 100});
    row("a critical hit's lowest roll",     {"AttackerSpecies>Persian", "Move>Slash", "Roll!"}, {"Outcome=Critical hit: 92 damage"}, {}, 4, {1, 100, 1, 1});
    row("no roll without a move",           {"Move=", "Move<Nothing", "Roll!"}, {"Rolls=", "KO=", "Outcome="}, {"Choose both Pokémon, their presets and a move first."});
    row("Info tells whose figures these are", {"Info!"}, {}, {"[info] Battle Turn follows the first-generation games' own mechanics*"});
    for (const TurnCase& c : readTurnReference()) {
        QStringList steps{"AttackerSpecies>" + listed(c.attacker), "AttackerLevel=" + c.attackerLevel, "AttackerPreset>" + c.attackerPreset, "AttackerStage=" + c.attackerStage,
                          "DefenderSpecies>" + listed(c.defender), "DefenderLevel=" + c.defenderLevel, "DefenderPreset>" + c.defenderPreset, "DefenderStage=" + c.defenderStage,
                          "Move>" + listed(c.move)};
        if (c.burned)
            steps << "Burned!";
        if (c.screen)
            steps << "Screen!";
        QStringList shown{"CritRolls=" + c.criticalRolls};
        if (c.normalRolls != "-")
            shown << "Rolls=" + c.normalRolls;
        row(qPrintable(c.tag), steps, shown);
    }
    // clang-format on
}

void TestTurnWindow::works_from_the_keyboard_alone()
{
    QWidget* main = show("FrmDamage");
    showActive(main);
    QTest::keyClick(main, Qt::Key_B, Qt::ControlModifier);
    QWidget* turn = runtime().openWindow(WindowId::Turn);
    QVERIFY(turn);
    showActive(turn);
    const auto press = [](QKeyCombination keys) {
        QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
    };
    QCOMPARE(QApplication::focusWidget(), find(turn, "AttackerSpecies"));
    press(Qt::CTRL | Qt::Key_A);
    QTest::keyClicks(QApplication::focusWidget(), "Persian");
    for (int control = 0; control < 15; ++control)
        press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), find(turn, "Move"));
    QTest::keyClicks(QApplication::focusWidget(), "Slash"); // over the text, selected on Tab
    QCOMPARE(text(turn, "CritChance"), "99.6 % (255/256)");
    runtime().scriptDraws({0, 0, 0, 0});
    press(Qt::ALT | Qt::Key_R); // access keys click a moment later, as a mouse does
    QTRY_COMPARE(text(turn, "Outcome"), "Critical hit: 92 damage");
    // The menu brings the open one forward as it is, and opens a closed one afresh.
    showActive(main);
    QTest::keyClick(main, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(runtime().openWindow(WindowId::Turn), turn);
    turn->close();
    showActive(main);
    QTest::keyClick(main, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(text(runtime().openWindow(WindowId::Turn), "AttackerSpecies"), "Bulbasaur");
}

QTEST_MAIN(TestTurnWindow)
#include "tst_turnwindow.moc"
