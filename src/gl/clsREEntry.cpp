#include "clsREEntry.h"

namespace orv {

Recordset clsREEntry::Get_GL_Code(const QString& year) {
    return read(QStringLiteral("EXEC select_retained_earnings ?"), {Variant(year)});
}

QString clsREEntry::Send_Order(const Recordset& header, Recordset lines) {
    return writeJournal(header, std::move(lines), true);
}

} // namespace orv
