// SPDX-License-Identifier: MIT
#include "ScriptedDraws.h"
#include "battle/AttackTable.h"

#include <QtTest>

#include <algorithm>
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
    for (const FieldWrite& write : writes)
        lines << QString::fromStdString(write.field + "=" + write.text);
    return lines;
}

int indexOf(std::string_view key)
{
    const AttackRow* row = findAttack(key);
    return row ? static_cast<int>(row - attackRows().data()) : -1;
}

DrawKind drawKind(const AttackRow& row)
{
    return row.notes ? row.notes->draw : DrawKind::None;
}

const QString label = QString::fromUtf8(classReminderPrefix).prepend("Label3=");

} // namespace

class TestAttackTable : public QObject {
    Q_OBJECT

private slots:
    void rows_stand_in_list_order_not_sorted_order();
    void keys_are_unique_and_lookup_is_exact();
    void notes_only_rows_are_exactly_58();
    void class_follows_type_except_four_rows();
    void only_fourteen_types_occur();
    void base_power_is_0_to_170_and_0_only_for_poison_moves();
    void templates_data();
    void templates();
    void exactly_17_rows_carry_a_template();
    void choice_writes_data();
    void choice_writes();
    void growl_after_tackle_keeps_tackle_power_and_type();
    void only_templated_rows_draw();
    void four_way_thresholds_data();
    void four_way_thresholds();
    void two_way_threshold_data();
    void two_way_threshold();
    void choosing_wrap_twice_draws_twice();
};

void TestAttackTable::rows_stand_in_list_order_not_sorted_order()
{
    QCOMPARE(attackRows().size(), std::size_t(163));
    QCOMPARE(indexOf("Absorb"), 0);
    QCOMPARE(indexOf("Wrap"), 162);
    for (const auto& run :
         {std::vector<std::string_view>{"Double-Edge", "Double Kick", "Doubleslap", "Double Team"},
          std::vector<std::string_view>{"Poison Gas", "Poison Sting", "Poisonpowder"}}) {
        for (std::size_t i = 1; i < run.size(); ++i)
            QCOMPARE(indexOf(run[i]), indexOf(run[0]) + int(i));
    }
}

void TestAttackTable::keys_are_unique_and_lookup_is_exact()
{
    Keys keys;
    for (const AttackRow& row : attackRows())
        QVERIFY2(keys.insert(row.key).second, std::string(row.key).c_str());
    QCOMPARE(findAttack("absorb"), nullptr);
    QCOMPARE(findAttack("Absorb "), nullptr);
    QCOMPARE(findAttack(""), nullptr);
}

void TestAttackTable::notes_only_rows_are_exactly_58()
{
    int notesOnly = 0;
    for (const AttackRow& row : attackRows()) {
        if (row.type.empty() && row.damageClass.empty() && !row.basePower) {
            ++notesOnly;
            QVERIFY2(row.notes, std::string(row.key).c_str());
        }
    }
    QCOMPARE(notesOnly, 58);
}

void TestAttackTable::class_follows_type_except_four_rows()
{
    const Keys specialTypes{"Fire", "Water", "Grass", "Electric", "Ice", "Psychic"};
    Keys typeWithoutClass;
    Keys classWithoutType;
    for (const AttackRow& row : attackRows()) {
        if (!row.type.empty() && !row.damageClass.empty())
            QCOMPARE(row.damageClass, specialTypes.contains(row.type) ? "Special" : "Physical");
        else if (!row.type.empty())
            typeWithoutClass.insert(row.key);
        else if (!row.damageClass.empty())
            classWithoutType.insert(row.key);
    }
    QCOMPARE(typeWithoutClass, (Keys{"Blizzard", "Body Slam", "Horn Attack"}));
    QCOMPARE(classWithoutType, Keys{"Horn Drill"});
}

void TestAttackTable::only_fourteen_types_occur()
{
    Keys types;
    for (const AttackRow& row : attackRows()) {
        if (!row.type.empty())
            types.insert(row.type);
    }
    QCOMPARE(types, (Keys{"Normal", "Fire", "Water", "Electric", "Grass", "Ice", "Fighting",
                          "Poison", "Ground", "Flying", "Psychic", "Bug", "Rock", "Ghost"}));
}

