// SPDX-License-Identifier: MIT
#include "ScriptedDraws.h"
#include "battle/AttackTable.h"

#include <QtTest>

#include <cmath>
#include <map>
#include <set>
#include <string>

using namespace battle;

namespace {

using Keys = std::set<std::string_view>;

QStringList describe(const std::vector<FieldWrite>& writes)
{
    QStringList lines;
    for (const FieldWrite& write : writes) {
        const char* names[] = {"Text1",       "basepower", "attack1",
                               "damagedealt", "critical",  "Label3"};
        lines << QString::fromStdString(names[int(write.field)] + ("=" + write.text));
    }
    return lines;
}

const QString label = QString::fromUtf8(classReminderPrefix).prepend("Label3=");

} // namespace

class TestAttackTable : public QObject {
    Q_OBJECT

private slots:
    void rows_follow_the_list_and_their_kinds_rules();
    void choice_writes_data();
    void choice_writes();
    void count_thresholds_data();
    void count_thresholds();
};

void TestAttackTable::rows_follow_the_list_and_their_kinds_rules()
{
    const Keys specialTypes{"Fire", "Water", "Grass", "Electric", "Ice", "Psychic"};
    const std::map<DrawKind, int> drawsOf{
        {DrawKind::None, 0}, {DrawKind::TwoWay, 1}, {DrawKind::FourWay, 3}};
    Keys typeWithoutClass, classWithoutType, zeroPower;
    QStringList keys, templates;
    int notesOnly = 0;
    for (const AttackRow& row : attackRows()) {
        keys << QString::fromUtf8(row.key);
        if (!row.type.empty() && !row.damageClass.empty())
            QCOMPARE(row.damageClass, specialTypes.contains(row.type) ? "Special" : "Physical");
        else if (!row.type.empty())
            typeWithoutClass.insert(row.key);
        else if (!row.damageClass.empty())
            classWithoutType.insert(row.key);
        else if (!row.basePower && row.notes)
            ++notesOnly;
        else if (!row.basePower)
            QFAIL(("names nothing: " + std::string(row.key)).c_str());
        if (row.basePower == 0)
            zeroPower.insert(row.key);
        // Only a template draws: one draw for two counts, up to three for four.
        const DrawKind kind = row.notes ? row.notes->draw : DrawKind::None;
        ScriptedDraws script({0.99f, 0.99f, 0.99f});
        applyAttack(row.key, script.source());
        QVERIFY2(script.used() == drawsOf.at(kind), std::string(row.key).c_str());
        if (kind != DrawKind::None) {
            std::string counts;
            for (std::string_view value : row.notes->values)
                counts += value;
            templates << keys.last() + ":" + QString::fromStdString(counts);
        }
    }
    QCOMPARE(keys.size(), 163);
    QCOMPARE(keys.removeDuplicates(), 0);
    QCOMPARE(keys.first(), "Absorb");
    QCOMPARE(keys.last(), "Wrap");
    QCOMPARE(keys.mid(keys.indexOf("Double-Edge"), 4),
             QStringList({"Double-Edge", "Double Kick", "Doubleslap", "Double Team"}));
    QCOMPARE(keys.mid(keys.indexOf("Poison Gas"), 3),
             QStringList({"Poison Gas", "Poison Sting", "Poisonpowder"}));
    QCOMPARE(notesOnly, 58);
    QCOMPARE(typeWithoutClass, (Keys{"Blizzard", "Body Slam", "Horn Attack"}));
    QCOMPARE(classWithoutType, Keys{"Horn Drill"});
    QCOMPARE(zeroPower, (Keys{"Poison Gas", "Poisonpowder", "Toxic"}));
    QCOMPARE(templates,
             QStringList({"Barrage:2345", "Bide:23", "Bind:2345", "Clamp:2345", "Comet Punch:2345",
                          "Disable:1234", "Double Kick:2345", "Doubleslap:2345", "Fire Spin:2345",
                          "Fury Attack:2345", "Fury Swipes:2345", "Mimic:1234", "Petal Dance:34",
                          "Pin Missile:2345", "Spike Cannon:2345", "Thrash:34", "Wrap:2345"}));
}

