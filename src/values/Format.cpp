#include "Format.h"

#include "DataError.h"

#include <QStringList>

namespace orv {

namespace {

struct Section {
    QString prefix;
    QString suffix;
    int decimals = 0;
    int minWhole = 0;
    bool grouping = false;
};

bool isPlaceholder(QChar c) {
    return c == QLatin1Char('#') || c == QLatin1Char('0') || c == QLatin1Char(',') || c == QLatin1Char('.');
}

Section parseSection(const QString& s) {
    Section sec;
    int i = 0;
    const int n = static_cast<int>(s.size());
    while (i < n && !isPlaceholder(s.at(i)))
        sec.prefix += s.at(i++);
    bool afterPoint = false;
    while (i < n && isPlaceholder(s.at(i))) {
        const QChar c = s.at(i++);
        if (c == QLatin1Char('.'))
            afterPoint = true;
        else if (c == QLatin1Char(','))
            sec.grouping = sec.grouping || !afterPoint;
        else if (afterPoint)
            ++sec.decimals;
        else if (c == QLatin1Char('0'))
            ++sec.minWhole;
    }
    sec.suffix = s.mid(i);
    if (sec.decimals > 4)
        sec.decimals = 4;
    return sec;
}

QString digits(Currency magnitude, const Section& sec) {
    const QString fixed = magnitude.toFixed(sec.decimals);
    const qsizetype point = fixed.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? fixed : fixed.left(point);
    const QString frac = point < 0 ? QString() : fixed.mid(point);
    if (whole == QLatin1String("0") && sec.minWhole == 0)
        whole.clear();
    while (whole.size() < sec.minWhole)
        whole.prepend(QLatin1Char('0'));
    if (sec.grouping) {
        for (qsizetype k = whole.size() - 3; k > 0; k -= 3)
            whole.insert(k, QLatin1Char(','));
    }
    return whole + frac;
}

} // namespace

QString formatNumber(const Variant& value, const QString& picture) {
    if (value.isBlank())
        return QString();
    Currency amount;
    try {
        amount = value.type() == DataType::Text ? Currency::parse(value.toString()) : value.toCurrency();
    } catch (const DataError&) {
        return value.toString();
    }
    const QStringList sections = picture.split(QLatin1Char(';'));
    const Section positive = parseSection(sections.at(0));
    const bool negative = amount.raw() < 0;
    if (negative && sections.size() > 1) {
        const Section neg = parseSection(sections.at(1));
        return neg.prefix + digits(-amount, neg) + neg.suffix;
    }
    const Currency magnitude = negative ? -amount : amount;
    const QString body = positive.prefix + digits(magnitude, positive) + positive.suffix;
    // A value that rounds to zero shows no sign.
    const bool showsMinus = negative && magnitude.rounded(positive.decimals).raw() != 0;
    return showsMinus ? QLatin1Char('-') + body : body;
}

} // namespace orv
