// Creating the history ledger and handing it its grid.
#include "tests/testsupport/FakeHost.h"
#include "tests/tradequery/history/HistoryLedgerTestData.h"
#include "tradequery/history/BaseDetail.h"

#include "platform/controls/Ledger50.h"

#include <QLabel>
#include <gtest/gtest.h>

using historytest::RecordingLedger;

namespace {

// Expects the call to raise type mismatch (13) naming what was given.
template <class Call>
void expectTypeMismatch(Call&& call, const QString& named)
{
    try {
        call();
        ADD_FAILURE() << named.toStdString() << ": accepted";
    } catch (const com::ComError& error) {
        EXPECT_EQ(error.number(), com::VB_TYPE_MISMATCH);
        EXPECT_TRUE(error.description().startsWith(QStringLiteral("类型不匹配")));
        EXPECT_TRUE(error.description().contains(named)) << error.description().toStdString();
    }
}

TEST(BaseDetailLdgTest, RefusesAnythingThatIsNotALedgerAndKeepsThePreviousOne)
{
    fakehost::FakeHost host;
    auto grid = std::make_shared<RecordingLedger>();
    tq::BaseDetail detail;
    detail.setLdg(grid);

    QLabel label;
    expectTypeMismatch([&] { detail.setLdg(&label); }, QStringLiteral("QLabel"));
    expectTypeMismatch([&] { detail.setLdg(ado::Recordset::make({}, {})); }, QStringLiteral("台账表格"));

    detail.GetTitleInfo(1);
    EXPECT_EQ(grid->cols, 18);
}

TEST(BaseDetailLdgTest, TakesTheHostGridAndLetsItGo)
{
    fakehost::FakeHost host;
    tq::BaseDetail detail;
    auto ledger = std::make_unique<controls::Ledger50>();
    detail.setLdg(ledger.get());
    detail.GetTitleInfo(2);
    EXPECT_EQ(ledger->LedgerGrid().ColCount(), 18);

    // Once the window has destroyed its grid, using it raises instead of crashing.
    ledger.reset();
    EXPECT_THROW(detail.GetTitleInfo(2), com::ComError);

    detail.setLdg(static_cast<QObject*>(nullptr));
    EXPECT_THROW(detail.GetTitleInfo(2), com::ComError);
}

TEST(BaseDetailLdgTest, ReadsTheDiscountPrecisionOnceWhenCreated)
{
    fakehost::FakeHost host;
    host.systemProfile().setProfile(QStringLiteral("IC"), QStringLiteral("PrecisionOfDiscountRate"), 4);
    host.log().clear();
    tq::BaseDetail detail;

    const QList<fakehost::Call> asked = host.log().callsTo(QStringLiteral("SystemProfile"));
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].method, QStringLiteral("GetProfile"));
    EXPECT_EQ(asked[0].args, (QVariantList{fakehost::FakeHost::kPropsString, QStringLiteral("IC"),
                                           QStringLiteral("PrecisionOfDiscountRate")}));
}

} // namespace
