// SPDX-License-Identifier: MIT
#include "support/ProgramFixture.h"

using namespace fixture;

class TestAccuracyWindow : public ProgramTest {
    Q_OBJECT

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void behaviour_data();
    void behaviour() { checkRow("Acc"); }
};

void TestAccuracyWindow::behaviour_data()
{
    columns();
    const QStringList hit{"HM=HIT", "b=", "e=BULLSEYE"};
    const QStringList missed{"HM=MISS", "b=(hidden)", "e=(hidden)"};
    const QString refused = "Enter the base accuracy as a number.";
    // clang-format off
    row("fresh window",                       {}, {"Acc=Accuracy Tesh", "Moves=Please select a move", "basement=99.6", "accuracy=1", "accurcount=0", "evade=1", "evadecount=0", "Chance=", "HM=", "b=(hidden)", "e=(hidden)"});
    row("fresh 99.6 hits on 99",              {"Work!"}, hit + QStringList{"Chance=99.6"}, {}, 1, {99});
    row("a miss hides the marks",             {"Work!", "Work!"}, missed + QStringList{"Chance=99.6"}, {}, 2, {1, 100});
    row("100 hits on 100",                    {"basement=100", "Work!"}, hit, {}, 1, {100});
    row("0.5 misses on 1",                    {"basement=0.5", "Work!"}, missed + QStringList{"Chance=0.5"}, {}, 1, {1});
    row("a refused press keeps the verdict",  {"Work!", "basement=", "Work!"}, hit + QStringList{"Chance=99.6"}, {refused}, 1, {1});
    row("hostile bases draw nothing",         {"basement=-", "Work!", "basement=nan", "Work!", "basement=1e999", "Work!", "basement= ", "Work!"}, {"HM=", "Chance="}, {refused, refused, refused, refused});
    row("one accuracy decreaser",             {"plusaccur!", "Work!"}, {"accuracy=0.674", "accurcount=1", "Chance=67.1304", "HM=HIT"}, {}, 1, {67});
    row("accuracy stops at 6",                {"accurcount=5", "plusaccur!", "plusaccur!"}, {"accuracy=0.284", "accurcount=6"});
    row("minus on a fresh window",            {"minusaccur!"}, {"accuracy=1", "accurcount=0"});
    row("evasion steps by its own table",     {"plusevade!", "plusevade!"}, {"evade=0.5", "evadecount=2", "accuracy=1"});
    row("evasion rewrites a stale multiplier", {"evadecount=2", "evade=stale", "plusevade!"}, {"evade=0.442", "evadecount=3"});
    row("evasion stops at 0",                 {"evadecount=1", "minusevade!", "minusevade!"}, {"evade=1", "evadecount=0"});
    row("written counters are bounded",       {"accurcount=9", "evadecount=-2"}, {"accurcount=6", "evadecount=0", "accuracy=1"});
    row("a written fraction stays",           {"accurcount=2.5", "plusaccur!"}, {"accurcount=3.5", "accuracy=1"});
    row("typed Smog reads its typed column",  {"Moves=", "Moves<Smog"}, {"basement=65.5"});
    row("chosen Smog reads its own column",   {"Moves>Smog"}, {"basement=69.5"});
    row("chosen Egg Bomb",                    {"Moves>Egg Bomb"}, {"basement=74.9"});
    row("Acid counts on the way to more",     {"basement=0", "Moves=", "Moves<Acid"}, {"basement=99.6"});
    row("text naming no attack leaves it",    {"basement=42", "Moves=", "Moves<smog", "Moves=Smog", "Moves< ", "Moves=Thunde", "Moves<R"}, {"basement=42"});
    // clang-format on
}

QTEST_MAIN(TestAccuracyWindow)
#include "tst_accuracywindow.moc"
