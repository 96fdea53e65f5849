// SPDX-License-Identifier: MIT
#include "support/ProgramFixture.h"

#include <QSet>

#include "battle/game/Metronome.h"
#include "windows/trainer/TrainerSheet.h"

#include <QPushButton>
#include <QSpinBox>

using namespace fixture;

namespace {

// Draws for one rolled turn that hits without a critical hit, one strike, with the damage roll
// at index 0.5 × 39 = 19 of 217…255, that is 236.
constexpr std::initializer_list<float> hittingTurn = {0.0f, 0.999f, 0.5f, 0.0f};

// Battle Turn's defaults: level 50, DVs 15, full stat experience, whose bonus is the root capped
// at 255, a quarter of it 63. Tauros: Attack (2 × (100 + 15) + 63) × 50 / 100 + 5 = 151. Body
// Slam, power 85, Normal like Tauros (same-type ×1.5) and neutral on a Normal defender:
//   ⌊⌊22 × 151 × 85 / Defense⌋ / 50⌋ + 2, plus half of it, then × 236 / 255.
// Chansey's Defense (2 × 20 + 63) × 50 / 100 + 5 = 56: ⌊282370 / 56⌋ = 5042, / 50 → 100, + 2 =
// 102, × 1.5 → 153, × 236 / 255 → 141.
constexpr int bodySlamOnChansey = 141;
// Tauros's Defense (2 × 110 + 63) × 50 / 100 + 5 = 146: ⌊282370 / 146⌋ = 1934, / 50 → 38, + 2 =
// 40, × 1.5 → 60, × 236 / 255 → 55.
constexpr int bodySlamOnTauros = 55;

} // namespace

// What the program wires between its windows: Metronome into the attack list, the sheets into the
// main window and Battle Turn, and Battle Turn and the status changer back into the sheets.
class TestBattleFeed : public ProgramTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { stop(); }

    void metronome_calls_every_move_but_itself_and_struggle();
    void metronome_chooses_as_the_user_would_data();
    void metronome_chooses_as_the_user_would();
    void pages_feed_the_main_window_by_the_attacks_class();
    void pages_feed_battle_turn_and_hits_and_a_yes_go_back();
    void works_from_the_keyboard_alone();

private:
    TrainerSheet* sheet(int trainer) const
    {
        return runtime().showWindowAs<TrainerSheet>(trainerSheetId(trainer));
    }
    QStringList seen(const QWidget* window, const QStringList& names) const;
    void rollAndApply(QWidget* turn);

    QWidget* m_main = nullptr;
};

void TestBattleFeed::init()
{
    start();
    m_main = show("FrmDamage");
}

QStringList TestBattleFeed::seen(const QWidget* window, const QStringList& names) const
{
    QStringList texts;
    for (const QString& name : names)
        texts << text(window, name);
    return texts;
}

void TestBattleFeed::rollAndApply(QWidget* turn)
{
    runtime().scriptDraws(hittingTurn);
    step(turn, "Roll!");
    step(turn, "ApplyDamage!");
    QVERIFY(!find<QPushButton>(turn, "ApplyDamage")->isEnabled()); // one hit, applied once
}

void TestBattleFeed::metronome_calls_every_move_but_itself_and_struggle()
{
    const auto moves = battle::game::metronomeMoves();
    QCOMPARE(moves.size(), battle::game::allMoves().size() - 2);
    for (const battle::game::Move* move : moves)
        QVERIFY(move->name != "Metronome" && move->name != "Struggle");
    QCOMPARE(battle::game::metronomePick(0.0f).name, std::string_view("Pound"));
    QCOMPARE(&battle::game::metronomePick(std::nextafter(1.0f, 0.0f)), moves.back());
    // Each one it calls reaches an open Battle Turn, spelt there as the attack list spells it:
    // one draw from the middle of each of the equal shares gives every move once.
    const QWidget* turn = show(QStringLiteral("Turn"));
    QSet<const battle::game::Move*> reached;
    for (std::size_t share = 0; share < moves.size(); ++share) {
        runtime().scriptDraws({(float(share) + 0.5f) / float(moves.size())});
        step(m_main, "mnuMetronome!");
        const std::string shown = text(turn, "Move").toStdString();
        const battle::game::Move* move = battle::game::moveForProgramName(shown);
        QVERIFY2(move && move->name != "Metronome" && move->name != "Struggle", shown.c_str());
        reached.insert(move);
    }
    QCOMPARE(std::size_t(reached.size()), moves.size());
}

