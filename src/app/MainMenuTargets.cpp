#include "Orvan.h"
#include "Websitefrm.h"
#include "ar/frmARSetup.h"
#include "cash/frmCashSetup.h"
#include "gl/frmCOASetup.h"
#include "gl/frmGL.h"
#include "gl/frmGLEntry.h"
#include "gl/frmREEntry.h"
#include "inventory/frmIVSetup.h"
#include "inventory/frmStkAdj.h"
#include "inventory/frmStockReport.h"
#include "purchases/frmAPSetup.h"
#include "purchases/frmGRN.h"
#include "purchases/frmPurInv.h"
#include "sales/frmDO_Entry.h"
#include "sales/frmSale_Entry.h"
#include "ui/WindowRegistry.h"
#include "vat/frmVATSetup.h"

namespace orv {

std::map<QString, std::function<void()>> mainMenuTargets() {
    auto& r = WindowRegistry::shared();
    return {
        {QStringLiteral("Command6"), [&r] { r.show<Websitefrm>(); }},
        {QStringLiteral("cmdCallAP_Setup"), [&r] { r.show<frmAPSetup>(); }},
        {QStringLiteral("cmdCallAR_Setup"), [&r] { r.show<frmARSetup>(); }},
        {QStringLiteral("cmdCallBank_Setup"), [&r] { r.show<frmCashSetup>(); }},
        {QStringLiteral("cmdCallDO_Entry"), [&r] { r.show<frmDO_Entry>(); }},
        {QStringLiteral("cmdCallSales_Entry"), [&r] { r.show<frmSale_Entry>(); }},
        {QStringLiteral("cmdCallStk_Setup"), [&r] { r.show<frmIVSetup>(); }},
        {QStringLiteral("cmdCallStk_Report"), [&r] { r.show<frmStockReport>(); }},
        {QStringLiteral("cmdCall_GRN"), [&r] { r.showModal<frmGRN>(); }},
        {QStringLiteral("cmdCallPur_Inv"), [&r] { r.show<frmPurInv>(); }},
        {QStringLiteral("cmdCallGL_Setup"), [&r] { r.show<frmCOASetup>(); }},
        {QStringLiteral("cmdCallGL_Entry"), [&r] { r.show<frmGLEntry>(); }},
        {QStringLiteral("cmdGL_Report"), [&r] { r.show<frmGL>(); }},
        {QStringLiteral("cmd_Stk_Adj"), [&r] { r.show<frmStkAdj>(); }},
        {QStringLiteral("cmdRE_Entry"), [&r] { r.show<frmREEntry>(); }},
        {QStringLiteral("cmdVAT"), [&r] { r.show<frmVATSetup>(); }},
    };
}

} // namespace orv
