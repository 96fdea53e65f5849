// SPDX-License-Identifier: MIT
#include "battle/game/Duel.h"
#include "battle/game/DuelChain.h"

#include <QFile>
#include <QTest>

using namespace battle::game;
Q_DECLARE_METATYPE(DuelSide)

namespace {

// Level 50 on the maximum preset; hp 0 means full.
DuelSide side(const QString& species, const QString& move, int hp = 0, Status status = Status::None,
              int level = 50)
{
    DuelSide s;
    s.fighter.species = findSpecies(species.toStdString());
    s.move = findMove(move.toStdString());
    if (!s.fighter.species || !s.move)
        qFatal("no species %s or move %s", qPrintable(species), qPrintable(move));
    const Training training = presetTraining(Preset::Maximum).value();
    s.fighter.level = level;
    s.fighter.stats = computeStats(s.fighter.species->base, training.dvs, training.statExp, level);
    s.hp = hp ? hp : s.fighter.stats.hp;
    s.status = status;
    return s;
}

void checkSums(const DuelResult& r)
{
    QVERIFY(std::abs(r.won + r.lost + r.drawn + r.undecided - 1) < 1e-9);
    QCOMPARE(r.wonBy.size(), std::size_t(duelTurns));
    QVERIFY(std::abs(r.wonBy.back() - r.won) < 1e-12);
}

constexpr double hit = 255 / 256.0;       // a 100 % move
constexpr double sonicBoom = 229 / 256.0; // 90 %
constexpr double moves = 193 / 256.0;     // not fully paralysed

} // namespace

class TestDuel : public QObject {
    Q_OBJECT

private slots:
    void hand_derived_chances_data();
    void hand_derived_chances();
    void hyper_beam_loses_the_next_turn();
    void both_forms_of_the_chain_agree_data();
    void both_forms_of_the_chain_agree();
    void simulated_win_rates_hold_the_exact_chances_data();
    void simulated_win_rates_hold_the_exact_chances();
};

void TestDuel::hand_derived_chances_data()
{
    QTest::addColumn<DuelSide>("mine");
    QTest::addColumn<DuelSide>("foe");
    QTest::addColumn<double>("won");
    QTest::addColumn<double>("lost");
    QTest::addColumn<double>("drawn");
    QTest::addColumn<double>("undecided");

    // Dragon Rage's 40 knocks out either; Jolteon is faster. Per turn mine wins h, loses
    // (1-h)h, goes on (1-h)²: won = h / (1 - (1-h)²).
    const double goOn = (1 - hit) * (1 - hit);
    QTest::newRow("one hit each, the faster wins")
        << side("Jolteon", "Dragon Rage", 40) << side("Snorlax", "Dragon Rage", 40)
        << hit / (1 - goOn) << (1 - hit) * hit / (1 - goOn) << 0.0 << 0.0;
    // Equal Speeds: each first half the time. Mine first: h wins, (1-h)s loses; foe first: s
    // loses, (1-s)h wins; both miss goes on.
    const double tieGoOn = (1 - hit) * (1 - sonicBoom);
    const double tieWon = (hit + (1 - sonicBoom) * hit) / 2;
    const double tieLost = ((1 - hit) * sonicBoom + sonicBoom) / 2;
    QTest::newRow("a speed tie, drawn anew each turn")
        << side("Dragonite", "Dragon Rage", 20) << side("Dragonite", "Sonic Boom", 40)
        << tieWon / (1 - tieGoOn) << tieLost / (1 - tieGoOn) << 0.0 << 0.0;
    // Normal moves never touch a Ghost: nothing happens in a hundred turns.
    QTest::newRow("a certain miss both ways")
        << side("Gengar", "Body Slam") << side("Gengar", "Body Slam") << 0.0 << 0.0 << 0.0 << 1.0;
    // Paralysis quarters Jolteon's 181 to 45, below Snorlax's 81: the foe goes first with h;
    // mine then moves 193/256 and hits h.
    const double parWon = (1 - hit) * moves * hit;
    const double parGoOn = (1 - hit) * (1 - moves * hit);
    QTest::newRow("a paralysed side moves second and not always")
        << side("Jolteon", "Dragon Rage", 40, Status::Paralyzed)
        << side("Snorlax", "Dragon Rage", 40) << parWon / (1 - parGoOn) << hit / (1 - parGoOn)
        << 0.0 << 0.0;
    // Electrode moves first; any hit faints the foe at 1 HP and Electrode with it, a miss only
    // Electrode.
    QTest::newRow("an Explosion draw")
        << side("Electrode", "Explosion") << side("Snorlax", "Splash", 1) << 0.0 << 1 - hit << hit
        << 0.0;
    // Poison costs the slower Snorlax its last HP after its own move, not after Jolteon's: a
    // hit wins first, a miss loses.
    QTest::newRow("poison comes after the side's own move")
        << side("Snorlax", "Dragon Rage", 1, Status::Poisoned) << side("Jolteon", "Splash", 40)
        << hit << 1 - hit << 0.0 << 0.0;
    // The knock-out costs Tauros at 1 HP at least 1 HP of recoil; misses change nothing.
    QTest::newRow("recoil after a knock-out is a draw")
        << side("Tauros", "Double-Edge", 1) << side("Snorlax", "Splash", 1) << 0.0 << 0.0 << 1.0
        << 0.0;
}

