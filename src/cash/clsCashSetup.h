#pragma once

#include "data/SetupDataClass.h"

namespace orv {

// The data class of the bank set-up window: its banks, requested in
// Temp_Bank and kept in Bank_T.
class clsCashSetup : public MasterDataClass {
public:
    static const FailureTexts kFailed;

    clsCashSetup();

    // The bank of one name (select_cash_setup), read by column name.
    Recordset Get_Cash_Details(const QString& bank_name) { return details(0, bank_name); }
};

} // namespace orv
