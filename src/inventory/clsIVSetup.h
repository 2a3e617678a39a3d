#pragma once

#include "data/DataClass.h"

namespace orv {

// The data class of the inventory set-up window: product categories, account
// sets and items. Each request adds one row to the staging twin of its table,
// which the database applies or refuses; the window shows the sentence or the
// failure text returned. Request records name their fields as the staging
// columns do (compared without regard to case).
class clsIVSetup : public DataClass {
public:
    static inline const FailureTexts kStockFailed{
        QStringLiteral("Product Category already Exist, Creation Failed"),
        QStringLiteral("Category Update Failed"), QStringLiteral("Category Delete Failed")};
    static inline const FailureTexts kAcctsetFailed{
        QStringLiteral("Product Account set already Exist, Creation Failed"),
        QStringLiteral("Account Set-Up Update Failed"), QStringLiteral("Account Set-Up Delete Failed")};
    static inline const FailureTexts kItemFailed{QStringLiteral("Item Code already Exist, Creation Failed"),
                                                 QStringLiteral("Item Code Update Failed"),
                                                 QStringLiteral("Item Code Delete Failed")};

    clsIVSetup();

    // One record's details, read by column name; empty when the name or code
    // is not found.
    Recordset Get_Stock_Details(const QString& Category_Name_VC);
    Recordset Get_AcctSet_Details(const QString& Pdt_Acctset_VC);
    Recordset Get_Item_Details(const QString& Pdt_ID_VC);

    // Categories; the sentence names the category by its name.
    QString Send_Stock(const Recordset& rsNewStock);
    QString Update_Stock(const Recordset& rsNewStock);
    QString Delete_Stock(const Recordset& rsNewStock);
    // Account sets; never carries Acctset_ID, which the database gives.
    QString Send_Acctset(const Recordset& rsNewAcctset);
    QString Update_Acctset(const Recordset& rsNewAcctset);
    QString Delete_Acctset(const Recordset& rsNewAcctset);
    // Items.
    QString Send_Item(const Recordset& rsNewItem);
    QString Update_Item(const Recordset& rsNewItem);
    QString Delete_Item(const Recordset& rsNewItem);

    // One master table of the window and the shape of its requests.
    struct Master;

private:
    QString request(const Recordset& record, const Master& master, const char* type, const QString& failure);
};

} // namespace orv
