// The VAT helper of MasterBook, sent as the VAT set-up window sends it.
#include "MasterBook.h"
#include "VatStaging.h"

#include "vat/clsVATSetup.h"

#include <stdexcept>

namespace orv::test {

void MasterBook::addVatCode(int code, const QString& name, const QString& rate, int control) {
    clsVATSetup data;
    if (data.Send_Order(vatStaging(vatCode(code, name, rate, control))) == clsVATSetup::kCreateFailed)
        throw std::runtime_error(
            (clsVATSetup::kCreateFailed + QStringLiteral(": ") + data.lastFailureReason()).toStdString());
}

} // namespace orv::test
