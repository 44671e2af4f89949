#include "tradequery/host/Security.h"

#include "platform/hostapi/ProgIds.h"
#include "platform/vb/Conversion.h"

namespace tq {

namespace {

std::shared_ptr<hostapi::GLData>& securityObject()
{
    static std::shared_ptr<hostapi::GLData> object;
    return object;
}

} // namespace

std::shared_ptr<hostapi::GLData> GLDataObject()
{
    auto& object = securityObject();
    if (!object)
        object = com::ObjectFactory::instance().createAs<hostapi::GLData>(
            QString::fromLatin1(hostapi::progid::GLData));
    return object;
}

bool AccessRefused(const QVariant& accessCheckResult)
{
    if (!accessCheckResult.isValid() || accessCheckResult.isNull())
        return false;
    // CLng reads True as -1, the one answer whose complement is 0.
    return ~vb::CLng(accessCheckResult) != 0;
}

namespace testing {

void resetGLDataObject()
{
    securityObject().reset();
}

} // namespace testing

} // namespace tq
