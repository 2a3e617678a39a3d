#pragma once

#include "data/DataClass.h"

#include <cstdint>

namespace orv {

// The data class of the supplier set-up window. Each request adds one row to
// Temp_Creditors, which the database applies to Creditors or refuses; the
// window shows the sentence or the failure text returned.
class clsAPSetup : public DataClass {
public:
    static inline const FailureTexts kFailed{QStringLiteral("Creditor Name already Exist, Creation Failed"),
                                             QStringLiteral("Creditor Update Failed"),
                                             QStringLiteral("Creditor Delete Failed")};

    clsAPSetup();

    // The supplier of one name (select_creditor_setup), read by column name.
    Recordset Get_Creditor_Details(const QString& CompanyName);
    // The account of one code. Codes are whole numbers of 32 bits, as the
    // chart keeps them.
    Recordset Get_COA_Details(std::int32_t GL_ID);

    // The staging record's GL_ID travels as customerid.
    QString Send_Order(const Recordset& rsNewCreditor);
    QString Update_Order(const Recordset& rsNewCreditor);
    QString Delete_Order(const Recordset& rsNewCreditor);
};

} // namespace orv