void TestAttackTable::choice_writes_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QStringList>("writes");
    QTest::addColumn<int>("drawsUsed");
    const QString dragonRage = "Text1=This attack deals exactly 40 damage.";
    const QString disable = "Text1=Attack number 1of the enemy is disabled";
    const QString growl =
        "Text1=Lowers Other Pokemon's Attack.  This works 6 times on this pokemon, (MAX)";
    const QString bide = "Text1=Lasts for 3 rounds.  Damage paid back is double recieved.";
    // clang-format off
    QTest::newRow("Absorb: no notes")           << "Absorb"      << QList<float>{}      << QStringList{"Text1=", "basepower=20", "attack1=Grass", label + "Special"} << 0;
    QTest::newRow("Blizzard: type, no class")   << "Blizzard"    << QList<float>{}      << QStringList{"Text1=", "basepower=120", "attack1=Ice", label} << 0;
    QTest::newRow("Horn Drill: class, no type") << "Horn Drill"  << QList<float>{}      << QStringList{"Text1=", "Text1=Other Pokemon faints.", label + "Physical"} << 0;
    QTest::newRow("Poison Gas: power 0")        << "Poison Gas"  << QList<float>{}      << QStringList{"Text1=", "basepower=0", "attack1=Poison", "Text1=Poisons other pokemon", label + "Physical"} << 0;
    QTest::newRow("Dragon Rage: figures last")  << "Dragon Rage" << QList<float>{}      << QStringList{"Text1=", dragonRage, "damagedealt=40", "critical=80", label} << 0;
    QTest::newRow("Disable: digit runs on")     << "Disable"     << QList<float>{0.24f} << QStringList{"Text1=", disable, label} << 1;
    QTest::newRow("Bide: type and class only")  << "Bide"        << QList<float>{0.5f}  << QStringList{"Text1=", "attack1=Normal", bide, label + "Physical"} << 1;
    QTest::newRow("Double Kick: last count")    << "Double Kick" << QList<float>{0.9f, 0.9f, 0.9f} << QStringList{"Text1=", "basepower=30", "attack1=Fighting", "Text1=Pokemon attacks 5 times this round", label + "Physical"} << 3;
    QTest::newRow("Growl keeps power and type") << "Growl"       << QList<float>{}      << QStringList{"Text1=", growl, label} << 0;
    QTest::newRow("unknown key")                << "Metronome"   << QList<float>{}      << QStringList{"Text1=", label} << 0;
    QTest::newRow("other case is unknown")      << "absorb"      << QList<float>{}      << QStringList{"Text1=", label} << 0;
    QTest::newRow("trailing blank is unknown")  << "Absorb "     << QList<float>{}      << QStringList{"Text1=", label} << 0;
    // clang-format on
}

void TestAttackTable::choice_writes()
{
    QFETCH(QString, key);
    QFETCH(QList<float>, draws);
    QFETCH(QStringList, writes);
    QFETCH(int, drawsUsed);
    ScriptedDraws script({draws.begin(), draws.end()});
    QCOMPARE(describe(applyAttack(key.toStdString(), script.source())), writes);
    QCOMPARE(script.used(), drawsUsed);
}

void TestAttackTable::count_thresholds_data()
{
    QTest::addColumn<bool>("fourWay");
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("drawsUsed");
    const float above24 = std::nextafter(0.24f, 1.0f);
    const float above49 = std::nextafter(0.49f, 1.0f);
    const float above74 = std::nextafter(0.74f, 1.0f);
    // clang-format off
    QTest::newRow("0.24f picks first")            << true  << QList<float>{0.24f}                     << "a" << 1;
    QTest::newRow("just above 0.24f draws again") << true  << QList<float>{above24, 0.0f}             << "b" << 2;
    QTest::newRow("0.49f on the second draw")     << true  << QList<float>{above24, 0.49f}            << "b" << 2;
    QTest::newRow("second draw compared anew")    << true  << QList<float>{0.3f, 0.3f}                << "b" << 2;
    QTest::newRow("0.74f on the third draw")      << true  << QList<float>{above24, above49, 0.74f}   << "c" << 3;
    QTest::newRow("just above 0.74f picks last")  << true  << QList<float>{above24, above49, above74} << "d" << 3;
    QTest::newRow("two-way: 0.49f picks first")   << false << QList<float>{0.49f, 0.0f}               << "a" << 1;
    QTest::newRow("two-way: above 0.49f second")  << false << QList<float>{above49, 0.0f}             << "b" << 1;
    // clang-format on
}

void TestAttackTable::count_thresholds()
{
    QFETCH(bool, fourWay);
    QFETCH(QList<float>, draws);
    QFETCH(QString, value);
    QFETCH(int, drawsUsed);
    ScriptedDraws script({draws.begin(), draws.end()});
    const std::string drawn = fourWay ? drawFourWay({"a", "b", "c", "d"}, script.source())
                                      : drawTwoWay({"a", "b"}, script.source());
    QCOMPARE(QString::fromStdString(drawn), value);
    QCOMPARE(script.used(), drawsUsed);
}

QTEST_GUILESS_MAIN(TestAttackTable)
#include "tst_attacktable.moc"
