// The host opening the price query through the real component library on the demo database,
// from the command line and from the menu, and a capture while the component's window is up
// modally.
#include "hostapp/app/CapturedRun.h"
#include "hostapp/app/CommandLineOpen.h"
#include "hostapp/app/QueryStartDialog.h"
#include "hostapp/database/DemoData.h"
#include "platform/com/ComError.h"
#include "platform/hostapi/HostGlobals.h"
#include "platform/win/ModalDialog.h"
#include "platform/win/WindowHandles.h"
#include "tests/hostapp/app/LiveHost.h"
#include "tests/hostapp/database/QtPrinters.h"
#include "tradequery/host/SharedValues.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <gtest/gtest.h>

namespace {

using hostapptest::LiveHost;

namespace demo = hostdb::demo;
using zelhost::HostOptions;
using zelhost::QueryKind;

HostOptions openOptions(QueryKind kind)
{
    HostOptions options;
    options.open = kind;
    return options;
}

TEST(OpenFromCommandLine, PresetsTheStartViewBeforeOpeningAndAnUnknownCodeOpensAndWritesNothing)
{
    LiveHost host(demo::kAdminUserId);
    const auto store = hostapi::globals().settingsStore();
    HostOptions options = openOptions(QueryKind::Purchase);
    options.partnerNumber = QStringLiteral("99.9999");
    options.view = zelhost::StartView::Item;
    EXPECT_THROW(zelhost::openRequestedQuery(options, zelhost::serviceConnection()), com::ComError);
    EXPECT_TRUE(host.componentWindows().isEmpty());
    EXPECT_EQ(store->Get(QStringLiteral("ComTradeQuery"), QStringLiteral("ByCompany"), -7).toInt(), -7);
    options.partnerNumber.clear();
    for (const auto& [view, stored] : {std::pair{zelhost::StartView::Item, 2}, std::pair{zelhost::StartView::Partner, 1}}) {
        options.view = view;
        zelhost::openRequestedQuery(options, zelhost::serviceConnection());
        EXPECT_EQ(store->Get(QStringLiteral("ComTradeQuery"), QStringLiteral("ByCompany"), 0).toInt(), stored);
        for (QWidget* window : host.componentWindows())
            window->close();
    }
}

TEST(HostMenu, TheChooserOpensTheQueryForTheChosenMaterialOrNothingWhenCancelled)
{
    LiveHost host(demo::kAdminUserId);
    const auto cancel = win::setModalResponder([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    host.mainWindow().salesQueryAction()->trigger();
    win::setModalResponder(cancel);
    EXPECT_TRUE(host.componentWindows().isEmpty());
    QString chosen;
    const auto previous = win::setModalResponder([&chosen](QDialog& dialog) {
        auto& chooser = dynamic_cast<zelhost::QueryStartDialog&>(dialog);
        chooser.materialPicker().setSearchText(hostdb::demo::samples(hostdb::DemoSize::Small).itemNumber);
        chosen = chooser.materialPicker().chosenText();
        return static_cast<int>(QDialog::Accepted);
    });
    host.mainWindow().purchaseQueryAction()->trigger();
    win::setModalResponder(previous);
    EXPECT_TRUE(chosen.startsWith(hostdb::demo::samples(hostdb::DemoSize::Small).itemNumber)) << chosen.toStdString();
    const QList<QWidget*> windows = host.componentWindows();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows.front()->windowTitle(), QStringLiteral("供应商历史价格查询"));
}

TEST(CapturedRun, AWindowShownModallyIsCapturedWhileItIsUp)
{
    LiveHost host(demo::kAdminUserId);
    // Without a published main window the component shows its window modally.
    hostsvc::setSharedValue(QStringLiteral("MainFormWnd"), 0);
    HostOptions options = openOptions(QueryKind::Purchase);
    options.screenshotFile = host.folderPath() + QStringLiteral("/modal.png");
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(zelhost::runCaptured(host.mainWindow(), options), 0);
    const QString printed = QString::fromStdString(::testing::internal::GetCapturedStdout());
    // The window's own description follows its title: panels, ledger titles, status bar.
    EXPECT_TRUE(printed.startsWith(QStringLiteral("截图: %1\n窗口标题: 供应商历史价格查询\n左标题: ").arg(options.screenshotFile)))
        << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("\n表格: 物料代码\t"))) << printed.toStdString();
    EXPECT_FALSE(QImage(options.screenshotFile).isNull());
    // The modal loop ended with the capture and the component unloaded its window.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(host.componentWindows().isEmpty());
}

} // namespace
