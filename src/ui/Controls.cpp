#include "Controls.h"

#include "ScreenUnits.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace orv {

QString fieldText(const QWidget* field) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(field)) {
        return edit->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(field)) {
        return combo->currentText();
    }
    if (const auto* label = qobject_cast<const QLabel*>(field)) {
        return label->text();
    }
    if (const auto* date = qobject_cast<const QDateEdit*>(field)) {
        return date->date().toString(Qt::ISODate);
    }
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(field)) {
        return plain->toPlainText();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(field)) {
        return button->text();
    }
    return {};
}

void setFieldText(QWidget* field, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(field)) {
        if (combo->isEditable()) {
            combo->setEditText(text);
        } else {
            combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
        }
    } else if (auto* label = qobject_cast<QLabel*>(field)) {
        label->setText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        plain->setPlainText(text);
    }
}

void selectFieldText(QWidget* field) {
    QLineEdit* edit = qobject_cast<QLineEdit*>(field);
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
        edit = combo->lineEdit();
    }
    if (edit) {
        edit->setSelection(0, static_cast<int>(edit->text().size()));
    }
}

void tintField(QWidget* field) {
    if (!field) {
        return;
    }
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, lightBlueTint());
    field->setPalette(palette);
    if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit()) {
        combo->lineEdit()->setPalette(palette);
    }
}

bool isTinted(const QWidget* field) {
    return field && field->palette().color(QPalette::Base) == lightBlueTint();
}

} // namespace orv
