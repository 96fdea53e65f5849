// SPDX-License-Identifier: MIT
#pragma once

// What every window test needs: its controls by name, their texts whatever their kind, choices
// from a list as a click makes them, scripted rolls and a check that messages stay over the window.

#include "battle/Draw.h"
#include "runtime/TestRuntime.h"
#include "support/ModalWatchdog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <memory>

namespace fixture {

template <typename T = QWidget> T* find(const QObject* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// The text a field, list, label or notes box shows.
inline QString text(const QObject* window, const QString& name)
{
    const QWidget* control = find(window, name);
    if (auto* field = qobject_cast<const QLineEdit*>(control))
        return field->text();
    if (auto* list = qobject_cast<const QComboBox*>(control))
        return list->currentText();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return find<QPlainTextEdit>(window, name)->toPlainText();
}

// Writes a field's text, or a list's edit text, as a paste would.
inline void write(const QObject* window, const QString& name, const QString& text)
{
    QWidget* control = find(window, name);
    if (auto* list = qobject_cast<QComboBox*>(control))
        list->setEditText(text);
    else
        find<QLineEdit>(window, name)->setText(text);
}

// "name=text" entries, written in order.
inline void write(const QObject* window, const QStringList& entries)
{
    for (const QString& entry : entries)
        write(window, entry.section('=', 0, 0), entry.section('=', 1));
}

inline void click(const QObject* window, const QString& button)
{
    QTest::mouseClick(find(window, button), Qt::LeftButton);
}

inline QStringList items(const QComboBox* list)
{
    QStringList texts;
    for (int index = 0; index < list->count(); ++index)
        texts << list->itemText(index);
    return texts;
}

// Picks the item as a click in the list's drop-down does.
inline void choose(QComboBox* list, const QString& item)
{
    const int index = list->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(item));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// Types into a list's edit part over whatever it showed.
inline void retype(QComboBox* list, const QString& typed)
{
    list->lineEdit()->clear();
    QTest::keyClicks(list->lineEdit(), typed);
}

// One timeout, without waiting for it.
inline void tick(QTimer* timer)
{
    QMetaObject::invokeMethod(timer, "timeout");
}

inline void showActive(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// A draw from the middle of the roll's range, checked to give that roll.
inline void scriptRolls(TestRuntime& runtime, std::initializer_list<int> rolls)
{
    for (const int roll : rolls) {
        const float draw = (static_cast<float>(roll) - 0.5f) / 100.0f;
        QCOMPARE(battle::rollOneToHundred(draw), static_cast<float>(roll));
        runtime.scriptDraws({draw});
    }
}

// Every message so far stood over the window, under the application's title.
inline bool messagesOver(const TestRuntime& runtime, const QWidget* window)
{
    for (const TestRuntime::Message& message : runtime.messages()) {
        if (message.over != window || message.title != Runtime::applicationTitle())
            return false;
    }
    return true;
}

// Each test function gets the window freshly loaded on the runtime test double; afterwards every
// message must have stood over it and no real dialog may have opened.
template <typename Window> class WindowTest : public QObject {
protected:
    void open()
    {
        m_watchdog.reset();
        m_opened = std::make_unique<Opened>();
    }
    void close()
    {
        QVERIFY(messagesOver(runtime(), window()));
        m_opened.reset();
        QVERIFY(!m_watchdog.sawDialog());
    }
    TestRuntime& runtime() const { return m_opened->runtime; }
    Window* window() const { return &m_opened->window; }

private:
    struct Opened {
        TestRuntime runtime;
        Window window{runtime};
    };
    ModalWatchdog m_watchdog;
    std::unique_ptr<Opened> m_opened;
};

} // namespace fixture
