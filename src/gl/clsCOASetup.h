#pragma once

#include "data/DataClass.h"

namespace orv {

// The data class of the chart-of-accounts window. Each request adds one
// Temp_COA row, which the database applies to COA_T or refuses; the window
// shows the sentence or the failure text returned.
class clsCOASetup : public DataClass {
public:
    static inline const FailureTexts kFailed{QStringLiteral("Account code already Exist, Creation Failed"),
                                             QStringLiteral("Account Update Failed"),
                                             QStringLiteral("Account Delete Failed")};

    clsCOASetup();

    // The account of one name (select_coa_setup2), read by column name.
    Recordset Get_COA_Details(const QString& GL_Name_VC);

    // A create request: code, name, type, categories and status.
    QString Send_Order(const Recordset& rsNewCOA);
    // An update request: the name finds the account; type, categories, status.
    QString Update_Order(const Recordset& rsNewCOA);
    // A delete request: the name finds the account.
    QString Delete_Order(const Recordset& rsNewCOA);
};

} // namespace orv
