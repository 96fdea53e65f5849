// SPDX-License-Identifier: MIT
#include "battle/classic/AccuracyTable.h"
#include "battle/classic/AttackTable.h"
#include "battle/game/GameStats.h"
#include "battle/classic/SpeciesTable.h"

#include <QRegularExpression>
#include <QTest>

#include <set>

using namespace battle::game;

namespace {

QString joined(const QList<int>& numbers)
{
    QStringList texts;
    for (const int number : numbers)
        texts << QString::number(number);
    return texts.join('/');
}

QString name(Type type)
{
    return QString::fromUtf8(typeName(type));
}

// "number type[/type] HP/Attack/Defense/Speed/Special"
QString factsOf(const Species& s)
{
    const BaseStats& b = s.base;
    return QString("%1 %2%3 ")
               .arg(s.number)
               .arg(name(s.type1), s.type2 ? "/" + name(*s.type2) : "") +
           joined({b.hp, b.attack, b.defense, b.speed, b.special});
}

// "number type power accuracy (- never misses) PP [high critical] hits"
QString factsOf(const Move& m)
{
    static const char* hitKinds[] = {"once", "twice", "2-5"};
    return QString("%1 %2 %3 %4 %5%6 %7")
        .arg(m.number)
        .arg(name(m.type))
        .arg(m.power)
        .arg(m.accuracy ? QString::number(*m.accuracy) : "-")
        .arg(m.pp)
        .arg(m.highCritical ? " high critical" : "", hitKinds[int(m.hits)]);
}

} // namespace

// The game's facts and stat rules.
class TestGameData : public QObject {
    Q_OBJECT

private slots:
    void every_entry_is_found_and_every_program_name_maps();
    void rules_data();
    void rules();
};

void TestGameData::every_entry_is_found_and_every_program_name_maps()
{
    std::set<Type> types;
    for (std::size_t i = 0; i < allSpecies().size(); ++i) {
        const Species& entry = allSpecies()[i];
        QCOMPARE(entry.number, int(i) + 1);
        QCOMPARE(findSpecies(entry.name), &entry);
        QCOMPARE(findSpeciesLoosely(entry.name), &entry); // no two share a loose name
        types.insert(entry.type1);
    }
    for (std::size_t i = 0; i < allMoves().size(); ++i) {
        const Move& entry = allMoves()[i];
        QCOMPARE(entry.number, int(i) + 1);
        QCOMPARE(findMove(entry.name), &entry);
        QCOMPARE(findMoveLoosely(entry.name), &entry);
        types.insert(entry.type);
    }
    for (const Type type : types)
        QCOMPARE(typeFromName(typeName(type)), type);
    QCOMPARE(QList<std::size_t>({allSpecies().size(), allMoves().size(), types.size()}),
             QList<std::size_t>({151, 165, 15}));

    std::set<const void*> species, moves;
    for (const battle::SpeciesRow& row : battle::speciesRows()) {
        QVERIFY2(speciesForProgramName(row.name), row.name.data());
        QCOMPARE(programNameOf(*speciesForProgramName(row.name)), row.name);
        species.insert(speciesForProgramName(row.name));
    }
    for (const battle::AccuracyRow& row : battle::accuracyRows()) {
        QVERIFY2(moveForProgramName(row.name), row.name.data());
        moves.insert(moveForProgramName(row.name));
    }
    for (const battle::AttackRow& row : battle::attackRows())
        QCOMPARE(programNameOf(*moveForProgramName(row.key)), row.key);
    QCOMPARE(QList<std::size_t>({species.size(), moves.size()}), QList<std::size_t>({151, 165}));
    QCOMPARE(programNameOf(*findMove("Psywave")), ""); // the attack list lacks it
    QVERIFY(!speciesForProgramName("Select Pokémon") && !moveForProgramName("ninetails"));
}

