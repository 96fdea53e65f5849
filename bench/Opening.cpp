// SPDX-License-Identifier: MIT
#include "Opening.h"

#include <QApplication>

#include <sys/wait.h>
#include <unistd.h>

namespace bench {

double timeHandOver(Program& program)
{
    program.watch.expect(objectNameOf(WindowId::Splash));
    QWidget* splash = program.runtime.showWindow(WindowId::Splash);
    waitUntilPainted(program.watch, {objectNameOf(WindowId::Splash)});
    settle();
    program.watch.expect(objectNameOf(WindowId::Main));
    const qint64 clicked = benchClock.nsecsElapsed();
    click(splash);
    const qint64 painted = waitUntilPainted(program.watch, {objectNameOf(WindowId::Main)});
    settle();
    return msSince(clicked, painted);
}

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

std::vector<double> timeOpening(Program& program, QAction* entry, const QList<WindowId>& windows)
{
    std::vector<double> samples;
    for (int repeat = 0; repeat < openRepeats; ++repeat) {
        if (repeat > 0) {
            for (const WindowId window : windows)
                program.runtime.openWindow(window)->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            settle();
        }
        QStringList names;
        for (const WindowId window : windows) {
            names << objectNameOf(window);
            program.watch.expect(names.last());
        }
        const qint64 start = benchClock.nsecsElapsed();
        entry->trigger();
        samples.push_back(msSince(start, waitUntilPainted(program.watch, names)));
        settle();
    }
    return samples;
}

} // namespace bench
