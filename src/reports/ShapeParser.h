#pragma once

#include "ShapeStatement.h"

#include <QString>

namespace orv::reports {

// Reads the grouping statements of the report commands:
//   SHAPE {{? = CALL dbo.name( ?) }}  AS child COMPUTE child, SUM(child.'col') AS alias BY 'key','key'
//   SHAPE ( SHAPE {{...}}  AS inner COMPUTE inner BY 'k') AS outer COMPUTE SUM(outer.'k') AS s, outer
// Blanks between the parts may be one or more. Anything else throws
// DataError whose message names the 1-based character position.
class ShapeParser {
public:
    static ShapeStatement parse(const QString& text);

private:
    explicit ShapeParser(const QString& text) : m_text(text) {}

    ShapeStatement statement();
    void source(ShapeStatement& st);
    void computeList(ShapeStatement& st);
    void keyList(ShapeStatement& st);

    void skipBlanks();
    bool atEnd() const { return m_pos >= m_text.size(); }
    bool peekWord(const QString& word) const;
    void expectWord(const QString& word);
    void expectChar(QChar c);
    QString name();
    QString quoted();
    [[noreturn]] void fail(const QString& what) const;

    QString m_text;
    qsizetype m_pos = 0;
    int m_depth = 0;
    static constexpr int kMaxNesting = 8;
};

} // namespace orv::reports
