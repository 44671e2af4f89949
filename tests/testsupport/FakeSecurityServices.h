#pragma once
// Fakes of the host's rights: the security object and the partner data rights.
#include "platform/hostapi/GLData.h"
#include "platform/hostapi/ItemInfo.h"
#include "tests/testsupport/CallLog.h"

#include <QHash>
#include <functional>

namespace fakehost {

// "ZELEBCGLView.GLData": AccessCheck answers `answer` (true, -1, unless changed), or what
// `rule` says when one is set.
class FakeGLData : public hostapi::GLData, public FakeObject {
public:
    using Rule = std::function<QVariant(int16_t functionId, int16_t objectId, int32_t right)>;

    explicit FakeGLData(CallLogPtr log) : FakeObject(QStringLiteral("GLData"), std::move(log)) {}
    QVariant answer = -1;
    Rule rule;

    QVariant AccessCheck(int16_t functionId, int16_t objectId, int32_t right) override;
};

// "ZELEBSGLItem.ItemInfo": GetDataRight answers per partner kind; a kind without a script is
// not restricted.
class FakeItemInfo : public hostapi::ItemInfo, public FakeObject {
public:
    explicit FakeItemInfo(CallLogPtr log) : FakeObject(QStringLiteral("ItemInfo"), std::move(log)) {}
    // Partners of `partnerKind` (1 customers, 2 suppliers) are restricted to those whose
    // FRightUserID text holds `value`.
    void restrict(int16_t partnerKind, int32_t value);
    void clear() { m_rights.clear(); }

    bool GetDataRight(const QString& propsString, int32_t& value, int16_t& partnerKind) override;

private:
    QHash<int16_t, int32_t> m_rights;
};

} // namespace fakehost
