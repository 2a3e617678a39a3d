#pragma once

#include "DataClass.h"

namespace orv {

// The fields of a customer's or supplier's request, in the order they are
// copied into the staging row: the staging record's GL_ID travels as
// customerid, the address and credit fields, the currency, then (where the
// request carries them) the four gain and loss accounts and the currency type.
DataClass::Mapping partyRequestMapping(bool withKey, bool withAccounts, bool withForex);

} // namespace orv
