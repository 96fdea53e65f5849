// SPDX-License-Identifier: MIT
#pragma once

// Keeps a trainer sheet: saves it to and opens it from the program's own file, trades it as team
// text through the clipboard, fills it from the game's own save file, and autosaves every change to
// the user's data folder so that the last sheets can be restored, even after the program was
// killed.

#include <QObject>

class QTimer;
class Runtime;
class TrainerSheet;

class SheetKeeper : public QObject {
    Q_OBJECT

public:
    static constexpr int autosaveDelayMs = 400;

    SheetKeeper(Runtime& runtime, TrainerSheet& sheet);

    void openFile();
    void saveFileAs();
    // What the two commands do once a file is chosen; a problem is shown and gives false.
    bool openFrom(const QString& path);
    bool saveTo(const QString& path);
    void pasteTeamText();
    // Fills the sheet with the party of a Red, Blue or Yellow battery save; a refusal leaves the
    // sheet as it is, and what looked odd in the party is listed after the import.
    void importSaveFile();
    bool importSaveFrom(const QString& path);
    void copyTeamText();

    // Fills the sheet from its autosave; false when none was kept.
    bool restoreAutosave();
    // Writes a pending autosave now. From a destructor, pass false: the runtime may be going
    // down, so a failure is not reported.
    void flushAutosave(bool mayReport = true);

    // Where the trainer's sheet is autosaved (trainer 1 or 2), and where a run's first autosave
    // moves the last run's sheet.
    static QString autosavePath(Runtime& runtime, int trainer);
    static QString previousPath(const QString& autosavePath);
    // Whether Restore has a sheet of the trainer's to bring back.
    static bool hasKept(Runtime& runtime, int trainer);

private:
    QString trainerCaption() const;
    void writeAutosave(bool mayReport = true);

    Runtime& m_runtime;
    TrainerSheet& m_sheet;
    QString m_autosavePath;
    QTimer* m_autosave = nullptr;
    bool m_autosaveFailureShown = false;
};
