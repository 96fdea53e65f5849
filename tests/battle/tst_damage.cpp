// SPDX-License-Identifier: MIT
#include "battle/Damage.h"

#include <QTest>

using namespace battle;

namespace {

// Fire on grass: 100 Attack, level 50, power 80, 90 Defense, 200 HP. Each "key=value" override
// replaces one field: A, L, P, D (stats), T (attack type), A1, A2, D1, D2 (types), H (HP), C
// (name).
DamageOutcome compute(const QStringList& overrides)
{
    // clang-format off
    DamageInputs in{"100", "50", "80", "90", "Fire", "Fire", "Select Type", "Grass", "Select Type",
                    "200", "Select Attack (optional)"};
    const std::pair<const char*, std::string*> fields[] = {
        {"A", &in.attack}, {"L", &in.level}, {"P", &in.basePower}, {"D", &in.defense},
        {"T", &in.attackType}, {"A1", &in.attackerFirstType}, {"A2", &in.attackerSecondType},
        {"D1", &in.defenderFirstType}, {"D2", &in.defenderSecondType}, {"H", &in.defenderHp},
        {"C", &in.attackName}};
    // clang-format on
    for (const QString& pair : overrides) {
        for (const auto& [key, field] : fields) {
            if (pair.section('=', 0, 0) == QLatin1String(key))
                *field = pair.section('=', 1).toStdString();
        }
    }
    return computeDamage(in);
}

QByteArray text(const std::string& output)
{
    return QByteArray::fromStdString(output);
}

} // namespace

class TestDamage : public QObject {
    Q_OBJECT

private slots:
    void figures_data();
    void figures();
    void stopped_before_anything_is_written_data();
    void stopped_before_anything_is_written();
    void display_cuts_without_rounding_data();
    void display_cuts_without_rounding();
};

void TestDamage::figures_data()
{
    QTest::addColumn<QStringList>("overrides");
    QTest::addColumn<QByteArray>("normal");
    QTest::addColumn<QByteArray>("critical");
    QTest::addColumn<QByteArray>("poison");
    QTest::addColumn<QByteArray>("message");
    const QStringList over999{"A=300", "L=100", "P=150", "D=50", "T=Water", "A1=Water", "D1=Fire"};
    const QByteArray fainted = "Damage dealt is over 999! Defending Pokémon fainted!";
    // clang-format off
    QTest::newRow("fire on grass, same type")          << QStringList{}                                  << QByteArray("107")   << QByteArray("216")  << QByteArray("12.6")    << QByteArray();
    QTest::newRow("zero power gives one and a half")   << QStringList{"P=0", "T=Normal", "A1=Normal", "D1=Normal"} << QByteArray("1") << QByteArray("1") << QByteArray("12.6") << QByteArray();
    QTest::newRow("normal on ghost has no effect")     << QStringList{"T=Normal", "D1=Ghost"}            << QByteArray("NoEff") << QByteArray("0")    << QByteArray("12.6")    << QByteArray();
    QTest::newRow("no effect from the second type")    << QStringList{"T=Normal", "D2=Ghost", "C=Toxic "} << QByteArray("NoEff") << QByteArray("0")   << QByteArray("12.6")    << QByteArray();
    QTest::newRow("toxic names itself on steel")       << QStringList{"P=0", "C=Toxic", "T=Poison", "A1=Poison", "D1=Steel"} << QByteArray("Toxic") << QByteArray("0") << QByteArray("12.6") << QByteArray();
    QTest::newRow("over 999 warns")                    << over999                                        << QByteArray(">999")  << QByteArray(">999") << QByteArray("12.6")    << fainted;
    QTest::newRow("critical alone over 999 is quiet")  << over999 + QStringList{"P=73", "D1=Normal"}     << QByteArray("514")   << QByteArray(">999") << QByteArray("12.6")    << QByteArray();
    QTest::newRow("infinite figures are over 999")     << QStringList{"A=1e300", "L=1e300", "P=1e300"}   << QByteArray(">999")  << QByteArray(">999") << QByteArray("12.6")    << fainted;
    QTest::newRow("negative figures show their sign")  << QStringList{"A=-1000"}                         << QByteArray("-")     << QByteArray("-")    << QByteArray("12.6")    << QByteArray();
    QTest::newRow("placeholders match for the bonus")  << QStringList{"P=0", "T=Select Type", "A1=Select Type", "D1=Select Type"} << QByteArray("1") << QByteArray("1") << QByteArray("12.6") << QByteArray();
    QTest::newRow("lower-case type gets no bonus")     << QStringList{"A=100", "L=100", "P=1000", "D=100", "T=fire", "A2=Fire", "D1=Water"} << QByteArray("782") << QByteArray(">999") << QByteArray("12.6") << QByteArray();
    QTest::newRow("second attacker type gives bonus")  << QStringList{"A1=Water", "A2=Fire"}             << QByteArray("107")   << QByteArray("216")  << QByteArray("12.6")    << QByteArray();
    QTest::newRow("blanks around the level pass")      << QStringList{"L= 50 "}                          << QByteArray("107")   << QByteArray("216")  << QByteArray("12.6")    << QByteArray();
    QTest::newRow("hp 255")                            << QStringList{"H=255"}                           << QByteArray("107")   << QByteArray("216")  << QByteArray("16.065")  << QByteArray();
    QTest::newRow("hp 100")                            << QStringList{"H=100"}                           << QByteArray("107")   << QByteArray("216")  << QByteArray("6.3")     << QByteArray();
    QTest::newRow("no hp asks for it")                 << QStringList{"H="}                              << QByteArray("107")   << QByteArray("216")  << QByteArray("EnterHP") << QByteArray();
    QTest::newRow("one blank hp asks for it")          << QStringList{"H= "}                             << QByteArray("107")   << QByteArray("216")  << QByteArray("EnterHP") << QByteArray();
    // clang-format on
}

