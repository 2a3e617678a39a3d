#pragma once

#include "data/SetupDataClass.h"

namespace orv {

// The data class of the inventory set-up window: product categories, account
// sets and items, each requested in the staging twin of its table. Request
// records name their fields as the staging columns do (compared without
// regard to case).
class clsIVSetup : public SetupDataClass {
public:
    static const FailureTexts kStockFailed;
    static const FailureTexts kAcctsetFailed;
    static const FailureTexts kItemFailed;

    clsIVSetup();

    // One record's details, read by column name; empty when the name or code
    // is not found.
    Recordset Get_Stock_Details(const QString& Category_Name_VC) {
        return details(kCategory, Category_Name_VC);
    }
    Recordset Get_AcctSet_Details(const QString& Pdt_Acctset_VC) {
        return details(kAccountSet, Pdt_Acctset_VC);
    }
    Recordset Get_Item_Details(const QString& Pdt_ID_VC) { return details(kItem, Pdt_ID_VC); }

    // Categories; the sentence names the category by its name.
    QString Send_Stock(const Recordset& staging);
    QString Update_Stock(const Recordset& staging);
    QString Delete_Stock(const Recordset& staging);
    // Account sets; never carries Acctset_ID, which the database gives.
    QString Send_Acctset(const Recordset& staging);
    QString Update_Acctset(const Recordset& staging);
    QString Delete_Acctset(const Recordset& staging);
    // Items.
    QString Send_Item(const Recordset& staging);
    QString Update_Item(const Recordset& staging);
    QString Delete_Item(const Recordset& staging);

private:
    enum : std::size_t { kCategory, kAccountSet, kItem };
};

} // namespace orv
