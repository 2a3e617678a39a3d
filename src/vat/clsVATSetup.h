#pragma once

#include "data/SetupDataClass.h"

namespace orv {

// The data class of the VAT set-up window: its VAT codes, requested in
// Temp_VAT (every request carries all six staging fields) and kept in VAT_T.
// The staging record's fields travel under the VAT columns: GL_ID as
// VAT_Control, CompanyName as vat_name, Address as VAT_Descrip, City as
// VAT_Reg, Credit_Term as vat_code and Credit_Limit as vat_rate.
class clsVATSetup : public MasterDataClass {
public:
    static const FailureTexts kFailed;

    clsVATSetup();

    // The VAT code of one name (select_VAT_setup), read by column name.
    Recordset Get_Creditor_Details(const QString& vat_name) { return details(0, vat_name); }
};

} // namespace orv
