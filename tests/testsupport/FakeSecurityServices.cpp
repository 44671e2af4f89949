#include "tests/testsupport/FakeSecurityServices.h"

namespace fakehost {

QVariant FakeGLData::AccessCheck(int16_t functionId, int16_t objectId, int32_t right)
{
    enter(QStringLiteral("AccessCheck"), {int(functionId), int(objectId), right});
    return rule ? rule(functionId, objectId, right) : answer;
}

void FakeItemInfo::restrict(int16_t partnerKind, int32_t value)
{
    m_rights.insert(partnerKind, value);
}

bool FakeItemInfo::GetDataRight(const QString& propsString, int32_t& value, int16_t& partnerKind)
{
    enter(QStringLiteral("GetDataRight"), {propsString, value, int(partnerKind)});
    const auto found = m_rights.constFind(partnerKind);
    if (found == m_rights.constEnd())
        return false;
    value = *found;
    return true;
}

} // namespace fakehost