void TestDuel::hand_derived_chances()
{
    QFETCH(DuelSide, mine);
    QFETCH(DuelSide, foe);
    const DuelResult r = computeDuel({mine, foe});
    checkSums(r);
    QFETCH(double, won);
    QFETCH(double, lost);
    QFETCH(double, drawn);
    QFETCH(double, undecided);
    QVERIFY2(std::abs(r.won - won) < 1e-12, qPrintable(QString::number(r.won, 'g', 17)));
    QVERIFY2(std::abs(r.lost - lost) < 1e-12, qPrintable(QString::number(r.lost, 'g', 17)));
    QVERIFY(std::abs(r.drawn - drawn) < 1e-12);
    QVERIFY(std::abs(r.undecided - undecided) < 1e-12);
}

void TestDuel::hyper_beam_loses_the_next_turn()
{
    // At +1 every Hyper Beam deals 165–249 of Snorlax's 266: two hits, turns 1 and 3 at best.
    DuelSide mine = side("Tauros", "Hyper Beam");
    mine.attackStage = 1;
    const DuelSide foe = side("Snorlax", "Splash");
    const TurnFigures figures = computeTurn({.attacker = mine.fighter,
                                             .defender = foe.fighter,
                                             .move = mine.move,
                                             .attackerStage = 1,
                                             .defenderHp = foe.hp});
    QVERIFY(figures.normalRolls.back() < foe.hp && figures.criticalRolls.back() < foe.hp);
    QVERIFY(2 * std::min(figures.normalRolls.front(), figures.criticalRolls.front()) >= foe.hp);
    const DuelResult r = computeDuel({mine, foe});
    checkSums(r);
    const double beam = figures.hitIn256 / 256.0;
    QCOMPARE(r.wonBy[1], 0.0);
    QVERIFY(std::abs(r.wonBy[2] - beam * beam) < 1e-12);
}

