#pragma once

#include "JournalDataClass.h"

namespace orv {

// The data class of the journal window.
class clsGLEntry : public JournalDataClass {
public:
    clsGLEntry() = default;

    // The accounts a line may name (select_coa): code, name, type, then the
    // categories, read by position.
    Recordset Get_GL_Code();
    // Writes the journal; the posting number or "Error Entering Journal".
    // Lines that do not add up to zero are refused by the database.
    QString Send_Order(const Recordset& header, Recordset lines);
};

} // namespace orv
