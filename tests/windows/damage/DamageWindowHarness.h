// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/TestRuntime.h"
#include "windows/damage/DamageWindow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

// A freshly loaded main window on the runtime test double, with its controls found by name.
struct DamageWindowHarness {
    TestRuntime runtime;
    DamageWindow window{runtime};

    template <typename T> T* find(const char* name) const
    {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    QComboBox* list(const char* name) const { return find<QComboBox>(name); }
    QLabel* label(const char* name) const { return find<QLabel>(name); }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QAction* action(const char* name) const { return find<QAction>(name); }
    QPlainTextEdit* notes() const { return find<QPlainTextEdit>("Text1"); }
    QTimer* timer() const { return find<QTimer>("Timer1"); }
    // One tick of the credits timer, without waiting for it.
    void tick() const { QMetaObject::invokeMethod(timer(), "timeout"); }

    // Picks the item from the attack list, as a click in its drop-down does.
    void choose(const QString& attack) const
    {
        QComboBox* c1 = list("c1");
        const int index = c1->findText(attack);
        c1->setCurrentIndex(index);
        emit c1->activated(index);
    }

    void enterStats(const QString& attack, const QString& level, const QString& basePower,
                    const QString& defense) const
    {
        field("attack")->setText(attack);
        field("level")->setText(level);
        field("basepower")->setText(basePower);
        field("defense")->setText(defense);
    }

    void enterTypes(const QString& attackType, const QString& attacker,
                    const QString& defender) const
    {
        list("attack1")->setEditText(attackType);
        list("poke1")->setEditText(attacker);
        list("poke2")->setEditText(defender);
    }

    // Every message box so far belongs to the main window, so none can open behind it.
    bool messagesOverWindow() const
    {
        for (const TestRuntime::Message& message : runtime.messages()) {
            if (message.over != &window || message.title != Runtime::applicationTitle())
                return false;
        }
        return true;
    }
};