void TestAttackTable::base_power_is_0_to_170_and_0_only_for_poison_moves()
{
    Keys zeroPower;
    for (const AttackRow& row : attackRows()) {
        QVERIFY(!row.basePower || (*row.basePower >= 0 && *row.basePower <= 170));
        if (row.basePower == 0)
            zeroPower.insert(row.key);
    }
    QCOMPARE(zeroPower, (Keys{"Poison Gas", "Poisonpowder", "Toxic"}));
}

void TestAttackTable::templates_data()
{
    QTest::addColumn<bool>("fourWay");
    QTest::addColumn<QString>("values");
    for (const char* key :
         {"Barrage", "Bind", "Clamp", "Comet Punch", "Double Kick", "Doubleslap", "Fire Spin",
          "Fury Attack", "Fury Swipes", "Pin Missile", "Spike Cannon", "Wrap"})
        QTest::newRow(key) << true << "2345";
    QTest::newRow("Disable") << true << "1234";
    QTest::newRow("Mimic") << true << "1234";
    QTest::newRow("Bide") << false << "23";
    QTest::newRow("Petal Dance") << false << "34";
    QTest::newRow("Thrash") << false << "34";
}

void TestAttackTable::templates()
{
    QFETCH(bool, fourWay);
    QFETCH(QString, values);

    const AttackRow* row = findAttack(QTest::currentDataTag());
    QVERIFY(row && row->notes);
    QCOMPARE(row->notes->draw, fourWay ? DrawKind::FourWay : DrawKind::TwoWay);
    QString drawn;
    for (std::string_view value : row->notes->values)
        drawn += QString::fromUtf8(value);
    QCOMPARE(drawn, values);
}

void TestAttackTable::exactly_17_rows_carry_a_template()
{
    const auto templated =
        std::count_if(attackRows().begin(), attackRows().end(),
                      [](const AttackRow& r) { return drawKind(r) != DrawKind::None; });
    QCOMPARE(templated, 17);
}

void TestAttackTable::choice_writes_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QStringList>("writes");
    QTest::addColumn<int>("drawsUsed");

    QTest::newRow("Absorb: no notes")
        << "Absorb" << QList<float>{}
        << QStringList{"Text1=", "basepower=20", "attack1=Grass", label + "Special"} << 0;
    QTest::newRow("Blizzard: type without class")
        << "Blizzard" << QList<float>{}
        << QStringList{"Text1=", "basepower=120", "attack1=Ice", label} << 0;
    QTest::newRow("Horn Drill: class without type")
        << "Horn Drill" << QList<float>{}
        << QStringList{"Text1=", "Text1=Other Pokemon faints.", label + "Physical"} << 0;
    QTest::newRow("Poison Gas: power 0")
        << "Poison Gas" << QList<float>{}
        << QStringList{"Text1=", "basepower=0", "attack1=Poison", "Text1=Poisons other pokemon",
                       label + "Physical"}
        << 0;
    QTest::newRow("Dragon Rage: extra outputs after the notes")
        << "Dragon Rage" << QList<float>{}
        << QStringList{"Text1=", "Text1=This attack deals exactly 40 damage.", "damagedealt=40",
                       "critical=80", label}
        << 0;
    QTest::newRow("Disable at 0.24: digit runs into the suffix")
        << "Disable" << QList<float>{0.24f}
        << QStringList{"Text1=", "Text1=Attack number 1of the enemy is disabled", label} << 1;
    QTest::newRow("Bide above 0.49: type and class, no power")
        << "Bide" << QList<float>{0.5f}
        << QStringList{"Text1=", "attack1=Normal",
                       "Text1=Lasts for 3 rounds.  Damage paid back is double recieved.",
                       label + "Physical"}
        << 1;
    QTest::newRow("unknown key: emptied notes and bare prefix")
        << "Metronome" << QList<float>{} << QStringList{"Text1=", label} << 0;
    QTest::newRow("other case is unknown")
        << "absorb" << QList<float>{} << QStringList{"Text1=", label} << 0;
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

