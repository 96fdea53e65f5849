// SPDX-License-Identifier: MIT
// Times the program from inside, started as main() starts it with the real runtime on a real
// display: the hand-over from the splash, the opening of the tools, and every handler the user
// triggers. A window counts as painted when the first paint pass that reaches it has returned.

#include "Report.h"
#include "app/Startup.h"
#include "battle/game/Duel.h"
#include "runtime/QtRuntime.h"
#include "windows/trainer/SheetKeeper.h"
#include "windows/trainer/TrainerSheet.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <functional>
#include <span>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int handOverProcesses = 5; // a hand-over happens once a run, so each on a fresh process
constexpr int openRepeats = 7;
constexpr int handlerRepeats = 1000;
constexpr int paintTimeoutMs = 5000;
constexpr int settleMs = 150;
constexpr double handOverBoundMs = 30;
constexpr double finderBoundMs = 20;
constexpr double trackingBoundMs = 50;
constexpr double handlerBoundMs = 2;
constexpr double sheetFileBoundMs = 50;
constexpr double duelBoundMs = 50;       // the median of the level-50 duels
constexpr double slowDuelBoundMs = 1000; // the slowest level-100 duel

QElapsedTimer benchClock;

double msSince(qint64 startNs, qint64 endNs)
{
    return double(endNs - startNs) / 1e6;
}

[[noreturn]] void giveUp(const QString& why)
{
    std::fprintf(stderr, "battle_tesh_bench: %s\n", qPrintable(why));
    std::exit(2);
}

// Notes when each awaited window has been painted: the end of the first paint pass (its
// window's expose or update request) in which any of its widgets painted.
class PaintWatch final : public QObject {
public:
    PaintWatch() { qApp->installEventFilter(this); }

    void expect(const QString& window)
    {
        m_awaited.insert(window);
        m_paintedAt.remove(window);
        m_sawPaint.remove(window);
    }
    bool painted(const QString& window) const { return m_paintedAt.contains(window); }
    qint64 paintedAt(const QString& window) const { return m_paintedAt.value(window); }

    // A paint outside any pass seen here ends, at the latest, when the event loop returns.
    void closeStrayPasses()
    {
        const QSet<QString> open = m_sawPaint;
        for (const QString& window : open)
            finish(window);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Paint:
            notePaint(watched);
            return false;
        case QEvent::Expose:
        case QEvent::UpdateRequest:
            return deliverPass(watched, event);
        default:
            return false;
        }
    }

private:
    static QWidget* windowOf(QObject* watched)
    {
        if (watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            return widget->isWindow() ? widget : nullptr;
        }
        if (watched->isWindowType()) {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->windowHandle() == watched)
                    return widget;
            }
        }
        return nullptr;
    }

    void notePaint(QObject* watched)
    {
        if (!watched->isWidgetType())
            return;
        const QString window = static_cast<QWidget*>(watched)->window()->objectName();
        if (m_awaited.contains(window))
            m_sawPaint.insert(window);
    }

    bool deliverPass(QObject* watched, QEvent* event)
    {
        const QWidget* window = windowOf(watched);
        if (!window || m_delivering.contains(watched) || !m_awaited.contains(window->objectName()))
            return false;
        const QString name = window->objectName();
        // Deliver the pass here, so that its end can be timed.
        m_delivering.insert(watched);
        QCoreApplication::sendEvent(watched, event);
        m_delivering.remove(watched);
        if (m_sawPaint.contains(name))
            finish(name);
        return true;
    }

    void finish(const QString& window)
    {
        m_paintedAt.insert(window, benchClock.nsecsElapsed());
        m_awaited.remove(window);
        m_sawPaint.remove(window);
    }

    QSet<QString> m_awaited;
    QSet<QString> m_sawPaint;
    QSet<QObject*> m_delivering;
    QHash<QString, qint64> m_paintedAt;
};

// The real runtime's message box would wait for a user: close any modal box at once and count
// it, so that the run reports it instead of hanging.
class ModalGuard final : public QObject {
public:
    ModalGuard()
    {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, &ModalGuard::closeModal);
        timer->start(100);
    }
    int boxesSeen() const { return m_seen; }

private:
    void closeModal()
    {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++m_seen;
            modal->close();
        }
    }

    int m_seen = 0;
};

