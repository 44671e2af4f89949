#include "tests/testsupport/FakeHost.h"

#include "platform/hostapi/HostGlobals.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/hostapi/SharedDictionaryProperty.h"
#include "platform/hostapi/StandardFoundation.h"
#include "platform/hostapi/StandardValueConvert.h"
#include "tradequery/host/Security.h"

namespace fakehost {

const QString FakeHost::kPropsString =
    QStringLiteral("UserID=5;ConnectString={DRIVER=SQLite;DATABASE=demo.db};UserName=演示用户;");

FakeHost::FakeHost()
    : m_log(std::make_shared<CallLog>()), m_glData(std::make_shared<FakeGLData>(m_log)),
      m_systemProfile(std::make_shared<FakeSystemProfile>(m_log)), m_itemInfo(std::make_shared<FakeItemInfo>(m_log)),
      m_appCnnExt(std::make_shared<FakeAppCnnExt>(m_log)), m_appConnection(std::make_shared<FakeAppConnection>(m_log)),
      m_billDataAccess(std::make_shared<FakeBillDataAccess>(m_log)), m_connection(std::make_shared<FakeConnection>(m_log)),
      m_shareProps(std::make_shared<FakeShareProps>(m_log)), m_userProfiles(std::make_shared<UserProfileStore>()),
      m_settingsStore(std::make_shared<FakeSettingsStore>(m_log)),
      m_sharedDictionary(std::make_shared<FakeSharedDictionary>(m_log))
{
    using namespace hostapi::progid;
    registerFake(GLData, [this] { return m_glData; });
    registerFake(SystemProfile, [this] { return m_systemProfile; });
    registerFake(ItemInfo, [this] { return m_itemInfo; });
    registerFake(AppCnnExt, [this] { return m_appCnnExt; });
    registerFake(AppConnection, [this] { return m_appConnection; });
    registerFake(BillDataAccess, [this] { return m_billDataAccess; });
    registerFake(Connection, [this] { return m_connection; });
    registerFake(ShareProps, [this] { return m_shareProps; });
    // A new profile object per creation, each reading the one store.
    registerFake(UserProfile, [this] {
        auto profile = std::make_shared<FakeUserProfile>(m_log, m_userProfiles);
        profile->failures() = m_userProfileFailures;
        return profile;
    });

    auto& globals = hostapi::globals();
    globals.setSettingsStore(m_settingsStore);
    globals.setFoundation(std::make_shared<hostapi::StandardFoundation>());
    globals.setValueConvert(std::make_shared<hostapi::StandardValueConvert>());
    hostapi::publishSharedDictionary(m_sharedDictionary.get());

    setPropsString(kPropsString);
    setUserId(kUserId);
    // The component keeps its security object for the process; this host's must be asked.
    tq::testing::resetGLDataObject();
}

FakeHost::~FakeHost()
{
    for (const QString& progId : std::as_const(m_progIds))
        com::ObjectFactory::instance().unregisterClass(progId);
    hostapi::globals().reset();
    hostapi::publishSharedDictionary(nullptr);
    tq::testing::resetGLDataObject();
}

void FakeHost::registerFake(const char* progId, std::function<com::ComObjectPtr()> make)
{
    const QString name = QString::fromLatin1(progId);
    m_progIds << name;
    com::ObjectFactory::instance().registerClass(name, [this, name, make = std::move(make)] {
        m_log->record(QStringLiteral("ObjectFactory"), QStringLiteral("create"), {name});
        if (const auto failure = m_creationFailures.constFind(name.toLower()); failure != m_creationFailures.constEnd())
            throw *failure;
        return make();
    });
}

QStringList FakeHost::sqlSent() const
{
    static const QStringList sqlRunners{QStringLiteral("AppCnnExt"), QStringLiteral("AppConnection"),
                                        QStringLiteral("BillDataAccess"), QStringLiteral("Connection")};
    QStringList texts;
    for (const Call& call : m_log->calls()) {
        if (sqlRunners.contains(call.object) && !call.args.isEmpty())
            texts << call.args.last().toString();
    }
    return texts;
}

} // namespace fakehost
