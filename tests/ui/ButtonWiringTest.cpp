#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Every button of the program goes through onClick, which guards the handler
// against failures and against a second press while it runs. A window that
// connects a button's click itself loses both, so the sources are read for
// any such connection.
TEST(ButtonWiring, NoSourceConnectsAClickOutsideOnClick) {
    const QString root = QStringLiteral(ORV_SOURCE_DIR "/src");
    const QRegularExpression direct(QStringLiteral(R"(::clicked\b|SIGNAL\s*\(\s*clicked)"));
    QStringList found;
    int read = 0;
    QDirIterator files(root, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (path.endsWith(QStringLiteral("/uicore/OnClick.h")))
            continue;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        ++read;
        int line = 0;
        while (!file.atEnd()) {
            ++line;
            if (direct.match(QString::fromUtf8(file.readLine())).hasMatch())
                found << QStringLiteral("%1:%2").arg(path.mid(root.size() + 1)).arg(line);
        }
    }
    EXPECT_GT(read, 50) << "the sources were not found under " << root.toStdString();
    EXPECT_TRUE(found.isEmpty()) << "buttons wired past onClick:\n  " << found.join("\n  ").toStdString();
}

} // namespace
