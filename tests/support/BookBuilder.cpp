#include "BookBuilder.h"

namespace orv::test {

void BookBuilder::build(const QString& table) {
    for (const QString& text : table.split(QLatin1Char('\n'))) {
        if (text.trimmed().isEmpty() || text.trimmed().startsWith(QLatin1Char('#')))
            continue;
        const TableLine line(text);
        if (!readMaster(line) && !readJournal(line))
            line.unreadable("unknown kind of record");
    }
}

} // namespace orv::test
