// SPDX-License-Identifier: MIT
#include "battle/classic/Damage.h"
#include "battle/classic/TypeChart.h"

#include <QTest>

using namespace battle;

namespace {

// Fire on grass: 100 Attack, level 50, power 80, 90 Defense, 200 HP. Each "key=value" replaces
// one field: A, L, P, D (stats), T (attack type), A1, A2, D1, D2 (types), H (HP), C (name).
DamageOutcome compute(const QStringList& overrides)
{
    // clang-format off
    DamageInputs in{"100", "50", "80", "90", "Fire", "Fire", "Select Type", "Grass", "Select Type",
                    "200", "Select Attack (optional)"};
    const std::pair<QString, std::string*> fields[] = {
        {"A", &in.attack}, {"L", &in.level}, {"P", &in.basePower}, {"D", &in.defense},
        {"T", &in.attackType}, {"A1", &in.attackerFirstType}, {"A2", &in.attackerSecondType},
        {"D1", &in.defenderFirstType}, {"D2", &in.defenderSecondType}, {"H", &in.defenderHp},
        {"C", &in.attackName}};
    // clang-format on
    for (const QString& pair : overrides) {
        for (const auto& [key, field] : fields) {
            if (pair.section('=', 0, 0) == key)
                *field = pair.section('=', 1).toStdString();
        }
    }
    return computeDamage(in);
}

} // namespace

class TestDamage : public QObject {
    Q_OBJECT

private slots:
    void outcome_data();
    void outcome();
    void display_cuts_without_rounding_data();
    void display_cuts_without_rounding();
    void effectiveness_data();
    void effectiveness();
};

// The three fields as written ("" when nothing is written) and the message.
void TestDamage::outcome_data()
{
    QTest::addColumn<QStringList>("overrides");
    QTest::addColumn<QStringList>("shown");
    const QStringList over999{"A=300", "L=100", "P=150", "D=50", "T=Water", "A1=Water", "D1=Fire"};
    const QStringList infinities{"A=1e300", "L=1e300", "P=1e300"};
    const QString fainted = "Damage dealt is over 999! Defending Pokémon fainted!";
    const QString notNumber = " must be a number.";
    const QString tooLarge = "The numbers entered are too large to compute.";
    const QStringList none{"", "", ""};
    // clang-format off
    QTest::newRow("fire on grass, same type")        << QStringList{}                                 << QStringList{"107", "216", "12.6", ""};
    QTest::newRow("zero power gives 1")              << QStringList{"P=0", "T=Normal", "D1=Normal"}  << QStringList{"1", "1", "12.6", ""};
    QTest::newRow("normal on ghost has no effect")   << QStringList{"T=Normal", "D1=Ghost"}           << QStringList{"NoEff", "0", "12.6", ""};
    QTest::newRow("no effect from the second type")  << QStringList{"T=Normal", "D2=Ghost", "C=Toxic "} << QStringList{"NoEff", "0", "12.6", ""};
    QTest::newRow("toxic names itself on steel")     << QStringList{"P=0", "C=Toxic", "T=Poison", "D1=Steel"} << QStringList{"Toxic", "0", "12.6", ""};
    QTest::newRow("over 999 warns")                  << over999                                       << QStringList{">999", ">999", "12.6", fainted};
    QTest::newRow("critical alone over 999 is quiet") << over999 + QStringList{"P=73", "D1=Normal"}   << QStringList{"514", ">999", "12.6", ""};
    QTest::newRow("infinite figures are over 999")   << infinities                                    << QStringList{">999", ">999", "12.6", fainted};
    QTest::newRow("negative figures show the sign")  << QStringList{"A=-1000"}                        << QStringList{"-", "-", "12.6", ""};
    QTest::newRow("lower-case type gets no bonus")   << QStringList{"L=100", "P=1000", "D=100", "T=fire", "A2=Fire", "D1=Water"} << QStringList{"782", ">999", "12.6", ""};
    QTest::newRow("hp 255")                          << QStringList{"H=255"}                          << QStringList{"107", "216", "16.065", ""};
    QTest::newRow("one blank hp asks for it")        << QStringList{"H= "}                            << QStringList{"107", "216", "EnterHP", ""};
    QTest::newRow("one blank level")                 << QStringList{"L= "}                            << none + QStringList{"Level of Pokémon required!"};
    QTest::newRow("first bad field named")           << QStringList{"A=x", "D=y"}                     << none + QStringList{"Pokémon's Attack Stat" + notNumber};
    QTest::newRow("defense signed zero")             << QStringList{"D=-0.0"}                         << none + QStringList{"Pokémon's Defense Stat cannot be 0."};
    QTest::newRow("infinity over infinity")          << infinities + QStringList{"D=1e307"}           << none + QStringList{tooLarge};
    QTest::newRow("infinity with no effect")         << infinities + QStringList{"T=Normal", "D2=Ghost"} << none + QStringList{tooLarge};
    // clang-format on
}

