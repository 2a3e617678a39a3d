#pragma once

#include "ui/Window.h"

#include <QString>
#include <functional>
#include <map>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace orv {

// The main menu: five framed sections of buttons, each showing its task
// window's shared instance. A button whose window the program does not have
// yet stays disabled.
class Orvan : public Window {
    Q_OBJECT
public:
    Orvan();

    // The major and minor version in the help box's title.
    static QString helpTitle();

    void Label1_Click();
    void cmdExit_Main_Click();

    QPushButton* button(const QString& name) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* addButton(const QString& name, const QString& caption);
    void buildInventory(QVBoxLayout* page);
    void buildPayables(QVBoxLayout* page);
    void buildReceivables(QVBoxLayout* page);
    void buildBank(QVBoxLayout* page);
    void buildLedger(QVBoxLayout* page);
    void wireButtons();

    std::map<QString, QPushButton*> m_buttons;
    QLabel* Label1 = nullptr;
};

// What each main-menu button opens; buttons without an entry stay disabled.
std::map<QString, std::function<void()>> mainMenuTargets();

} // namespace orv
