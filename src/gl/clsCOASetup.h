#pragma once

#include "data/SetupDataClass.h"

namespace orv {

// The data class of the chart-of-accounts window: the accounts, requested in
// Temp_COA and kept in COA_T. A create carries the code, name, type,
// categories and status; an update finds the account by its name and
// carries the type, categories and status; a delete finds it by its name.
class clsCOASetup : public MasterDataClass {
public:
    static const FailureTexts kFailed;

    clsCOASetup();

    // The account of one name (select_coa_setup2), read by column name.
    Recordset Get_COA_Details(const QString& GL_Name_VC) { return details(0, GL_Name_VC); }
};

} // namespace orv
