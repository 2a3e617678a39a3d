#pragma once

#include "clsCOASetup.h"
#include "ui/SetupWindow.h"

#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;

namespace orv {

// "COA Master": the chart of accounts. The clerk picks an account by name or
// types a new one and requests its creation, update or deletion; the database
// applies each request. The category strip only shows the categories and
// sub-categories that exist.
class frmCOASetup : public SetupWindow {
    Q_OBJECT
public:
    static inline const QString kStatusMessage =
        QStringLiteral("Status : Specify 1 as ACTIVE ; 0 as INACTIVE");

    explicit frmCOASetup(QWidget* parent = nullptr);
    ~frmCOASetup() override;

    QGroupBox* fraStep1;
    QComboBox* cboAcctCat;
    QPushButton* cmdCreate;
    QComboBox* cboCreateSubCat;
    QPushButton* cmdNewSubCat;
    QGroupBox* fraAccount;
    QLineEdit* txtAcctCode;
    QLineEdit* txtAcctName;
    QComboBox* cboAcctType;
    QComboBox* cboAcctCategory;
    QComboBox* cboSubCat;
    QLineEdit* txtStatus;
    QGroupBox* fraFunction;

    // The REFRESH triggers beyond a pick in the name list.
    void txtAcctCode_Click();
    void cboAcctCategory_Click();
    void cboSubCat_Click();
    void cboAcctCat_Click();

protected:
    void createDataClass() override;
    Recordset readTable(const QString& table) override;
    Recordset readDetails(const QString& name) override;
    QString write(Request request) override;

    std::vector<ListFill> lists() const override;
    ListFill nameList() const override;
    std::vector<FieldDef> stagingFields() const override;
    void showDetails(const Recordset& record) override;
    CheckList validateChecks() override;
    std::vector<Assignment> assignments(Request request) override;
    std::vector<QWidget*> clearedFields() const override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    QWidget* labelled(const QString& caption, QWidget* field, const QString& labelName);
    static Check tooLong(QWidget* field, int maximum, const QString& message);

    std::unique_ptr<clsCOASetup> m_coa;
};

} // namespace orv
