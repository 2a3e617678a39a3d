// Values the windows refuse before they send anything (a box's limit, a
// blank amount, quantity or date, an employee not in the list), sent through
// the data classes as another workstation or a window's fault could send
// them: the books refuse each with a sentence of its own, never a column
// constraint's general one.
#include "ar/clsARSetup.h"
#include "cash/clsCashSetup.h"
#include "gl/clsCOASetup.h"
#include "gl/clsGLEntry.h"
#include "inventory/clsIVSetup.h"
#include "purchases/clsAPSetup.h"
#include "support/PartyStaging.h"
#include "support/Refusal.h"
#include "support/StockBook.h"
#include "support/VatStaging.h"
#include "vat/clsVATSetup.h"

#include <functional>
#include <map>

using namespace orv;

namespace {

using Values = std::map<QString, QString>;

// A record of the values as typed, a text field each, one row a map: the
// data classes convert them as they copy them into the books.
Recordset filled(const std::vector<Values>& rows) {
    Recordset r;
    for (const auto& [field, text] : rows.front())
        r.appendField(field, DataType::Text);
    r.open();
    for (const Values& row : rows) {
        r.addNew();
        for (const auto& [field, text] : row)
            if (!text.isEmpty())
                r.setValue(field, Variant(text));
    }
    return r;
}

// Values as "field=value; field=value".
Values typed(const QString& text) {
    Values values;
    for (const QString& pair : text.split(QStringLiteral("; "), Qt::SkipEmptyParts))
        values[pair.section(QLatin1Char('='), 0, 0)] = pair.section(QLatin1Char('='), 1);
    return values;
}

// One request or document a window sends, valid as given here: a header (a
// set-up request's record) and its lines. A case changes one of its values,
// in the header or else in the first line.
struct Sent {
    DataClass* writer;
    QString failureText;
    std::function<QString(const Recordset&, const Recordset&)> send;
    Values header;
    std::vector<Values> lines = {};
};

class ColumnRefusalsTest : public test::StockBook {
protected:
    void SetUp() override {
        StockBook::SetUp();
        addAccount(1250, QStringLiteral("Coast Debtor"));
        addAccount(2150, QStringLiteral("Delta Creditor"));
        addAccount(1050, QStringLiteral("Harbour Bank"));
        addAccount(1350, QStringLiteral("Tool Stock"));
        addAccount(2160, QStringLiteral("Tools Not Billed"));
        addAccount(1360, QStringLiteral("Tools Shipped"));
    }

    template <class Writer, class Declared>
    static auto request(Writer& writer, QString (Declared::*send)(const Recordset&)) {
        return [&writer, send](const Recordset& record, const Recordset&) { return (writer.*send)(record); };
    }
    template <class Writer> static auto document(Writer& writer) {
        return [&writer](const Recordset& header, const Recordset& lines) {
            return writer.Send_Order(header, lines);
        };
    }

