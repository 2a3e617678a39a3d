#include "ShapeParser.h"

#include "values/DataError.h"

#include <QRegularExpression>

namespace orv::reports {

namespace {

bool isNameStart(QChar c) {
    return c.isLetter() || c == u'_';
}
bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

// The procedure call as the database's dispatcher reads it.
bool isCallText(const QString& call) {
    static const QRegularExpression re(
        QStringLiteral(
            R"(^\{\s*\?\s*=\s*CALL\s+dbo\.[A-Za-z_][A-Za-z0-9_]*\s*(\(\s*\?(\s*,\s*\?)*\s*\))?\s*\}$)"),
        QRegularExpression::CaseInsensitiveOption);
    return re.match(call).hasMatch();
}

} // namespace

ShapeStatement ShapeParser::parse(const QString& text) {
    ShapeParser p(text);
    ShapeStatement st = p.statement();
    p.skipBlanks();
    if (!p.atEnd())
        p.fail(QStringLiteral("unexpected text \"%1\"").arg(p.m_text.mid(p.m_pos, 20)));
    return st;
}

ShapeStatement ShapeParser::statement() {
    ShapeStatement st;
    skipBlanks();
    expectWord(QStringLiteral("SHAPE"));
    skipBlanks();
    source(st);
    skipBlanks();
    expectWord(QStringLiteral("AS"));
    skipBlanks();
    st.childName = name();
    skipBlanks();
    expectWord(QStringLiteral("COMPUTE"));
    skipBlanks();
    computeList(st);
    skipBlanks();
    if (peekWord(QStringLiteral("BY"))) {
        expectWord(QStringLiteral("BY"));
        skipBlanks();
        keyList(st);
    }
    return st;
}

void ShapeParser::source(ShapeStatement& st) {
    if (atEnd())
        fail(QStringLiteral("expected \"{{\" or \"(\""));
    if (m_text[m_pos] == u'(') {
        ++m_pos;
        st.inner = std::make_shared<ShapeStatement>(statement());
        skipBlanks();
        expectChar(u')');
        return;
    }
    expectChar(u'{');
    const qsizetype start = m_pos;
    if (atEnd() || m_text[m_pos] != u'{')
        fail(QStringLiteral("expected the procedure call in braces"));
    const qsizetype end = m_text.indexOf(u'}', start);
    if (end < 0)
        fail(QStringLiteral("the procedure call has no closing brace"));
    st.callText = m_text.mid(start, end - start + 1);
    if (!isCallText(st.callText))
        fail(QStringLiteral("\"%1\" is not a procedure call").arg(st.callText));
    m_pos = end + 1;
    expectChar(u'}');
}

void ShapeParser::computeList(ShapeStatement& st) {
    for (;;) {
        ComputeItem item;
        const qsizetype itemPos = m_pos;
        if (peekWord(QStringLiteral("SUM"))) {
            expectWord(QStringLiteral("SUM"));
            skipBlanks();
            expectChar(u'(');
            skipBlanks();
            const qsizetype childPos = m_pos;
            const QString child = name();
            if (child.compare(st.childName, Qt::CaseInsensitive) != 0) {
                m_pos = childPos;
                fail(QStringLiteral("SUM names \"%1\", not the child \"%2\"").arg(child, st.childName));
            }
            expectChar(u'.');
            item.kind = ComputeItem::Kind::Sum;
            item.column = (!atEnd() && m_text[m_pos] == u'\'') ? quoted() : name();
            skipBlanks();
            expectChar(u')');
            skipBlanks();
            expectWord(QStringLiteral("AS"));
            skipBlanks();
            item.alias = name();
        } else {
            const QString child = name();
            if (child.compare(st.childName, Qt::CaseInsensitive) != 0) {
                m_pos = itemPos;
                fail(QStringLiteral("\"%1\" is not the child \"%2\"").arg(child, st.childName));
            }
        }
        st.items.push_back(item);
        skipBlanks();
        if (atEnd() || m_text[m_pos] != u',')
            return;
        ++m_pos;
        skipBlanks();
    }
}

void ShapeParser::keyList(ShapeStatement& st) {
    for (;;) {
        st.keys << ((!atEnd() && m_text[m_pos] == u'\'') ? quoted() : name());
        skipBlanks();
        if (atEnd() || m_text[m_pos] != u',')
            return;
        ++m_pos;
        skipBlanks();
    }
}

void ShapeParser::skipBlanks() {
    while (!atEnd() && m_text[m_pos].isSpace())
        ++m_pos;
}

bool ShapeParser::peekWord(const QString& word) const {
    if (m_text.mid(m_pos, word.size()).compare(word, Qt::CaseInsensitive) != 0)
        return false;
    const qsizetype after = m_pos + word.size();
    return after >= m_text.size() || !isNameChar(m_text[after]);
}

void ShapeParser::expectWord(const QString& word) {
    if (!peekWord(word))
        fail(QStringLiteral("expected %1").arg(word));
    m_pos += word.size();
}

void ShapeParser::expectChar(QChar c) {
    if (atEnd() || m_text[m_pos] != c)
        fail(QStringLiteral("expected \"%1\"").arg(c));
    ++m_pos;
}

QString ShapeParser::name() {
    if (atEnd() || !isNameStart(m_text[m_pos]))
        fail(QStringLiteral("expected a name"));
    const qsizetype start = m_pos;
    while (!atEnd() && isNameChar(m_text[m_pos]))
        ++m_pos;
    return m_text.mid(start, m_pos - start);
}

QString ShapeParser::quoted() {
    const qsizetype start = m_pos;
    expectChar(u'\'');
    QString out;
    for (;;) {
        if (atEnd()) {
            m_pos = start;
            fail(QStringLiteral("unterminated quoted column name"));
        }
        const QChar c = m_text[m_pos++];
        if (c != u'\'') {
            out += c;
        } else if (!atEnd() && m_text[m_pos] == u'\'') {
            out += c;
            ++m_pos;
        } else {
            break;
        }
    }
    if (out.isEmpty()) {
        m_pos = start;
        fail(QStringLiteral("empty column name"));
    }
    return out;
}

void ShapeParser::fail(const QString& what) const {
    throw DataError(QStringLiteral("Grouping statement: %1 at position %2").arg(what).arg(m_pos + 1));
}

} // namespace orv::reports
