#include "ShippingFrame.h"

#include "clsARSetup.h"
#include "ui/Controls.h"
#include "ui/OnClick.h"
#include "ui/RecordFields.h"
#include "ui/UiServices.h"
#include "ui/WriteAnswer.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orv {

ShippingFrame::ShippingFrame(QPushButton* refresh, std::function<void()> reloadList, QWidget* parent)
    : QGroupBox(parent), cboShipcode(makeControl<QComboBox>(this, QStringLiteral("cboShipcode"))),
      txtshipphone(makeControl<QLineEdit>(this, QStringLiteral("txtshipphone"))),
      txtshipaddr(makeControl<QLineEdit>(this, QStringLiteral("txtshipaddr"))),
      cmdShip(makeControl<QPushButton>(this, QStringLiteral("cmdShip"))),
      UpdateShip(makeControl<QPushButton>(this, QStringLiteral("UpdateShip"))),
      DeleteShip(makeControl<QPushButton>(this, QStringLiteral("DeleteShip"))),
      Command1(makeControl<QPushButton>(this, QStringLiteral("Command1"))), m_refresh(refresh),
      m_reloadList(std::move(reloadList)) {
    setObjectName(QStringLiteral("fraShipping"));
    setTitle(QStringLiteral("Shipping Set-Up"));
    cboShipcode->setEditable(true);
    cboShipcode->setInsertPolicy(QComboBox::NoInsert);
    // What the clerk types stays within the columns of Shippers.
    limitLength(cboShipcode, 40);
    limitLength(txtshipphone, 24);
    limitLength(txtshipaddr, 40);
    cmdShip->setText(QStringLiteral("CREATE NEW"));
    UpdateShip->setText(QStringLiteral("UPDATE"));
    DeleteShip->setText(QStringLiteral("DELETE"));
    Command1->setText(QStringLiteral("CLEAR"));
    layOut();

    connect(cboShipcode, &QComboBox::activated, this, [this] { guarded([&] { cboShipcode_Click(); }); });
    onClick(cmdShip, [this] { cmdShip_Click(); });
    onClick(UpdateShip, [this] { UpdateShip_Click(); });
    onClick(DeleteShip, [this] { DeleteShip_Click(); });
    onClick(Command1, [this] { Command1_Click(); });
}

void ShippingFrame::layOut() {
    auto* grid = new QGridLayout(this);
    auto label = [this](const QString& name, const QString& caption) {
        auto* l = makeControl<QLabel>(this, name);
        l->setText(caption);
        return l;
    };
    grid->addWidget(label(QStringLiteral("lblShipcode"), QStringLiteral("ShipCode")), 0, 0);
    grid->addWidget(cboShipcode, 0, 1);
    grid->addWidget(label(QStringLiteral("lblShipaddr"), QStringLiteral("Shipping Address")), 0, 2);
    grid->addWidget(txtshipaddr, 0, 3);
    grid->addWidget(label(QStringLiteral("lblShipphone"), QStringLiteral("Phone :")), 1, 0);
    grid->addWidget(txtshipphone, 1, 1);
    auto* buttons = new QHBoxLayout;
    for (QWidget* b : {cmdShip, UpdateShip, DeleteShip, Command1})
        buttons->addWidget(b);
    buttons->addStretch(1);
    grid->addLayout(buttons, 2, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 2);
}

void ShippingFrame::Create_New_Shipper() {
    m_staging = buildRecord({{QStringLiteral("CompanyName"), DataType::Text, 40},
                             {QStringLiteral("Phone"), DataType::Text, 24},
                             {QStringLiteral("Shipaddr"), DataType::Text, 40}},
                            true);
}

void ShippingFrame::cboShipcode_Click() {
    const QString name = cboShipcode->currentText();
    Recordset shipper = m_data->Get_Shipper_Details(name);
    // A shipper removed since the list was read: nothing is loaded.
    if (shipper.recordCount() == 0) {
        UiServices::current().message(kNoShipper.arg(name));
        return;
    }
    shipper.moveFirst();
    txtshipphone->setText(shipper.value(QStringLiteral("Phone")).toString());
    txtshipaddr->setText(shipper.value(QStringLiteral("Shipaddr")).toString());
    m_refresh->click();
}

void ShippingFrame::cmdShip_Click() {
    request(Request::Create);
}

void ShippingFrame::UpdateShip_Click() {
    request(Request::Update);
}

void ShippingFrame::DeleteShip_Click() {
    request(Request::Delete);
}

void ShippingFrame::request(Request request) {
    const CheckList checks = {Check::empty(cboShipcode, kSpecifyName),
                              Check::empty(txtshipphone, kSpecifyPhone),
                              Check::empty(txtshipaddr, kSpecifyAddress)};
    if (!runChecks(checks))
        return;
    assignText(m_staging, QStringLiteral("CompanyName"), cboShipcode->currentText());
    assignText(m_staging, QStringLiteral("Phone"), txtshipphone->text());
    assignText(m_staging, QStringLiteral("Shipaddr"), txtshipaddr->text());
    const WriteAnswer answer = sendToBooks([&] {
        switch (request) {
        case Request::Create:
            return m_data->Send_Ship(m_staging);
        case Request::Update:
            return m_data->Update_Ship(m_staging);
        case Request::Delete:
            break;
        }
        return m_data->Delete_Ship(m_staging);
    });
    if (!showAnswer(window(), answer,
                    {{QStringLiteral("CompanyName"), cboShipcode},
                     {QStringLiteral("Phone"), txtshipphone},
                     {QStringLiteral("Shipaddr"), txtshipaddr}}))
        return;
    guarded(m_reloadList);
    Clear_Shipper_Fields();
}

void ShippingFrame::Clear_Shipper_Fields() {
    setFieldText(cboShipcode, QString());
    txtshipphone->clear();
    txtshipaddr->clear();
}

} // namespace orv
