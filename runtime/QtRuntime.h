// SPDX-License-Identifier: MIT
#pragma once

#include "battle/common/RandomSequence.h"
#include "runtime/Runtime.h"

// The runtime on a real desktop: QMessageBox, the system clipboard, QFileDialog, the user's data
// folder, QCoreApplication::exit.
class QtRuntime final : public Runtime {
public:
    void showMessage(QWidget* over, const QString& text, MessageStyle style) override;
    void copyToClipboard(const QString& text) override;
    float draw() override;
    void endProgram() override;
    QString clipboardText() override;
    QString chooseFileToOpen(QWidget* over, const QString& caption,
                             FileKind kind = FileKind::Sheet) override;
    QString chooseFileToSave(QWidget* over, const QString& caption,
                             const QString& suggestedName) override;
    QString dataFolder() override;

private:
    QString lastFolder() const;
    void rememberFolder(const QString& file);

    battle::RandomSequence m_sequence;
};
