// SPDX-License-Identifier: MIT
#include "WindowFixture.h"

#include "battle/CreditsTicker.h"
#include "windows/damage/DamageWindow.h"

#include <QAction>
#include <QPushButton>
#include <QSignalSpy>

using namespace fixture;

namespace {

const QStringList fireOnGrass{"attack=100", "level=50",     "basepower=80", "defense=90",
                              "DHP=200",    "attack1=Fire", "poke1=Fire",   "poke2=Grass"};
const QStringList waterOnFire{"attack=300",    "level=100",   "basepower=150", "defense=50",
                              "attack1=Water", "poke1=Water", "poke2=Fire"};

} // namespace

class TestDamageCommands : public WindowTest<DamageWindow> {
    Q_OBJECT

private slots:
    void init() { open(); }
    void cleanup() { close(); }

    void work_reads_every_field_data();
    void work_reads_every_field();
    void over_999_shows_the_message_before_the_fields_change();
    void copy_items_copy_their_field_as_shown();
    void number_field_texts_are_checked_data();
    void number_field_texts_are_checked();
    void typing_runs_the_check_on_every_change();
    void ticker_cycles_through_eight_lines();
    void submenu_shortcuts_reach_past_text_fields_and_exit_ends();

private:
    void work(const QStringList& entries) const
    {
        write(window(), entries);
        click(window(), "Work");
    }
    QStringList outputs() const
    {
        return {text(window(), "damagedealt"), text(window(), "critical"),
                text(window(), "poison")};
    }
};

// Each row works over a fire-on-grass result; a refused input keeps that result.
void TestDamageCommands::work_reads_every_field_data()
{
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("message");
    const QStringList kept{"107", "216", "12.6"};
    // clang-format off
    QTest::newRow("fire on grass with same-type bonus")   << QStringList{}                                << kept                               << "";
    QTest::newRow("second defending type counts")         << QStringList{"poke22=Grass", "poke1=Water"}   << QStringList{"142", "288", "12.6"} << "";
    QTest::newRow("second attacking type gives bonus")    << QStringList{"poke1=Water", "poke12=Fire"}    << kept                               << "";
    QTest::newRow("the attack list's Toxic names itself") << QStringList{"basepower=0", "attack1=Poison", "poke1=Poison", "poke2=Steel", "c1=Toxic"} << QStringList{"Toxic", "0", "12.6"} << "";
    QTest::newRow("no level")                             << QStringList{"level="}                        << kept                               << "Level of Pokémon required!";
    QTest::newRow("defense not a number")                 << QStringList{"defense=Abc"}                   << kept                               << "Pokémon's Defense Stat must be a number.";
    QTest::newRow("defense 0")                            << QStringList{"defense=0"}                     << kept                               << "Pokémon's Defense Stat cannot be 0.";
    // clang-format on
}

void TestDamageCommands::work_reads_every_field()
{
    QFETCH(QStringList, changes);
    QFETCH(QStringList, expected);
    QFETCH(QString, message);
    work(fireOnGrass);
    work(changes);
    QCOMPARE(outputs(), expected);
    QCOMPARE(runtime().messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
}

void TestDamageCommands::over_999_shows_the_message_before_the_fields_change()
{
    work(fireOnGrass);
    int messagesWhenWritten = -1;
    connect(find<QLineEdit>(window(), "damagedealt"), &QLineEdit::textChanged, this,
            [&] { messagesWhenWritten = int(runtime().messages().size()); });
    work(waterOnFire);
    QCOMPARE(runtime().messageTexts(),
             QStringList{"Damage dealt is over 999! Defending Pokémon fainted!"});
    QCOMPARE(runtime().messages().first().style, Runtime::MessageStyle::Plain);
    QCOMPARE(messagesWhenWritten, 1);
    QCOMPARE(outputs(), QStringList({">999", ">999", "12.6"}));
}

// Each copies its field as shown, the empty text before any computation and ">999" too.
void TestDamageCommands::copy_items_copy_their_field_as_shown()
{
    const auto copy = [this](const char* item) { find<QAction>(window(), item)->trigger(); };
    copy("mnuCN");
    work(fireOnGrass);
    copy("mnuCC");
    copy("mnuCN");
    copy("mnuCP");
    work(waterOnFire);
    copy("mnuCN");
    QCOMPARE(runtime().clipboardHistory(), QStringList({"", "216", "107", "12.6", ">999"}));
    QCOMPARE(runtime().clipboardClears(), 5);
}

void TestDamageCommands::number_field_texts_are_checked_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // empty: the text passes and stays
    const QString number = "Enter Number Only.";
    const QString numbers = "Enter Numbers Only.";
    // clang-format off
    QTest::newRow("attack refuses x")        << "attack"    << "x"  << number;
    QTest::newRow("attack keeps X")          << "attack"    << "X"  << QString();
    QTest::newRow("level refuses a5")        << "level"     << "a5" << number;
    QTest::newRow("basepower refuses x")     << "basepower" << "x"  << number;
    QTest::newRow("defense refuses x")       << "defense"   << "x"  << numbers;
    QTest::newRow("defense keeps X")         << "defense"   << "X"  << QString();
    QTest::newRow("defense keeps zz")        << "defense"   << "zz" << QString();
    QTest::newRow("defense keeps 5a")        << "defense"   << "5a" << QString();
    QTest::newRow("defense refuses z alone") << "defense"   << "z"  << numbers;
    QTest::newRow("DHP refuses z alone")     << "DHP"       << "z"  << numbers;
    QTest::newRow("DHP keeps a blank")       << "DHP"       << " "  << QString();
    // clang-format on
}

