// SPDX-License-Identifier: MIT
#pragma once

#include "battle/common/RandomSequence.h"
#include "runtime/Runtime.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>

// The runtime for tests: records every message box instead of showing one, keeps the clipboard's
// history, answers file dialogs from a script, keeps its data folder in a temporary one, and
// replays scripted draws before falling back to the program's own sequence.
// Destroyed after the runtime's own parts, so the windows and the folder lock are gone first.
struct TestDataFolder {
    QTemporaryDir m_dataFolder;
};

class TestRuntime final : private TestDataFolder, public Runtime {
public:
    struct Message {
        QString text;
        MessageStyle style;
        QString title;
        QWidget* over;
    };

    void showMessage(QWidget* over, const QString& text, MessageStyle style) override;
    void copyToClipboard(const QString& text) override;
    float draw() override;
    void endProgram() override;
    QString clipboardText() override { return m_clipboardText; }
    QString chooseFileToOpen(QWidget* over, const QString& caption,
                             FileKind kind = FileKind::Sheet) override;
    QString chooseFileToSave(QWidget* over, const QString& caption,
                             const QString& suggestedName) override;
    QString dataFolder() override
    {
        return m_sharedFolder.isEmpty() ? m_dataFolder.path() : m_sharedFolder;
    }
    // Another runtime's data folder, as a second copy of the program would share it.
    void useDataFolder(const QString& folder) { m_sharedFolder = folder; }

    void setClipboardText(const QString& text) { m_clipboardText = text; }
    // The answers the next file dialogs give, in order; an empty one is a cancel.
    void scriptFileChoices(const QStringList& files) { m_fileChoices += files; }
    int fileDialogsShown() const { return m_fileDialogs; }

    void scriptDraws(std::initializer_list<float> draws);
    int drawsUsed() const { return m_drawsUsed; }
    int scriptedDrawsLeft() const { return static_cast<int>(m_script.size()); }

    const QList<Message>& messages() const { return m_messages; }
    QStringList messageTexts() const;
    void clearMessages() { m_messages.clear(); }

    // Each copy as it reached the clipboard, and how often the clipboard was cleared first.
    const QStringList& clipboardHistory() const { return m_clipboard; }
    int clipboardClears() const { return m_clipboardClears; }
    int endRequests() const { return m_endRequests; }

private:
    QList<Message> m_messages;
    QStringList m_clipboard;
    int m_clipboardClears = 0;
    int m_endRequests = 0;
    QString m_clipboardText;
    QStringList m_fileChoices;
    int m_fileDialogs = 0;
    QString m_sharedFolder;
    std::deque<float> m_script;
    int m_drawsUsed = 0;
    battle::RandomSequence m_sequence;
};
