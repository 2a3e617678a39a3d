#include "clsSale_Entry.h"

namespace orv {

namespace {

// The lines with one field more, vat_pct: the line's VAT rate per cent.
Recordset withRatePerCent(const Recordset& lines) {
    std::vector<FieldInfo> fields;
    for (int c = 0; c < lines.fieldCount(); ++c)
        fields.push_back(lines.field(c));
    fields.push_back({QStringLiteral("vat_pct"), DataType::Currency, 0});
    std::vector<std::vector<Variant>> rows;
    for (const RowView row : lines.rows()) {
        std::vector<Variant> values;
        for (int c = 0; c < lines.fieldCount(); ++c)
            values.push_back(lines.valueAt(row.index(), c));
        const Variant rate = row.value(QStringLiteral("VAT_rate"));
        values.push_back(rate.isBlank() ? rate : Variant(rate.toCurrency() * 100));
        rows.push_back(std::move(values));
    }
    return Recordset::detached(std::move(fields), std::move(rows));
}

} // namespace

Recordset clsSale_Entry::Get_Balance(const QString& name) {
    return read(QStringLiteral("EXEC select_customer_balance ?"), {Variant(name)});
}

Recordset clsSale_Entry::Get_Customer_Order(const QString& name) {
    return read(QStringLiteral("EXEC select_customer_order2 ?"), {Variant(name)});
}

QString clsSale_Entry::Send_Order(const Recordset& header, const Recordset& lines) {
    const DocumentLayout layout{QStringLiteral("Orders"),
                                orderColumns(header),
                                QStringLiteral("Sales_T"),
                                {fromSaved(QStringLiteral("customerid"), QStringLiteral("customerid")),
                                 fromLine(QStringLiteral("Pdt_ID_VC"), QStringLiteral("Product_No")),
                                 fromLine(QStringLiteral("Descrip_VC"), QStringLiteral("Description")),
                                 fromLine(QStringLiteral("qty_to_bill"), QStringLiteral("qty_to_bill")),
                                 fromLine(QStringLiteral("unit_price"), QStringLiteral("Unit_Price")),
                                 fromLine(QStringLiteral("do_no"), QStringLiteral("do_no")),
                                 fromSaved(QStringLiteral("inv_no"), QStringLiteral("OrderID")),
                                 fromHeader(QStringLiteral("Credit_Term"), QStringLiteral("credit_term")),
                                 fromHeader(QStringLiteral("Credit_Limit"), QStringLiteral("credit_limit")),
                                 fixed(QStringLiteral("doc_type"), Variant(QStringLiteral("DO"))),
                                 fromSaved(QStringLiteral("date_dt"), QStringLiteral("RequiredDate")),
                                 fromLine(QStringLiteral("PO"), QStringLiteral("PO")),
                                 fromHeader(QStringLiteral("Cur_Type"), QStringLiteral("Cur_Type")),
                                 fromHeader(QStringLiteral("cur_rate"), QStringLiteral("Cur_Rate")),
                                 fromLine(QStringLiteral("vat_code"), QStringLiteral("VAT_code")),
                                 fromLine(QStringLiteral("vat_rate"), QStringLiteral("vat_pct"))},
                                QStringLiteral("OrderID")};
    return writeDocument(kFailureText, layout, header, withRatePerCent(lines));
}

} // namespace orv
