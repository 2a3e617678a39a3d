#pragma once

#include "JournalDataClass.h"

namespace orv {

// The data class of the retained-earnings window.
class clsREEntry : public JournalDataClass {
public:
    clsREEntry() = default;

    // For the year (the window's four-digit text): each profit-and-loss
    // account with a balance, the amount that empties it (debit positive)
    // and the balance (select_retained_earnings).
    Recordset Get_GL_Code(const QString& year);
    // Writes the transfer as a year-end closing: its lines need not add up,
    // the database puts the difference on the retained-earnings account.
    // The posting number or "Error Entering Journal".
    QString Send_Order(const Recordset& header, Recordset lines);
};

} // namespace orv
