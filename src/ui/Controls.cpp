#include "Controls.h"

#include "ScreenUnits.h"
#include "values/Recordset.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QValidator>

namespace orv {

namespace {

// Keeps a box's text within its characters: what goes past the limit is cut
// from the text just inserted (before the cursor), so a full box takes no
// more typing and a long paste keeps its beginning.
class CharacterLimit : public QValidator {
public:
    CharacterLimit(int characters, QObject* parent) : QValidator(parent), m_characters(characters) {}

    State validate(QString& input, int& pos) const override {
        qsizetype excess = characterCount(input) - m_characters;
        if (pos < 0 || pos > input.size())
            pos = static_cast<int>(input.size());
        while (excess > 0 && pos > 0) {
            const bool pair =
                pos >= 2 && input.at(pos - 1).isLowSurrogate() && input.at(pos - 2).isHighSurrogate();
            const int units = pair ? 2 : 1;
            input.remove(pos - units, units);
            pos -= units;
            --excess;
        }
        if (excess > 0)
            input = cut(input, m_characters);
        return Acceptable;
    }

private:
    static QString cut(const QString& text, int characters) {
        qsizetype i = 0;
        for (int kept = 0; kept < characters && i < text.size(); ++kept)
            i += text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2
                                                                                                        : 1;
        return text.left(i);
    }

    int m_characters;
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

void limitLength(QWidget* field, int characters) {
    QLineEdit* edit = qobject_cast<QLineEdit*>(field);
    if (auto* combo = qobject_cast<QComboBox*>(field))
        edit = combo->lineEdit();
    if (!edit || characters <= 0)
        return;
    // A box limited again (its width read later) keeps one limit, the last.
    const QValidator* previous = edit->validator();
    edit->setValidator(new CharacterLimit(characters, edit));
    if (dynamic_cast<const CharacterLimit*>(previous))
        delete previous;
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

} // namespace orv
