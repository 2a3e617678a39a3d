#pragma once

#include <QString>
#include <QWidget>

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
// counts once, where QLineEdit::setMaxLength counts it twice). Typing or
// pasting past the limit keeps what fits, as a maximum length does.
void limitLength(QWidget* field, int characters);
// Gives a field the light-blue background of a failed check.
void tintField(QWidget* field);
// Whether a field has been tinted.
bool isTinted(const QWidget* field);

} // namespace orv
