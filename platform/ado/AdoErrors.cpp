#include "platform/ado/AdoErrors.h"

#include "platform/com/ErrorCodes.h"

namespace ado::errors {

namespace {

const QString kSource = QStringLiteral("Recordset");

com::ComError make(int32_t number, const QString& base, const QString& detail)
{
    return com::ComError(number, kSource, detail.isEmpty() ? base : base + detail);
}

} // namespace

com::ComError argumentsWrong(const QString& detail)
{
    return make(com::ADO_ARGUMENTS_WRONG,
                QStringLiteral("参数类型不正确，或不在可以接受的范围之内，或与其他参数冲突。"), detail);
}

com::ComError noCurrentRecord(const QString& detail)
{
    return make(com::ADO_BOF_OR_EOF,
                QStringLiteral("BOF 或 EOF 中有一个为真，或者当前记录已被删除，所需的操作要求一个当前记录。"),
                detail);
}

com::ComError objectClosed()
{
    return make(com::ADO_OBJECT_CLOSED, QStringLiteral("对象关闭时，不允许操作。"), {});
}

com::ComError itemNotFound(const QString& detail)
{
    return make(com::ADO_ITEM_NOT_FOUND,
                QStringLiteral("在对应所需名称或序数的集合中，未找到项目。"), detail);
}

com::ComError typeMismatch(const QString& detail)
{
    // The description starts with the runtime's own text; callers match on the number.
    return make(com::DISP_E_TYPEMISMATCH_, QStringLiteral("类型不匹配"),
                detail.isEmpty() ? QString() : QStringLiteral("：") + detail);
}

} // namespace ado::errors