void TestAttackTable::growl_after_tackle_keeps_tackle_power_and_type()
{
    ScriptedDraws script;
    std::map<std::string, std::string> fields;
    for (const char* key : {"Tackle", "Growl"}) {
        for (const FieldWrite& write : applyAttack(key, script.source()))
            fields[write.field] = write.text;
    }
    QCOMPARE(fields["basepower"], "35");
    QCOMPARE(fields["attack1"], "Normal");
    QCOMPARE(QString::fromStdString("Label3=" + fields["Label3"]), label);
    QCOMPARE(fields["Text1"],
             "Lowers Other Pokemon's Attack.  This works 6 times on this pokemon, (MAX)");
}

void TestAttackTable::only_templated_rows_draw()
{
    for (const AttackRow& row : attackRows()) {
        ScriptedDraws script({0.99f, 0.99f, 0.99f});
        applyAttack(row.key, script.source());
        const std::map<DrawKind, int> drawsOfKind{
            {DrawKind::None, 0}, {DrawKind::TwoWay, 1}, {DrawKind::FourWay, 3}};
        QVERIFY2(script.used() == drawsOfKind.at(drawKind(row)), std::string(row.key).c_str());
    }
}

void TestAttackTable::four_way_thresholds_data()
{
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("drawsUsed");

    const float above24 = std::nextafter(0.24f, 1.0f);
    const float above49 = std::nextafter(0.49f, 1.0f);
    const float above74 = std::nextafter(0.74f, 1.0f);
    QTest::newRow("0 picks first") << QList<float>{0.0f} << "a" << 1;
    QTest::newRow("0.24f picks first") << QList<float>{0.24f} << "a" << 1;
    QTest::newRow("just above 0.24f draws again") << QList<float>{above24, 0.0f} << "b" << 2;
    QTest::newRow("0.49f on second draw") << QList<float>{above24, 0.49f} << "b" << 2;
    QTest::newRow("second draw compared with 0.49") << QList<float>{0.3f, 0.3f} << "b" << 2;
    QTest::newRow("0.74f on third draw") << QList<float>{above24, above49, 0.74f} << "c" << 3;
    QTest::newRow("just above 0.74f picks fourth")
        << QList<float>{above24, above49, above74} << "d" << 3;
}

void TestAttackTable::four_way_thresholds()
{
    QFETCH(QList<float>, draws);
    QFETCH(QString, value);
    QFETCH(int, drawsUsed);

    ScriptedDraws script({draws.begin(), draws.end()});
    QCOMPARE(QString::fromStdString(drawFourWay({"a", "b", "c", "d"}, script.source())), value);
    QCOMPARE(script.used(), drawsUsed);
}

void TestAttackTable::two_way_threshold_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<QString>("value");
    QTest::newRow("0.49f picks first") << 0.49f << "a";
    QTest::newRow("just above 0.49f picks second") << std::nextafter(0.49f, 1.0f) << "b";
}

void TestAttackTable::two_way_threshold()
{
    QFETCH(float, draw);
    QFETCH(QString, value);

    ScriptedDraws script({draw, 0.0f});
    QCOMPARE(QString::fromStdString(drawTwoWay({"a", "b"}, script.source())), value);
    QCOMPARE(script.used(), 1);
}

void TestAttackTable::choosing_wrap_twice_draws_twice()
{
    ScriptedDraws script({0.1f, 0.9f, 0.9f, 0.9f});
    const std::string first = applyAttack("Wrap", script.source())[3].text;
    const std::string second = applyAttack("Wrap", script.source())[3].text;
    QVERIFY(first.starts_with("Pokemon attacks for 2 rounds."));
    QVERIFY(second.starts_with("Pokemon attacks for 5 rounds."));
    QCOMPARE(script.used(), 4);
}

QTEST_GUILESS_MAIN(TestAttackTable)
#include "tst_attacktable.moc"
