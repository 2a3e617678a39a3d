#include "ArBook.h"

namespace orv::test {

void ArBook::SetUp() {
    TestBook::SetUp();
    addDebtorAccount(kAcme, QStringLiteral("Acme Debtor"));
    addDebtorAccount(kGlobex, QStringLiteral("Globex Debtor"));
    addDebtorAccount(kInitech, QStringLiteral("Initech Debtor"));
}

void ArBook::addDebtorAccount(int glId, const QString& name) {
    addAccount(glId, name, QStringLiteral("BS"), QStringLiteral("ASSETS"), QStringLiteral("TRADE DEBTORS"));
}

} // namespace orv::test
