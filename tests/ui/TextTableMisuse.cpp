// Compiled on its own by the build's misuse checks, once per case: the control
// case must compile, each other case must stop the compiler with its reason.
#include "uicore/TextTable.h"

inline constexpr auto kText = orv::makeTextTable({{"NoCode", "Enter VAT code"}, {"Saved", "Record saved"}});

#if defined(MISUSE_UNKNOWN_KEY)
inline constexpr auto kRead = kText["NoCodes"];
#elif defined(MISUSE_UNKNOWN_ENTRY)
inline constexpr auto kEntry = kText.entry("Save");
#elif defined(MISUSE_DUPLICATE_KEY)
inline constexpr auto kTwice = orv::makeTextTable({{"Saved", "Record saved"}, {"Saved", "Saved"}});
#else
inline constexpr auto kRead = kText["NoCode"];
#endif