// The program as main() starts it, with what the bench watches it by. Needs the application.
struct Program {
    Program()
    {
        describeApplication();
        registerWindows(runtime);
    }

    QtRuntime runtime;
    PaintWatch watch;
    ModalGuard guard;
};

void settle()
{
    QEventLoop loop;
    QTimer::singleShot(settleMs, &loop, &QEventLoop::quit);
    loop.exec();
}

// Processes events until every window named has been painted; the last one's time.
qint64 waitUntilPainted(PaintWatch& watch, const QStringList& windows)
{
    const QDeadlineTimer deadline(paintTimeoutMs);
    const auto allPainted = [&] {
        return std::all_of(windows.begin(), windows.end(),
                           [&](const QString& window) { return watch.painted(window); });
    };
    while (!allPainted()) {
        if (deadline.hasExpired())
            giveUp(windows.join(", ") + " not painted in time");
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        watch.closeStrayPasses();
    }
    qint64 last = 0;
    for (const QString& window : windows)
        last = std::max(last, watch.paintedAt(window));
    return last;
}

template <typename T> T* find(const QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found)
        giveUp(QStringLiteral("no %1 in %2").arg(QLatin1String(name), window->objectName()));
    return found;
}

void click(QWidget* target)
{
    const QPointF inside(10, 10);
    const QPointF global = target->mapToGlobal(inside);
    QMouseEvent press(QEvent::MouseButtonPress, inside, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    const QPointer<QWidget> alive(target);
    QCoreApplication::sendEvent(target, &press);
    if (alive)
        QCoreApplication::sendEvent(target, &release);
}

void typeKey(QWidget* target, Qt::Key key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

// Shows the splash, lets it settle as a user would look at it, clicks it: the time from the
// click to the main window painted, in ms.
double timeHandOver(Program& program)
{
    program.watch.expect(QStringLiteral("frmSplash"));
    QWidget* splash = program.runtime.showWindow(QStringLiteral("frmSplash"));
    waitUntilPainted(program.watch, {QStringLiteral("frmSplash")});
    settle();
    program.watch.expect(QStringLiteral("FrmDamage"));
    const qint64 clicked = benchClock.nsecsElapsed();
    click(splash);
    const qint64 painted = waitUntilPainted(program.watch, {QStringLiteral("FrmDamage")});
    settle();
    return msSince(clicked, painted);
}

// Hand-overs in fresh processes, forked before this one starts Qt; the times in ms.
std::vector<double> timeHandOversElsewhere(int argc, char* argv[], int processes)
{
    std::vector<double> samples;
    for (int process = 0; process < processes; ++process) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0)
            giveUp(QStringLiteral("no pipe"));
        const pid_t child = fork();
        if (child == 0) {
            close(pipeEnds[0]);
            benchClock.start();
            QApplication app(argc, argv);
            Program program;
            const double ms = timeHandOver(program);
            const bool written = write(pipeEnds[1], &ms, sizeof ms) == sizeof ms;
            _exit(written ? 0 : 1);
        }
        close(pipeEnds[1]);
        double ms = 0;
        const bool read = child > 0 && ::read(pipeEnds[0], &ms, sizeof ms) == sizeof ms;
        close(pipeEnds[0]);
        int status = 0;
        if (child > 0)
            waitpid(child, &status, 0);
        if (!read || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            giveUp(QStringLiteral("a hand-over process failed"));
        samples.push_back(ms);
    }
    return samples;
}

// Opens the windows through the menu entry several times, closing and deleting them in
// between; the times from the trigger to the last of them painted, in ms. The last opening
// stays open.
std::vector<double> timeOpening(Program& program, QAction* entry, const QStringList& windows)
{
    std::vector<double> samples;
    for (int repeat = 0; repeat < openRepeats; ++repeat) {
        if (repeat > 0) {
            for (const QString& window : windows)
                program.runtime.openWindow(window)->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            settle();
        }
        for (const QString& window : windows)
            program.watch.expect(window);
        const qint64 start = benchClock.nsecsElapsed();
        entry->trigger();
        samples.push_back(msSince(start, waitUntilPainted(program.watch, windows)));
        settle();
    }
    return samples;
}

// Runs the handler's trigger many times, letting the window repaint untimed in between.
std::vector<double> timeHandler(const std::function<void(int)>& trigger)
{
    std::vector<double> samples;
    samples.reserve(handlerRepeats);
    for (int repeat = 0; repeat < handlerRepeats; ++repeat) {
        const qint64 start = benchClock.nsecsElapsed();
        trigger(repeat);
        samples.push_back(msSince(start, benchClock.nsecsElapsed()));
        QCoreApplication::processEvents();
    }
    return samples;
}

std::string listed(const std::vector<double>& samples)
{
    std::string text;
    for (const double sample : samples)
        text += bench::format(" %.1f", sample);
    return text;
}

void expectText(const QString& actual, const QString& expected, const char* what)
{
    if (actual != expected)
        giveUp(QStringLiteral("%1 is \"%2\", expected \"%3\"")
                   .arg(QLatin1String(what), actual, expected));
}

void expectFilled(const QString& actual, const char* what)
{
    if (actual.isEmpty())
        giveUp(QStringLiteral("%1 stayed empty").arg(QLatin1String(what)));
}

struct HandlerTimes {
    std::vector<double> work;
    std::vector<double> attackChoice;
    std::vector<double> typedKey;
    std::vector<double> work2;
    std::vector<double> counter;
    std::vector<double> attackButton;
    std::vector<double> dexStage;
    std::vector<double> dexSpecies;
    std::vector<double> turnRecompute;
    std::vector<double> metronome;
    std::vector<double> useDefender;
    std::vector<double> applyDamage;
    std::vector<double> duelStage;
};

HandlerTimes timeHandlers(QtRuntime& runtime)
{
    HandlerTimes times;
    QWidget* main = runtime.openWindow(QStringLiteral("FrmDamage"));

    // A worked example that computes without a message: 100 / 50 / 80 against 90 and 200 hit
    // points, a Fire attack from a Fire Pokémon on a Grass Pokémon.
    find<QLineEdit>(main, "attack")->setText(QStringLiteral("100"));
    find<QLineEdit>(main, "level")->setText(QStringLiteral("50"));
    find<QLineEdit>(main, "basepower")->setText(QStringLiteral("80"));
    find<QLineEdit>(main, "defense")->setText(QStringLiteral("90"));
    find<QLineEdit>(main, "DHP")->setText(QStringLiteral("200"));
    find<QComboBox>(main, "attack1")->setEditText(QStringLiteral("Fire"));
    find<QComboBox>(main, "poke1")->setEditText(QStringLiteral("Fire"));
    find<QComboBox>(main, "poke2")->setEditText(QStringLiteral("Grass"));
    auto* work = find<QPushButton>(main, "Work");
    times.work = timeHandler([work](int) { work->click(); });
    expectFilled(find<QLineEdit>(main, "damagedealt")->text(), "damagedealt after Work");

    auto* c1 = find<QComboBox>(main, "c1");
    const int flamethrower = c1->findText(QStringLiteral("Flamethrower"));
    c1->setCurrentIndex(flamethrower);
    times.attackChoice = timeHandler([c1, flamethrower](int) { emit c1->activated(flamethrower); });
    expectText(find<QLineEdit>(main, "basepower")->text(), QStringLiteral("95"),
               "basepower after Flamethrower");

    // A digit, then Backspace, into a field that checks every change.
    auto* attack = find<QLineEdit>(main, "attack");
    typeKey(attack, Qt::Key_5, QStringLiteral("5"));
    expectText(attack->text(), QStringLiteral("1005"), "attack after a digit");
    typeKey(attack, Qt::Key_Backspace, {});
    times.typedKey = timeHandler([attack](int repeat) {
        if (repeat % 2 == 0)
            typeKey(attack, Qt::Key_5, QStringLiteral("5"));
        else
            typeKey(attack, Qt::Key_Backspace, {});
    });
    expectText(attack->text(), QStringLiteral("100"), "attack after as many digits as Backspaces");

    find<QLineEdit>(main, "succ")->setText(QStringLiteral("30"));
    auto* work2 = find<QPushButton>(main, "Work2");
    times.work2 = timeHandler([work2](int) { work2->click(); });
    expectFilled(find<QLabel>(main, "YN")->text(), "YN after Work2");

    QWidget* accuracy = runtime.openWindow(QStringLiteral("Acc"));
    auto* plus = find<QPushButton>(accuracy, "plusaccur");
    auto* minus = find<QPushButton>(accuracy, "minusaccur");
    plus->click();
    expectText(find<QLineEdit>(accuracy, "accurcount")->text(), QStringLiteral("1"),
               "accurcount after +");
    minus->click();
    times.counter =
        timeHandler([plus, minus](int repeat) { (repeat % 2 == 0 ? plus : minus)->click(); });
    expectText(find<QLineEdit>(accuracy, "accurcount")->text(), QStringLiteral("0"),
               "accurcount after as many + as -");

    QWidget* critical = runtime.openWindow(QStringLiteral("CH"));
    auto* poke = find<QComboBox>(critical, "poke");
    const int electrode = poke->findText(QStringLiteral("Electrode"));
    poke->setCurrentIndex(electrode);
    emit poke->activated(electrode);
    auto* attackButton = find<QPushButton>(critical, "Command1");
    times.attackButton = timeHandler([attackButton](int) { attackButton->click(); });
    expectFilled(find<QLineEdit>(critical, "Text2")->text(), "Text2 after Attack!");

    // The Pokédex recomputes every figure on each change: a stage stepped, a letter typed.
    QWidget* dex = runtime.openWindow(QStringLiteral("Dex"));
    auto* species = find<QComboBox>(dex, "Species");
    species->setEditText(QStringLiteral("Mewtwo"));
    auto* stage = find<QSpinBox>(dex, "StageSpc");
    times.dexStage = timeHandler([stage](int repeat) {
        if (repeat % 2 == 0)
            stage->stepUp();
        else
            stage->stepDown();
    });
    expectText(find<QLineEdit>(dex, "BattleSpc")->text(), QStringLiteral("205"),
               "BattleSpc after as many steps up as down");
    times.dexSpecies = timeHandler([species](int repeat) {
        if (repeat % 2 == 0)
            typeKey(species->lineEdit(), Qt::Key_Backspace, {});
        else
            typeKey(species->lineEdit(), Qt::Key_O, QStringLiteral("o"));
    });
    expectText(find<QLineEdit>(dex, "StatSpc")->text(), QStringLiteral("205"),
               "StatSpc after as many letters as Backspaces");

    // The heaviest recomputation: a 2-5 strike move against the most HP there is, with critical
    // hits, so the KO odds convolve the widest distributions.
    QWidget* turn = runtime.openWindow(QStringLiteral("Turn"));
    for (const auto& [list, item] : {std::pair{"AttackerSpecies", "Persian"},
                                     {"DefenderSpecies", "Chansey"},
                                     {"Move", "Fury Swipes"}}) {
        auto* combo = find<QComboBox>(turn, list);
        combo->setCurrentIndex(combo->findText(QLatin1String(item)));
        emit combo->activated(combo->currentIndex());
    }
    find<QSpinBox>(turn, "AttackerLevel")->setValue(100);
    find<QSpinBox>(turn, "DefenderLevel")->setValue(100);
    expectText(QString::number(find<QSpinBox>(turn, "DefenderHp")->value()), QStringLiteral("703"),
               "DefenderHp of Chansey at 100");
    auto* attackerStage = find<QSpinBox>(turn, "AttackerStage");
    times.turnRecompute =
        timeHandler([attackerStage](int repeat) { attackerStage->setValue(repeat % 2); });
    expectFilled(find<QLineEdit>(turn, "KO")->text(), "KO after a stage change");

    // Metronome picks through the attack list, and Battle Turn follows it.
    auto* metronome = find<QAction>(main, "mnuMetronome");
    times.metronome = timeHandler([metronome](int) { metronome->trigger(); });
    expectFilled(find<QComboBox>(main, "c1")->currentText(), "c1 after Metronome");

    // A sheet page fed to both windows as defender, and a rolled hit applied back to it.
    QWidget* sheet = runtime.openWindow(QStringLiteral("Tab2"));
    find<QLineEdit>(sheet, "Text5_1")->setText(QStringLiteral("Chansey"));
    find<QLineEdit>(sheet, "Text11_1")->setText(QStringLiteral("703"));
    auto* useDefender = find<QAction>(sheet, "UseDefender_1");
    times.useDefender = timeHandler([useDefender](int) { useDefender->trigger(); });
    expectText(find<QComboBox>(turn, "DefenderSpecies")->currentText(), QStringLiteral("Chansey"),
               "DefenderSpecies after Use as Defender");
    // Metronome left Battle Turn on its last pick; a damaging move again.
    auto* move = find<QComboBox>(turn, "Move");
    move->setCurrentIndex(move->findText(QStringLiteral("Fury Swipes")));
    emit move->activated(move->currentIndex());
    auto* roll = find<QPushButton>(turn, "Roll");
    auto* apply = find<QPushButton>(turn, "ApplyDamage");
    auto* hp = find<QLineEdit>(sheet, "Text11_1");
    times.applyDamage = timeHandler([roll, apply, hp](int) {
        hp->setText(QStringLiteral("703"));
        for (int miss = 0; !apply->isEnabled(); ++miss) {
            if (miss == 100)
                giveUp(QStringLiteral("Battle Turn missed 100 times in a row"));
            roll->click();
        }
        apply->click();
    });
    expectText(find<QPushButton>(turn, "ApplyDamage")->isEnabled() ? "enabled" : "disabled",
               QStringLiteral("disabled"), "Apply to Sheet after applying");

    // A Duel input changed: the handler hands the computation to a worker and returns.
    QWidget* duel = runtime.openWindow(QStringLiteral("Duel"));
    auto* duelStage = find<QSpinBox>(duel, "MineAttackStage");
    times.duelStage = timeHandler([duelStage](int repeat) { duelStage->setValue(repeat % 2); });
    QDeadlineTimer deadline(5000);
    while (find<QLineEdit>(duel, "WinChance")->text().isEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    expectFilled(find<QLineEdit>(duel, "WinChance")->text(), "WinChance after a stage change");
    return times;
}

// Duels at full HP on the maximum preset, timed straight from the rules as the Duel's worker
// computes them.
struct DuelCase {
    const char* mine;
    const char* mineMove;
    const char* foe;
    const char* foeMove;
};
// clang-format off
constexpr DuelCase levelFiftyDuels[] = {
    {"Tauros",    "Body Slam",    "Snorlax",   "Body Slam"},
    {"Snorlax",   "Hyper Beam",   "Tauros",    "Hyper Beam"},
    {"Tauros",    "Double-Edge",  "Dragonite", "Hyper Beam"},
    {"Golem",     "Explosion",    "Alakazam",  "Psychic"},
    {"Electrode", "Explosion",    "Jolteon",   "Thunderbolt"},
    {"Charizard", "Flamethrower", "Snorlax",   "Body Slam"},
    {"Arcanine",  "Flamethrower", "Tauros",    "Body Slam"},
    {"Raichu",    "Thunderbolt",  "Snorlax",   "Body Slam"},
    {"Muk",       "Sludge",       "Snorlax",   "Body Slam"},
    {"Jynx",      "Ice Beam",     "Alakazam",  "Seismic Toss"},
    {"Pinsir",    "Slash",        "Scyther",   "Slash"},
    {"Venusaur",  "Mega Drain",   "Tauros",    "Body Slam"},
    {"Starmie",   "Surf",         "Rhydon",    "Earthquake"},
    {"Gengar",    "Night Shade",  "Chansey",   "Seismic Toss"},
    {"Lapras",    "Blizzard",     "Zapdos",    "Thunder"},
    {"Exeggutor", "Mega Drain",   "Golem",     "Rock Slide"},
    {"Persian",   "Slash",        "Dugtrio",   "Earthquake"},
    {"Nidoking",  "Thunderbolt",  "Cloyster",  "Blizzard"},
    {"Mewtwo",    "Psychic",      "Mew",       "Psychic"},
    {"Chansey",   "Ice Beam",     "Snorlax",   "Body Slam"},
};
constexpr DuelCase levelHundredDuels[] = {
    {"Chansey",   "Pound",        "Chansey",   "Pound"},
    {"Chansey",   "Seismic Toss", "Chansey",   "Seismic Toss"},
    {"Chansey",   "Ice Beam",     "Chansey",   "Thunderbolt"},
    {"Chansey",   "Body Slam",    "Chansey",   "Thunderbolt"},
    {"Chansey",   "Psywave",      "Chansey",   "Super Fang"},
    {"Chansey",   "Double-Edge",  "Chansey",   "Body Slam"},
};
// clang-format on

battle::game::DuelSide duelSide(const char* species, const char* move, int level)
{
    using namespace battle::game;
    DuelSide side;
    side.fighter.species = findSpecies(species);
    side.move = findMove(move);
    if (!side.fighter.species || !side.move)
        giveUp(QStringLiteral("no species %1 or move %2").arg(species, move));
    const Training training = *presetTraining(Preset::Maximum);
    side.fighter.level = level;
    side.fighter.stats =
        computeStats(side.fighter.species->base, training.dvs, training.statExp, level);
    side.hp = side.fighter.stats.hp;
    return side;
}

std::vector<double> timeDuels(std::span<const DuelCase> duels, int level)
{
    std::vector<double> samples;
    for (const DuelCase& c : duels) {
        const battle::game::DuelInputs inputs{duelSide(c.mine, c.mineMove, level),
                                              duelSide(c.foe, c.foeMove, level)};
        const qint64 start = benchClock.nsecsElapsed();
        const battle::game::DuelResult result = battle::game::computeDuel(inputs);
        samples.push_back(msSince(start, benchClock.nsecsElapsed()));
        if (std::abs(result.won + result.lost + result.drawn + result.undecided - 1) > 1e-9)
            giveUp(QStringLiteral("the duel %1 against %2 does not add up").arg(c.mine, c.foe));
    }
    return samples;
}

struct SheetFileTimes {
    std::vector<double> save;
    std::vector<double> open;
    std::vector<double> autosave;
};

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

SheetFileTimes timeSheetFiles(QtRuntime& runtime)
{
    SheetFileTimes times;
    auto* sheet = static_cast<TrainerSheet*>(runtime.openWindow(QStringLiteral("Tab1")));
    SheetKeeper& keeper = sheet->keeper();
    sheet->load(fullSheet());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("full.json"));
    times.save = timeHandler([&keeper, &path](int) {
        if (!keeper.saveTo(path))
            giveUp(QStringLiteral("the sheet could not be saved"));
    });
    times.open = timeHandler([&keeper, &path](int) {
        if (!keeper.openFrom(path))
            giveUp(QStringLiteral("the sheet could not be opened"));
    });
    auto* hp = find<QLineEdit>(sheet, "Text11_1");
    times.autosave = timeHandler([&keeper, hp](int repeat) {
        hp->setText(QString::number(repeat));
        keeper.flushAutosave();
    });
    return times;
}

bool reportMedian(const char* figure, const std::vector<double>& samples, double bound)
{
    const double median = bench::median(samples);
    return bench::reportAgainstBound(figure, bench::format("%.2f ms", median), median, bound, "ms");
}

bool reportHandler(const char* figure, const std::vector<double>& samples)
{
    const double median = bench::median(samples);
    const std::string measured = bench::format("%.3f ms", median) +
                                 bench::format(" (p95 %.3f)", bench::percentile(samples, 0.95));
    return bench::reportAgainstBound(figure, measured, median, handlerBoundMs, "ms");
}

} // namespace

