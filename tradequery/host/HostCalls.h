#pragma once
// The component's calls into the host's service components: running SQL, the shared login
// properties, the current user and the per-user settings.
#include "platform/ado/Recordset.h"

#include <QString>
#include <cstdint>

namespace tq {

// Runs one SQL text through the host connection of the current login ("ZELMAppConnection.
// AppCnnExt", Execute(GetPropsString(), sql)) and returns its recordset. A text of blanks
// raises 0x800403E7 from "pub.CnExecute" ("无效的参数sSql"); every error is raised again with
// its number and source and its description through LangText.
ado::RecordsetPtr CnExecute(const QString& sql);

// The host's login property string: "PropsString" of this process from "ZELPropsMgr.
// ShareProps". Errors reach the caller.
QString GetPropsString();

// The current user's id: "UserID" of this process from "ZELPropsMgr.ShareProps" as a 32-bit
// integer; 0 when anything fails.
int32_t GetUserID();

// The decimals of the discount rate: "IC"/"PrecisionOfDiscountRate" of the host's system profile
// ("ZELEBSBase.SystemProfile") as a 32-bit integer; 0 when the host has none set. The history
// statement rounds to it and the ledger shows it, so both read it here. Errors reach the caller.
int32_t DiscountPrecision();

// The per-user setting `key` (category "ZEL_APFC") of userId from t_UserSetting, as the
// leading number of its text; defaultValue when the user has no such row or anything fails.
double GetUserSettingValue(int32_t userId, const QString& key, double defaultValue);

} // namespace tq
