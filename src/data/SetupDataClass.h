#pragma once

#include "DataClass.h"

#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orv {

// One request of a set-up record: the staging fields it carries, each into
// its request column, and the sentence the clerk reads when the books take
// it, fixed texts before and after the value of one column of the saved row.
struct StagedRequest {
    DataClass::Mapping fields;
    QString before;
    QString column;
    QString after;
};

// One kind of master record a set-up window keeps: the request table its
// requests add a row to, the read of one record by name (its ? the name),
// what the clerk reads when the books refuse each request, and the requests.
struct SetupRecord {
    QString requests;
    QString read;
    DataClass::FailureTexts failed;
    StagedRequest create;
    StagedRequest update;
    StagedRequest remove;
};

// The data class of a set-up window. It declares the records its window
// keeps once; each request adds one row to its record's request table, which
// the database applies to the master table or refuses, and answers with the
// request's sentence or its failure text.
class SetupDataClass : public DataClass {
public:
    // The account of one code. Codes are whole numbers of 32 bits, as the
    // chart keeps them.
    Recordset Get_COA_Details(std::int32_t GL_ID);
    // The widths of a request table's columns, also under the staging fields
    // that travel in them.
    QHash<QString, int> textWidths(const QString& table) override;

    // The usual sentences: a create's text before the value read back; an
    // update's " have been updated" after it; a delete's " would be Deleted if
    // there is no transaction history" after it.
    static StagedRequest created(Mapping fields, const QString& text, const QString& column);
    static StagedRequest updated(Mapping fields, const QString& column);
    static StagedRequest deleted(Mapping fields, const QString& column);
    // Each field copied into the column of the same name.
    static Mapping sameNames(const QStringList& fields);

protected:
    enum class Kind { Create, Update, Delete };

    // Get_ID of an account of the chart by its code.
    static IdBranch chartBranch();

    explicit SetupDataClass(std::vector<SetupRecord> records, std::vector<IdBranch> branches = {});

    // The record of one name of the class's record number `record`, read by
    // column name; empty when there is none.
    Recordset details(std::size_t record, const QString& name);
    QString request(std::size_t record, Kind kind, const Recordset& staging);

private:
    std::vector<SetupRecord> m_records;
};

// A set-up data class whose window keeps one record of its own, the first it
// declares, written by the three requests below.
class MasterDataClass : public SetupDataClass {
public:
    QString Send_Order(const Recordset& staging) { return request(0, Kind::Create, staging); }
    QString Update_Order(const Recordset& staging) { return request(0, Kind::Update, staging); }
    QString Delete_Order(const Recordset& staging) { return request(0, Kind::Delete, staging); }

protected:
    using SetupDataClass::SetupDataClass;
};

} // namespace orv
