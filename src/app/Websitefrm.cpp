#include "Websitefrm.h"

#include "uicore/UiServices.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace orv {

Websitefrm::Websitefrm() {
    setObjectName(QStringLiteral("Websitefrm"));
    setWindowTitle(qtext(kText["Websitefrm"]));
    Command1 = new QPushButton(qtext(kText["Command1"]), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Label1 = new QLabel(qtext(kText["Label1"]), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Command3 = new QPushButton(qtext(kText["Command3"]), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Label2 = new QLabel(qtext(kText["Label2"]), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Command2 = new QPushButton(qtext(kText["Command2"]), this);
    Command2->setObjectName(QStringLiteral("Command2"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(Command1, 0, 0);
    grid->addWidget(Label1, 0, 1);
    grid->addWidget(Command3, 1, 0);
    grid->addWidget(Label2, 1, 1);
    grid->addWidget(Command2, 2, 0, 1, 2);

    onClick(Command1, [this] { Command1_Click(); });
    onClick(Command2, [this] { Command2_Click(); });
    onClick(Command3, [this] { Command3_Click(); });
}

void Websitefrm::Command1_Click() {
    openAndUnload(kSiteAddress);
}
void Websitefrm::Command2_Click() {
    openAndUnload(kSiteAddress);
}
void Websitefrm::Command3_Click() {
    openAndUnload(kBlogAddress);
}

void Websitefrm::openAndUnload(const QString& address) {
    // whether or not the page opened, the window goes
    guarded([&] { UiServices::current().openAddress(this, address); });
    close();
}

} // namespace orv
