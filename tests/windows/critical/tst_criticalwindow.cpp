// SPDX-License-Identifier: MIT
#include "support/ProgramFixture.h"

using namespace fixture;

class TestCriticalWindow : public ProgramTest {
    Q_OBJECT

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void behaviour_data();
    void behaviour() { checkRow("CH"); }
};

void TestCriticalWindow::behaviour_data()
{
    columns();
    const QString first = "Choose a Pokémon first.";
    // clang-format off
    row("fresh window",                        {}, {"CH=Critical ", "poke=Select Pokémon", "bc=Base Critical", "Text2="});
    row("Electrode at roll 37 is critical",    {"poke>Electrode", "Command1!"}, {"bc=37", "Text2=Critical Hit!"}, {}, 1, {37});
    row("Electrode at roll 38 is normal",      {"poke>Electrode", "Command1!"}, {"Text2=Normal Damage."}, {}, 1, {38});
    row("a new species keeps the verdict",     {"poke>Electrode", "Command1!", "poke>Slowpoke"}, {"bc=12", "Text2=Critical Hit!"}, {}, 1, {37});
    row("no species draws, then asks",         {"Command1!"}, {"Text2="}, {first}, 1);
    row("hostile base criticals",              {"bc=1e999", "Command1!", "bc=nan", "Command1!", "bc=", "Command1!"}, {"Text2="}, {first, first, first}, 3);
    row("Mew counts on the way to Mewtwo",     {"poke=", "poke<Mew"}, {"bc=29"});
    row("Mewtwo typed",                        {"poke=", "poke<Mewtwo"}, {"bc=35"});
    row("text naming no species leaves it",    {"poke>Slowpoke", "poke=", "poke<mew", "poke=Mew", "poke< ", "poke=", "poke<Nidoran"}, {"bc=12"});
    row("credits in four boxes",               {"Command2!"}, {}, {"The Battle Tesh team - information", "The Battle Tesh team - initial programming", "Battle Tesh beta testers - beta testing", "The Battle Tesh team - GUI editor"});
    // clang-format on
}

QTEST_MAIN(TestCriticalWindow)
#include "tst_criticalwindow.moc"
