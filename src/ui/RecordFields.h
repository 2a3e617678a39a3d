#pragma once

#include "values/Recordset.h"

#include <QString>
#include <vector>

namespace orv {

// One field of an in-memory record set as a window declares it.
struct FieldDef {
    QString name;
    DataType type = DataType::Text;
    int size = 0; // maximum length of a text field; 0 = no limit
};

// A new stand-alone record set with the fields in order, opened empty; with
// oneRow it is given its one row at once (the header and staging records).
Recordset buildRecord(const std::vector<FieldDef>& fields, bool oneRow);

// Assigns a control's text to a field of the current row, converted to the
// field's type at that moment; a text the field cannot hold throws DataError.
void assignText(Recordset& record, const QString& field, const QString& text);

} // namespace orv
