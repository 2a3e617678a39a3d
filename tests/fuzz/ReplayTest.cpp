// Every fuzz target over its seed corpus and over every input that ever broke
// it (regressions/<target>/), in the ordinary suite, with no fuzzer.
#include "FuzzTargets.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace orv::fuzz;

namespace {

int replay(const NamedTarget& target, const QString& folder) {
    const QDir dir(QStringLiteral(ORV_FUZZ_DIR "/") + folder + QLatin1Char('/') + QLatin1String(target.name));
    int count = 0;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            ADD_FAILURE() << "cannot read " << file.fileName().toStdString();
            continue;
        }
        const QByteArray bytes = file.readAll();
        try {
            target.run(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
        } catch (const std::exception& e) {
            ADD_FAILURE() << target.name << " " << folder.toStdString() << "/" << name.toStdString() << ": "
                          << e.what();
        }
        ++count;
    }
    return count;
}

} // namespace

TEST(FuzzReplay, EveryTargetTakesItsSeedsAndEveryInputThatEverBrokeIt) {
    for (const NamedTarget& target : kTargets) {
        EXPECT_GT(replay(target, QStringLiteral("corpus")), 0) << target.name << " has no seeds";
        replay(target, QStringLiteral("regressions"));
    }
}
