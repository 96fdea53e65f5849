// SPDX-License-Identifier: MIT
#pragma once

// The runtime services every window leans on: message boxes, the clipboard, the random draw,
// files and the showing and unloading of windows. Windows reach the desktop only through this
// interface, so tests can swap in TestRuntime, which records what would have been shown and scripts
// draws.

#include "runtime/WindowId.h"

#include <QHash>
#include <QLockFile>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class Runtime {
public:
    enum class MessageStyle { Plain, Information };
    using WindowFactory = std::function<QWidget*()>;

    static QString applicationTitle() { return QStringLiteral("Battle Tesh"); }

    Runtime() = default;
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;
    virtual ~Runtime();

    // A modal box over `over`'s window, titled with the application title, one OK button; returns
    // when the user has dismissed it.
    virtual void showMessage(QWidget* over, const QString& text,
                             MessageStyle style = MessageStyle::Plain) = 0;
    // Clears the clipboard, then puts the text on it as plain text.
    virtual void copyToClipboard(const QString& text) = 0;
    // The next number of the program's random sequence, in [0, 1).
    virtual float draw() = 0;
    // Closes every window at once and stops the program.
    virtual void endProgram() = 0;

    // The clipboard's plain text.
    virtual QString clipboardText() = 0;
    // What a file dialog offers first; all files stay selectable.
    enum class FileKind { Sheet, GameSave };
    // Asks for a file to open or to save as; empty when the user cancels. The dialogs start in the
    // folder last used.
    virtual QString chooseFileToOpen(QWidget* over, const QString& caption,
                                     FileKind kind = FileKind::Sheet) = 0;
    virtual QString chooseFileToSave(QWidget* over, const QString& caption,
                                     const QString& suggestedName) = 0;
    // The folder where the program keeps what it saves by itself; created when missing.
    virtual QString dataFolder() = 0;

    // The file's bytes, or nothing with `problem` saying why (also when it is no regular file or
    // larger than `limit`, both checked before anything is read).
    static std::optional<QByteArray> readFile(const QString& path, qint64 limit, QString& problem);
    // Writes through a temporary file renamed into place: the file is whole or left untouched.
    static bool writeFile(const QString& path, const QByteArray& bytes, QString& problem);

    // Whether this copy of the program writes the data folder: the first copy takes it and holds
    // it while it runs, so two copies never autosave over each other.
    bool holdsDataFolder();
    // Marks kept for the run: mark() is true only when `what` was not marked yet.
    bool mark(const QString& what) { return !std::exchange(m_marks[what], true); }
    bool marked(const QString& what) const { return m_marks.value(what); }
    void unmark(const QString& what) { m_marks.remove(what); }

    // Each window has at most one instance; the factory creates (and so loads) it.
    void registerWindow(WindowId id, WindowFactory factory);
    // Shows the window modeless and without owner, loading it first when it is not open;
    // an open window comes forward as it is.
    QWidget* showWindow(WindowId id);
    // Closes the window and discards its fields; the next show loads it afresh.
    void unloadWindow(WindowId id);
    // The open instance, or nullptr.
    QWidget* openWindow(WindowId id) const;
    // The same as its own class; nullptr when it is not open or not of that class.
    template <typename W> W* showWindowAs(WindowId id) { return qobject_cast<W*>(showWindow(id)); }
    template <typename W> W* openWindowAs(WindowId id) const
    {
        return qobject_cast<W*>(openWindow(id));
    }

protected:
    // Hides every window and lets the event loop delete it: safe from inside a window's handler.
    void releaseAllWindows();

private:
    void discardAllWindows();

    std::unique_ptr<QLockFile> m_folderLock;
    bool m_closing = false;
    QHash<QString, bool> m_marks;
    QMap<WindowId, WindowFactory> m_factories;
    QMap<WindowId, QPointer<QWidget>> m_windows;
};
