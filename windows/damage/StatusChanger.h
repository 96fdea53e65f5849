// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class Runtime;

// The "Status Changer" frame of the main window: one draw decides whether a side effect with the
// chance typed into `succ` takes hold, and "Info" explains how to use it.
class StatusChanger : public QObject {
    Q_OBJECT

public:
    // Finds its controls among the children of `client`.
    StatusChanger(Runtime& runtime, QWidget* client);

signals:
    // After each answer written into YN.
    void answered(const QString& verdict);

private:
    void onWorkClicked();
    void onInfoClicked();

    Runtime& m_runtime;
    QLineEdit* m_chance;
    QLabel* m_verdict;
};