void TestBattleFeed::metronome_chooses_as_the_user_would_data()
{
    // Metronome calls the 163 moves other than itself (118) and Struggle (165) in the games'
    // order, a draw d picking number ⌊163 d⌋ from 0: Flamethrower is move 53, so 52 and
    // 52.5 / 163 ≈ 0.322; Thunder Shock 84 → 83.5 / 163 ≈ 0.512; after Metronome one less:
    // Psywave 149 → 147.5 / 163 ≈ 0.905, Fury Swipes 154 → 152.5 / 163 ≈ 0.936.
    QTest::addColumn<float>("pick");
    QTest::addColumn<QString>("byHand");  // the step that picks it from the list
    QTest::addColumn<float>("countDraw"); // for the attack's own rows, after the pick
    QTest::newRow("a plain attack") << 0.322f << "c1>Flamethrower" << 0.9f;
    QTest::newRow("counted rounds") << 0.936f << "c1>Fury Swipes" << 0.1f;
    QTest::newRow("the program's spelling") << 0.512f << "c1>Thundershock" << 0.5f;
    QTest::newRow("missing from the list") << 0.905f << "c1=Psywave" << 0.5f;
}

void TestBattleFeed::metronome_chooses_as_the_user_would()
{
    QFETCH(float, pick);
    QFETCH(QString, byHand);
    QFETCH(float, countDraw);
    const QStringList outputs = {"attack1", "basepower", "Text1", "Label3", "c1"};
    QStringList order;
    const auto watch = [this, &order] {
        auto* list = find<QComboBox>(m_main, "c1");
        connect(list, &QComboBox::currentTextChanged, this, [&order] { order << "text"; });
        connect(list, &QComboBox::activated, this, [&order] { order << "chosen"; });
    };
    watch();
    runtime().scriptDraws({pick, countDraw});
    step(m_main, "mnuMetronome!");
    const QStringList byMetronome = seen(m_main, outputs)
                                    << order << QString::number(runtime().drawsUsed());

    stop();
    init();
    order.clear();
    watch();
    runtime().scriptDraws({countDraw});
    step(m_main, byHand);
    if (byHand.contains('=')) { // typed: the click handler runs on the typed text
        auto* list = find<QComboBox>(m_main, "c1");
        emit list->activated(list->currentIndex());
    }
    QCOMPARE(byMetronome, seen(m_main, outputs)
                              << order << QString::number(runtime().drawsUsed() + 1));
}

// Attack or Special by the chosen attack's class (Body Slam has none in the attack list, Double
// Kick is physical); what the page leaves empty stays as it was.
void TestBattleFeed::pages_feed_the_main_window_by_the_attacks_class()
{
    for (const char* each : {"Text5_1=Tauros", "Text6_1=298", "Text8_1=238", "Text25_1=Normal",
                             "Text11_2=703", "Text7_2=228", "Text9_2=308", "Text25_2=Normal"}) {
        sheet(1)->showPage(QString(each).section('=', 0, 0).right(1).toInt());
        step(sheet(1), each);
    }
    const QStringList fields = {"attack", "poke1", "poke12", "defense", "DHP", "poke2", "poke22"};
    for (const char* attack : {"c1>Body Slam", "c1>Double Kick", "c1>Psychic"}) {
        for (const char* each : {attack, "poke12=kept", "poke22=kept"})
            step(m_main, each);
        step(sheet(1), "UseAttacker_1!");
        step(sheet(1), "UseDefender_2!");
        const bool special = QString(attack).endsWith("Psychic");
        QCOMPARE(seen(m_main, fields),
                 QStringList({special ? "238" : "298", "Normal", "kept", special ? "308" : "228",
                              "703", "Normal", "kept"}));
    }
    QCOMPARE(runtime().messageTexts(), QStringList());
}

