#include "clsGLEntry.h"

namespace orv {

Recordset clsGLEntry::Get_GL_Code() {
    return read(QStringLiteral("select_coa"));
}

QString clsGLEntry::Send_Order(const Recordset& header, Recordset lines) {
    return writeJournal(header, std::move(lines), false);
}

} // namespace orv
