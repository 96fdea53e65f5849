// SPDX-License-Identifier: MIT
#include "WindowFixture.h"
#include "support/TurnReference.h"

#include "battle/GameData.h"
#include "windows/turn/TurnWindow.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QSpinBox>

using namespace fixture;
namespace game = battle::game;

namespace {

QString programName(std::string_view gameName, bool species)
{
    const std::string_view name = species ? game::programNameOf(*game::findSpecies(gameName))
                                          : game::programNameOf(*game::findMove(gameName));
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

class TestTurnWindow : public WindowTest<TurnWindow> {
    Q_OBJECT

private slots:
    void init() { open(); }
    void cleanup() { close(); }

    void opens_on_maximum_presets_with_every_figure_filled();
    void shows_the_reference_rolls_data();
    void shows_the_reference_rolls();
    void defender_hp_follows_its_maximum_until_edited();
    void roll_draws_a_turn_and_reports_its_damage();
    void works_from_the_keyboard_alone();
    void info_tells_whose_mechanics_these_are();

private:
    QSpinBox* spin(const char* name) const { return find<QSpinBox>(window(), name); }
    QComboBox* list(const char* name) const { return find<QComboBox>(window(), name); }
};

void TestTurnWindow::opens_on_maximum_presets_with_every_figure_filled()
{
    QCOMPARE(window()->windowTitle(), "Battle Turn");
    QCOMPARE(items(list("AttackerPreset")), QStringList({"Maximum", "Enemy trainer"}));
    QCOMPARE(text(window(), "DefenderPreset"), "Maximum");
    QCOMPARE(spin("DefenderHp")->value(), 151);        // Bulbasaur at 50: 91 + 50 + 10
    QVERIFY(!items(list("Move")).contains("Psywave")); // the attack list lacks it
    for (const char* output : {"HitChance", "CritChance", "Rolls", "CritRolls", "Range", "KO"})
        QVERIFY2(!text(window(), output).isEmpty(), output);
    QCOMPARE(text(window(), "Outcome"), "");
}

void TestTurnWindow::shows_the_reference_rolls_data()
{
    QTest::addColumn<TurnCase>("c");
    for (const TurnCase& c : readTurnReference())
        QTest::newRow(qPrintable(c.line.section('|', 0, 10))) << c;
}

void TestTurnWindow::shows_the_reference_rolls()
{
    QFETCH(TurnCase, c);
    window()->setAttackerSpecies(programName(c.attacker.toStdString(), true));
    window()->setDefenderSpecies(programName(c.defender.toStdString(), true));
    window()->setMove(programName(c.move.toStdString(), false));
    spin("AttackerLevel")->setValue(c.attackerLevel);
    spin("DefenderLevel")->setValue(c.defenderLevel);
    choose(list("AttackerPreset"), c.attackerPreset);
    choose(list("DefenderPreset"), c.defenderPreset);
    spin("AttackerStage")->setValue(c.attackerStage);
    spin("DefenderStage")->setValue(c.defenderStage);
    find<QCheckBox>(window(), "Burned")->setChecked(c.burned);
    find<QCheckBox>(window(), "Screen")->setChecked(c.screen);
    if (c.normalRolls != "-")
        QCOMPARE(text(window(), "Rolls"), c.normalRolls);
    QCOMPARE(text(window(), "CritRolls"), c.criticalRolls);
}

void TestTurnWindow::defender_hp_follows_its_maximum_until_edited()
{
    window()->setDefenderSpecies("Chansey");
    spin("DefenderLevel")->setValue(100);
    QCOMPARE(spin("DefenderHp")->value(), 703);
    choose(list("DefenderPreset"), "Enemy trainer");
    QCOMPARE(spin("DefenderHp")->value(), 626);
    window()->setMove("Sonicboom");
    QCOMPARE(text(window(), "Range"), "20 (3.2 %)");

    spin("DefenderHp")->selectAll();
    QTest::keyClicks(spin("DefenderHp"), "40");
    QCOMPARE(text(window(), "Range"), "20 (50.0 %)");
    window()->setDefenderSpecies("Pikachu");
    spin("DefenderLevel")->setValue(5);
    QCOMPARE(spin("DefenderHp")->value(), 40);
    QVERIFY(text(window(), "KO").startsWith("1: 0.0 %, 2: 80.0 %")); // 229/256 twice
}

void TestTurnWindow::roll_draws_a_turn_and_reports_its_damage()
{
    QSignalSpy rolled(window(), &TurnWindow::turnRolled);
    window()->setMove("Seismic Toss");
    spin("AttackerLevel")->setValue(42);
    runtime().scriptDraws({0.999f, 0, 0, 0, 0, 0, 0, 0}); // 0.999 misses even a 255 in 256
    click(window(), "Roll");
    QCOMPARE(text(window(), "Outcome"), "Missed");
    click(window(), "Roll");
    QCOMPARE(text(window(), "Outcome"), "Hit: 42 damage");
    QCOMPARE(rolled.count(), 2);
    QCOMPARE(rolled.at(0).at(0).toInt(), 0);
    QCOMPARE(rolled.at(1).at(0).toInt(), 42);
    QCOMPARE(runtime().drawsUsed(), 2 * game::drawsPerTurn);
}

void TestTurnWindow::works_from_the_keyboard_alone()
{
    showActive(window());
    QCOMPARE(QApplication::focusWidget(), list("AttackerSpecies"));
    fixture::retype(list("AttackerSpecies"), "Persian");
    for (const char* next :
         {"AttackerLevel", "AttackerPreset", "AttackerStage", "Burned", "DefenderSpecies",
          "DefenderLevel", "DefenderPreset", "DefenderStage", "DefenderHp", "Screen", "Move"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget* focus = QApplication::focusWidget();
        QVERIFY2(focus == find(window(), next) || focus->parentWidget() == find(window(), next),
                 next);
    }
    fixture::retype(list("Move"), "Slash");
    QCOMPARE(text(window(), "CritChance"), "99.6 %");
    runtime().scriptDraws({0, 0, 0, 0});
    QTest::keyClick(window(), Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(text(window(), "Outcome").startsWith("Critical hit: "));
}

void TestTurnWindow::info_tells_whose_mechanics_these_are()
{
    click(window(), "Info");
    QCOMPARE(runtime().messages().size(), 1);
    QVERIFY(runtime().messageTexts().first().contains("games' own mechanics"));
    QCOMPARE(runtime().messages().first().style, Runtime::MessageStyle::Information);
}

QTEST_MAIN(TestTurnWindow)
#include "tst_turnwindow.moc"
