#pragma once
// The login property string the host shares with the component, parsed into key/value pairs.
//
// The string is "key=value" pairs separated by ";"; a value in braces may hold ";":
//     UserID=5;ConnectString={Provider=ZEL;Data Source=demo.db};UserName=张三
// The pairs of the string parsed last are kept for the whole process (every window reads
// them). Keys compare without regard to case.
#include <QString>
#include <cstdint>

namespace tq {

// Replaces the kept pairs by the pairs of propsString. A key that occurs twice raises ComError
// 457 "此键已经与该集合的一个元素相关联"; the pairs before it stay.
void LoadLoginProps(const QString& propsString);

// The value kept under key; a key the string did not hold raises ComError 5
// "无效的过程调用或参数".
QString GetLoginProp(const QString& key);

// The current user's id as SQL conditions use it: GetLoginProp("UserID") as a 16-bit signed
// integer. A larger id raises the overflow error 6, a non-numeric one the type mismatch 13.
int16_t LoginUserId16();

// GetLoginProp("ConnectString").
QString LoginConnectString();

} // namespace tq
