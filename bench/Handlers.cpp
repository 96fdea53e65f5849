// SPDX-License-Identifier: MIT
#include "Handlers.h"

#include "battle/save/SaveFile.h"

#include "windows/trainer/SheetKeeper.h"
#include "windows/trainer/TrainerSheet.h"

#include <QAction>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace bench {
namespace {

// Alternates two actions, so that the window ends where it started.
std::function<void(int)> toAndFro(std::function<void()> there, std::function<void()> back)
{
    return [there, back](int repeat) { repeat % 2 == 0 ? there() : back(); };
}

void choose(QComboBox* list, const char* item)
{
    list->setCurrentIndex(list->findText(QLatin1String(item)));
    emit list->activated(list->currentIndex());
}

// A worked example that computes without a message: 100 / 50 / 80 against 90 and 200 hit
// points, a Fire attack from a Fire Pokémon on a Grass Pokémon.
Timed work(QtRuntime& runtime)
{
    QWidget* main = runtime.openWindow(WindowId::Main);
    for (const auto& [field, text] : {std::pair{"attack", "100"},
                                      {"level", "50"},
                                      {"basepower", "80"},
                                      {"defense", "90"},
                                      {"DHP", "200"}})
        find<QLineEdit>(main, field)->setText(QLatin1String(text));
    for (const auto& [list, text] :
         {std::pair{"attack1", "Fire"}, {"poke1", "Fire"}, {"poke2", "Grass"}})
        find<QComboBox>(main, list)->setEditText(QLatin1String(text));
    auto* work = find<QPushButton>(main, "Work");
    return {[work](int) { work->click(); },
            [main] { expectFilled(find<QLineEdit>(main, "damagedealt")->text(), "damagedealt"); }};
}

Timed attackChoice(QtRuntime& runtime)
{
    QWidget* main = runtime.openWindow(WindowId::Main);
    auto* c1 = find<QComboBox>(main, "c1");
    const int flamethrower = c1->findText(QStringLiteral("Flamethrower"));
    c1->setCurrentIndex(flamethrower);
    return {[c1, flamethrower](int) { emit c1->activated(flamethrower); },
            [main] {
                expectText(find<QLineEdit>(main, "basepower")->text(), QStringLiteral("95"),
                           "basepower after Flamethrower");
            }};
}

// A digit, then Backspace, into a field that checks every change.
Timed typedKey(QtRuntime& runtime)
{
    auto* attack = find<QLineEdit>(runtime.openWindow(WindowId::Main), "attack");
    typeKey(attack, Qt::Key_5, QStringLiteral("5"));
    expectText(attack->text(), QStringLiteral("1005"), "attack after a digit");
    typeKey(attack, Qt::Key_Backspace, {});
    return {toAndFro([attack] { typeKey(attack, Qt::Key_5, QStringLiteral("5")); },
                     [attack] { typeKey(attack, Qt::Key_Backspace, {}); }),
            [attack] {
                expectText(attack->text(), QStringLiteral("100"),
                           "attack after as many digits as Backspaces");
            }};
}

Timed statusChange(QtRuntime& runtime)
{
    QWidget* main = runtime.openWindow(WindowId::Main);
    find<QLineEdit>(main, "succ")->setText(QStringLiteral("30"));
    auto* work2 = find<QPushButton>(main, "Work2");
    return {[work2](int) { work2->click(); },
            [main] { expectFilled(find<QLabel>(main, "YN")->text(), "YN after Work2"); }};
}

Timed accuracyCounter(QtRuntime& runtime)
{
    QWidget* accuracy = runtime.openWindow(WindowId::Accuracy);
    auto* plus = find<QPushButton>(accuracy, "plusaccur");
    auto* minus = find<QPushButton>(accuracy, "minusaccur");
    auto* count = find<QLineEdit>(accuracy, "accurcount");
    plus->click();
    expectText(count->text(), QStringLiteral("1"), "accurcount after +");
    minus->click();
    return {toAndFro([plus] { plus->click(); }, [minus] { minus->click(); }), [count] {
                expectText(count->text(), QStringLiteral("0"), "accurcount after as many + as -");
            }};
}

Timed criticalAttack(QtRuntime& runtime)
{
    QWidget* critical = runtime.openWindow(WindowId::Critical);
    choose(find<QComboBox>(critical, "poke"), "Electrode");
    auto* attack = find<QPushButton>(critical, "Command1");
    return {[attack](int) { attack->click(); },
            [critical] {
                expectFilled(find<QLineEdit>(critical, "Text2")->text(), "Text2 after Attack!");
            }};
}

// The Pokédex recomputes every figure on each change: a stage stepped, a letter typed.
Timed dexStage(QtRuntime& runtime)
{
    QWidget* dex = runtime.openWindow(WindowId::Dex);
    find<QComboBox>(dex, "Species")->setEditText(QStringLiteral("Mewtwo"));
    auto* stage = find<QSpinBox>(dex, "StageSpc");
    return {toAndFro([stage] { stage->stepUp(); }, [stage] { stage->stepDown(); }), [dex] {
                expectText(find<QLineEdit>(dex, "BattleSpc")->text(), QStringLiteral("205"),
                           "BattleSpc after as many steps up as down");
            }};
}

Timed dexSpecies(QtRuntime& runtime)
{
    QWidget* dex = runtime.openWindow(WindowId::Dex);
    QLineEdit* species = find<QComboBox>(dex, "Species")->lineEdit();
    return {toAndFro([species] { typeKey(species, Qt::Key_Backspace, {}); },
                     [species] { typeKey(species, Qt::Key_O, QStringLiteral("o")); }),
            [dex] {
                expectText(find<QLineEdit>(dex, "StatSpc")->text(), QStringLiteral("205"),
                           "StatSpc after as many letters as Backspaces");
            }};
}

// The heaviest recomputation: a 2-5 strike move against the most HP there is, with critical
// hits, so the KO odds convolve the widest distributions.
Timed turnRecompute(QtRuntime& runtime)
{
    QWidget* turn = runtime.openWindow(WindowId::Turn);
    choose(find<QComboBox>(turn, "AttackerSpecies"), "Persian");
    choose(find<QComboBox>(turn, "DefenderSpecies"), "Chansey");
    choose(find<QComboBox>(turn, "Move"), "Fury Swipes");
    find<QSpinBox>(turn, "AttackerLevel")->setValue(100);
    find<QSpinBox>(turn, "DefenderLevel")->setValue(100);
    expectText(QString::number(find<QSpinBox>(turn, "DefenderHp")->value()), QStringLiteral("703"),
               "DefenderHp of Chansey at 100");
    auto* stage = find<QSpinBox>(turn, "AttackerStage");
    return {[stage](int repeat) { stage->setValue(repeat % 2); },
            [turn] { expectFilled(find<QLineEdit>(turn, "KO")->text(), "KO after a stage"); }};
}

// A Duel input changed: the handler hands the computation to a worker and returns.
Timed duelStage(QtRuntime& runtime)
{
    QWidget* duel = runtime.openWindow(WindowId::Duel);
    auto* stage = find<QSpinBox>(duel, "MineAttackStage");
    return {[stage](int repeat) { stage->setValue(repeat % 2); },
            [duel] {
                QDeadlineTimer deadline(5000);
                while (find<QLineEdit>(duel, "WinChance")->text().isEmpty() &&
                       !deadline.hasExpired())
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
                expectFilled(find<QLineEdit>(duel, "WinChance")->text(),
                             "WinChance after a stage change");
            }};
}

// Metronome picks through the attack list, and Battle Turn follows it.
Timed metronome(QtRuntime& runtime)
{
    QWidget* main = runtime.openWindow(WindowId::Main);
    auto* item = find<QAction>(main, "mnuMetronome");
    return {
        [item](int) { item->trigger(); },
        [main] { expectFilled(find<QComboBox>(main, "c1")->currentText(), "c1 after Metronome"); }};
}

// A sheet page fed to both windows as defender, and a rolled hit applied back to it.
Timed useDefender(QtRuntime& runtime)
{
    QWidget* sheet = runtime.openWindow(WindowId::Trainer2);
    find<QLineEdit>(sheet, "Text5_1")->setText(QStringLiteral("Chansey"));
    find<QLineEdit>(sheet, "Text11_1")->setText(QStringLiteral("703"));
    auto* use = find<QAction>(sheet, "UseDefender_1");
    QWidget* turn = runtime.openWindow(WindowId::Turn);
    return {[use](int) { use->trigger(); },
            [turn] {
                expectText(find<QComboBox>(turn, "DefenderSpecies")->currentText(),
                           QStringLiteral("Chansey"), "DefenderSpecies after Use as Defender");
            }};
}

Timed applyDamage(QtRuntime& runtime)
{
    QWidget* turn = runtime.openWindow(WindowId::Turn);
    choose(find<QComboBox>(turn, "Move"), "Fury Swipes"); // Metronome left its last pick
    auto* roll = find<QPushButton>(turn, "Roll");
    auto* apply = find<QPushButton>(turn, "ApplyDamage");
    auto* hp = find<QLineEdit>(runtime.openWindow(WindowId::Trainer2), "Text11_1");
    return {[roll, apply, hp](int) {
                hp->setText(QStringLiteral("703"));
                for (int miss = 0; !apply->isEnabled(); ++miss) {
                    if (miss == 100)
                        giveUp(QStringLiteral("Battle Turn missed 100 times in a row"));
                    roll->click();
                }
                apply->click();
            },
            [apply] {
                expectText(apply->isEnabled() ? "enabled" : "disabled", QStringLiteral("disabled"),
                           "Apply to Sheet after applying");
            }};
}

// A full sheet: every field of every page holds text, the notes a few lines.
battle::SheetRecord fullSheet()
{
    battle::SheetRecord sheet;
    sheet.trainerName = "Benchmark";
    sheet.activePage = 3;
    for (battle::PageRecord& page : sheet.pages) {
        page = {"Snorlax",  "Nap",
                "Sleeping", "400",
                "523",      "318",
                "228",      "228",
                "228",      "158",
                {},         "Normal",
                "Normal",   std::string(40, 'n') + "\n" + std::string(200, 'x'),
                true,       true};
        for (battle::AttackRecord& attack : page.attacks)
            attack = {"Body Slam", "15", "15"};
    }
    return sheet;
}

TrainerSheet* trainerOne(QtRuntime& runtime)
{
    auto* sheet = runtime.openWindowAs<TrainerSheet>(WindowId::Trainer1);
    if (!sheet)
        giveUp(QStringLiteral("no trainer sheet"));
    return sheet;
}

// Trainer 1's keeper holding the full sheet, and a file for it in a folder that lives as long
// as the bench.
SheetKeeper& fullKeeper(QtRuntime& runtime)
{
    auto* sheet = trainerOne(runtime);
    sheet->load(fullSheet());
    return sheet->keeper();
}

QString sheetPath()
{
    static QTemporaryDir folder;
    return folder.filePath(QStringLiteral("full.json"));
}

// Saving or opening the full sheet's file over and over; a failure stops the run.
Timed sheetFile(QtRuntime& runtime, bool (SheetKeeper::*use)(const QString&), const char* failed)
{
    SheetKeeper& keeper = fullKeeper(runtime);
    return {[&keeper, use, failed](int) {
                if (!(keeper.*use)(sheetPath()))
                    giveUp(QStringLiteral("the sheet could not be %1").arg(QLatin1String(failed)));
            },
            [] {}};
}

Timed sheetSave(QtRuntime& runtime)
{
    return sheetFile(runtime, &SheetKeeper::saveTo, "saved");
}

Timed sheetOpen(QtRuntime& runtime)
{
    return sheetFile(runtime, &SheetKeeper::openFrom, "opened");
}

Timed sheetAutosave(QtRuntime& runtime)
{
    auto* sheet = trainerOne(runtime);
    SheetKeeper& keeper = sheet->keeper();
    auto* hp = find<QLineEdit>(sheet, "Text11_1");
    return {[&keeper, hp](int repeat) {
                hp->setText(QString::number(repeat));
                keeper.flushAutosave();
            },
            [] {}};
}

// A game save with a full party of six named Pikachu, each with four moves, its checksum good.
std::string fullPartySave()
{
    using namespace std::string_view_literals;
    std::string save(0x8000, '\0');
    const auto put = [&save](std::size_t at, std::string_view bytes) {
        save.replace(at, bytes.size(), bytes);
    };
    put(0x2598, "\x91\xA4\xA3\x50"sv); // "Red"
    put(0x2F2C, "\x06\x54\x54\x54\x54\x54\x54\xFF"sv);
    for (std::size_t slot = 0; slot < 6; ++slot) {
        const std::size_t mon = 0x2F34 + 44 * slot;
        put(mon, "\x54\x00\x64\x00\x00\x17\x17\xA3\x54\x2D\x62\x56"sv);
        put(mon + 0x1D, "\xDE\x28\x1E\x14\x32\x00\x64\x00\x50\x00\x40\x00\x70\x00\x50"sv);
        put(0x307E + 11 * slot, "\x8F\x88\x8A\x80\x82\x87\x94\x50"sv); // "PIKACHU"
    }
    put(0x30C1, "\xFF"sv);
    int sum = 0;
    for (std::size_t at = 0x2598; at < 0x3523; ++at)
        sum += static_cast<unsigned char>(save[at]);
    save[0x3523] = static_cast<char>(~sum & 0xFF);
    return save;
}

// Reading the save and filling a sheet from it, as the import does before showing the sheet.
Timed saveFileRead(QtRuntime&)
{
    const auto save = std::make_shared<const std::string>(fullPartySave());
    return {[save](int) {
                const battle::save::SaveFileResult read = battle::save::readSaveFile(*save);
                if (!read.party || read.party->pokemon.size() != 6 || !read.party->notes.empty())
                    giveUp(QStringLiteral("the bench's save was not read whole"));
                if (battle::save::sheetFromParty(*read.party).sheet.activePage != 1)
                    giveUp(QStringLiteral("the bench's save filled no sheet"));
            },
            [] {}};
}

// clang-format off
constexpr TimedHandler handlers[] = {
    {"handler: Work (worked example)",          handlerBoundMs,   work},
    {"handler: c1 choice (Flamethrower)",       handlerBoundMs,   attackChoice},
    {"handler: key typed into attack",          handlerBoundMs,   typedKey},
    {"handler: Work2 (succ 30)",                handlerBoundMs,   statusChange},
    {"handler: plusaccur / minusaccur",         handlerBoundMs,   accuracyCounter},
    {"handler: Attack! (Electrode)",            handlerBoundMs,   criticalAttack},
    {"handler: Pokedex stage stepped (Mewtwo)", handlerBoundMs,   dexStage},
    {"handler: Pokedex letter typed (Mewtwo)",  handlerBoundMs,   dexSpecies},
    {"handler: Battle Turn recomputed (stage)", handlerBoundMs,   turnRecompute},
    {"handler: Duel stage changed",             handlerBoundMs,   duelStage},
    {"handler: Metronome",                      handlerBoundMs,   metronome},
    {"handler: Use as Defender (sheet page)",   handlerBoundMs,   useDefender},
    {"handler: Roll, then Apply to Sheet",      handlerBoundMs,   applyDamage},
    {"full sheet saved",                        sheetFileBoundMs, sheetSave},
    {"full sheet opened",                       sheetFileBoundMs, sheetOpen},
    {"full sheet autosaved after a change",     sheetFileBoundMs, sheetAutosave},
    {"game save read, six Pokemon",             saveFileBoundMs,  saveFileRead},
};
// clang-format on

} // namespace

std::span<const TimedHandler> timedHandlers()
{
    return handlers;
}

} // namespace bench