void TestBattleFeed::pages_feed_battle_turn_and_hits_and_a_yes_go_back()
{
    step(m_main, "mnuTurn!");
    QWidget* turn = show("Turn");
    step(turn, "Move>Body Slam");
    rollAndApply(turn); // no page used as defender yet: one message over Battle Turn
    QCOMPARE(runtime().messages().size(), 1);
    QCOMPARE(runtime().messages().back().over, turn);
    runtime().clearMessages();
    step(sheet(2), "Text5_1=Tauros");
    sheet(2)->showPage(3);
    for (const char* each : {"Text5_3=Chansey", "Text11_3=250", "UseAttacker_1!", "UseDefender_3!"})
        step(sheet(2), each);
    QCOMPARE(seen(turn, {"AttackerSpecies", "DefenderSpecies"}),
             QStringList({"Tauros", "Chansey"}));
    QCOMPARE(find<QSpinBox>(turn, "DefenderHp")->value(), 250);

    rollAndApply(turn);
    QCOMPARE(text(sheet(2), "Text11_3"), QString::number(250 - bodySlamOnChansey));
    QCOMPARE(text(sheet(2), "Text27_3"), "");
    find<QPlainTextEdit>(sheet(2), "Text27_3")->setPlainText("low on PP");
    step(sheet(2), "Text11_3=1");
    rollAndApply(turn);
    QCOMPARE(seen(sheet(2), {"Text11_3", "Text27_3"}), QStringList({"0", "Fainted\nlow on PP"}));

    auto* frozen = find<QAction>(m_main, "mnuApplyFrozen");
    QVERIFY(!frozen->isEnabled()); // only a YES applies
    runtime().scriptDraws({0.5f});
    for (const char* each : {"succ=100", "Work2!", "mnuApplyFrozen!"})
        step(m_main, each);
    QCOMPARE(text(sheet(2), "Combo1_3"), "Frozen");
    QCOMPARE(runtime().messageTexts(), QStringList());

    sheet(2)->close(); // a sheet closed since is not written to, even when opened anew
    sheet(2)->showPage(3);
    step(sheet(2), "Text11_3=100");
    rollAndApply(turn);
    QCOMPARE(text(sheet(2), "Text11_3"), "100");
    QCOMPARE(runtime().messages().size(), 1);
    QVERIFY(runtime().messageTexts().back().contains("closed"));
}

// The menu key opens a page's menu, whose first entries are the two uses; the rest are keys.
void TestBattleFeed::works_from_the_keyboard_alone()
{
    step(m_main, "mnuTurn!");
    QWidget* turn = show("Turn");
    step(sheet(2), "Text5_1=Tauros");
    step(sheet(2), "Text11_1=353");
    QTimer::singleShot(0, [] {
        QWidget* menu = QApplication::activePopupWidget();
        QVERIFY(menu);
        for (int down = 0; down < 2; ++down)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return); // Use as Defender
    });
    QWidget* field = find(sheet(2), "Text11_1");
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, field->mapToGlobal(QPoint()));
    QApplication::sendEvent(field, &menuKey);
    QCOMPARE(find<QSpinBox>(turn, "DefenderHp")->value(), 353);
    for (const char* each : {"AttackerSpecies>Tauros", "Move>Body Slam"})
        step(turn, each);

    runtime().scriptDraws(hittingTurn);
    showActive(turn);
    find(turn, "Roll")->setFocus();
    QTest::keyClick(find(turn, "Roll"), Qt::Key_Space);
    QTest::keyClick(find(turn, "Roll"), Qt::Key_Tab);
    QTest::keyClick(find(turn, "ApplyDamage"), Qt::Key_Space);
    QCOMPARE(text(sheet(2), "Text11_1"), QString::number(353 - bodySlamOnTauros));
    QCOMPARE(runtime().messageTexts(), QStringList());
}

QTEST_MAIN(TestBattleFeed)
#include "tst_battlefeed.moc"
