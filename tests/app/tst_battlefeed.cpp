// SPDX-License-Identifier: MIT
#include "windows/WindowFixture.h"

#include "app/Startup.h"
#include "battle/Metronome.h"
#include "windows/trainer/TrainerSheet.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>

using namespace fixture;

namespace {

// The draw that picks the move, found through the move set rather than worked out from the rule.
float drawFor(std::string_view move)
{
    const auto moves = battle::game::metronomeMoves();
    for (std::size_t index = 0; index < moves.size(); ++index) {
        if (moves[index]->name == move)
            return (static_cast<float>(index) + 0.5f) / static_cast<float>(moves.size());
    }
    qFatal("no such move");
}

// Draws for one rolled turn that hits without a critical hit, one strike.
constexpr std::initializer_list<float> hittingTurn = {0.0f, 0.999f, 0.5f, 0.0f};

} // namespace

// What the program wires between its windows: Metronome into the attack list, the sheets into the
// main window and Battle Turn, and Battle Turn and the status changer back into the sheets.
class TestBattleFeed : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void metronome_calls_every_move_but_itself_and_struggle();
    void metronome_chooses_as_the_user_would_data();
    void metronome_chooses_as_the_user_would();
    void pages_feed_the_main_window_by_the_attacks_class_data();
    void pages_feed_the_main_window_by_the_attacks_class();
    void pages_feed_battle_turn_and_a_rolled_hit_goes_back();
    void a_yes_sets_the_defenders_status();
    void a_closed_sheet_is_not_written_to();
    void works_from_the_keyboard_alone();

private:
    QWidget* openTurn();
    void rollAndApply(QWidget* turn);

    std::unique_ptr<ModalWatchdog> m_watchdog;
    std::unique_ptr<TestRuntime> m_runtime;
    QWidget* m_main = nullptr;
};

void TestBattleFeed::init()
{
    m_watchdog = std::make_unique<ModalWatchdog>();
    m_runtime = std::make_unique<TestRuntime>();
    registerWindows(*m_runtime);
    m_main = m_runtime->showWindow("FrmDamage");
}

void TestBattleFeed::cleanup()
{
    m_runtime.reset();
    QVERIFY(!m_watchdog->sawDialog());
}

void TestBattleFeed::metronome_calls_every_move_but_itself_and_struggle()
{
    const auto moves = battle::game::metronomeMoves();
    QCOMPARE(moves.size(), battle::game::allMoves().size() - 2);
    QCOMPARE(moves.front()->name, std::string_view("Pound"));
    for (const battle::game::Move* move : moves)
        QVERIFY(move->name != "Metronome" && move->name != "Struggle");
    QCOMPARE(battle::game::metronomePick(0.0f).name, std::string_view("Pound"));
    QCOMPARE(&battle::game::metronomePick(std::nextafter(1.0f, 0.0f)), moves.back());
}

void TestBattleFeed::metronome_chooses_as_the_user_would_data()
{
    QTest::addColumn<QString>("move");
    QTest::addColumn<QString>("listText");
    QTest::addColumn<float>("countDraw"); // for the attack's own rows, after the pick
    QTest::newRow("a plain attack") << "Flamethrower" << "Flamethrower" << 0.9f;
    QTest::newRow("counted rounds") << "Fury Swipes" << "Fury Swipes" << 0.1f;
    QTest::newRow("the program's spelling") << "Thunder Shock" << "Thundershock" << 0.5f;
    QTest::newRow("missing from the list") << "Psywave" << "Psywave" << 0.5f;
}

