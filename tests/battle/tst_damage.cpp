// SPDX-License-Identifier: MIT
#include "battle/Damage.h"

#include <QTest>

using namespace battle;

namespace {

DamageInputs firstWorkedExample()
{
    DamageInputs in;
    in.attack = "100";
    in.level = "50";
    in.basePower = "80";
    in.defense = "90";
    in.attackType = "Fire";
    in.attackerFirstType = "Fire";
    in.attackerSecondType = "Select Type";
    in.defenderFirstType = "Grass";
    in.defenderSecondType = "Select Type";
    in.defenderHp = "200";
    in.attackName = "Select Attack (optional)";
    return in;
}

QByteArray text(const OutputText& output)
{
    return QByteArray::fromStdString(output.text);
}

} // namespace

class TestDamage : public QObject {
    Q_OBJECT

private slots:
    void worked_examples_data();
    void worked_examples();
    void display_cuts_without_rounding_data();
    void display_cuts_without_rounding();
    void level_check_data();
    void level_check();
    void over_999_warns_for_the_normal_figure_only();
    void same_type_bonus_is_plain_text_equality();
    void no_effect_words_show_whole();
    void poison_is_uncut_or_asks_for_hp();
    void bad_numbers_stop_before_anything_is_written_data();
    void bad_numbers_stop_before_anything_is_written();
    void negative_figures_keep_their_sign();
    void overflowing_inputs_never_show_a_wrong_figure();
};

void TestDamage::worked_examples_data()
{
    QTest::addColumn<QStringList>("overrides"); // field=value pairs over the first example
    QTest::addColumn<QByteArray>("normal");
    QTest::addColumn<QByteArray>("critical");
    QTest::addColumn<QByteArray>("poison");

    QTest::newRow("fire on grass, same type")
        << QStringList{} << QByteArray("107") << QByteArray("216") << QByteArray("12.6");
    QTest::newRow("zero base power still gives one and a half")
        << QStringList{"P=0", "T=Normal", "A1=Normal", "D1=Normal"} << QByteArray("1")
        << QByteArray("1") << QByteArray("12.6");
    QTest::newRow("normal on ghost has no effect")
        << QStringList{"T=Normal", "D1=Ghost"} << QByteArray("NoEff") << QByteArray("0")
        << QByteArray("12.6");
    QTest::newRow("toxic on steel")
        << QStringList{"P=0", "C=Toxic", "T=Poison", "A1=Poison", "D1=Steel"} << QByteArray("Toxic")
        << QByteArray("0") << QByteArray("12.6");
    QTest::newRow("over 999") << QStringList{"A=300",   "L=100",    "P=150",  "D=50",
                                             "T=Water", "A1=Water", "D1=Fire"}
                              << QByteArray(">999") << QByteArray(">999") << QByteArray("12.6");
    QTest::newRow("hp 255") << QStringList{"H=255"} << QByteArray("107") << QByteArray("216")
                            << QByteArray("16.065");
    QTest::newRow("no hp") << QStringList{"H="} << QByteArray("107") << QByteArray("216")
                           << QByteArray("EnterHP");
}

void TestDamage::worked_examples()
{
    QFETCH(QStringList, overrides);
    QFETCH(QByteArray, normal);
    QFETCH(QByteArray, critical);
    QFETCH(QByteArray, poison);
    DamageInputs in = firstWorkedExample();
    for (const QString& pair : overrides) {
        const QString key = pair.section('=', 0, 0);
        const std::string value = pair.section('=', 1).toStdString();
        if (key == "A")
            in.attack = value;
        else if (key == "L")
            in.level = value;
        else if (key == "P")
            in.basePower = value;
        else if (key == "D")
            in.defense = value;
        else if (key == "T")
            in.attackType = value;
        else if (key == "A1")
            in.attackerFirstType = value;
        else if (key == "D1")
            in.defenderFirstType = value;
        else if (key == "H")
            in.defenderHp = value;
        else if (key == "C")
            in.attackName = value;
    }
    const DamageOutcome outcome = computeDamage(in);
    QVERIFY(outcome.writesFields);
    QCOMPARE(text(outcome.normal), normal);
    QCOMPARE(text(outcome.critical), critical);
    QCOMPARE(text(outcome.poison), poison);
    QVERIFY(int(outcome.normal.text.size()) <= outcome.normal.maxLength);
    QVERIFY(int(outcome.critical.text.size()) <= outcome.critical.maxLength);
    QCOMPARE(outcome.poison.maxLength, 0);
}

