#include "ParameterConversion.h"

#include "values/Recordset.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QRegularExpression>
#include <limits>

namespace orv::reports {

namespace {

std::optional<Variant> wholeNumber(const QString& text, const ReportParameter& p, const QString& boxName,
                                   QString* problem) {
    const bool small = p.type == ParameterType::SmallInt;
    const qint64 lo =
        small ? std::numeric_limits<std::int16_t>::min() : std::numeric_limits<std::int32_t>::min();
    const qint64 hi =
        small ? std::numeric_limits<std::int16_t>::max() : std::numeric_limits<std::int32_t>::max();
    static const QRegularExpression digits(QStringLiteral(R"(^[+-]?[0-9]+$)"));
    const QString t = text.trimmed();
    bool ok = digits.match(t).hasMatch();
    const qint64 v = ok ? t.toLongLong(&ok) : 0;
    if (!ok || v < lo || v > hi) {
        // In the clerk's words: what to type, never the type's range.
        if (QString(p.name).remove(QLatin1Char('@')).compare(QLatin1String("year"), Qt::CaseInsensitive) == 0)
            *problem = QStringLiteral("%1: type a year such as 2010").arg(boxName);
        else if (digits.match(t).hasMatch())
            *problem = QStringLiteral("%1: the number is too long; type one of fewer digits").arg(boxName);
        else
            *problem = QStringLiteral("%1: type a whole number").arg(boxName);
        return std::nullopt;
    }
    if (small)
        return Variant::smallInt(std::int16_t(v));
    return Variant(std::int32_t(v));
}

} // namespace

QString ParameterConversion::boxText(const QWidget* box) {
    if (const auto* e = qobject_cast<const QLineEdit*>(box))
        return e->text();
    if (const auto* s = qobject_cast<const QAbstractSpinBox*>(box))
        return s->text();
    if (const auto* c = qobject_cast<const QComboBox*>(box))
        return c->currentText();
    return box ? box->property("text").toString() : QString();
}

std::optional<Variant> ParameterConversion::fromText(const QString& text, const ReportParameter& p,
                                                     const QString& boxName, QString* problem) {
    switch (p.type) {
    case ParameterType::Integer:
    case ParameterType::SmallInt:
        return wholeNumber(text, p, boxName, problem);
    case ParameterType::VarChar:
        if (p.size > 0 && characterCount(text) > p.size) {
            *problem = QStringLiteral("%1: type at most %2 characters").arg(boxName).arg(p.size);
            return std::nullopt;
        }
        return Variant(text);
    case ParameterType::DateTime: {
        const QDate d = QDate::fromString(text.trimmed(), Qt::ISODate);
        if (!d.isValid()) {
            *problem = QStringLiteral("%1: type a date such as 31/12/2026").arg(boxName);
            return std::nullopt;
        }
        return Variant(d);
    }
    case ParameterType::Boolean:
        return Variant(text.trimmed() == QLatin1String("1") ||
                       text.trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0);
    }
    return std::nullopt;
}

std::optional<Variant> ParameterConversion::fromBox(const QWidget* box, const ReportParameter& p,
                                                    const QString& boxName, QString* problem) {
    if (p.type == ParameterType::DateTime) {
        if (const auto* picker = qobject_cast<const QDateTimeEdit*>(box))
            return Variant(picker->date());
    }
    if (p.type == ParameterType::Boolean) {
        if (const auto* check = qobject_cast<const QAbstractButton*>(box))
            return Variant(check->isChecked());
    }
    return fromText(boxText(box), p, boxName, problem);
}

} // namespace orv::reports