void TestDamage::figures()
{
    QFETCH(QStringList, overrides);
    QFETCH(QByteArray, normal);
    QFETCH(QByteArray, critical);
    QFETCH(QByteArray, poison);
    QFETCH(QByteArray, message);
    const DamageOutcome outcome = compute(overrides);
    QVERIFY(outcome.writesFields);
    QCOMPARE(text(outcome.normal.text), normal);
    QCOMPARE(text(outcome.critical.text), critical);
    QCOMPARE(text(outcome.poison.text), poison);
    QCOMPARE(text(outcome.message), message);
    // A field never cuts its own text; the poison field has no limit.
    QVERIFY(int(outcome.normal.text.size()) <= outcome.normal.maxLength);
    QVERIFY(int(outcome.critical.text.size()) <= outcome.critical.maxLength);
    QCOMPARE(outcome.poison.maxLength, 0);
}

void TestDamage::stopped_before_anything_is_written_data()
{
    QTest::addColumn<QStringList>("overrides");
    QTest::addColumn<QByteArray>("message");
    const QStringList infinities{"A=1e300", "L=1e300", "P=1e300"};
    // clang-format off
    QTest::newRow("empty level")            << QStringList{"L="}       << QByteArray("Level of Pokémon required!");
    QTest::newRow("one blank level")        << QStringList{"L= "}      << QByteArray("Level of Pokémon required!");
    QTest::newRow("level two blanks")       << QStringList{"L=  "}     << QByteArray("Pokémon Level must be a number.");
    QTest::newRow("attack empty")           << QStringList{"A="}       << QByteArray("Pokémon's Attack Stat must be a number.");
    QTest::newRow("attack beyond range")    << QStringList{"A=1e999"}  << QByteArray("Pokémon's Attack Stat must be a number.");
    QTest::newRow("base power letters")     << QStringList{"P=Abc"}    << QByteArray("Base Damage must be a number.");
    QTest::newRow("defense lone sign")      << QStringList{"D=-"}      << QByteArray("Pokémon's Defense Stat must be a number.");
    QTest::newRow("first bad field named")  << QStringList{"A=x", "D=y"} << QByteArray("Pokémon's Attack Stat must be a number.");
    QTest::newRow("defense zero")           << QStringList{"D=0"}      << QByteArray("Pokémon's Defense Stat cannot be 0.");
    QTest::newRow("defense signed zero")    << QStringList{"D=-0.0"}   << QByteArray("Pokémon's Defense Stat cannot be 0.");
    QTest::newRow("hp letters")             << QStringList{"H=Xyz"}    << QByteArray("Pokémon HP must be a number.");
    QTest::newRow("infinity over infinity") << infinities + QStringList{"D=1e307"} << QByteArray("The numbers entered are too large to compute.");
    QTest::newRow("infinity with no effect") << infinities + QStringList{"T=Normal", "D2=Ghost"} << QByteArray("The numbers entered are too large to compute.");
    // clang-format on
}

void TestDamage::stopped_before_anything_is_written()
{
    QFETCH(QStringList, overrides);
    QFETCH(QByteArray, message);
    const DamageOutcome outcome = compute(overrides);
    QCOMPARE(text(outcome.message), message);
    QVERIFY(!outcome.writesFields);
}

void TestDamage::display_cuts_without_rounding_data()
{
    QTest::addColumn<double>("figure");
    QTest::addColumn<QByteArray>("shown");
    QTest::addColumn<int>("maxLength");
    // clang-format off
    QTest::newRow("0.75")                          << 0.75               << QByteArray("0")    << 1;
    QTest::newRow("9.99")                          << 9.99               << QByteArray("9")    << 1;
    QTest::newRow("10")                            << 10.0               << QByteArray("10")   << 2;
    QTest::newRow("45.99")                         << 45.99              << QByteArray("45")   << 2;
    QTest::newRow("99.5")                          << 99.5               << QByteArray("99")   << 2;
    QTest::newRow("100")                           << 100.0              << QByteArray("100")  << 3;
    QTest::newRow("999")                           << 999.0              << QByteArray("999")  << 3;
    QTest::newRow("999.01")                        << 999.01             << QByteArray(">999") << 4;
    QTest::newRow("just under 10 never shows 1")   << 9.9999999999999982 << QByteArray("9")    << 1;
    QTest::newRow("just under 100 never shows 10") << 99.999999999999986 << QByteArray("99")   << 2;
    QTest::newRow("tiny figure shows no exponent") << 1e-20              << QByteArray("0")    << 1;
    QTest::newRow("negative shows its sign")       << -3.5               << QByteArray("-")    << 1;
    // clang-format on
}

void TestDamage::display_cuts_without_rounding()
{
    QFETCH(double, figure);
    QFETCH(QByteArray, shown);
    QFETCH(int, maxLength);
    const OutputText output = displayFigure(figure);
    QCOMPARE(text(output.text), shown);
    QCOMPARE(output.maxLength, maxLength);
}

QTEST_GUILESS_MAIN(TestDamage)
#include "tst_damage.moc"