// The products (both HPs apart, added up where a side is shared), a speed tie's settled layers
// taken through one order, and the grid with every order cell by cell are ways to the same chain.
void TestDuel::both_forms_of_the_chain_agree_data()
{
    QTest::addColumn<DuelSide>("mine");
    QTest::addColumn<DuelSide>("foe");
    const auto chansey = [](const QString& move, Status status) {
        return side("Chansey", move, 0, status, 30);
    };
    QTest::newRow("tie, both burned from the start")
        << chansey("Pound", Status::Burned) << chansey("Pound", Status::Burned);
    QTest::newRow("tie, burned against poisoned")
        << chansey("Ember", Status::Burned) << chansey("Sludge", Status::Poisoned);
    QTest::newRow("tie, both paralysed") << chansey("Thunder Shock", Status::Paralyzed)
                                         << chansey("Thunder Shock", Status::Paralyzed);
    QTest::newRow("tie, both badly poisoned")
        << chansey("Pound", Status::BadlyPoisoned) << chansey("Pound", Status::BadlyPoisoned);
    QTest::newRow("tie, my recoil, both burned")
        << chansey("Take Down", Status::Burned) << chansey("Ember", Status::Burned);
    QTest::newRow("tie, the foe's recoil, both poisoned")
        << chansey("Pound", Status::Poisoned) << chansey("Double-Edge", Status::Poisoned);
    QTest::newRow("tie, recoil while burns set in")
        << chansey("Submission", Status::None) << chansey("Fire Blast", Status::None);
    QTest::newRow("tie, burns set in")
        << chansey("Ember", Status::None) << chansey("Fire Blast", Status::None);
    QTest::newRow("tie, paralysis sets in")
        << chansey("Thunderbolt", Status::None) << chansey("Body Slam", Status::None);
    QTest::newRow("burn against freeze, one faster")
        << side("Arcanine", "Flamethrower") << side("Cloyster", "Ice Beam");
}

void TestDuel::both_forms_of_the_chain_agree()
{
    QFETCH(DuelSide, mine);
    QFETCH(DuelSide, foe);
    const DuelResult fitting = computeDuel({mine, foe});
    const DuelResult grid = chain::Chain({mine, foe}, {}, chain::Chain::Forms::Plain).run();
    checkSums(fitting);
    checkSums(grid);
    QVERIFY(fitting.won > 0 && fitting.lost > 0);
    for (std::size_t turn = 0; turn < std::size_t(duelTurns); ++turn) {
        QVERIFY2(std::abs(fitting.wonBy[turn] - grid.wonBy[turn]) < 1e-12 &&
                     std::abs(fitting.lostBy[turn] - grid.lostBy[turn]) < 1e-12 &&
                     std::abs(fitting.drawnBy[turn] - grid.drawnBy[turn]) < 1e-12,
                 qPrintable(QStringLiteral("turn %1: won %2 against %3")
                                .arg(turn + 1)
                                .arg(fitting.wonBy[turn], 0, 'g', 17)
                                .arg(grid.wonBy[turn], 0, 'g', 17)));
    }
}

void TestDuel::simulated_win_rates_hold_the_exact_chances_data()
{
    QTest::addColumn<DuelSide>("mine");
    QTest::addColumn<DuelSide>("foe");
    QTest::addColumn<QList<double>>("bounds"); // won low, high; lost low, high
    QFile file(QStringLiteral(DUEL_REFERENCE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", DUEL_REFERENCE);
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList f = line.split('\t');
        if (f.size() != 13)
            qFatal("bad reference line %s", qPrintable(line));
        QTest::newRow(qPrintable(f[0] + " " + f[2] + " vs " + f[3] + " " + f[5]))
            << side(f[0], f[2], 0, Status::None, f[1].toInt())
            << side(f[3], f[5], 0, Status::None, f[4].toInt())
            << QList<double>{f[8].toDouble(), f[9].toDouble(), f[11].toDouble(), f[12].toDouble()};
    }
}

void TestDuel::simulated_win_rates_hold_the_exact_chances()
{
    QFETCH(DuelSide, mine);
    QFETCH(DuelSide, foe);
    QFETCH(QList<double>, bounds);
    const DuelResult r = computeDuel({mine, foe});
    checkSums(r);
    QVERIFY2(r.won >= bounds[0] && r.won <= bounds[1], qPrintable(QString::number(r.won)));
    QVERIFY2(r.lost >= bounds[2] && r.lost <= bounds[3], qPrintable(QString::number(r.lost)));
}

QTEST_GUILESS_MAIN(TestDuel)
#include "tst_duel.moc"
