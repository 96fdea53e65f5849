// SPDX-License-Identifier: MIT
#pragma once

#include "battle/RandomSequence.h"
#include "runtime/Runtime.h"

// The runtime on a real desktop: QMessageBox, the system clipboard, QCoreApplication::exit.
class QtRuntime final : public Runtime {
public:
    void showMessage(QWidget* over, const QString& text, MessageStyle style) override;
    void copyToClipboard(const QString& text) override;
    float draw() override;
    void endProgram() override;

private:
    battle::RandomSequence m_sequence;
};
