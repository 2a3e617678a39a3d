#pragma once

#include "uicore/Check.h"
#include "values/Recordset.h"

#include <QGroupBox>
#include <QStringList>
#include <functional>

class QComboBox;
class QFormLayout;
class QLineEdit;

namespace orv {

// How a party header reads its parties: the whole list, one party's details
// by name, a name's key (Get_ID) and, where the window shows it, the party's
// outstanding balance.
struct PartyReads {
    std::function<Recordset()> list;
    std::function<Recordset(const QString& name)> details;
    std::function<QString(const QString& name)> id;
    std::function<Variant(const QString& name)> balance; // empty: no balance box
};

// The party of a document: the list of parties by CompanyName, the chosen
// party's address, its currency kind (FOREIGN when its Forex, trimmed, is 1,
// else LOCAL) and the document's rate box, which takes the clerk's rate for a
// FOREIGN party and holds 1, disabled, for a LOCAL one. Windows that bill on
// credit show the credit term and limit and the outstanding balance too.
//
// The details belong to the party last chosen: typing over the name empties
// them, so they never describe another party than the one named.
class PartyHeader : public QGroupBox {
    Q_OBJECT
public:
    static inline const QString kForeign = QStringLiteral("FOREIGN");
    static inline const QString kLocal = QStringLiteral("LOCAL");

    // The optional boxes.
    enum Box { RateBox = 1, CreditBoxes = 2, BalanceBox = 4 };

    PartyHeader(QWidget* window, PartyReads reads, int boxes);

    QComboBox* cboCompany;
    QLineEdit* txtAddress;
    QLineEdit* txtCity;
    QLineEdit* txtRegion;
    QLineEdit* txtCountry;
    QLineEdit* txtPostal;
    QLineEdit* txtPhone;
    QLineEdit* cboCreditor; // "FOREIGN" or "LOCAL"
    QLineEdit* txtCurType;
    QLineEdit* txtCurRate = nullptr;
    QLineEdit* txtCreditTerm = nullptr;
    QLineEdit* txtCreditLimit = nullptr;
    QLineEdit* txtbalance = nullptr;

    // Lays the boxes out in the frame, one captioned row each, in the order
    // cboCompany, txtAddress, txtCity, txtRegion, txtCountry, txtPostal,
    // txtPhone, cboCreditor, txtCurType and then the optional boxes that the
    // header has (rate, credit term, credit limit, balance). The window adds
    // rows of its own to form().
    void layOut(const QStringList& captions);
    QFormLayout* form() const { return m_form; }

    // Fills the list, in table order, with nothing chosen.
    void fillList();
    // Reads the party named in the list into the boxes.
    void load();
    // Empties the name and every box.
    void clear();

    bool isForeign() const;
    // The boxes show the party that the list names.
    bool isLoaded() const;
    // The key of the named party, or the empty text.
    QString id() const;
    // The name is filled, names a party, and that party's details are shown;
    // the message and the focus on the list otherwise.
    CheckList checks(const QString& message) const;

private:
    void clearDetails();
    QList<QLineEdit*> detailBoxes() const;

    PartyReads m_reads;
    QFormLayout* m_form;
    QString m_loaded; // the name whose details the boxes show
    bool m_hasLoaded = false;
};

} // namespace orv
