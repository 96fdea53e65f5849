// SPDX-License-Identifier: MIT
#pragma once

// Every window is built from a table of control rows: name, kind, container, caption and the
// geometry in twips (15 twips to a pixel at 96 dpi). The window then finds its controls by name.

#include <QRect>
#include <QString>
#include <QWidget>

#include <span>
#include <string>
#include <string_view>

class QComboBox;
class QLineEdit;

namespace form {

enum class Kind {
    Label,        // QLabel, plain text
    Field,        // QLineEdit
    ReadOnlyField,
    NotesBox,     // QPlainTextEdit
    Combo,        // editable QComboBox that neither completes nor adds typed text
    Button,       // QPushButton; "&" marks the access key
    Frame,        // QGroupBox
    CheckBox,
    OptionButton, // QRadioButton
    Picture,      // QLabel that shows a pixmap
    SpinBox,      // QSpinBox; the window sets its range
};

struct ControlRow {
    const char* name;
    Kind kind;
    const char* container; // nullptr: the window itself
    const char* caption;   // caption or initial text, UTF-8
    int left, top, width, height; // twips
};

constexpr int twipsPerPixel = 15;
QRect twips(int left, int top, int width, int height);
QSize twipsSize(int width, int height);

// The font every control uses unless a row says otherwise: the 8.25 pt sans-serif default.
QFont defaultFont();

// Fixed-size window with the given client area in twips.
void setFixedClientSize(QWidget* window, int width, int height);

// Creates the rows' controls in table order, each in its container (which must come earlier).
// Names get `suffix` appended (trainer sheet pages use "_1" to "_6").
void build(QWidget* window, std::span<const ControlRow> rows, const QString& suffix = {});

// Names a control for accessibility after the caption the user sees beside it.
void describe(QWidget* control, const QString& caption);

// What a screen reader tells of one control: its name after the caption the user sees beside
// it, more of that caption where the name alone is terse, and the label that stands beside it.
struct AccessibleRow {
    const char* name;
    const char* caption;
    const char* description; // nullptr: none
    const char* label;       // nullptr: none; otherwise the label's buddy becomes the control
};

// Describes the rows' controls (names get `suffix` appended, as in build()).
void describeControls(const QWidget* window, std::span<const AccessibleRow> rows,
                      const QString& suffix = {});

// Stops the program: a window asked for a control its table never built.
[[noreturn]] void missingControl(const QWidget* window, const char* kind, const QString& name);

// The named control; a wrong name or kind stops the program in every build, naming both.
template <typename T>
T* control(const QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    if (!found)
        missingControl(window, T::staticMetaObject.className(), name);
    return found;
}

// Chains the named controls in this order for the Tab key.
void orderTabs(const QWidget* window, std::span<const char* const> names);

// Writes a figure field: the maximum length first (0 for no limit), then the text, which the
// field cuts to that length.
void writeLimited(QLineEdit* field, const QString& text, int maxLength);

// Writes a text whole, widening the field's maximum length when it would cut the text.
void writeWhole(QLineEdit* field, const QString& text);

// An editable combo box's text, as the handlers read it.
QString comboText(const QComboBox* combo);

// Fills a list with nothing chosen; an editable list keeps the text it showed.
void fillList(QComboBox* list, const QStringList& items);

// Texts between the controls and battle/, which works on UTF-8.
QString fromStd(std::string_view text);
std::string textOf(const QLineEdit* field);
std::string textOf(const QComboBox* list);

// The tool windows' light grey, with white fields.
void paintToolWindow(QWidget* window);
// Black on white, whatever the window around it.
void paintOnWhite(QWidget* control);

} // namespace form
