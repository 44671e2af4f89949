#pragma once
// A whole fake host for component tests: every host service component registered under its
// ProgID, the host's global objects set, and its SharedDictionary published on the desktop
// window. Every call any fake receives, creations included, lands in one CallLog in order, so a
// test checks the exact SQL and arguments the component sends:
//
//     fakehost::FakeHost host;
//     host.connection().sql().answer(expectedSql, fakehost::rows({{"FValue"}}, {{"12"}}));
//     EXPECT_EQ(tq::GetUserSettingValue(5, "RptFontSize", 9), 12);
//     EXPECT_EQ(host.sqlSent(), QStringList{expectedSql});
//
// One host at a time: the constructor installs it, the destructor removes every trace of it.
// Out of the box the login is user 5 (PropsString kPropsString), every right is granted, and
// the dictionary holds no "MainFormWnd".
#include "tests/testsupport/CallLog.h"
#include "tests/testsupport/FakeProfileServices.h"
#include "tests/testsupport/FakeServices.h"

#include <QStringList>

namespace fakehost {

class FakeHost {
public:
    static const QString kPropsString;  // "UserID=5;ConnectString={...};UserName=..."
    static constexpr int32_t kUserId = 5;

    FakeHost();
    ~FakeHost();
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    CallLog& log() { return *m_log; }

    FakeGLData& glData() { return *m_glData; }
    FakeSystemProfile& systemProfile() { return *m_systemProfile; }
    FakeItemInfo& itemInfo() { return *m_itemInfo; }
    FakeAppCnnExt& appCnnExt() { return *m_appCnnExt; }
    FakeAppConnection& appConnection() { return *m_appConnection; }
    FakeBillDataAccess& billDataAccess() { return *m_billDataAccess; }
    FakeConnection& connection() { return *m_connection; }
    FakeShareProps& shareProps() { return *m_shareProps; }
    UserProfileStore& userProfiles() { return *m_userProfiles; }
    // Failures every user profile object created from now on raises ("Load", "Dictionary", "save").
    FailureScript& userProfileFailures() { return m_userProfileFailures; }
    FakeSettingsStore& settingsStore() { return *m_settingsStore; }
    FakeSharedDictionary& sharedDictionary() { return *m_sharedDictionary; }

    // The shared login properties.
    void setPropsString(const QString& propsString) { m_shareProps->setProperty(QStringLiteral("PropsString"), propsString); }
    void setUserId(const QVariant& userId) { m_shareProps->setProperty(QStringLiteral("UserID"), userId); }

    // Creating progId raises error from now on.
    void failCreation(const QString& progId, const com::ComError& error) { m_creationFailures.insert(progId.toLower(), error); }

    // The SQL texts sent to any of the four SQL-running fakes, in order.
    QStringList sqlSent() const;

private:
    void registerFake(const char* progId, std::function<com::ComObjectPtr()> make);

    CallLogPtr m_log;
    std::shared_ptr<FakeGLData> m_glData;
    std::shared_ptr<FakeSystemProfile> m_systemProfile;
    std::shared_ptr<FakeItemInfo> m_itemInfo;
    std::shared_ptr<FakeAppCnnExt> m_appCnnExt;
    std::shared_ptr<FakeAppConnection> m_appConnection;
    std::shared_ptr<FakeBillDataAccess> m_billDataAccess;
    std::shared_ptr<FakeConnection> m_connection;
    std::shared_ptr<FakeShareProps> m_shareProps;
    std::shared_ptr<UserProfileStore> m_userProfiles;
    FailureScript m_userProfileFailures;
    std::shared_ptr<FakeSettingsStore> m_settingsStore;
    std::shared_ptr<FakeSharedDictionary> m_sharedDictionary;
    QHash<QString, com::ComError> m_creationFailures;  // keyed by the lower-cased ProgID
    QStringList m_progIds;
};

} // namespace fakehost