void TestBattleFeed::metronome_chooses_as_the_user_would()
{
    QFETCH(QString, move);
    QFETCH(QString, listText);
    QFETCH(float, countDraw);
    const QStringList outputs = {"attack1", "basepower", "Text1", "Label3", "c1"};
    auto* list = find<QComboBox>(m_main, "c1");
    QStringList order;
    connect(list, &QComboBox::currentTextChanged, this, [&order] { order << "text"; });
    connect(list, &QComboBox::activated, this, [&order] { order << "chosen"; });

    m_runtime->scriptDraws({drawFor(move.toStdString()), countDraw});
    find<QAction>(m_main, "mnuMetronome")->trigger();
    QStringList byMetronome;
    for (const QString& name : outputs)
        byMetronome << text(m_main, name);
    const QStringList metronomeOrder = order;
    const int drawsByMetronome = m_runtime->drawsUsed();

    m_runtime.reset();
    init();
    list = find<QComboBox>(m_main, "c1");
    order.clear();
    connect(list, &QComboBox::currentTextChanged, this, [&order] { order << "text"; });
    connect(list, &QComboBox::activated, this, [&order] { order << "chosen"; });
    m_runtime->scriptDraws({countDraw});
    if (list->findText(listText) >= 0) {
        choose(list, listText);
    } else {
        list->setEditText(listText);
        emit list->activated(list->currentIndex());
    }
    QStringList byHand;
    for (const QString& name : outputs)
        byHand << text(m_main, name);
    QCOMPARE(byMetronome, byHand);
    QCOMPARE(text(m_main, "c1"), listText);
    QCOMPARE(metronomeOrder, order);
    QCOMPARE(drawsByMetronome, m_runtime->drawsUsed() + 1);
}

QWidget* TestBattleFeed::openTurn()
{
    find<QAction>(m_main, "mnuTurn")->trigger();
    QWidget* turn = m_runtime->openWindow("Turn");
    choose(find<QComboBox>(turn, "Move"), "Body Slam");
    return turn;
}

void TestBattleFeed::rollAndApply(QWidget* turn)
{
    m_runtime->scriptDraws(hittingTurn);
    click(turn, "Roll");
    QVERIFY(find<QPushButton>(turn, "ApplyDamage")->isEnabled());
    click(turn, "ApplyDamage");
    QVERIFY(!find<QPushButton>(turn, "ApplyDamage")->isEnabled()); // one hit, applied once
}

void TestBattleFeed::pages_feed_the_main_window_by_the_attacks_class_data()
{
    QTest::addColumn<QString>("attack");
    QTest::addColumn<QStringList>("expected"); // attack, poke1, poke12, defense, DHP, poke2, poke22
    QTest::newRow("physical") << "Body Slam"
                              << QStringList{"298", "Normal", "(type)", "228", "703", "Normal", "(type)"};
    QTest::newRow("special") << "Psychic"
                             << QStringList{"238", "Normal", "(type)", "308", "703", "Normal", "(type)"};
}

void TestBattleFeed::pages_feed_the_main_window_by_the_attacks_class()
{
    QFETCH(QString, attack);
    QFETCH(QStringList, expected);
    auto* sheet = qobject_cast<TrainerSheet*>(m_runtime->showWindow("Tab1"));
    write(sheet, {"Text5_1=Tauros", "Text6_1=298", "Text8_1=238", "Text25_1=Normal"});
    sheet->showPage(2);
    write(sheet, {"Text5_2=Chansey", "Text11_2=703", "Text7_2=228", "Text9_2=308",
                  "Text25_2=Normal"});
    choose(find<QComboBox>(m_main, "c1"), attack);
    write(m_main, "poke12", "(type)");
    write(m_main, "poke22", "(type)");
    find<QAction>(sheet, "UseAttacker_1")->trigger();
    find<QAction>(sheet, "UseDefender_2")->trigger();
    QStringList seen;
    for (const char* field : {"attack", "poke1", "poke12", "defense", "DHP", "poke2", "poke22"})
        seen << text(m_main, field);
    QCOMPARE(seen, expected);
    QCOMPARE(m_runtime->messageTexts(), QStringList());
}

void TestBattleFeed::pages_feed_battle_turn_and_a_rolled_hit_goes_back()
{
    QWidget* turn = openTurn();
    auto* sheet = qobject_cast<TrainerSheet*>(m_runtime->showWindow("Tab2"));
    write(sheet, "Text5_1", "Tauros");
    sheet->showPage(3);
    write(sheet, {"Text5_3=Chansey", "Text11_3=250", "Text12_3=703"});
    find<QAction>(sheet, "UseAttacker_1")->trigger();
    find<QAction>(sheet, "UseDefender_3")->trigger();
    QCOMPARE(text(turn, "AttackerSpecies"), "Tauros");
    QCOMPARE(text(turn, "DefenderSpecies"), "Chansey");
    QCOMPARE(find<QSpinBox>(turn, "DefenderHp")->value(), 250);

    QSignalSpy rolled(turn, SIGNAL(turnRolled(int)));
    rollAndApply(turn);
    const int damage = rolled.takeFirst().at(0).toInt();
    QVERIFY(damage > 0);
    QCOMPARE(text(sheet, "Text11_3"), QString::number(250 - damage));
    QCOMPARE(text(sheet, "Text27_3"), "");

    find<QPlainTextEdit>(sheet, "Text27_3")->setPlainText("low on PP");
    write(sheet, "Text11_3", "1");
    rollAndApply(turn);
    QCOMPARE(text(sheet, "Text11_3"), "0");
    QCOMPARE(text(sheet, "Text27_3"), "Fainted\nlow on PP");
    QCOMPARE(m_runtime->messageTexts(), QStringList());
}