// Written texts run the check just like typed ones: a pasted "zz" is not a typed "z" then "z".
void TestDamageCommands::number_field_texts_are_checked()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    write(window(), field, text);
    QCOMPARE(runtime().messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(fixture::text(window(), field), message.isEmpty() ? text : QString());
    QCOMPARE(find(window(), "Work")->isEnabled(), field == "defense");
}

void TestDamageCommands::typing_runs_the_check_on_every_change()
{
    auto* defense = find<QLineEdit>(window(), "defense");
    QTest::keyClicks(defense, "1");
    QTest::keyClick(defense, Qt::Key_Backspace); // emptied: no message, Work stays enabled
    QTest::keyClicks(defense, "x");
    QCOMPARE(defense->text(), "");
    QVERIFY(find(window(), "Work")->isEnabled());

    QTest::keyClicks(find(window(), "attack"), "x5a"); // only the lone "x" is refused
    QCOMPARE(runtime().messageTexts(), QStringList({"Enter Numbers Only.", "Enter Number Only."}));
    QCOMPARE(text(window(), "attack"), "5a");
}

void TestDamageCommands::ticker_cycles_through_eight_lines()
{
    for (int ticks = 1; ticks <= 9; ++ticks) {
        tick(find<QTimer>(window(), "Timer1"));
        QCOMPARE(text(window(), "Label10"),
                 QString::fromUtf8(battle::creditLines.at((ticks - 1) % 8)));
    }
}

// Text fields would take Ctrl+A and its siblings for themselves.
void TestDamageCommands::submenu_shortcuts_reach_past_text_fields_and_exit_ends()
{
    QSignalSpy tracking(window(), &DamageWindow::trackingRequested);
    QSignalSpy accuracy(window(), &DamageWindow::accuracyFinderRequested);
    QSignalSpy critical(window(), &DamageWindow::criticalFinderRequested);
    QSignalSpy turn(window(), &DamageWindow::battleTurnRequested);
    showActive(window());
    const std::pair<const char*, Qt::Key> presses[] = {{"attack", Qt::Key_A}, {"c1", Qt::Key_A},
                                                       {"Text1", Qt::Key_T},  {"poke2", Qt::Key_H},
                                                       {"level", Qt::Key_B}};
    for (const auto& [focus, key] : presses) {
        find(window(), focus)->setFocus();
        QTest::keyClick(find(window(), focus), key, Qt::ControlModifier);
    }
    QCOMPARE(QList<int>({int(tracking.count()), int(accuracy.count()), int(critical.count()),
                         int(turn.count())}),
             QList<int>({1, 2, 1, 1}));
    QCOMPARE(runtime().endRequests(), 0);
    find<QAction>(window(), "mnuExit")->trigger();
    QCOMPARE(runtime().endRequests(), 1);
}

QTEST_MAIN(TestDamageCommands)
#include "tst_damagecommands.moc"
