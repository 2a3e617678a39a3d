#pragma once

#include "values/Recordset.h"
#include "ui/Check.h"

#include <QGroupBox>
#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace orv {

class clsARSetup;

// The "Shipping Set-Up" frame of the customer master window. The clerk picks
// a shipper by name or types a new one and asks for its creation, update or
// deletion. Each button checks its own fields, sends the request, shows the
// text returned, reloads the name list and empties the fields; no button is
// ever disabled.
class ShippingFrame : public QGroupBox {
    Q_OBJECT
public:
    static inline const QString kSpecifyName = QStringLiteral("Specify Shipping Name!");
    static inline const QString kSpecifyPhone = QStringLiteral("Specify Shipping Contact Number!");
    static inline const QString kSpecifyAddress = QStringLiteral("Specify Shipping Address!");
    static inline const QString kNoShipper = QStringLiteral("No shipper is named \"%1\"");

    // refresh: the window's hidden REFRESH button, pressed after a pick;
    // reloadList: fills the name list again from Shippers.
    ShippingFrame(QPushButton* refresh, std::function<void()> reloadList, QWidget* parent);

    QComboBox* cboShipcode;
    QLineEdit* txtshipphone;
    QLineEdit* txtshipaddr;
    QPushButton* cmdShip;    // CREATE NEW
    QPushButton* UpdateShip; // UPDATE
    QPushButton* DeleteShip; // DELETE
    QPushButton* Command1;   // CLEAR

    void setDataClass(clsARSetup* dataClass) { m_data = dataClass; }
    const Recordset& staging() const { return m_staging; }

    // Builds the shipper staging record (again).
    void Create_New_Shipper();

    void cboShipcode_Click();
    void cmdShip_Click();
    void UpdateShip_Click();
    void DeleteShip_Click();
    void Command1_Click() { Clear_Shipper_Fields(); }

private:
    enum class Request { Create, Update, Delete };
    void request(Request request);
    void Clear_Shipper_Fields();
    void layOut();

    clsARSetup* m_data = nullptr;
    QPushButton* m_refresh;
    std::function<void()> m_reloadList;
    Recordset m_staging;
};

} // namespace orv
