#pragma once

#include "ui/Window.h"
#include "uicore/TextTable.h"

#include <QString>
#include <array>
#include <functional>
#include <map>

class QGroupBox;
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
    // The captions under their controls' names, then the help box.
    static constexpr auto kText = makeTextTable({
        {"Orvan", "Orvan"},
        {"fraInventory", "Inventory"},
        {"fraStkSetUp", "Set Up"},
        {"cmdCallStk_Setup", "Set Up"},
        {"fraStkReport", "Report"},
        {"cmd_Stk_Adj", "Adjust"},
        {"cmdCallStk_Report", "Report"},
        {"fraVAT", "VAT"},
        {"cmdVAT", "Set Up"},
        {"Command3", "Adjust"},
        {"Command5", "Recon"},
        {"Command4", "Report"},
        {"Command6", "Website"},
        {"Label1", "Help"},
        {"fraAP", "Accounts Payable"},
        {"cmdCallAP_Setup", "Set Up"},
        {"cmdCallAP_Report", "Report"},
        {"fraAPEntry", "Data Entry"},
        {"cmdCall_GRN", "GRN"},
        {"cmdCallPur_Inv", "INV"},
        {"cmdPur_CN", "CN"},
        {"cmdPurInv_Adj", "JE"},
        {"Command2", "FOREX Reversal"},
        {"cmdAP_Adjust", "ADJUST"},
        {"cmdForex", "FOREX Translation"},
        {"fraAR", "Accounts Receivable"},
        {"cmdCallAR_Setup", "Set Up"},
        {"cmdCallAR_Report", "Report"},
        {"fraAREntry", "Data Entry"},
        {"cmdCallDO_Entry", "DO"},
        {"cmdCallSales_Entry", "INV"},
        {"cmdCallSales_CN", "CN"},
        {"cmdSales_Adj", "JE"},
        {"cmdFX_AR", "FOREX Reversal"},
        {"cmdAR_Adjust", "ADJUST"},
        {"cmdAR_UnRG", "FOREX Translation"},
        {"fraBank", "Bank"},
        {"cmdCallBank_Setup", "Set Up"},
        {"cmdCallBank_Report", "Report"},
        {"fraBankEntry", "Data Entry"},
        {"cmdCall_Receipt", "Collection"},
        {"cmdCall_Pymnt", "Payment"},
        {"cmdCash_Adj", "Adjustment"},
        {"fraGL", "General Ledger"},
        {"cmdCallGL_Setup", "Set Up"},
        {"Command1", "Forex"},
        {"cmdCallGL_Entry", "Journal"},
        {"cmdGL_Report", "Report"},
        {"cmdRE_Entry", "Close A/C"},
        {"cmdExit_Main", "EXIT"},
        // The help box's title joins these with the title and the version.
        {"HelpTitle", "About "},
        {"HelpMajor", " v"},
        {"HelpMinor", ".2"},
        {"Help",
         "Orvanwise keeps the books of a small trading company: the chart of accounts, customers and "
         "suppliers, stock, VAT, cash and bank, and the documents and reports that go with them. Every "
         "document is posted whole or not at all, and the books always balance."},
    });

    Orvan();

    // The major and minor version in the help box's title.
    static QString helpTitle();

    void Label1_Click();
    void cmdExit_Main_Click();

    QPushButton* button(const QString& name) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* addButton(PinnedText caption);
    // A section with its "Set Up" button above its "Report" button at the
    // left and its "Data Entry" frame filling the rest; returns that frame.
    QGroupBox* addEntrySection(QVBoxLayout* page, PinnedText section, PinnedText setUp, PinnedText report,
                               PinnedText entry);
    // The two document rows of a payables or receivables "Data Entry" frame:
    // four documents, then three buttons, the last spanning two columns.
    void addDocumentRows(QGroupBox* entry, const std::array<PinnedText, 7>& buttons);
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
