// SPDX-License-Identifier: MIT
#include "windows/duel/DuelThread.h"

#include <QThread>
#include <QThreadPool>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <unistd.h>
#endif

// The duel's own thread, below the interface's priority, so a long computation gives way to the
// handlers while still moving on. Kept for the program's life, so closing the window never waits
// for a computation.
QThreadPool& duelThread()
{
    static QThreadPool* const pool = [] {
        auto* threads = new QThreadPool;
        threads->setMaxThreadCount(1);
        threads->setThreadPriority(QThread::LowPriority);
        return threads;
    }();
    return *pool;
}

// Qt's priorities do not reach Linux's usual scheduling; a nice value does, per thread, and the
// duel's helper thread inherits it.
void lowerThisThread()
{
#ifdef Q_OS_LINUX
    constexpr int niceness = 10;
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), niceness);
#endif
}
