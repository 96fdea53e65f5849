// SPDX-License-Identifier: MIT
// Times the program from inside, started as main() starts it with the real runtime on a real
// display: the hand-over from the splash, the opening of the tools, and every handler the user
// triggers. A window counts as painted when the first paint pass that reaches it has returned.

#include "Duels.h"
#include "Handlers.h"
#include "Opening.h"
#include "Report.h"

#include <QAction>
#include <QApplication>

#include <cstdio>

using namespace bench;

namespace {

constexpr double handOverBoundMs = 30;
constexpr double finderBoundMs = 20;
constexpr double trackingBoundMs = 50;

// A tool's menu entry and the windows it opens.
struct Opening {
    const char* figure;
    const char* item;
    QList<WindowId> windows;
    double boundMs;
};

const Opening openings[] = {
    {"Accuracy Finder opened and painted", "mnuAcc", {WindowId::Accuracy}, finderBoundMs},
    {"Critical Hit Finder opened and painted", "mnuCH", {WindowId::Critical}, finderBoundMs},
    {"Pokemon Tracking: both sheets painted",
     "mnuPT",
     {WindowId::Trainer1, WindowId::Trainer2},
     trackingBoundMs},
    {"Pokedex opened and painted", "mnuDex", {WindowId::Dex}, finderBoundMs},
    {"Battle Turn opened and painted", "mnuTurn", {WindowId::Turn}, finderBoundMs},
    {"Duel opened and painted", "mnuDuel", {WindowId::Duel}, finderBoundMs},
};

std::string listed(const std::vector<double>& samples)
{
    std::string text;
    for (const double sample : samples)
        text += bench::format(" %.1f", sample);
    return text;
}

bool reportMedian(const char* figure, const std::vector<double>& samples, double bound)
{
    const double median = bench::median(samples);
    return bench::reportAgainstBound(figure, bench::format("%.2f ms", median), median, bound, "ms");
}

bool reportHandler(const char* figure, const std::vector<double>& samples, double bound)
{
    const double median = bench::median(samples);
    const std::string measured = bench::format("%.3f ms", median) +
                                 bench::format(" (p95 %.3f)", bench::percentile(samples, 0.95));
    return bench::reportAgainstBound(figure, measured, median, bound, "ms");
}

} // namespace

int main(int argc, char* argv[])
{
    std::vector<double> handOvers = timeHandOversElsewhere(argc, argv, handOverProcesses - 1);

    benchClock.start();
    QApplication app(argc, argv);
    Program program;
    handOvers.push_back(timeHandOver(program));

    QWidget* main = program.runtime.openWindow(WindowId::Main);
    std::vector<std::vector<double>> openingTimes;
    for (const Opening& opening : openings)
        openingTimes.push_back(
            timeOpening(program, find<QAction>(main, opening.item), opening.windows));
    std::vector<std::vector<double>> handlerTimes;
    for (const TimedHandler& handler : timedHandlers()) {
        const Timed timed = handler.prepare(program.runtime);
        handlerTimes.push_back(timeHandler(timed.trigger));
        timed.check();
    }
    if (program.guard.boxesSeen() > 0)
        giveUp(QStringLiteral("%1 message boxes appeared").arg(program.guard.boxesSeen()));

    std::printf("In process (battle_tesh_bench: the program's start-up code, real runtime, %s "
                "platform), in ms:\n",
                qPrintable(QGuiApplication::platformName()));
    std::printf("  hand-over, one per fresh process: %s\n", listed(handOvers).c_str());
    for (std::size_t at = 0; at < std::size(openings); ++at)
        std::printf("  %s:%s\n", openings[at].figure, listed(openingTimes[at]).c_str());
    std::printf("  (openings closed and deleted in between; handlers %d times each, repaints "
                "untimed)\n\n",
                handlerRepeats);
    bench::printHeader();
    bool held = reportMedian("click on splash to main window painted", handOvers, handOverBoundMs);
    for (std::size_t at = 0; at < std::size(openings); ++at)
        held &= reportMedian(openings[at].figure, openingTimes[at], openings[at].boundMs);
    for (std::size_t at = 0; at < timedHandlers().size(); ++at)
        held &= reportHandler(timedHandlers()[at].figure, handlerTimes[at],
                              timedHandlers()[at].boundMs);
    held &= timeAndReportDuels();
    return held ? 0 : 1;
}
