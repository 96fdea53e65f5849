// SPDX-License-Identifier: MIT
// The yardstick of the start-up benchmark: the least a Qt Widgets program does to show a window
// of the splash's client size. It reports as the program's probe does, "first-paint <ns>" on the
// steady clock once its first paint has returned, then "vmhwm <kB>", and quits.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "Report.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

class FirstPaintReport final : public QObject {
public:
    explicit FirstPaintReport(const QWidget* window) : m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_reported || watched != m_window || event->type() != QEvent::Paint)
            return false;
        // Same moment as the program's probe: once the paint has returned.
        m_reported = true;
        QCoreApplication::sendEvent(watched, event);
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("first-paint %lld\nvmhwm %ld\n",
                    static_cast<long long>(std::chrono::nanoseconds(now).count()),
                    bench::peakResidentKb());
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return true;
    }

private:
    const QWidget* m_window;
    bool m_reported = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(394, 307);
    FirstPaintReport report(&window);
    app.installEventFilter(&report);
    window.show();
    return QApplication::exec();
}
