// SPDX-License-Identifier: MIT
#include "BenchProgram.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace bench {

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

void settle()
{
    QEventLoop loop;
    QTimer::singleShot(settleMs, &loop, &QEventLoop::quit);
    loop.exec();
}

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

} // namespace bench
