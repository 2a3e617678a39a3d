#pragma once

#include "ui/Window.h"
#include "uicore/TextTable.h"

class QLabel;
class QPushButton;

namespace orv {

// Opens the product's web site or blog in the default browser, then closes.
class Websitefrm : public Window {
    Q_OBJECT
public:
    // The captions under their controls' names.
    static constexpr auto kText = makeTextTable({
        {"Websitefrm", "Website"},
        {"Command1", "Orvanwise"},
        {"Label1", "Visit Our Site"},
        {"Command3", "Blog"},
        {"Label2", "Visit Our Blog"},
        {"Command2", "Place Your Website Link Here"},
    });
    static inline const QString kSiteAddress = QStringLiteral("https://www.orvanwise.example/");
    static inline const QString kBlogAddress = QStringLiteral("https://blog.orvanwise.example/");

    Websitefrm();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    void openAndUnload(const QString& address);
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QLabel* Label1;
    QLabel* Label2;
};

} // namespace orv
