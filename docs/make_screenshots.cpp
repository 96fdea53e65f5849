// SPDX-License-Identifier: MIT
// Fills each window the way a player would and saves a picture of it for the README:
// make_screenshots <output directory>. Runs on a real display (scripts/screenshots.sh uses Xvfb).
#include "app/Startup.h"
#include "runtime/TestRuntime.h"
#include "support/SaveWriter.h"
#include "windows/trainer/SheetKeeper.h"
#include "windows/trainer/TrainerSheet.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

template <typename T>
T* find(QWidget* window, const char* name)
{
    T* control = window->findChild<T*>(QString::fromLatin1(name));
    if (!control) {
        std::fprintf(stderr, "no control %s in %s\n", name, qPrintable(window->objectName()));
        std::exit(1);
    }
    return control;
}

void type(QWidget* window, const char* field, const QString& text)
{
    find<QLineEdit>(window, field)->setText(text);
}

void choose(QWidget* window, const char* list, const QString& item)
{
    auto* combo = find<QComboBox>(window, list);
    const int index = combo->findText(item);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void click(QWidget* window, const char* button) { find<QAbstractButton>(window, button)->click(); }

void tick(QWidget* window) { QMetaObject::invokeMethod(find<QTimer>(window, "Timer1"), "timeout"); }

bool save(QWidget* window, const QDir& output, const QString& file)
{
    QApplication::processEvents();
    const bool saved = window->grab().save(output.filePath(file), "PNG");
    if (!saved)
        std::fprintf(stderr, "could not write %s\n", qPrintable(output.filePath(file)));
    return saved;
}

void fillDamageWindow(QWidget* main)
{
    type(main, "attack", "100");
    type(main, "level", "50");
    choose(main, "poke1", "Fire");
    choose(main, "c1", "Flamethrower");
    type(main, "defense", "90");
    type(main, "DHP", "200");
    choose(main, "poke2", "Grass");
    click(main, "Work");
    type(main, "succ", "30");
    click(main, "Work2");
    tick(main);
}

void fillTrainerSheet(QWidget* sheet)
{
    struct Entry {
        const char* field;
        const char* text;
    };
    const Entry firstPage[] = {
        {"Text1", "Sparky"}, {"Text5_1", "Pikachu"}, {"Text11_1", "35"}, {"Text12_1", "35"},
        {"Text6_1", "55"},   {"Text7_1", "30"},      {"Text8_1", "50"},  {"Text9_1", "50"},
        {"Text10_1", "90"},  {"Text13_1", "Thundershock"}, {"Text14_1", "28"},
        {"Text15_1", "30"},  {"Text16_1", "Quick Attack"}, {"Text17_1", "30"},
        {"Text18_1", "30"},  {"Text25_1", "Electric"}, {"Text3", "Ash"}};
    auto* trainer = static_cast<TrainerSheet*>(sheet);
    trainer->showPage(2);
    type(sheet, "Text2", "Rocky");
    trainer->showPage(1);
    for (const Entry& entry : firstPage)
        type(sheet, entry.field, QString::fromUtf8(entry.text));
    find<QComboBox>(sheet, "Combo1_1")->setEditText("Paralyzed");
    find<QPlainTextEdit>(sheet, "Text27_1")->setPlainText("Holds a Light Ball?");
    click(sheet, "Option1_1");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    describeApplication();
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_screenshots <output directory>\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));

    TestRuntime runtime; // records message boxes instead of waiting on them; scripts the dice
    const auto feed = registerWindows(runtime);
    QWidget* splash = runtime.showWindow(WindowId::Splash);
    bool saved = save(splash, output, "splash.png");
    tick(splash);

    QWidget* main = runtime.openWindow(WindowId::Main);
    runtime.scriptDraws({0.1f});
    fillDamageWindow(main);
    saved &= save(main, output, "damage-window.png");

    find<QAction>(main, "mnuAcc")->trigger();
    QWidget* accuracy = runtime.openWindow(WindowId::Accuracy);
    choose(accuracy, "Moves", "Thunderbolt");
    click(accuracy, "plusaccur");
    runtime.scriptDraws({0.3f});
    click(accuracy, "Work");
    saved &= save(accuracy, output, "accuracy-finder.png");

    find<QAction>(main, "mnuCH")->trigger();
    QWidget* critical = runtime.openWindow(WindowId::Critical);
    choose(critical, "poke", "Electrode");
    runtime.scriptDraws({0.2f});
    click(critical, "Command1");
    saved &= save(critical, output, "critical-hit-finder.png");

    find<QAction>(main, "mnuDex")->trigger();
    QWidget* dex = runtime.openWindow(WindowId::Dex);
    choose(dex, "Species", "Mewtwo");
    find<QSpinBox>(dex, "Level")->setValue(70);
    find<QSpinBox>(dex, "StageSpc")->stepUp();
    click(dex, "LightScreen");
    saved &= save(dex, output, "pokedex.png");

    find<QAction>(main, "mnuPT")->trigger();
    QWidget* sheet = runtime.openWindow(WindowId::Trainer1);
    fillTrainerSheet(sheet);
    saved &= save(sheet, output, "trainer-sheet.png");

    // Trainer 2 filled from a Red save written as the game writes it.
    QTemporaryDir folder;
    QFile game(folder.filePath("red.sav"));
    game.open(QIODevice::WriteOnly);
    game.write(QByteArray::fromStdString(savewriter::redSave()));
    game.close();
    auto* imported = static_cast<TrainerSheet*>(runtime.openWindow(WindowId::Trainer2));
    saved &= imported->keeper().importSaveFrom(game.fileName());
    saved &= save(imported, output, "imported-sheet.png");

    find<QAction>(main, "mnuTurn")->trigger();
    QWidget* turn = runtime.openWindow(WindowId::Turn);
    choose(turn, "AttackerSpecies", "Persian");
    choose(turn, "DefenderSpecies", "Chansey");
    choose(turn, "Move", "Slash");
    runtime.scriptDraws({0.2f, 0.9f, 0.5f, 0.5f});
    click(turn, "Roll");
    saved &= save(turn, output, "battle-turn.png");
    return saved ? 0 : 1;
}
