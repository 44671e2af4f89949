#include "hostapp/app/HelpViewer.h"

#include "hostapp/app/ConsoleOutput.h"
#include "hostapp/app/HostMessages.h"
#include "platform/com/ComError.h"
#include "platform/win/Headless.h"
#include "platform/win/Shell.h"

#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zelhost {

namespace {

QPointer<HelpViewer>& viewer()
{
    static QPointer<HelpViewer> window;
    return window;
}

void printPage(const HelpPage& page)
{
    printOut(QStringLiteral("帮助: %1 — %2\n").arg(page.topic, page.title));
}

} // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);
    // Links between the pages change the title with the page.
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(QStringLiteral("帮助 — %1").arg(m_browser->documentTitle()));
    });
    resize(720, 640);
}

void HelpViewer::showPage(const HelpPage& page)
{
    m_browser->setSource(page.url);
    setWindowTitle(QStringLiteral("帮助 — %1").arg(page.title));
    show();
    raise();
    activateWindow();
}

bool openHelp(const QString& arguments)
{
    HelpPage page;
    try {
        page = loadHelpPage(helpTopicOf(arguments));
    } catch (const com::ComError& e) {
        reportProblem(e.description());
        return false;
    }
    if (win::isHeadless()) {
        printPage(page);
        return true;
    }
    if (!viewer()) {
        viewer() = new HelpViewer;
        viewer()->setAttribute(Qt::WA_DeleteOnClose);
    }
    viewer()->showPage(page);
    return true;
}

HelpViewer* helpViewerWindow()
{
    return viewer();
}

void installHelpLauncher()
{
    win::registerShellHandler(QStringLiteral("hh.exe"), openHelp);
}

void uninstallHelpLauncher()
{
    win::unregisterShellHandler(QStringLiteral("hh.exe"));
}

} // namespace zelhost
