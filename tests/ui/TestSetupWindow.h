#pragma once

#include "FakeSetupData.h"
#include "ui/SetupWindow.h"

class QLineEdit;

namespace orv::test {

// A set-up window built on the frame the way a real one is: accounts with a
// code, a name, a type and a status; the name list alphabetical; the status
// filtered to digits and lower-case letters and checked as a number 0 or 1;
// the empty name tinted.
class TestSetupWindow : public SetupWindow {
    Q_OBJECT
public:
    static inline const QString kStatusRange = QStringLiteral("Status : Specify 1 as ACTIVE ; 0 as INACTIVE");
    static inline FakeSetupData* book = nullptr;

    TestSetupWindow();

    QLineEdit* txtAcctCode;
    QLineEdit* txtAcctName;
    QComboBox* cboAcctType;
    QLineEdit* txtStatus;

protected:
    void createDataClass() override { m_cls = book; }
    Recordset readTable(const QString& table) override { return m_cls->Get_Table_Recordset(table); }
    Recordset readDetails(const QString& name) override { return m_cls->Get_COA_Details(name); }
    QString write(Request request) override;

    std::vector<ListFill> lists() const override {
        return {{cboCompany, QStringLiteral("COA_T"), QStringLiteral("GL_Name_VC"), true}};
    }
    std::vector<FieldDef> stagingFields() const override;
    void showDetails(const Recordset& record) override;
    CheckList validateChecks() override;
    std::vector<Assignment> assignments(Request request) override;
    std::vector<QWidget*> clearedFields() const override;

private:
    FakeSetupData* m_cls = nullptr;
};

} // namespace orv::test
