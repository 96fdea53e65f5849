// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>

// Windows under test must show their messages through the runtime test double. Should a real
// modal dialog ever open, the watchdog closes it (so the test fails instead of hanging) and
// remembers it for the test's cleanup to report.
class ModalWatchdog : public QObject {
public:
    ModalWatchdog()
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::closeStrayDialogs);
        m_timer.start(20);
    }

    bool sawDialog() const { return m_sawDialog; }
    void reset() { m_sawDialog = false; }

private:
    void closeStrayDialogs()
    {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            m_sawDialog = true;
            modal->close();
        }
    }

    QTimer m_timer;
    bool m_sawDialog = false;
};
