// SPDX-License-Identifier: MIT
#include "windows/common/Form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace form {
namespace {

// QLineEdit's own ceiling; a maximum length of 0 means "no limit".
constexpr int unlimitedLength = 32767;

// A label taller than one line of text wraps its caption.
constexpr int oneLineHeight = 300;

QWidget* createControl(Kind kind, const QString& caption, int heightTwips, QWidget* parent)
{
    switch (kind) {
    case Kind::Label: {
        auto* label = new QLabel(caption, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(heightTwips > oneLineHeight);
        return label;
    }
    case Kind::Field:
    case Kind::ReadOnlyField: {
        auto* field = new QLineEdit(caption, parent);
        field->setReadOnly(kind == Kind::ReadOnlyField);
        return field;
    }
    case Kind::NotesBox: {
        auto* notes = new QPlainTextEdit(caption, parent);
        notes->setTabChangesFocus(true);
        return notes;
    }
    case Kind::Combo: {
        auto* combo = new QComboBox(parent);
        // Editable through an edit part of our own: setEditable() would also build the list's
        // popup, a dozen widgets, long before (if ever) it first opens. The edit part comes
        // with a bare completer, else the list builds one over its items, only to drop it.
        auto* edit = new QLineEdit(combo);
        edit->setPalette(combo->palette());
        edit->setCompleter(new QCompleter(edit));
        combo->setLineEdit(edit);
        combo->setCompleter(nullptr);
        combo->setInsertPolicy(QComboBox::NoInsert);
        // Enter, or leaving the box, after typing a text that matches an item would otherwise
        // choose that item: typing must never count as a choice from the list.
        QObject::disconnect(combo->lineEdit(), &QLineEdit::returnPressed, combo, nullptr);
        QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
        combo->setMaxVisibleItems(12);
        combo->setEditText(caption);
        return combo;
    }
    case Kind::Button:
        return new QPushButton(caption, parent);
    case Kind::Frame:
        return new QGroupBox(caption, parent);
    case Kind::CheckBox:
        return new QCheckBox(caption, parent);
    case Kind::OptionButton:
        return new QRadioButton(caption, parent);
    case Kind::Picture: {
        auto* picture = new QLabel(parent);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    case Kind::SpinBox:
        return new QSpinBox(parent);
    }
    return nullptr;
}

QString accessibleCaption(QString caption)
{
    caption.remove(QLatin1Char('&'));
    return caption.simplified();
}

} // namespace

QRect twips(int left, int top, int width, int height)
{
    return {left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel,
            height / twipsPerPixel};
}

QSize twipsSize(int width, int height) { return {width / twipsPerPixel, height / twipsPerPixel}; }

QFont defaultFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

void setFixedClientSize(QWidget* window, int width, int height)
{
    window->setFixedSize(twipsSize(width, height));
}

void build(QWidget* window, std::span<const ControlRow> rows, const QString& suffix)
{
    for (const ControlRow& row : rows) {
        QWidget* container = window;
        if (row.container)
            container = control<QWidget>(window, QString::fromUtf8(row.container) + suffix);
        const QString caption = QString::fromUtf8(row.caption ? row.caption : "");
        QWidget* widget = createControl(row.kind, caption, row.height, container);
        widget->setObjectName(QString::fromUtf8(row.name) + suffix);
        widget->setGeometry(twips(row.left, row.top, row.width, row.height));
        if (row.kind == Kind::Button || row.kind == Kind::CheckBox ||
            row.kind == Kind::OptionButton || row.kind == Kind::Frame)
            describe(widget, caption);
    }
}

void describe(QWidget* control, const QString& caption)
{
    const QString name = accessibleCaption(caption);
    control->setAccessibleName(name);
    // A screen reader follows the typing into a list's edit part, so that part needs the name too.
    if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit())
        list->lineEdit()->setAccessibleName(name);
    else if (auto* spin = qobject_cast<QSpinBox*>(control))
        spin->findChild<QLineEdit*>()->setAccessibleName(name);
}

void describeControls(const QWidget* window, std::span<const AccessibleRow> rows,
                      const QString& suffix)
{
    for (const AccessibleRow& row : rows) {
        auto* widget = control<QWidget>(window, QString::fromUtf8(row.name) + suffix);
        describe(widget, QString::fromUtf8(row.caption));
        if (row.description)
            widget->setAccessibleDescription(QString::fromUtf8(row.description));
        if (row.label)
            control<QLabel>(window, QString::fromUtf8(row.label) + suffix)->setBuddy(widget);
    }
}

void writeLimited(QLineEdit* field, const QString& text, int maxLength)
{
    field->setMaxLength(maxLength > 0 ? maxLength : unlimitedLength);
    field->setText(text);
}

void writeWhole(QLineEdit* field, const QString& text)
{
    if (text.size() > field->maxLength())
        field->setMaxLength(static_cast<int>(text.size()));
    field->setText(text);
}

QString comboText(const QComboBox* combo) { return combo->currentText(); }

void missingControl(const QWidget* window, const char* kind, const QString& name)
{
    const QWidget* top = window->window();
    qFatal("form::control: %s has no %s named \"%s\"", qPrintable(top->objectName()), kind,
           qPrintable(name));
}

void orderTabs(const QWidget* window, std::span<const char* const> names)
{
    for (std::size_t i = 1; i < names.size(); ++i)
        QWidget::setTabOrder(control<QWidget>(window, QString::fromLatin1(names[i - 1])),
                             control<QWidget>(window, QString::fromLatin1(names[i])));
}

void fillList(QComboBox* list, const QStringList& items)
{
    // Adding to an empty list chooses its first item; the list starts with none chosen.
    const QString shown = comboText(list);
    list->addItems(items);
    list->setCurrentIndex(-1);
    if (list->isEditable())
        list->setEditText(shown);
}

QString fromStd(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string textOf(const QLineEdit* field)
{
    return field->text().toStdString();
}

std::string textOf(const QComboBox* list)
{
    return comboText(list).toStdString();
}

void paintToolWindow(QWidget* window)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void paintOnWhite(QWidget* control)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

} // namespace form
