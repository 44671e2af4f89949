#include "tests/testsupport/FakeHost.h"

#include "platform/hostapi/HostGlobals.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/hostapi/SharedDictionaryProperty.h"
#include "tradequery/host/Security.h"

namespace fakehost {

const QString FakeHost::kPropsString =
    QStringLiteral("UserID=5;ConnectString={DRIVER=SQLite;DATABASE=demo.db};UserName=演示用户;");

FakeHost::FakeHost()
    : m_log(std::make_shared<CallLog>()),
      m_glData(std::make_shared<FakeGLData>(m_log)),
      m_systemProfile(std::make_shared<FakeSystemProfile>(m_log)),
      m_itemInfo(std::make_shared<FakeItemInfo>(m_log)),
      m_appCnnExt(std::make_shared<FakeAppCnnExt>(m_log)),
      m_appConnection(std::make_shared<FakeAppConnection>(m_log)),
      m_billDataAccess(std::make_shared<FakeBillDataAccess>(m_log)),
      m_connection(std::make_shared<FakeConnection>(m_log)),
      m_shareProps(std::make_shared<FakeShareProps>(m_log)),
      m_userProfiles(std::make_shared<UserProfileStore>()),
      m_settingsStore(std::make_shared<FakeSettingsStore>(m_log)),
      m_sharedDictionary(std::make_shared<FakeSharedDictionary>(m_log)),
      m_foundation(std::make_shared<RecordingFoundation>(m_log)),
      m_valueConvert(std::make_shared<RecordingValueConvert>(m_log))
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
    globals.setFoundation(m_foundation);
    globals.setValueConvert(m_valueConvert);
    publishSharedDictionary();

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
    withdrawSharedDictionary();
    tq::testing::resetGLDataObject();
}

void FakeHost::registerFake(const char* progId, std::function<com::ComObjectPtr()> make)
{
    const QString name = QString::fromLatin1(progId);
    m_progIds << name;
    com::ObjectFactory::instance().registerClass(name, [this, name, make = std::move(make)] {
        m_log->record(QStringLiteral("ObjectFactory"), QStringLiteral("create"), {name});
        const auto failure = m_creationFailures.constFind(name.toLower());
        if (failure != m_creationFailures.constEnd())
            throw *failure;
        return make();
    });
}

void FakeHost::setPropsString(const QString& propsString)
{
    m_shareProps->setProperty(QStringLiteral("PropsString"), propsString);
}

void FakeHost::setUserId(const QVariant& userId)
{
    m_shareProps->setProperty(QStringLiteral("UserID"), userId);
}

void FakeHost::setMainFormWnd(win::Handle window)
{
    if (window == 0)
        m_sharedDictionary->removeValue(QStringLiteral("MainFormWnd"));
    else
        m_sharedDictionary->setValue(QStringLiteral("MainFormWnd"), window);
}

void FakeHost::withdrawSharedDictionary()
{
    hostapi::publishSharedDictionary(nullptr);
}

void FakeHost::publishSharedDictionary()
{
    hostapi::publishSharedDictionary(m_sharedDictionary.get());
}

void FakeHost::failCreation(const QString& progId, const com::ComError& error)
{
    m_creationFailures.insert(progId.toLower(), error);
}

void FakeHost::allowCreation(const QString& progId)
{
    m_creationFailures.remove(progId.toLower());
}

QStringList FakeHost::sqlSent() const
{
    static const QSet<QString> sqlRunners{QStringLiteral("AppCnnExt"), QStringLiteral("AppConnection"),
                                          QStringLiteral("BillDataAccess"), QStringLiteral("Connection")};
    QStringList texts;
    for (const Call& call : m_log->calls()) {
        if (sqlRunners.contains(call.object) && !call.args.isEmpty())
            texts << call.args.last().toString();
    }
    return texts;
}

} // namespace fakehost
