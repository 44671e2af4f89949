#pragma once
// Opening the browse window as the start-up benchmarks time it, with the host's services
// installed: new BrowseBase, the properties, Load, resize, show, pending events run until the
// ledger has more than its title row. Closing it (Unload, deleted) is separate and not timed.
#include "support/BareWindow.h"

#include <QPointer>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>

namespace tq {
class BrowseBase;
}

namespace bench {

constexpr int kWindowWidth = 1280;
constexpr int kWindowHeight = 720;
constexpr int kPartnerView = 1;
constexpr int kItemView = 2;

// Where the window starts: the view ("ByCompany" in the user's layout) and the start node.
struct StartNode {
    int view = kPartnerView;
    int32_t itemId = 0;
    int32_t companyId = 0;
};

// How long each part of one start-up took, in nanoseconds.
struct StartPhases {
    qint64 create = 0;  // the window object and its controls
    qint64 load = 0;    // Load: captions, tree, start node, history
    qint64 show = 0;    // show, pending events until the ledger is filled
};

// Stores the view the next window starts in, as the user's layout keeps it ("ByCompany"), in
// the installed settings store.
void storeView(int view);

// Starts the window on the node in the stored view; the caller closes it. With phases, notes
// how long each part took.
QPointer<tq::BrowseBase> startWindow(const StartNode& start, StartPhases* phases = nullptr);

// Unloads the window and runs the deferred deletes; raises std::runtime_error when the window
// outlives them.
void closeWindow(QPointer<tq::BrowseBase>& window);

// The rows of the window's ledger, title row included (0 when there is no window).
long ledgerRows(const QPointer<tq::BrowseBase>& window);

// A second start-up, as the benchmark's iterations see it, read for a baseline: the window is
// started on the node and closed once (the first window of a process also pays for fonts and
// first-use setup), then started again between `beforeSecond` and `afterSecond` (run right after
// the start returns), its texts read and closed. Raises std::runtime_error naming `label` when
// its ledger stays empty.
struct SecondStart {
    qint64 total = 0;  // nanoseconds
    long ledgerRows = 0;  // title row excluded
    StartPhases phases;
    ShownTexts shown;
};
SecondStart startTwice(const StartNode& start, const char* label, const std::function<void()>& beforeSecond,
                       const std::function<void()>& afterSecond = {});

// One start-up per iteration, the view stored and the window closed outside the timing; the
// run is marked failed when the ledger of the start node stays empty.
void timeStartUps(benchmark::State& state, const StartNode& start);

} // namespace bench
