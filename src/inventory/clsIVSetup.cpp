#include "clsIVSetup.h"

namespace orv {

const DataClass::FailureTexts clsIVSetup::kStockFailed{
    QStringLiteral("Product Category already Exist, Creation Failed"),
    QStringLiteral("Category Update Failed"), QStringLiteral("Category Delete Failed")};
const DataClass::FailureTexts clsIVSetup::kAcctsetFailed{
    QStringLiteral("Product Account set already Exist, Creation Failed"),
    QStringLiteral("Account Set-Up Update Failed"), QStringLiteral("Account Set-Up Delete Failed")};
const DataClass::FailureTexts clsIVSetup::kItemFailed{
    QStringLiteral("Item Code already Exist, Creation Failed"), QStringLiteral("Item Code Update Failed"),
    QStringLiteral("Item Code Delete Failed")};

namespace {

// A master of the window: every request (a delete too) carries the same
// columns, and the sentences name the record by its key column.
struct Master {
    QString requests;
    QString read;
    QStringList columns;
    QString key;
    QString created;
};

} // namespace

clsIVSetup::clsIVSetup()
    : SetupDataClass([] {
          const auto record = [](const Master& m, const FailureTexts& failed) {
              const Mapping fields = sameNames(m.columns);
              return SetupRecord{m.requests,
                                 m.read,
                                 failed,
                                 created(fields, m.created, m.key),
                                 updated(fields, m.key),
                                 deleted(fields, m.key)};
          };
          // The category's sentences name it by its name, never by its code;
          // an account set never carries Acctset_ID, which the database gives.
          return std::vector<SetupRecord>{
              record({"Temp_Product_Category_T",
                      "EXEC  select_iv_setup  ?",
                      {"Pdt_Category_VC", "Category_Name_VC", "Sales_IN", "COS_IN"},
                      "Category_Name_VC",
                      "Product Category code created under : "},
                     kStockFailed),
              record({"Temp_Product_Accountset_T",
                      "EXEC  select_acctset_setup  ?",
                      {"Pdt_Acctset_VC", "cost_method_VC", "Stock_IN", "payable_IN", "shipment_IN"},
                      "Pdt_Acctset_VC",
                      "Product Account code created under : "},
                     kAcctsetFailed),
              record({"Temp_Product_T",
                      "EXEC  select_item_setup   ?",
                      {"Pdt_ID_VC", "Pdt_Name_VC", "Pdt_Descrip_VC", "Pdt_Category_VC", "vat_code",
                       "Pdt_Acctset_VC"},
                      "Pdt_ID_VC",
                      "Item code created under : "},
                     kItemFailed),
          };
      }()) {}

// clang-format off
QString clsIVSetup::Send_Stock(const Recordset& staging) { return request(kCategory, Kind::Create, staging); }
QString clsIVSetup::Update_Stock(const Recordset& staging) { return request(kCategory, Kind::Update, staging); }
QString clsIVSetup::Delete_Stock(const Recordset& staging) { return request(kCategory, Kind::Delete, staging); }
QString clsIVSetup::Send_Acctset(const Recordset& staging) { return request(kAccountSet, Kind::Create, staging); }
QString clsIVSetup::Update_Acctset(const Recordset& staging) { return request(kAccountSet, Kind::Update, staging); }
QString clsIVSetup::Delete_Acctset(const Recordset& staging) { return request(kAccountSet, Kind::Delete, staging); }
QString clsIVSetup::Send_Item(const Recordset& staging) { return request(kItem, Kind::Create, staging); }
QString clsIVSetup::Update_Item(const Recordset& staging) { return request(kItem, Kind::Update, staging); }
QString clsIVSetup::Delete_Item(const Recordset& staging) { return request(kItem, Kind::Delete, staging); }
// clang-format on

} // namespace orv
