#include "support/WindowStart.h"

#include "platform/controls/Ledger50.h"
#include "platform/hostapi/HostGlobals.h"
#include "platform/hostapi/SettingsStore.h"
#include "tradequery/host/LayoutProfile.h"
#include "tradequery/window/BrowseBase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <stdexcept>

namespace bench {

namespace {

constexpr int kSales = 1;
// Start-up normally fills the ledger within Load; pending events get this many rounds at most.
constexpr int kMaxEventRounds = 1000;

} // namespace

void storeView(int view)
{
    hostapi::globals().settingsStore()->Save(QLatin1String(tq::kLayoutSection), QStringLiteral("ByCompany"), view);
}

QPointer<tq::BrowseBase> startWindow(const StartNode& start, StartPhases* phases)
{
    QElapsedTimer timer;
    timer.start();
    QPointer<tq::BrowseBase> window = new tq::BrowseBase;
    window->setQueryType(kSales);
    window->setItemID(start.itemId);
    window->setCompanyID(start.companyId);
    window->resize(kWindowWidth, kWindowHeight);
    if (phases)
        phases->create = timer.nsecsElapsed();
    window->Load();
    if (phases)
        phases->load = timer.nsecsElapsed() - phases->create;
    window->show();
    QCoreApplication::processEvents();
    for (int round = 0; round < kMaxEventRounds && window->ldgBase().Rows() <= 1; ++round)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    if (phases)
        phases->show = timer.nsecsElapsed() - phases->create - phases->load;
    return window;
}

void closeWindow(QPointer<tq::BrowseBase>& window)
{
    if (window)
        window->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (window)
        throw std::runtime_error("the window was not deleted after Unload");
}

long ledgerRows(const QPointer<tq::BrowseBase>& window)
{
    return window ? window->ldgBase().Rows() : 0;
}

SecondStart startTwice(const StartNode& start, const char* label, const std::function<void()>& beforeSecond,
                       const std::function<void()>& afterSecond)
{
    storeView(start.view);
    QPointer<tq::BrowseBase> first = startWindow(start);
    closeWindow(first);
    storeView(start.view);
    beforeSecond();
    SecondStart second;
    QElapsedTimer timer;
    timer.start();
    QPointer<tq::BrowseBase> window = startWindow(start, &second.phases);
    second.total = timer.nsecsElapsed();
    if (afterSecond)
        afterSecond();
    second.ledgerRows = ledgerRows(window) - 1;
    second.shown = shownTexts(*window);
    closeWindow(window);
    if (second.ledgerRows <= 0)
        throw std::runtime_error(std::string(label) + ": the ledger of the start node stayed empty");
    return second;
}

void timeStartUps(benchmark::State& state, const StartNode& start)
{
    long rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        storeView(start.view);
        state.ResumeTiming();
        QPointer<tq::BrowseBase> window = startWindow(start);
        state.PauseTiming();
        rows = ledgerRows(window);
        closeWindow(window);
        state.ResumeTiming();
    }
    if (rows <= 1)
        state.SkipWithError("the ledger of the start node stayed empty");
}

} // namespace bench
