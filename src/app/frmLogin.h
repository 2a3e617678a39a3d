#pragma once

#include "ui/Window.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orv {

// The first window: a fixed user name and password open the main menu.
class frmLogin : public Window {
    Q_OBJECT
public:
    static inline const QString kUserName = QStringLiteral("pelrin");
    static inline const QString kPassword = QStringLiteral("mossgate");
    static inline const QString kHiddenName = QStringLiteral("lanternkeepers");

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
