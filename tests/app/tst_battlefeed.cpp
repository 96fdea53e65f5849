// SPDX-License-Identifier: MIT
#include "windows/WindowFixture.h"

#include "app/Startup.h"
#include "battle/Metronome.h"

#include <QAction>

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

private:
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

QTEST_MAIN(TestBattleFeed)
#include "tst_battlefeed.moc"
