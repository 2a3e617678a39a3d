#pragma once

#include "data/DataClass.h"

#include <cstdint>

namespace orv {

// The data class of the bank set-up window. Each request adds one row to
// Temp_Bank, which the database applies to Bank_T or refuses; the window
// shows the sentence or the failure text returned.
class clsCashSetup : public DataClass {
public:
    static inline const FailureTexts kFailed{QStringLiteral("Bank Name already Exist, Creation Failed"),
                                             QStringLiteral("Cash Details Update Failed"),
                                             QStringLiteral("Cash Details Delete Failed")};

    clsCashSetup();

    // The bank of one name (select_cash_setup), read by column name.
    Recordset Get_Cash_Details(const QString& bank_name);
    // The account of one code, a whole number of 32 bits.
    Recordset Get_COA_Details(std::int32_t id);

    // Only a create carries the code: the staging record's GL_ID travels as
    // Bank_Code_VC.
    QString Send_Order(const Recordset& rsNewBank);
    QString Update_Order(const Recordset& rsNewBank);
    QString Delete_Order(const Recordset& rsNewBank);
};

} // namespace orv
