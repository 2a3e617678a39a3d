#pragma once

#include "data/SetupDataClass.h"

namespace orv {

// The data class of the supplier set-up window: its suppliers, requested in
// Temp_Creditors and kept in Creditors. The staging record's GL_ID travels
// as customerid.
class clsAPSetup : public MasterDataClass {
public:
    static const FailureTexts kFailed;

    clsAPSetup();

    // The supplier of one name (select_creditor_setup), read by column name.
    Recordset Get_Creditor_Details(const QString& CompanyName) { return details(0, CompanyName); }
};

} // namespace orv