// A rule and its arguments, blank-separated, and what it gives; where the games are peculiar.
void TestGameData::rules_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("result");
    const auto row = [](const char* tag, const char* call, const char* result) {
        QTest::newRow(tag) << call << result;
    };
    // clang-format off
    row("Magnemite is pure Electric",     "facts Magnemite",             "81 Electric 25/35/70/45/95");
    row("Gengar",                         "facts Gengar",                "94 Ghost/Poison 60/65/60/110/130");
    row("Mew is all 100",                 "facts Mew",                   "151 Psychic 100/100/100/100/100");
    row("Swift never misses",             "facts Swift",                 "129 Normal 60 - 20 once");
    row("Karate Chop is Normal",          "facts Karate Chop",           "2 Normal 50 100 25 high critical once");
    row("Twineedle",                      "facts Twineedle",             "41 Bug 25 100 20 twice");
    row("Struggle is the last",           "facts Struggle",              "165 Normal 50 100 10 once");
    // Names as team text writes them: the game's name found, if any.
    row("female sign",                    "find Nidoran♀",               "Nidoran-F");
    row("male sign, blank",               "find nidoran ♂",              "Nidoran-M");
    row("program spelling",               "find NidoranM",               "Nidoran-M");
    row("plain apostrophe",               "find farfetch'd",             "Farfetch’d");
    row("no full stop",                   "find MR MIME",                "Mr. Mime");
    row("old Hi Jump Kick",               "find hi jump kick",           "High Jump Kick");
    row("old Vicegrip",                   "find ViceGrip",               "Vise Grip");
    row("hyphen dropped",                 "find self destruct",          "Self-Destruct");
    row("nidoran alone",                  "find Nidoran",                "");
    row("punctuation only",               "find  .-' ",                  "");
    row("ghost vs psychic is 0",          "type Ghost Psychic",          "0");
    row("bug vs poison is 2",             "type Bug Poison",             "20");
    row("poison vs bug is 2",             "type Poison Bug",             "20");
    row("ice vs fire is 1",               "type Ice Fire",               "10");
    row("electric vs ground is 0",        "type Electric Ground",        "0");
    row("psychic vs psychic is .5",       "type Psychic Psychic",        "5");
    row("an unnamed pair is 1",           "type Normal Fire",            "10");
    row("Chansey L100 maximum",           "stats Chansey 100 Maximum",   "703/108/108/198/308");
    row("Mewtwo L100 maximum",            "stats Mewtwo 100 Maximum",    "415/318/278/358/406");
    row("Mew L100 maximum",               "stats Mew 100 Maximum",       "403/298/298/298/298");
    row("Magikarp L1 maximum",            "stats Magikarp 1 Maximum",    "12/6/7/7/6");
    row("Alakazam L50 enemy trainer",     "stats Alakazam 50 Enemy trainer", "123/64/58/133/148");
    row("HP DV, all even",                "hpDv 14 12 10 0",             "0");
    row("HP DV, Defense 4 and Special 1", "hpDv 0 1 0 5",                "5");
    row("HP DV, Attack 8 and Speed 2",    "hpDv 9 8 3 8",                "10");
    row("stat exp. 2 rounds up",          "statExpBonus 2",              "2");
    row("stat exp. a square",             "statExpBonus 10000",          "100");
    row("stat exp. just over a square",   "statExpBonus 10001",          "101");
    row("stat exp. past 255 squared",     "statExpBonus 65026",          "255");
    row("highest stat under the cap",     "otherStat 255 15 65535 100",  "608");
    row("stats stop at 999",              "otherStat 500 15 65535 100",  "999");
    row("HP stops at 999",                "hpStat 500 15 65535 100",     "999");
    // Attack/Defense/Speed/Special, their stages, then Burned, Paralyzed, Reflect, Light Screen.
    row("+1 +2 +4 +5",                    "battle 100/100/100/101 1/2/4/5",      "150/200/300/353");
    row("-1 -2 -3 -4",                    "battle 100/100/100/100 -1/-2/-3/-4",  "66/50/40/33");
    row("-5 -6 +3 +6",                    "battle 100/100/100/100 -5/-6/3/6",    "28/25/250/400");
    row("beyond ±6 counts as ±6",         "battle 100/100/100/100 7/-7/12/-12",  "400/25/400/25");
    row("raised past 999 stops",          "battle 406/300/999/500 6/6/1/2",      "999/999/999/999");
    row("lowered to 0 keeps 1",           "battle 3/1/2/1 -6/-6/-6/-1",          "1/1/1/1");
    row("each condition its own stat",    "battle 101/278/318/406 0/0/0/0 BPRL", "50/556/79/812");
    row("the stage before the burn",      "battle 100/100/100/100 2/0/0/0 B",    "100/100/100/100");
    row("screens double past 999",        "battle 100/600/100/406 0/0/0/1 RL",   "100/1200/100/1218");
    row("halving 1 keeps 1",              "battle 1/100/3/100 0/0/0/0 BP",       "1/100/1/100");
    // clang-format on
}

void TestGameData::rules()
{
    QFETCH(QString, call);
    const QString rule = call.section(' ', 0, 0);
    const std::string rest = call.section(' ', 1).toStdString();
    const QStringList word = call.split(QRegularExpression("[ /]"));
    const auto n = [&word](int at) { return word[at].toInt(); };
    QString result;
    if (rule == "facts") {
        const Species* species = findSpecies(rest);
        result = species ? factsOf(*species) : factsOf(*findMove(rest));
    } else if (rule == "find") {
        const Species* species = findSpeciesLoosely(rest);
        const Move* move = findMoveLoosely(rest);
        result = QString::fromUtf8(species ? species->name : move ? move->name : "");
    } else if (rule == "type") {
        const auto type = [&word](int at) { return typeFromName(word[at].toStdString()).value(); };
        result = QString::number(typeEffectTenths(type(1), type(2)));
    } else if (rule == "stats") {
        const Training training =
            presetTraining(presetFromName(word.mid(3).join(' ').toStdString()).value()).value();
        const Stats s = computeStats(findSpecies(word[1].toStdString())->base, training.dvs,
                                     training.statExp, n(2));
        result = joined({s.hp, s.attack, s.defense, s.speed, s.special});
    } else if (rule == "hpDv") {
        result = QString::number(hpDv({n(1), n(2), n(3), n(4)}));
    } else if (rule == "statExpBonus") {
        result = QString::number(statExpBonus(n(1)));
    } else if (rule != "battle") {
        result = QString::number((rule == "hpStat" ? hpStat : otherStat)(n(1), n(2), n(3), n(4)));
    } else {
        const QString flags = word.value(9);
        const Conditions given{flags.contains('B'), flags.contains('P'), flags.contains('R'),
                               flags.contains('L')};
        const auto battle = [&](const Conditions& conditions) {
            const BattleStats b =
                battleStats({0, n(1), n(2), n(3), n(4)}, {n(5), n(6), n(7), n(8)}, conditions);
            return joined({b.attack, b.defense, b.speed, b.special});
        };
        result = battle(given);
        // An attacker's figures leave the screens out and keep the rest.
        QCOMPARE(battle(whenAttacking(given)), battle({given.burned, given.paralyzed}));
    }
    QTEST(result, "result");
}

QTEST_GUILESS_MAIN(TestGameData)
#include "tst_gamedata.moc"
