#include "frmLogin.h"

#include "Orvan.h"
#include "ui/WindowRegistry.h"
#include "uicore/UiServices.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace orv {

frmLogin::frmLogin() {
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(qtext(kText["frmLogin"]));
    // a fixed dialog: no minimise or maximise box
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    lblLabels[0] = new QLabel(qtext(kText["lblLabels_0"]), this);
    lblLabels[1] = new QLabel(qtext(kText["lblLabels_1"]), this);
    lblLabels[0]->setObjectName(QStringLiteral("lblLabels_0"));
    lblLabels[1]->setObjectName(QStringLiteral("lblLabels_1"));
    txtUserName = new QLineEdit(this);
    txtUserName->setObjectName(QStringLiteral("txtUserName"));
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    lblLabels[0]->setBuddy(txtUserName);
    lblLabels[1]->setBuddy(txtPassword);
    cmdOK = new QPushButton(qtext(kText["cmdOK"]), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(qtext(kText["cmdCancel"]), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblLabels[0], 0, 0);
    grid->addWidget(txtUserName, 0, 1);
    grid->addWidget(lblLabels[1], 1, 0);
    grid->addWidget(txtPassword, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
    setTabOrder(txtUserName, txtPassword);
    setTabOrder(txtPassword, cmdOK);
    setTabOrder(cmdOK, cmdCancel);

    onClick(cmdOK, [this] { cmdOK_Click(); });
    onClick(cmdCancel, [this] { cmdCancel_Click(); });
    // Enter in either box presses OK; Esc presses Cancel.
    connect(txtUserName, &QLineEdit::returnPressed, cmdOK, &QPushButton::click);
    connect(txtPassword, &QLineEdit::returnPressed, cmdOK, &QPushButton::click);

    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    txtUserName->setFocus();
}

void frmLogin::keyPressEvent(QKeyEvent* event) {
    // Esc anywhere in the window presses Cancel.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdCancel->click();
        return;
    }
    Window::keyPressEvent(event);
}

void frmLogin::cmdOK_Click() {
    if (txtUserName->text() == qtext(kText["HiddenName"])) {
        UiServices::current().message(qtext(kText["Authors"]), qtext(kText["AuthorsTitle"]));
        return;
    }
    // exact comparisons: case matters, blanks count
    if (txtUserName->text() != qtext(kText["UserName"]) || txtPassword->text() != qtext(kText["Password"])) {
        UiServices::current().message(qtext(kText["InvalidPassword"]), qtext(kText["InvalidPasswordTitle"]));
        txtPassword->setFocus();
        txtPassword->selectAll();
        return;
    }
    LoginSucceeded = true;
    WindowRegistry::shared().show<Orvan>();
    close();
}

void frmLogin::cmdCancel_Click() {
    LoginSucceeded = false;
    hide();
    // No other window exists yet: the program must not stay running unseen.
    UiServices::current().endProgram();
}

} // namespace orv