    std::map<QString, Sent> sent() {
        const QString clerk = QStringLiteral("EmployeeID=%1; ").arg(employee);
        Values customer = test::localParty(1250, QStringLiteral("Coast Traders"));
        Values supplier = test::localParty(2150, QStringLiteral("Delta Parts"));
        supplier["VAT_Reg"] = QStringLiteral("M2-0012345");
        const QString line = QStringLiteral("Date=2010-06-01; Period=6; Year=2010; Descrip=rent; ");
        return {
            {"account",
             {&coa, clsCOASetup::kFailed.create, request(coa, &clsCOASetup::Send_Order),
              typed("GL_ID=6650; GL_Name_VC=Gifts; Acct_Type=PL; BS_Category_VC=EXPENSES; "
                    "Sub_Category_VC=SELLING; Status_bt=1")}},
            {"VAT code",
             {&vat, clsVATSetup::kFailed.create, request(vat, &clsVATSetup::Send_Order),
              test::vatCode(7, "Export Sales", "0")}},
            {"customer",
             {&parties, clsARSetup::kCustomerFailed.create, request(parties, &clsARSetup::Send_Order),
              customer}},
            {"supplier",
             {&suppliers, clsAPSetup::kFailed.create, request(suppliers, &clsAPSetup::Send_Order), supplier}},
            {"shipper",
             {&parties, clsARSetup::kShipperFailed.create, request(parties, &clsARSetup::Send_Ship),
              typed("CompanyName=Swift Freight; Phone=62223333; Shipaddr=9 Quay Rd")}},
            {"employee",
             {&parties, clsARSetup::kEmployeeFailed.create, request(parties, &clsARSetup::Send_Employee),
              typed("LastName=Lee; FirstName=Ann; BirthDate=1985-02-03; HireDate=2009-05-04; "
                    "Address=3 Hill St; HomePhone=61112222")}},
            {"bank",
             {&banks, clsCashSetup::kFailed.create, request(banks, &clsCashSetup::Send_Order),
              typed("GL_ID=1050; Bank_name=Harbour Bank; Bank_Add_VC=1 Bay Rd; Bank_Contact_VC=Ms Ong")}},
            {"category",
             {&stock, clsIVSetup::kStockFailed.create, request(stock, &clsIVSetup::Send_Stock),
              typed("Pdt_Category_VC=HW; Category_Name_VC=Hardware; Sales_IN=4000; COS_IN=5000")}},
            {"account set",
             {&stock, clsIVSetup::kAcctsetFailed.create, request(stock, &clsIVSetup::Send_Acctset),
              typed("Pdt_AcctSet_VC=TOOLS; cost_method_VC=FIFO; stock_IN=1350; payable_IN=2160; "
                    "shipment_IN=1360")}},
            {"item",
             {&stock, clsIVSetup::kItemFailed.create, request(stock, &clsIVSetup::Send_Item),
              typed("Pdt_ID_VC=W-1; Pdt_Name_VC=Widget; Pdt_Descrip_VC=A small widget; Pdt_Category_VC=GEN; "
                    "vat_code=1; Pdt_Acctset_VC=STANDARD")}},
            {"journal",
             {&gl,
              clsGLEntry::kFailureText,
              document(gl),
              typed(clerk),
              {typed(line + "GL_ID=6100; Amount=10"), typed(line + "GL_ID=1010; Amount=-10")}}},
            {"goods received",
             {&grn,
              clsGRN::kFailureText,
              document(grn),
              typed(clerk +
                    QStringLiteral("CustomerID=%1; PO=PO-1; Cur_Type=SGD; Cur_Rate=1").arg(kSupplier)),
              {typed("Date=2010-06-01; Product_No=A100; Qty_Order=2; Description=bolts; Doc_Type=GRN; "
                     "Unit_Price_TI=5; Order_Type=PO; vat_code=1; vat_rate=0.07")}}},
            {"stock adjustment",
             {&adjustment,
              clsStk_Adj::kFailureText,
              document(adjustment),
              typed(clerk + "stock_in=1300; Date=2010-06-10"),
              {typed("Doc_ID=" + itemRow(QStringLiteral("A100")) +
                     "; Pdt_ID_VC=A100; Qty_NU=3; Unit_Price_TI=10; Description=count; GL_ID=5100")}}},
        };
    }

    // The stock row of an item that holds nothing yet, as the adjustment offers it.
    QString itemRow(const QString& item) {
        Recordset offered = adjustment.Get_Customer_Order(QStringLiteral("1"));
        for (offered.moveFirst(); !offered.eof(); offered.moveNext())
            if (offered.value(1).toString() == item)
                return offered.value(0).toString();
        return {};
    }

    clsCOASetup coa;
    clsVATSetup vat;
    clsARSetup parties;
    clsAPSetup suppliers;
    clsCashSetup banks;
    clsIVSetup stock;
    clsGLEntry gl;
};

} // namespace

