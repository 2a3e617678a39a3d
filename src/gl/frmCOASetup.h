#pragma once

#include "clsCOASetup.h"
#include "ui/SetupWindow.h"

#include <QPushButton>

class QGroupBox;
class QLineEdit;

namespace orv {

// "COA Master": the chart of accounts, on the set-up frame. The category strip
// only shows the categories and sub-categories that exist.
class frmCOASetup : public SetupWindowOver<clsCOASetup> {
    Q_OBJECT
public:
    static inline const QString kStatusMessage =
        QStringLiteral("Status : Specify 1 as ACTIVE ; 0 as INACTIVE");

    explicit frmCOASetup(QWidget* parent = nullptr);

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
    void txtAcctCode_Click() { cmdNew->click(); }
    void cboAcctCategory_Click() { cmdNew->click(); }
    void cboSubCat_Click() { cmdNew->click(); }
    void cboAcctCat_Click();

protected:
    std::vector<ListFill> lists() const override;
    ListFill nameList() const override;
    void showDetails(const Recordset& record) override;

private:
    void layOut();
};

} // namespace orv