void TestBattleFeed::a_yes_sets_the_defenders_status()
{
    auto* frozen = find<QAction>(m_main, "mnuApplyFrozen");
    QVERIFY(!frozen->isEnabled());
    auto* sheet = qobject_cast<TrainerSheet*>(m_runtime->showWindow("Tab1"));
    find<QAction>(sheet, "UseDefender_1")->trigger();
    write(m_main, "succ", "100");
    scriptRolls(*m_runtime, {50});
    click(m_main, "Work2");
    QCOMPARE(text(m_main, "YN"), "YES");
    QVERIFY(frozen->isEnabled());
    frozen->trigger();
    QCOMPARE(text(sheet, "Combo1_1"), "Frozen");
    QCOMPARE(m_runtime->messageTexts(), QStringList());
}

void TestBattleFeed::a_closed_sheet_is_not_written_to()
{
    QWidget* turn = openTurn();
    m_runtime->scriptDraws(hittingTurn);
    click(turn, "Roll");
    click(turn, "ApplyDamage");
    QCOMPARE(m_runtime->messages().size(), 1); // no page used as defender yet
    QCOMPARE(m_runtime->messages().back().over, turn);

    auto* sheet = qobject_cast<TrainerSheet*>(m_runtime->showWindow("Tab1"));
    write(sheet, "Text11_1", "100");
    find<QAction>(sheet, "UseDefender_1")->trigger();
    sheet->close();
    auto* fresh = qobject_cast<TrainerSheet*>(m_runtime->showWindow("Tab1"));
    write(fresh, "Text11_1", "100");
    m_runtime->scriptDraws(hittingTurn);
    click(turn, "Roll");
    click(turn, "ApplyDamage");
    QCOMPARE(m_runtime->messages().size(), 2);
    QVERIFY(m_runtime->messageTexts().back().contains("closed"));
    QCOMPARE(text(fresh, "Text11_1"), "100");
}

// The menu key opens a page's menu; its first entries are the two uses.
void TestBattleFeed::works_from_the_keyboard_alone()
{
    QWidget* turn = openTurn();
    auto* sheet = qobject_cast<TrainerSheet*>(m_runtime->showWindow("Tab2"));
    write(sheet, {"Text5_1=Tauros", "Text11_1=353"});
    const auto useFromMenu = [](QWidget* field, int entry) {
        QTimer::singleShot(0, [entry] {
            QWidget* menu = QApplication::activePopupWidget();
            QVERIFY(menu);
            for (int step = 0; step <= entry; ++step)
                QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        field->setFocus();
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, field->rect().center(),
                                  field->mapToGlobal(field->rect().center()));
        QApplication::sendEvent(field, &menuKey);
    };
    useFromMenu(find(sheet, "Text11_1"), 1); // Use as Defender
    QCOMPARE(text(turn, "DefenderSpecies"), "Tauros");
    QCOMPARE(find<QSpinBox>(turn, "DefenderHp")->value(), 353);

    m_runtime->scriptDraws(hittingTurn);
    showActive(turn);
    find(turn, "Roll")->setFocus();
    QTest::keyClick(find(turn, "Roll"), Qt::Key_Space);
    QTest::keyClick(find(turn, "Roll"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), find(turn, "ApplyDamage"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(text(sheet, "Text11_1").toInt() < 353);
    QCOMPARE(m_runtime->messageTexts(), QStringList());
}

QTEST_MAIN(TestBattleFeed)
#include "tst_battlefeed.moc"
