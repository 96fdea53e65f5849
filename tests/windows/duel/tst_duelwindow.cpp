// SPDX-License-Identifier: MIT
#include "support/ProgramFixture.h"

using namespace fixture;

class TestDuelWindow : public ProgramTest {
    Q_OBJECT

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void figures_follow_the_inputs_data();
    void figures_follow_the_inputs();
};

// Bulbasaur against Bulbasaur at 50 with Pound, until a row changes them. The chances come from
// a worker thread, so each figure is awaited.
void TestDuelWindow::figures_follow_the_inputs_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown");
    const QStringList dragonRage{
        "MineSpecies>Jolteon", "FoeSpecies>Snorlax", "MineMove>Dragon Rage",
        "FoeMove>Dragon Rage", "MineHp=40",          "FoeHp=40"};
    // clang-format off
    QTest::newRow("fresh window, a mirror match") << QStringList{}
        << QStringList{"Duel=Duel", "MineSpecies=Bulbasaur", "FoeHp=151", "MineMove=Pound", "FoeStatus=None", "FirstMove=Speed tie: each 50.0 %", "WinChance=50.0 %", "LossChance=50.0 %", "DrawChance=0.0 %", "Undecided=0.0 %", "Notes=", "Computing=(hidden)"};
    // Both faint to one hit; Jolteon strikes first (see the engine's tests).
    QTest::newRow("one hit each") << dragonRage
        << QStringList{"FirstMove=Mine", "WinChance=99.6 %", "LossChance=0.4 %", "MineHp=40"};
    QTest::newRow("paralysis hands the first move over") << dragonRage + QStringList{"MineStatus>Paralyzed"}
        << QStringList{"FirstMove=Foe", "WinChance=0.3 %", "LossChance=99.7 %"};
    QTest::newRow("no end with moves that cannot touch")
        << QStringList{"MineSpecies>Gengar", "FoeSpecies>Gengar", "MineMove>Body Slam", "FoeMove>Body Slam"}
        << QStringList{"Undecided=100.0 %", "WinChance=0.0 %"};
    QTest::newRow("notes for what is not counted") << QStringList{"MineMove>Bite", "FoeMove>Growl"}
        << QStringList{"Notes=Bite: its chance to make the target flinch is not counted.\nGrowl: it deals no damage, so it does nothing in the duel."};
    QTest::newRow("no figures without a move") << QStringList{"MineMove=", "MineMove<Nothing"}
        << QStringList{"WinChance=", "ByTurn=", "Notes="};
    QTest::newRow("a sheet page fills either side")
        << QStringList{"Tab2/Text5_1=Chansey", "Tab2/Text11_1=300", "Tab2/UseDefender_1!", "Tab2/Text11_1=200", "Tab2/UseAttacker_1!"}
        << QStringList{"FoeSpecies=Chansey", "FoeHp=300", "MineSpecies=Chansey", "MineHp=200"};
    // clang-format on
}

void TestDuelWindow::figures_follow_the_inputs()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    QWidget* duel = show("Duel");
    for (const QString& each : steps) {
        const QString window = each.section('/', 0, 0, QString::SectionSkipEmpty);
        if (each.contains('/') && !each.startsWith("Duel"))
            step(show(window), each.section('/', 1));
        else
            step(duel, each);
    }
    for (const QString& entry : shown) {
        const QString control = entry.section('=', 0, 0);
        QTRY_COMPARE(control + '=' + text(duel, control), entry);
    }
}

QTEST_MAIN(TestDuelWindow)
#include "tst_duelwindow.moc"
