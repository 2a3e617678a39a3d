#pragma once

#include "ui/Window.h"
#include "uicore/TextTable.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orv {

// The first window: a fixed user name and password open the main menu.
class frmLogin : public Window {
    Q_OBJECT
public:
    // The captions under their controls' names, the fixed login values and
    // the messages.
    static constexpr auto kText = makeTextTable({
        {"frmLogin", "Login"},
        {"lblLabels_0", "&User Name:"},
        {"lblLabels_1", "&Password:"},
        {"cmdOK", "OK"},
        {"cmdCancel", "Cancel"},
        {"UserName", "pelrin"},
        {"Password", "mossgate"},
        {"HiddenName", "lanternkeepers"},
        {"Authors",
         "Orvanwise was written by its founding engineers for the clerks of a small trading company."},
        {"AuthorsTitle", "Authors"},
        {"InvalidPassword", "Invalid Password, try again!"},
        {"InvalidPasswordTitle", "Login"},
    });

    frmLogin();

    bool LoginSucceeded = false;

    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* lblLabels[2];
    QLineEdit* txtUserName;
    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

} // namespace orv
