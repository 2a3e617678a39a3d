#pragma once

#include "values/Recordset.h"

#include <QString>
#include <map>
#include <vector>

namespace orv::test {

// The in-memory data class of the test set-up window: an account table, a
// details read by name, and writers that keep every request row they add.
class FakeSetupData {
public:
    struct Account {
        int code;
        QString name;
        QString type;
        QString status;
    };
    struct RequestRow {
        QString functionType;
        std::map<QString, Variant> fields;
    };

    std::vector<Account> accounts{
        {1000, QStringLiteral("Petty cash"), QStringLiteral("BS"), QStringLiteral("1")},
        {4000, QStringLiteral("Sales"), QStringLiteral("PL"), QStringLiteral("1")},
        {1200, QStringLiteral("bank"), QStringLiteral("BS"), QStringLiteral("0")}};
    // When set, every writer fails with its failure text.
    bool failWrites = false;
    std::vector<RequestRow> requests;
    int tableReads = 0;

    Recordset Get_Table_Recordset(const QString& table);
    Recordset Get_COA_Details(const QString& name) const;
    QString Send_Order(const Recordset& staging);
    QString Update_Order(const Recordset& staging);
    QString Delete_Order(const Recordset& staging);

private:
    void keep(const QString& functionType, const Recordset& staging, const std::vector<QString>& fields);
};

} // namespace orv::test
