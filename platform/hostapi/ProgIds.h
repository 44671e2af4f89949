#pragma once
// ProgIDs of the host's service components and of the component itself, as registered with
// com::ObjectFactory. They compare without regard to case.

namespace hostapi::progid {

inline constexpr char GLData[] = "ZELEBCGLView.GLData";                  // security: AccessCheck
inline constexpr char SystemProfile[] = "ZELEBSBase.SystemProfile";      // GetProfile
inline constexpr char ItemInfo[] = "ZELEBSGLItem.ItemInfo";              // GetDataRight
inline constexpr char AppCnnExt[] = "ZELMAppConnection.AppCnnExt";       // Execute(props, sql)
inline constexpr char AppConnection[] = "ZELMAppConnection.AppConnection"; // Execute(cnn, sql)
inline constexpr char BillDataAccess[] = "ZELBillDataAccess.GetData";    // ExecuteSql
inline constexpr char Connection[] = "ZELConnection.AppConnection";      // Execute(sql)
inline constexpr char ShareProps[] = "ZELPropsMgr.ShareProps";           // GetProperty
inline constexpr char UserProfile[] = "ZELEBCBASE.UserProfile";          // Load, Dictionary, save
inline constexpr char ExpImp80[] = "ZELExpImp80.Export";                 // ExportColumns … ExportRun

// The component's one creatable class.
inline constexpr char TradeQuery[] = "ZELTradeQuery.TradeQuery";

} // namespace hostapi::progid
