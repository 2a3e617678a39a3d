#pragma once

#include "TextTable.h"

#include <QString>
#include <QWidget>
#include <initializer_list>
#include <span>

class QBoxLayout;

namespace orv {

// Creates a control named as the windows name it (its objectName), so that
// tests and the windows' own code find it by that name.
template <class Control> Control* makeControl(QWidget* parent, const QString& name) {
    auto* control = new Control(parent);
    control->setObjectName(name);
    return control;
}

// The text a field shows: a text box's text, a combo box's text (typed or
// chosen), a label's caption, a date picker's date as text. Other controls
// have the empty text.
QString fieldText(const QWidget* field);
// Sets what a field shows; a combo box that takes no typing loses its choice
// when given the empty text.
void setFieldText(QWidget* field, const QString& text);
// Selects the whole text of a text box or of a combo box that takes typing.
void selectFieldText(QWidget* field);
// Limits a text box, or a combo box that takes typing, to a number of
// characters as the database counts them (a character outside the basic plane
// counts once, where QLineEdit::setMaxLength counts it twice). A key typed
// into a full box, or a paste or drop that would go past the limit, is
// refused whole; the box keeps what it held, and once the event loop turns
// the clerk hears a beep and reads limitMessage(what, characters). `what`
// names the box as the clerk knows it ("PO No.").
void limitLength(QWidget* field, int characters, const QString& what);
// "<what> may have at most <characters> characters".
QString limitMessage(const QString& what, int characters);
// Gives a field the light-blue background of a failed check.
void tintField(QWidget* field);
// Whether a field has been tinted.
bool isTinted(const QWidget* field);

// Gives every control of a window whose name is a key of the window's text
// table its caption from the table: the window (under its name, its class's
// name where it has none, or "Caption") its title, a frame its title,
// a button or label its text. A control that already has a caption keeps it,
// so a caption the window sets itself is never overwritten.
void applyCaptions(QWidget* window, std::span<const PinnedText> texts);
template <std::size_t N> void applyCaptions(QWidget* window, const TextTable<N>& table) {
    applyCaptions(window, std::span<const PinnedText>(table.entries));
}

// Lays controls out in owner: side by side (Qt::Horizontal) or one under
// another (Qt::Vertical), in the order given.
QBoxLayout* arrange(QWidget* owner, Qt::Orientation orientation, std::initializer_list<QWidget*> controls);
// A row of controls: the first ones at the left, then room, then the others
// at the right. The caller adds it to its layout.
QBoxLayout* rowOf(std::initializer_list<QWidget*> left, std::initializer_list<QWidget*> right = {});

} // namespace orv
