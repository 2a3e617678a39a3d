#pragma once

#include "uicore/TextTable.h"

#include <initializer_list>

namespace orv::test {

// The texts both party windows share, as the customer and supplier Parts write them.
inline const std::initializer_list<orv::PinnedText> kPartyTexts = {
    {"Frame2", "Function"},
    {"lblAddress", "Address"},
    {"lblCity", "City"},
    {"lblRegion", "Region"},
    {"lblPostal", "PostalCode"},
    {"lblCountry", "Country"},
    {"lblPhone", "Phone"},
    {"lblCreditTerm", "Credit term :"},
    {"lblCreditLimit", "Credit Limit :"},
    {"lblCurrency", "Currency :"},
    {"lblUnrealisedGain", "Unrealised Gain"},
    {"lblUnrealisedLoss", "Unrealised Loss"},
    {"lblRealisedGain", "Realised Gain"},
    {"lblRealisedLoss", "Realised Loss"},
    {"Foreign", "FOREIGN"},
    {"Local", "LOCAL"},
    {"NoConversionAccounts", " Specify Foreign Currency Conversion Accounting Code "},
    {"NoUnrealisedGain", "Select Unrealised Gain Acccount Code!"},
    {"NoUnrealisedLoss", "Select Unrealised Loss Acccount Code!"},
    {"NoRealisedGain", "Select Realised Gain Acccount Code!"},
    {"NoRealisedLoss", "Select Realised Loss Acccount Code!"},
    {"NoAddress", "Enter Address"},
    {"NoCity", "Enter City"},
    {"NoPhone", "Enter Phone Number"},
    {"PhoneNegative", "Phone number must not be negative"},
    {"NoCountry", "Enter Country Name"},
    {"NoPostal", "Enter Postal Number"},
    {"PostalNegative", "Postal number must not be negative"},
    {"NoRegion", "Enter Region Name"},
    {"NoCreditTerm", "Enter Credit Term"},
    {"CreditTermNegative", "Credit Term must not be negative"},
    {"NoCreditLimit", "Enter Credit Limit"},
    {"CreditLimitNegative", "number must not be negative"},
    {"CreditTermWhole", "Credit Term: type a whole number of days"},
    {"CreditLimitWhole", "Credit Limit: type a whole number"},
};

} // namespace orv::test
