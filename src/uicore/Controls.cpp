#include "Controls.h"

#include "ScreenUnits.h"
#include "UiServices.h"
#include "values/Recordset.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QValidator>

namespace orv {

namespace {

// Keeps a box's text within its characters: an edit that would take it past
// them (a key typed into a full box, a paste or a drop too long) is refused
// whole, so nothing the clerk typed is ever cut, and the clerk hears and
// reads why. A text the program sets itself is kept as it is, without a word:
// the checks before a request refuse one that is too long.
class CharacterLimit : public QValidator {
public:
    CharacterLimit(QLineEdit* edit, int characters, const QString& what)
        : QValidator(edit), m_edit(edit), m_characters(characters), m_what(what) {}

    State validate(QString& input, int&) const override {
        if (characterCount(input) <= m_characters)
            return Acceptable;
        // The box undoes a refused edit of the clerk only after asking; the
        // refusal is told once the box has settled.
        if (!m_telling) {
            m_telling = true;
            QMetaObject::invokeMethod(const_cast<CharacterLimit*>(this), &CharacterLimit::tell,
                                      Qt::QueuedConnection);
        }
        return Invalid;
    }

private:
    void tell() {
        m_telling = false;
        if (!m_edit || characterCount(m_edit->text()) > m_characters)
            return; // a text the program set stands as it is
        UiServices& ui = UiServices::current();
        ui.beep();
        ui.message(limitMessage(m_what, m_characters));
    }

    QPointer<QLineEdit> m_edit;
    int m_characters;
    QString m_what;
    mutable bool m_telling = false;
};

} // namespace

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

void limitLength(QWidget* field, int characters, const QString& what) {
    QLineEdit* edit = qobject_cast<QLineEdit*>(field);
    if (auto* combo = qobject_cast<QComboBox*>(field))
        edit = combo->lineEdit();
    if (!edit || characters <= 0)
        return;
    // A box limited again (its width read later) keeps one limit, the last.
    const QValidator* previous = edit->validator();
    edit->setValidator(new CharacterLimit(edit, characters, what));
    if (dynamic_cast<const CharacterLimit*>(previous))
        delete previous;
}

QString limitMessage(const QString& what, int characters) {
    return QStringLiteral("%1 may have at most %2 characters").arg(what).arg(characters);
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

void applyCaptions(QWidget* window, std::span<const PinnedText> texts) {
    // The window goes by its name, or by its class's where it has none.
    QString self = window->objectName();
    if (self.isEmpty())
        self = QString::fromLatin1(window->metaObject()->className()).section(QStringLiteral("::"), -1);
    for (const PinnedText& pinned : texts) {
        const QString name = qtext(pinned.key);
        const QString caption = qtext(pinned.text);
        if ((self == name || name == QLatin1String("Caption")) && window->windowTitle().isEmpty())
            window->setWindowTitle(caption);
        for (QObject* control : window->findChildren<QObject*>(name)) {
            if (auto* frame = qobject_cast<QGroupBox*>(control); frame && frame->title().isEmpty())
                frame->setTitle(caption);
            else if (auto* button = qobject_cast<QAbstractButton*>(control);
                     button && button->text().isEmpty())
                button->setText(caption);
            else if (auto* label = qobject_cast<QLabel*>(control); label && label->text().isEmpty())
                label->setText(caption);
        }
    }
}

QBoxLayout* arrange(QWidget* owner, Qt::Orientation orientation, std::initializer_list<QWidget*> controls) {
    auto* layout = new QBoxLayout(
        orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, owner);
    for (QWidget* control : controls)
        layout->addWidget(control);
    return layout;
}

QBoxLayout* rowOf(std::initializer_list<QWidget*> left, std::initializer_list<QWidget*> right) {
    auto* row = new QBoxLayout(QBoxLayout::LeftToRight);
    for (QWidget* control : left)
        row->addWidget(control);
    row->addStretch(1);
    for (QWidget* control : right)
        row->addWidget(control);
    return row;
}

} // namespace orv
