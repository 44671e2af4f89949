#include "hostapp/app/HostApplication.h"

#include "hostapp/app/CapturedRun.h"
#include "hostapp/app/CommandLineOpen.h"
#include "hostapp/app/ComponentSetup.h"
#include "hostapp/app/ConsoleOutput.h"
#include "hostapp/app/HelpViewer.h"
#include "hostapp/app/HostMainWindow.h"
#include "hostapp/app/HostMessages.h"
#include "hostapp/app/LedgerOutput.h"
#include "hostapp/app/LoginStep.h"
#include "platform/com/ComError.h"
#include "platform/win/Headless.h"

#include <QApplication>
#include <QTimer>

namespace zelhost {

namespace {

// With a person in front of the screen, an unknown code is told and the host stays up.
void openOnStart(const HostOptions& options)
{
    try {
        openRequestedQuery(options, serviceConnection());
    } catch (const com::ComError& e) {
        reportProblem(e.description());
    }
}

int runMainWindow(const hostsvc::LoginSession& session, const HostOptions& options)
{
    HostMainWindow window(session);
    window.publishAsMainForm();
    window.show();
    int code = 0;
    if (win::isHeadless() || options.screenshotRequested || wantsLedgerOutput(options)) {
        code = runCaptured(window, options);
    } else {
        if (options.open != QueryKind::None)
            QTimer::singleShot(0, &window, [&options] { openOnStart(options); });
        code = QApplication::exec();
    }
    // The component's windows close (saving their layout) while the host services still run.
    window.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}

} // namespace

int runHost(const QStringList& arguments)
{
    const ParsedCommandLine parsed = parseHostCommandLine(arguments);
    if (parsed.helpRequested) {
        printOut(hostUsage());
        return 0;
    }
    if (!parsed.options) {
        printErr(QStringLiteral("zelhost: %1\n\n").arg(parsed.error) + hostUsage());
        return 2;
    }
    const HostOptions& options = *parsed.options;

    hostsvc::LoginSession session;
    try {
        session = resolveLogin(options);
    } catch (const com::ComError& e) {
        return reportStartupError(e.description());
    }
    int code = 0;
    try {
        hostsvc::installHostServices(session);
        const QString settingsWarning = hostsvc::settingsStoreWarning();
        if (!settingsWarning.isEmpty())
            reportProblem(settingsWarning);
        registerTradeQueryComponent(tradeQueryLibraryPath(QCoreApplication::applicationDirPath()));
        installHelpLauncher();
        code = runMainWindow(session, options);
    } catch (const com::ComError& e) {
        code = reportStartupError(e.description());
    }
    uninstallHelpLauncher();
    hostsvc::uninstallHostServices();
    return code;
}

} // namespace zelhost