void TestDamage::display_cuts_without_rounding_data()
{
    QTest::addColumn<double>("figure");
    QTest::addColumn<QByteArray>("shown");
    QTest::addColumn<int>("maxLength");
    QTest::newRow("0.75") << 0.75 << QByteArray("0") << 1;
    QTest::newRow("9.5") << 9.5 << QByteArray("9") << 1;
    QTest::newRow("9.99") << 9.99 << QByteArray("9") << 1;
    QTest::newRow("10") << 10.0 << QByteArray("10") << 2;
    QTest::newRow("45.99") << 45.99 << QByteArray("45") << 2;
    QTest::newRow("99.5") << 99.5 << QByteArray("99") << 2;
    QTest::newRow("100") << 100.0 << QByteArray("100") << 3;
    QTest::newRow("999") << 999.0 << QByteArray("999") << 3;
    QTest::newRow("999.01") << 999.01 << QByteArray(">999") << 4;
    QTest::newRow("just under 10 never shows 1") << 9.9999999999999982 << QByteArray("9") << 1;
    QTest::newRow("just under 100 never shows 10") << 99.999999999999986 << QByteArray("99") << 2;
    QTest::newRow("tiny figure never shows its exponent") << 1e-20 << QByteArray("0") << 1;
    QTest::newRow("negative shows its sign") << -3.5 << QByteArray("-") << 1;
}

void TestDamage::display_cuts_without_rounding()
{
    QFETCH(double, figure);
    QFETCH(QByteArray, shown);
    QFETCH(int, maxLength);
    const OutputText output = displayFigure(figure);
    QCOMPARE(text(output), shown);
    QCOMPARE(output.maxLength, maxLength);
}

void TestDamage::level_check_data()
{
    QTest::addColumn<QByteArray>("level");
    QTest::addColumn<bool>("stops");
    QTest::newRow("empty stops") << QByteArray("") << true;
    QTest::newRow("one blank stops") << QByteArray(" ") << true;
    QTest::newRow("number passes") << QByteArray("50") << false;
    QTest::newRow("blanks around a number pass") << QByteArray(" 50 ") << false;
}

void TestDamage::level_check()
{
    QFETCH(QByteArray, level);
    QFETCH(bool, stops);
    DamageInputs in = firstWorkedExample();
    in.level = level.toStdString();
    const DamageOutcome outcome = computeDamage(in);
    QCOMPARE(outcome.writesFields, !stops);
    QCOMPARE(outcome.message == "Level of Pokémon required!", stops);
}

void TestDamage::over_999_warns_for_the_normal_figure_only()
{
    DamageInputs in = firstWorkedExample();
    in.attack = "300";
    in.level = "100";
    in.basePower = "150";
    in.defense = "50";
    in.attackType = in.attackerFirstType = "Water";
    in.defenderFirstType = "Fire";
    DamageOutcome outcome = computeDamage(in);
    QCOMPARE(outcome.message, std::string("Damage dealt is over 999! Defending Pokémon fainted!"));
    QVERIFY(outcome.writesFields);

    // Critical over 999 while the normal figure is not: no message.
    in.basePower = "73";
    in.defenderFirstType = "Normal";
    outcome = computeDamage(in);
    QCOMPARE(text(outcome.critical), QByteArray(">999"));
    QVERIFY(text(outcome.normal) != ">999");
    QVERIFY(outcome.message.empty());
}

void TestDamage::same_type_bonus_is_plain_text_equality()
{
    DamageInputs in = firstWorkedExample();
    in.basePower = "0";
    in.defenderFirstType = "Select Type";
    in.attackType = in.attackerFirstType = in.attackerSecondType = "Select Type";
    QCOMPARE(text(computeDamage(in).normal), QByteArray("1")); // 1.5, placeholders match
    in.attackerFirstType = "Water";
    in.attackerSecondType = "Select Type";
    QCOMPARE(text(computeDamage(in).normal), QByteArray("1"));
    in.attackType = "fire";
    in.attackerSecondType = "Fire";
    in.basePower = "1000";
    in.attack = "100";
    in.level = "100";
    in.defense = "100";
    // 100*100*1000/(100*128)+1 = 782.25: no bonus for a lower-case attack type.
    QCOMPARE(text(computeDamage(in).normal), QByteArray("782"));
}

