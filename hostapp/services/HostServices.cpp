#include "hostapp/services/HostServices.h"

#include "hostapp/services/CurrentSession.h"
#include "hostapp/services/HostGLData.h"
#include "hostapp/services/HostItemInfo.h"
#include "hostapp/services/HostSettingsStore.h"
#include "hostapp/services/HostShareProps.h"
#include "hostapp/services/HostSharedDictionary.h"
#include "hostapp/services/HostSqlServices.h"
#include "hostapp/services/HostSystemProfile.h"
#include "hostapp/services/HostUserProfile.h"
#include "hostapp/services/PropsString.h"
#include "platform/exporter/HostExporter.h"
#include "platform/hostapi/HostGlobals.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/hostapi/SharedDictionaryProperty.h"
#include "platform/hostapi/StandardFoundation.h"
#include "platform/hostapi/StandardValueConvert.h"

namespace hostsvc {

namespace {

struct ServiceClass {
    const char* progId;
    com::ComObjectPtr (*create)();
};

template <class Service>
com::ComObjectPtr make()
{
    return std::make_shared<Service>();
}

// Each call creates a new object, as creating a COM class does.
const ServiceClass kServices[] = {
    {hostapi::progid::GLData, make<HostGLData>},
    {hostapi::progid::SystemProfile, make<HostSystemProfile>},
    {hostapi::progid::ItemInfo, make<HostItemInfo>},
    {hostapi::progid::AppCnnExt, make<HostAppCnnExt>},
    {hostapi::progid::AppConnection, make<HostAppConnection>},
    {hostapi::progid::BillDataAccess, make<HostBillDataAccess>},
    {hostapi::progid::Connection, make<HostConnection>},
    {hostapi::progid::ShareProps, make<HostShareProps>},
    {hostapi::progid::UserProfile, make<HostUserProfile>},
    {hostapi::progid::ExpImp80, make<exporter::HostExporter>},
};

} // namespace

void installHostServices(const LoginSession& session)
{
    // Everything that can fail comes first, so a failed install leaves the old one in place.
    const QString propsString = buildPropsString(session);
    const QString settingsFile =
        session.settingsFile.isEmpty() ? HostSettingsStore::defaultFilePath() : session.settingsFile;
    auto settingsStore = std::make_shared<HostSettingsStore>(settingsFile);

    // The services reach the database by the connection string the property string carries,
    // so the session uses the same text and the pool keeps one connection for both.
    LoginSession installed = session;
    installed.connectString = publishableConnectString(session.connectString);
    setCurrentSession({installed, propsString});

    for (const ServiceClass& service : kServices)
        com::ObjectFactory::instance().registerClass(QString::fromLatin1(service.progId), service.create);

    hostapi::HostGlobals& globals = hostapi::globals();
    globals.setSettingsStore(std::move(settingsStore));
    globals.setValueConvert(std::make_shared<hostapi::StandardValueConvert>());
    globals.setFoundation(std::make_shared<hostapi::StandardFoundation>());

    hostapi::publishSharedDictionary(processSharedDictionary().get());
}

void uninstallHostServices()
{
    hostapi::publishSharedDictionary(nullptr);
    processSharedDictionary()->clear();
    hostapi::globals().reset();
    for (const ServiceClass& service : kServices)
        com::ObjectFactory::instance().unregisterClass(QString::fromLatin1(service.progId));
    clearCurrentSession();
}

void setSharedValue(const QString& key, const QVariant& value)
{
    processSharedDictionary()->setValue(key, value);
}

QString settingsStoreWarning()
{
    auto store = std::dynamic_pointer_cast<HostSettingsStore>(hostapi::globals().settingsStore());
    return store ? store->fileProblem() : QString();
}

} // namespace hostsvc
