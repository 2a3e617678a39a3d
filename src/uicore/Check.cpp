#include "Check.h"

#include "Controls.h"
#include "UiServices.h"
#include "values/DataError.h"
#include "values/Variant.h"

#include <QPointer>
#include <QWidget>

namespace orv {

namespace {
const QString kNotNumber = QStringLiteral("Enter numerical and not character");
}

bool fieldNumber(const QWidget* field, Currency* out) {
    const QString text = fieldText(field);
    if (!isNumericText(text)) {
        return false;
    }
    if (Currency::tryParse(text.trimmed(), out)) {
        return true;
    }
    try {
        *out = Variant(text).toCurrency();
        return true;
    } catch (const DataError&) {
        return false;
    }
}

Check Check::empty(QWidget* field, const QString& message, const QString& title) {
    QPointer<QWidget> f(field);
    return when([f] { return fieldText(f).isEmpty(); }, message, field, title);
}

Check Check::allEmpty(const std::vector<QWidget*>& fields, const QString& message) {
    std::vector<QPointer<QWidget>> boxes(fields.begin(), fields.end());
    return when(
        [boxes] {
            for (const QPointer<QWidget>& box : boxes) {
                if (!box || !fieldText(box).isEmpty())
                    return false;
            }
            for (const QPointer<QWidget>& box : boxes)
                tintField(box);
            return true;
        },
        message);
}

Check Check::emptyNumber(QWidget* field, const QString& message) {
    return empty(field, message, kTitleMissingField);
}

Check Check::notNumber(QWidget* field) {
    QPointer<QWidget> f(field);
    Check check = when([f] { return !isNumericText(fieldText(f)); }, kNotNumber, field, kTitleInvalidInput);
    return check.selectingText();
}

Check Check::below(QWidget* field, Currency minimum, const QString& message) {
    QPointer<QWidget> f(field);
    Check check = when(
        [f, minimum] {
            Currency value;
            return fieldNumber(f, &value) && value < minimum;
        },
        message, field);
    return check.selectingText();
}

Check Check::above(QWidget* field, Currency maximum, const QString& message) {
    QPointer<QWidget> f(field);
    Check check = when(
        [f, maximum] {
            Currency value;
            return fieldNumber(f, &value) && value > maximum;
        },
        message, field);
    return check.selectingText();
}

Check Check::notWholeNumber(QWidget* field, const QString& message) {
    QPointer<QWidget> f(field);
    return when(
        [f] {
            try {
                Variant(fieldText(f)).toInt32();
                return false;
            } catch (const DataError&) {
                return true;
            }
        },
        message, field);
}

Check Check::notPositive(QWidget* field, const QString& message) {
    QPointer<QWidget> f(field);
    // A number the amount type cannot hold is read as a double.
    Check check = when(
        [f] {
            const QString text = fieldText(f);
            if (!isNumericText(text))
                return false;
            Currency value;
            if (fieldNumber(f, &value))
                return value.raw() <= 0;
            return !(text.trimmed().toDouble() > 0);
        },
        message, field);
    return check.selectingText();
}

Check Check::when(Condition fails, const QString& message, QWidget* focus, const QString& title) {
    Check check;
    check.m_fails = std::move(fails);
    check.m_message = message;
    check.m_title = title;
    check.m_field = focus;
    return check;
}

Check Check::warning(Condition fails, const QString& message, const QString& title) {
    Check check = when(std::move(fails), message, nullptr, title);
    check.m_warning = true;
    return check;
}

Check Check::onLine(LineCondition fails, const QString& message) {
    Check check;
    check.m_lineFails = std::move(fails);
    check.m_message = message;
    return check;
}

Check Check::warningOnLine(LineCondition fails, const QString& message) {
    Check check = onLine(std::move(fails), message);
    check.m_warning = true;
    return check;
}

Check Check::eachLine(const Recordset& lines, std::vector<Check> perLine,
                      std::function<void(int row)> refused) {
    Check check;
    check.m_custom = [lines = Recordset(lines), perLine = std::move(perLine),
                      refused = std::move(refused)]() mutable {
        for (const RowView line : lines.rows()) {
            for (const Check& c : perLine) {
                if (!c.runOn(line)) {
                    lines.moveTo(line.index());
                    if (refused)
                        refused(line.index());
                    return false;
                }
            }
        }
        return true;
    };
    return check;
}

bool Check::runOn(const RowView& line) const {
    if (!m_lineFails)
        return run();
    return !m_lineFails(line) || fail();
}

Check& Check::tinted() {
    m_tint = true;
    return *this;
}

Check& Check::selectingText() {
    m_select = true;
    return *this;
}

Check& Check::onlyIf(const std::function<bool()>& condition) {
    Condition fails = std::move(m_fails);
    m_fails = [fails, condition] { return condition() && fails(); };
    return *this;
}

bool Check::run() const {
    if (m_custom) {
        return m_custom();
    }
    if (m_lineFails) {
        throw DataError(QStringLiteral("A line check runs only over the lines"));
    }
    if (!m_fails()) {
        return true;
    }
    return fail();
}

bool Check::fail() const {
    UiServices::current().message(m_message, m_title);
    if (m_warning) {
        return true;
    }
    if (m_field) {
        if (m_tint) {
            tintField(m_field);
        }
        if (m_select) {
            selectFieldText(m_field);
        }
        m_field->setFocus(Qt::OtherFocusReason);
    }
    return false;
}

bool runChecks(const CheckList& checks) {
    for (const Check& check : checks) {
        if (!check.run()) {
            return false;
        }
    }
    return true;
}

CheckList inOrder(std::initializer_list<CheckList> lists) {
    CheckList all;
    for (const CheckList& list : lists)
        all.insert(all.end(), list.begin(), list.end());
    return all;
}

} // namespace orv