int main(int argc, char* argv[])
{
    std::vector<double> handOvers = timeHandOversElsewhere(argc, argv, handOverProcesses - 1);

    benchClock.start();
    QApplication app(argc, argv);
    Program program;
    handOvers.push_back(timeHandOver(program));

    QWidget* main = program.runtime.openWindow(QStringLiteral("FrmDamage"));
    const auto accuracyOpenings =
        timeOpening(program, find<QAction>(main, "mnuAcc"), {QStringLiteral("Acc")});
    const auto criticalOpenings =
        timeOpening(program, find<QAction>(main, "mnuCH"), {QStringLiteral("CH")});
    const auto trackingOpenings = timeOpening(program, find<QAction>(main, "mnuPT"),
                                              {QStringLiteral("Tab1"), QStringLiteral("Tab2")});
    const auto dexOpenings =
        timeOpening(program, find<QAction>(main, "mnuDex"), {QStringLiteral("Dex")});
    const auto turnOpenings =
        timeOpening(program, find<QAction>(main, "mnuTurn"), {QStringLiteral("Turn")});
    const auto duelOpenings =
        timeOpening(program, find<QAction>(main, "mnuDuel"), {QStringLiteral("Duel")});
    const HandlerTimes handlers = timeHandlers(program.runtime);
    const auto duels = timeDuels(levelFiftyDuels, 50);
    const auto slowDuels = timeDuels(levelHundredDuels, 100);
    const SheetFileTimes sheetFiles = timeSheetFiles(program.runtime);
    if (program.guard.boxesSeen() > 0)
        giveUp(QStringLiteral("%1 message boxes appeared").arg(program.guard.boxesSeen()));

    std::printf("In process (battle_tesh_bench: the program's start-up code, real runtime, %s "
                "platform), in ms:\n",
                qPrintable(QGuiApplication::platformName()));
    std::printf("  hand-over, one per fresh process:  %s\n", listed(handOvers).c_str());
    std::printf("  Accuracy Finder openings:          %s\n", listed(accuracyOpenings).c_str());
    std::printf("  Critical Hit Finder openings:      %s\n", listed(criticalOpenings).c_str());
    std::printf("  Pokemon Tracking openings:         %s\n", listed(trackingOpenings).c_str());
    std::printf("  Pokedex openings:                  %s\n", listed(dexOpenings).c_str());
    std::printf("  Battle Turn openings:              %s\n", listed(turnOpenings).c_str());
    std::printf("  Duel openings:                     %s\n", listed(duelOpenings).c_str());
    std::printf("  Duels at level 50:                 %s\n", listed(duels).c_str());
    std::printf("  Duels at level 100 (Chansey):      %s\n", listed(slowDuels).c_str());
    std::printf("  (openings closed and deleted in between; handlers %d times each, repaints "
                "untimed)\n\n",
                handlerRepeats);
    bench::printHeader();
    bool held = reportMedian("click on splash to main window painted", handOvers, handOverBoundMs);
    held &= reportMedian("Accuracy Finder opened and painted", accuracyOpenings, finderBoundMs);
    held &= reportMedian("Critical Hit Finder opened and painted", criticalOpenings, finderBoundMs);
    held &=
        reportMedian("Pokemon Tracking: both sheets painted", trackingOpenings, trackingBoundMs);
    held &= reportMedian("Pokedex opened and painted", dexOpenings, finderBoundMs);
    held &= reportHandler("handler: Work (worked example)", handlers.work);
    held &= reportHandler("handler: c1 choice (Flamethrower)", handlers.attackChoice);
    held &= reportHandler("handler: key typed into attack", handlers.typedKey);
    held &= reportHandler("handler: Work2 (succ 30)", handlers.work2);
    held &= reportHandler("handler: plusaccur / minusaccur", handlers.counter);
    held &= reportMedian("Battle Turn opened and painted", turnOpenings, finderBoundMs);
    held &= reportHandler("handler: Attack! (Electrode)", handlers.attackButton);
    held &= reportMedian("full sheet saved", sheetFiles.save, sheetFileBoundMs);
    held &= reportMedian("full sheet opened", sheetFiles.open, sheetFileBoundMs);
    held &=
        reportMedian("full sheet autosaved after a change", sheetFiles.autosave, sheetFileBoundMs);
    held &= reportHandler("handler: Pokedex stage stepped (Mewtwo)", handlers.dexStage);
    held &= reportHandler("handler: Pokedex letter typed (Mewtwo)", handlers.dexSpecies);
    held &= reportHandler("handler: Battle Turn recomputed (stage)", handlers.turnRecompute);
    held &= reportHandler("handler: Metronome", handlers.metronome);
    held &= reportHandler("handler: Use as Defender (sheet page)", handlers.useDefender);
    held &= reportHandler("handler: Roll, then Apply to Sheet", handlers.applyDamage);
    held &= reportMedian("Duel opened and painted", duelOpenings, finderBoundMs);
    held &= reportHandler("handler: Duel stage changed", handlers.duelStage);
    held &= reportMedian("Duel: 20 level-50 duels computed", duels, duelBoundMs);
    held &= bench::reportAgainstBound(
        "Duel: slowest level-100 duel computed",
        bench::format("%.1f ms", *std::max_element(slowDuels.begin(), slowDuels.end())),
        *std::max_element(slowDuels.begin(), slowDuels.end()), slowDuelBoundMs, "ms");
    return held ? 0 : 1;
}
