// SPDX-License-Identifier: MIT
#pragma once

// Remembers the trainer sheet page last used as defender, so that a rolled turn's damage and a
// status changer's YES can be written back to it. A sheet closed since then is not written to.

#include <QObject>
#include <QPointer>

class QWidget;
class Runtime;
class TrainerSheet;

class DefenderLink : public QObject {
    Q_OBJECT

public:
    DefenderLink(Runtime& runtime, QObject* parent);

    void remember(TrainerSheet* sheet, int page);
    // Each shows one message, over `over`, when there is no page to write to.
    void applyDamage(int damage, QWidget* over);
    void applyStatus(const QString& status, QWidget* over);

private:
    // The page's sheet while it is still open; nullptr after one message saying why not.
    TrainerSheet* openSheet(QWidget* over);

    Runtime& m_runtime;
    QPointer<TrainerSheet> m_sheet;
    QString m_sheetTitle;
    int m_page = 0;
};
