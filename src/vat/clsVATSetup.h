#pragma once

#include "data/DataClass.h"

#include <cstdint>

namespace orv {

// The data class of the VAT set-up window. Each request adds one row to
// Temp_VAT carrying all seven columns, which the database applies to VAT_T or
// refuses; the window shows the sentence or the failure text returned.
class clsVATSetup : public DataClass {
public:
    static inline const FailureTexts kFailed{QStringLiteral("VAT Name already Exist, Creation Failed"),
                                             QStringLiteral("VAT Update Failed"),
                                             QStringLiteral("VAT Delete Failed")};

    clsVATSetup();

    // The VAT code of one name (select_VAT_setup), read by column name.
    // The staging record's text fields take the widths of the columns they feed.
    QHash<QString, int> textWidths(const QString& table) override;
    Recordset Get_Creditor_Details(const QString& vat_name);
    // The account of one code. Codes are whole numbers of 32 bits, as the
    // chart keeps them.
    Recordset Get_COA_Details(std::int32_t GL_ID);

    // The staging record's fields travel under the VAT columns: GL_ID as
    // VAT_Control, CompanyName as vat_name, Address as VAT_Descrip, City as
    // VAT_Reg, Credit_Term as vat_code and Credit_Limit as vat_rate.
    QString Send_Order(const Recordset& rsNewCreditor);
    QString Update_Order(const Recordset& rsNewCreditor);
    QString Delete_Order(const Recordset& rsNewCreditor);
};

} // namespace orv
