#pragma once

#include "reports/ReportDocument.h"
#include "reports/ReportPainter.h"

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

namespace orv::test {

// The text of a printed report exported to PDF, as pdftotext reads it: laid
// out ("-layout"), or with "-bbox" every word and its box.
inline QString pdfText(const reports::ReportDocument& doc, const QString& file,
                       const QString& mode = QStringLiteral("-layout")) {
    reports::ReportPainter::exportPdf(doc, file);
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {mode, file, QStringLiteral("-")});
    if (!p.waitForFinished(30000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// What is wrong with the printed words of a "pdftotext -bbox" page list: two
// words whose boxes overlap, or a figure that is not a whole formatted amount.
inline QStringList printFaults(const QString& bbox) {
    struct Word {
        double x0, y0, x1, y1;
        QString text;
    };
    static const QRegularExpression wordRe(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    static const QRegularExpression amountRe(QStringLiteral(R"re(^\(?-?\d{1,3}(,\d{3})*\.\d\d\)?$)re"));
    QStringList faults;
    for (const QString& page : bbox.split(QStringLiteral("<page "))) {
        std::vector<Word> words;
        for (auto m = wordRe.globalMatch(page); m.hasNext();) {
            const auto w = m.next();
            words.push_back({w.captured(1).toDouble(), w.captured(2).toDouble(), w.captured(3).toDouble(),
                             w.captured(4).toDouble(), w.captured(5)});
            const QString& t = words.back().text;
            if (t.contains(QLatin1Char('.')) && t.contains(QRegularExpression(QStringLiteral("\\d"))) &&
                !amountRe.match(t).hasMatch())
                faults << QStringLiteral("not a whole amount: ") + t;
        }
        constexpr double kTouch = 0.3; // points: neighbours may touch
        for (size_t i = 0; i < words.size(); ++i)
            for (size_t j = i + 1; j < words.size(); ++j) {
                const Word& a = words[i];
                const Word& b = words[j];
                if (a.x0 + kTouch < b.x1 && b.x0 + kTouch < a.x1 && a.y0 + kTouch < b.y1 &&
                    b.y0 + kTouch < a.y1)
                    faults << QStringLiteral("%1 overlaps %2").arg(a.text, b.text);
            }
    }
    return faults;
}

} // namespace orv::test
