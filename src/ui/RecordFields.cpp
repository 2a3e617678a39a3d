#include "RecordFields.h"

namespace orv {

Recordset buildRecord(const std::vector<FieldDef>& fields, bool oneRow) {
    Recordset record;
    for (const FieldDef& f : fields) {
        record.appendField(f.name, f.type, f.size);
    }
    record.open();
    if (oneRow) {
        record.addNew();
    }
    return record;
}

void assignText(Recordset& record, const QString& field, const QString& text) {
    record.setValue(field, Variant(text));
}

} // namespace orv
