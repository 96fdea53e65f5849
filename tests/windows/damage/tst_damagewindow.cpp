// SPDX-License-Identifier: MIT
#include "support/ProgramFixture.h"

#include "windows/damage/DamageWindow.h"

#include <QSignalSpy>

using namespace fixture;

namespace {

const QStringList fireOnGrass{"attack=100",   "level=50",   "basepower=80", "defense=90", "DHP=200",
                              "attack1>Fire", "poke1>Fire", "poke2>Grass",  "Work!"};
const QStringList waterOnFire{"attack=300",    "level=100",   "basepower=150", "defense=50",
                              "attack1=Water", "poke1=Water", "poke2=Fire",    "Work!"};
const QStringList workedFigures{"damagedealt=107", "critical=216", "poison=12.6"};

// The worked example first, then a change and Work again: a refused press keeps its figures.
QStringList again(const QStringList& changes)
{
    return fireOnGrass + changes + QStringList{"Work!"};
}

} // namespace

class TestDamageWindow : public ProgramTest {
    Q_OBJECT

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void behaviour_data();
    void behaviour() { checkRow("FrmDamage"); }
    void over_999_shows_the_message_before_the_fields_change();
    void typed_list_text_is_never_completed_nor_chosen();
    void submenu_shortcuts_reach_past_text_fields_and_exit_ends();
};

void TestDamageWindow::behaviour_data()
{
    columns();
    const QString number = "Enter Number Only.";
    const QString numbers = "Enter Numbers Only.";
    const QString yes = "Make Sure You're Using: ";
    const QString fainted = "Damage dealt is over 999! Defending Pokémon fainted!";
    const QString bide = "Text1=Lasts for 2 rounds.  Damage paid back is double recieved.";
    const QString growl =
        "Text1=Lowers Other Pokemon's Attack.  This works 6 times on this pokemon, (MAX)";
    // clang-format off
    row("Work waits for the Defense stat",     {"level=50", "Work!"}, {"c1=Select Attack (optional)", "attack1=Select Type", "poke22=Select Type", "Label3=Make Sure You're Using:", "damagedealt=", "YN=", "Label10="});
    row("fire on grass with same-type bonus",  fireOnGrass, workedFigures);
    row("second defending type counts",        again({"poke22>Grass", "poke1>Water"}), {"damagedealt=142", "critical=288"});
    row("second attacking type gives bonus",   again({"poke1>Water", "poke12>Fire"}), workedFigures);
    row("the attack list's Toxic names itself", again({"basepower=0", "attack1=Poison", "poke1=Poison", "poke2=Steel", "c1=Toxic"}), {"damagedealt=Toxic", "critical=0", "poison=12.6"});
    row("no hit points asks for them",         again({"DHP="}), {"damagedealt=107", "poison=EnterHP"});
    row("over 999 warns",                      waterOnFire, {"damagedealt=>999", "critical=>999"}, {fainted});
    row("no level",                            again({"level="}), workedFigures, {"Level of Pokémon required!"});
    row("defense letters",                     again({"defense=Abc"}), workedFigures, {"Pokémon's Defense Stat must be a number."});
    row("defense 0",                           again({"defense=0"}), workedFigures, {"Pokémon's Defense Stat cannot be 0."});
    row("attack beyond a double",              again({"attack=1e999"}), workedFigures, {"Pokémon's Attack Stat must be a number."});
    row("attack in full-width digits",         again({"attack=１２"}), workedFigures, {"Pokémon's Attack Stat must be a number."});
    row("base damage in hexadecimal",          again({"basepower=0x10"}), workedFigures, {"Base Damage must be a number."});
    row("level of two blanks",                 again({"level=  "}), workedFigures, {"Pokémon Level must be a number."});
    row("hit points with a decimal comma",     again({"DHP=1,5"}), workedFigures, {"Pokémon HP must be a number."});
    row("typed nan is refused, then missing",  again({"attack=nan"}), {"attack=", "damagedealt=107"}, {number, "Pokémon's Attack Stat must be a number."});
    row("attack refuses x",                    {"attack=x"}, {"attack="}, {number});
    row("attack keeps X",                      {"attack=X"}, {"attack=X"});
    row("level refuses a5",                    {"level=a5"}, {"level="}, {number});
    row("base damage refuses x",               {"basepower=x"}, {"basepower="}, {number});
    row("defense keeps zz and 5a",             {"defense=zz", "defense=5a"}, {"defense=5a"});
    row("refused defense still enables Work",  {"defense=z", "Work!"}, {"defense="}, {numbers, "Level of Pokémon required!"});
    row("hit points refuse z alone",           {"DHP=z"}, {"DHP="}, {numbers});
    row("hit points keep a blank",             {"DHP= "}, {"DHP= "});
    row("typing checks every change",          {"attack<x5a"}, {"attack=5a"}, {number});
    row("Absorb after Growl: notes emptied",   {"c1>Growl", "c1>Absorb"}, {"basepower=20", "attack1=Grass", "Label3=" + yes + "Special", "Text1="});
    row("Growl after Tackle keeps both",       {"c1>Tackle", "c1>Growl"}, {"basepower=35", "attack1=Normal", "Label3=" + yes, growl});
    row("Dragon Rage shows whole figures",     {"attack=100", "level=50", "basepower=0", "defense=90", "Work!", "c1>Dragon Rage"}, {"damagedealt=40", "critical=80", "basepower=0"});
    row("Bide draws its count anew",           {"c1>Bide", "c1>Bide"}, {bide}, {}, 2, {91, 11});
    row("status change fails above chance",    {"succ= 30 ", "Work2!"}, {"YN=NO"}, {}, 1, {31});
    row("status change holds at chance",       {"succ=30", "Work2!"}, {"YN=YES"}, {}, 1, {30});
    row("chance that is no number draws",      {"succ=30%", "Work2!"}, {"YN="}, {"Enter the chance of success as a number."}, 1);
    row("Info explains in two boxes",          {"Command1!"}, {"YN="}, {"[info] You enter the chance of the move*", "[info] For example, Blizzard*"});
    row("copies are of the fields as shown",   QStringList{"mnuCN!"} + fireOnGrass + QStringList{"mnuCC!", "mnuCN!", "mnuCP!"} + waterOnFire + QStringList{"mnuCN!"}, {"clipboard=|216|107|12.6|>999"}, {fainted});
    row("the credits run through eight lines", QStringList(8, "Timer1!"), {"Label10=Battle Tesh by the Battle Tesh team, 2000 - also works for second-generation battles."});
    row("and then start again",                QStringList(9, "Timer1!"), {"Label10=The Battle Tesh team - created the program."});
    // clang-format on
}