void TestDamage::no_effect_words_show_whole()
{
    DamageInputs in = firstWorkedExample();
    in.attackType = "Normal";
    in.defenderSecondType = "Ghost";
    in.attackName = "Toxic ";
    DamageOutcome outcome = computeDamage(in);
    QCOMPARE(text(outcome.normal), QByteArray("NoEff"));
    QVERIFY(outcome.normal.maxLength >= 5);
    QCOMPARE(text(outcome.critical), QByteArray("0"));
    in.attackName = "Toxic";
    QCOMPARE(text(computeDamage(in).normal), QByteArray("Toxic"));
}

void TestDamage::poison_is_uncut_or_asks_for_hp()
{
    DamageInputs in = firstWorkedExample();
    in.defenderHp = " ";
    QCOMPARE(text(computeDamage(in).poison), QByteArray("EnterHP"));
    in.defenderHp = "100";
    QCOMPARE(text(computeDamage(in).poison), QByteArray("6.3"));
}

void TestDamage::bad_numbers_stop_before_anything_is_written_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("attack empty") << QByteArray("A") << QByteArray("")
                                  << QByteArray("Pokémon's Attack Stat must be a number.");
    QTest::newRow("level two blanks")
        << QByteArray("L") << QByteArray("  ") << QByteArray("Pokémon Level must be a number.");
    QTest::newRow("base power letters")
        << QByteArray("P") << QByteArray("Abc") << QByteArray("Base Damage must be a number.");
    QTest::newRow("defense lone sign") << QByteArray("D") << QByteArray("-")
                                       << QByteArray("Pokémon's Defense Stat must be a number.");
    QTest::newRow("defense zero") << QByteArray("D") << QByteArray("0")
                                  << QByteArray("Pokémon's Defense Stat cannot be 0.");
    QTest::newRow("defense signed zero") << QByteArray("D") << QByteArray("-0.0")
                                         << QByteArray("Pokémon's Defense Stat cannot be 0.");
    QTest::newRow("hp letters") << QByteArray("H") << QByteArray("Xyz")
                                << QByteArray("Pokémon HP must be a number.");
    QTest::newRow("attack beyond range") << QByteArray("A") << QByteArray("1e999")
                                         << QByteArray("Pokémon's Attack Stat must be a number.");
}

void TestDamage::bad_numbers_stop_before_anything_is_written()
{
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, message);
    DamageInputs in = firstWorkedExample();
    std::string* target = field == "A"   ? &in.attack
                          : field == "L" ? &in.level
                          : field == "P" ? &in.basePower
                          : field == "D" ? &in.defense
                                         : &in.defenderHp;
    *target = value.toStdString();
    const DamageOutcome outcome = computeDamage(in);
    QCOMPARE(QByteArray::fromStdString(outcome.message), message);
    QVERIFY(!outcome.writesFields);
}

void TestDamage::negative_figures_keep_their_sign()
{
    DamageInputs in = firstWorkedExample();
    in.attack = "-1000"; // (-1000*50*80)/(90*128) + 1 < 0
    const DamageOutcome outcome = computeDamage(in);
    QVERIFY(outcome.writesFields);
    QCOMPARE(text(outcome.normal), QByteArray("-"));
    QCOMPARE(text(outcome.critical), QByteArray("-"));
}

void TestDamage::overflowing_inputs_never_show_a_wrong_figure()
{
    DamageInputs in = firstWorkedExample();
    in.attack = in.level = in.basePower = "1e300";
    DamageOutcome outcome = computeDamage(in); // infinite figures are simply over 999
    QVERIFY(outcome.writesFields);
    QCOMPARE(text(outcome.normal), QByteArray(">999"));

    in.defense = "1e307"; // infinity over infinity: no figure at all
    outcome = computeDamage(in);
    QVERIFY(!outcome.writesFields);
    QCOMPARE(outcome.message, std::string("The numbers entered are too large to compute."));

    in.defense = "90";
    in.defenderFirstType = "Rock";
    in.attackType = "Normal";
    in.defenderSecondType = "Ghost"; // infinity times no effect
    outcome = computeDamage(in);
    QVERIFY(!outcome.writesFields);
}

QTEST_GUILESS_MAIN(TestDamage)
#include "tst_damage.moc"