void TestDamage::outcome()
{
    QFETCH(QStringList, overrides);
    QFETCH(QStringList, shown);
    const DamageOutcome outcome = compute(overrides);
    QCOMPARE(outcome.hasFigures, !shown.first().isEmpty());
    QStringList written;
    for (const ShownFigure* output : {&outcome.normal, &outcome.critical, &outcome.poison})
        written << QString::fromStdString(output->text);
    QCOMPARE(written << QString::fromStdString(outcome.message), shown);
    // A field never cuts its own text; the poison field has no limit.
    QVERIFY(!outcome.hasFigures ||
            (std::ssize(outcome.normal.text) <= outcome.normal.width &&
             std::ssize(outcome.critical.text) <= outcome.critical.width &&
             outcome.poison.width == 0));
}

void TestDamage::display_cuts_without_rounding_data()
{
    QTest::addColumn<double>("figure");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("width");
    // clang-format off
    QTest::newRow("10")                            << 10.0               << "10"   << 2;
    QTest::newRow("99.5")                          << 99.5               << "99"   << 2;
    QTest::newRow("100")                           << 100.0              << "100"  << 3;
    QTest::newRow("999.5")                         << 999.5              << ">999" << 4;
    QTest::newRow("999")                           << 999.0              << "999"  << 3;
    QTest::newRow("just under 10 never shows 1")   << 9.9999999999999982 << "9"    << 1;
    QTest::newRow("just under 100 never shows 10") << 99.999999999999986 << "99"   << 2;
    QTest::newRow("tiny figure shows no exponent") << 1e-20              << "0"    << 1;
    // clang-format on
}

void TestDamage::display_cuts_without_rounding()
{
    QFETCH(double, figure);
    QFETCH(QString, shown);
    QFETCH(int, width);
    const ShownFigure output = displayFigure(figure);
    QCOMPARE(QString::fromStdString(output.text), shown);
    QCOMPARE(output.width, width);
}

void TestDamage::effectiveness_data()
{
    QTest::addColumn<QString>("attacking");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second"); // "Select Type", the placeholder, names no type
    QTest::addColumn<double>("multiplier");
    const QString none = "Select Type";
    // clang-format off
    QTest::newRow("water vs dragon is 2")             << "Water"    << "Dragon"   << none      << 2.0;
    QTest::newRow("ghost vs psychic is 2")            << "Ghost"    << "Psychic"  << none      << 2.0;
    QTest::newRow("normal vs ghost is 0")             << "Normal"   << "Ghost"    << none      << 0.0;
    QTest::newRow("electric vs ground is 0")          << "Electric" << "Ground"   << none      << 0.0;
    QTest::newRow("poison vs steel is 0")             << "Poison"   << "Steel"    << none      << 0.0;
    QTest::newRow("fighting vs evil is 2")            << "Fighting" << "Evil"     << none      << 2.0;
    QTest::newRow("fire vs grass/grass counts twice") << "Fire"     << "Grass"    << "Grass"   << 4.0;
    QTest::newRow("grass vs fire/fire counts twice")  << "Grass"    << "Fire"     << "Fire"    << 0.25;
    QTest::newRow("zero as the second type")          << "Psychic"  << "Fighting" << "Evil"    << 0.0;
    QTest::newRow("lower-case attacker")              << "fire"     << "Grass"    << "Steel"   << 1.0;
    // clang-format on
}

void TestDamage::effectiveness()
{
    QFETCH(QString, attacking);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(double, multiplier);
    QCOMPARE(
        battle::effectiveness(attacking.toStdString(), first.toStdString(), second.toStdString()),
        multiplier);
}

QTEST_GUILESS_MAIN(TestDamage)
#include "tst_damage.moc"