void TestDamageWindow::over_999_shows_the_message_before_the_fields_change()
{
    QWidget* window = show("FrmDamage");
    qsizetype messagesWhenWritten = -1;
    connect(find<QLineEdit>(window, "damagedealt"), &QLineEdit::textChanged, this,
            [&] { messagesWhenWritten = runtime().messages().size(); });
    for (const QString& each : waterOnFire)
        step(window, each);
    QCOMPARE(messagesWhenWritten, 1);
}

void TestDamageWindow::typed_list_text_is_never_completed_nor_chosen()
{
    QWidget* window = show("FrmDamage");
    showActive(window);
    for (const auto& [list, typed] : {std::pair("c1", "Tackle"), std::pair("poke1", "fire")}) {
        auto* combo = find<QComboBox>(window, list);
        combo->setFocus();
        combo->lineEdit()->clear();
        QTest::keyClicks(combo->lineEdit(), typed);
        QTest::keyClick(combo, Qt::Key_Return);
        QTest::keyClick(combo, Qt::Key_Tab); // leaving the box is no choice either
        QCOMPARE(combo->currentText(), typed);
        QCOMPARE(combo->currentIndex(), -1);
    }
    QCOMPARE(text(window, "basepower"), "");
}

// Text fields would take Ctrl+A and its siblings for themselves.
void TestDamageWindow::submenu_shortcuts_reach_past_text_fields_and_exit_ends()
{
    auto* window = static_cast<DamageWindow*>(show("FrmDamage"));
    QSignalSpy tracking(window, &DamageWindow::trackingRequested);
    QSignalSpy accuracy(window, &DamageWindow::accuracyFinderRequested);
    QSignalSpy critical(window, &DamageWindow::criticalFinderRequested);
    showActive(window);
    const std::pair<const char*, Qt::Key> presses[] = {
        {"attack", Qt::Key_A}, {"c1", Qt::Key_A}, {"Text1", Qt::Key_T}, {"poke2", Qt::Key_H}};
    for (const auto& [focus, key] : presses) {
        find(window, focus)->setFocus();
        QTest::keyClick(find(window, focus), key, Qt::ControlModifier);
    }
    QCOMPARE(QList<qsizetype>({tracking.count(), accuracy.count(), critical.count()}),
             QList<qsizetype>({1, 2, 1}));
    step(window, "mnuExit!");
    QCOMPARE(runtime().endRequests(), 1);
}

QTEST_MAIN(TestDamageWindow)
#include "tst_damagewindow.moc"