TEST_F(ColumnRefusalsTest, AValueTheWindowsRefuseFirstIsRefusedByTheBooksWithItsOwnSentence) {
    const std::map<QString, Sent> requests = sent();
    const auto expectRefused = [&](const char* name, const char* field, const QString& text,
                                   const QString& reason) {
        SCOPED_TRACE(std::string(name) + ", " + field);
        Sent request = requests.at(QLatin1String(name));
        Values& values = request.header.count(QLatin1String(field)) ? request.header : request.lines.at(0);
        ASSERT_TRUE(values.count(QLatin1String(field)));
        values[QLatin1String(field)] = text;
        const QString result = request.send(filled({request.header}),
                                            request.lines.empty() ? Recordset() : filled(request.lines));
        test::expectRefused(*request.writer, result, request.failureText, reason);
    };
    const struct {
        const char* request;
        const char* field;
        const char* text;
        const char* reason;
    } missing[] = {
        {"journal", "EmployeeID", "", "NOT NULL constraint failed: Document_T.EmployeeID"},
        {"goods received", "EmployeeID", "99999", "Document_T: employee unknown"},
        {"journal", "Amount", "", "NOT NULL constraint failed: Journal_T.Amount_NU"},
        {"goods received", "Qty_Order", "", "NOT NULL constraint failed: Temp_Stock_T.qty_nu"},
        {"goods received", "Date", "", "NOT NULL constraint failed: Temp_Stock_T.date_dt"},
        {"stock adjustment", "Date", "", "NOT NULL constraint failed: Stock_Adj_T.date_dt"},
    };
    for (const auto& c : missing)
        expectRefused(c.request, c.field, QLatin1String(c.text), QLatin1String(c.reason));
    // A text one character longer than its column keeps.
    const struct {
        const char* request;
        const char* field;
        const char* column;
        int limit;
    } tooLong[] = {
        {"journal", "Descrip", "Descrip_VC", 50},
        {"goods received", "Description", "Descrip_VC", 30},
        {"goods received", "PO", "PO", 10},
        {"account", "GL_Name_VC", "GL_Name_VC", 20},
        {"account", "BS_Category_VC", "BS_Category_VC", 20},
        {"account", "Sub_Category_VC", "Sub_Category_VC", 20},
        {"VAT code", "CompanyName", "vat_name", 30},
        {"VAT code", "Address", "VAT_Descrip", 60},
        {"VAT code", "City", "VAT_Reg", 30},
        {"supplier", "VAT_Reg", "VAT_Reg", 20},
        {"customer", "CompanyName", "CompanyName", 40},
        {"supplier", "Address", "Address", 60},
        {"customer", "City", "City", 15},
        {"customer", "Region", "Region", 15},
        {"customer", "PostalCode", "PostalCode", 10},
        {"supplier", "Country", "Country", 15},
        {"shipper", "Phone", "Phone", 24},
        {"shipper", "Shipaddr", "Shipaddr", 40},
        {"employee", "LastName", "LastName", 20},
        {"employee", "FirstName", "FirstName", 10},
        {"employee", "HomePhone", "HomePhone", 24},
        {"bank", "Bank_name", "Bank_name", 40},
        {"bank", "Bank_Add_VC", "Bank_Add_VC", 60},
        {"bank", "Bank_Contact_VC", "Bank_Contact_VC", 15},
        {"category", "Pdt_Category_VC", "Pdt_Category_VC", 20},
        {"category", "Category_Name_VC", "Category_Name_VC", 15},
        {"account set", "Pdt_AcctSet_VC", "Pdt_Acctset_VC", 20},
        {"item", "Pdt_ID_VC", "Pdt_ID_VC", 20},
        {"item", "Pdt_Name_VC", "Pdt_Name_VC", 30},
        {"item", "Pdt_Descrip_VC", "Pdt_Descrip_VC", 40},
    };
    for (const auto& c : tooLong)
        expectRefused(c.request, c.field, QString(c.limit + 1, QLatin1Char('X')),
                      QStringLiteral("typeof(%1) = 'text' AND length(%1) <= %2")
                          .arg(QLatin1String(c.column))
                          .arg(c.limit));
}
