// TradeQuery::Show: the access check and its refusal, the window it opens with the instance's
// properties, the modal or modeless decision, and host errors passed on to the caller.
#include "platform/com/ErrorCodes.h"
#include "tests/testsupport/ComErrorMatchers.h"
#include "tests/tradequery/component/ShowTestSupport.h"
#include "tradequery/component/TradeQuery.h"

namespace {

using showtest::deleteReleasedWindows;
using showtest::openBrowseWindows;
using showtest::ShowTest;

struct Flavour {
    int queryType;
    int queryCode;
    QString refusal;
    QString title;
};

const QList<Flavour> kFlavours = {
    {1, 26, QStringLiteral("您没有客户历史销售价格查询的权限!"), QStringLiteral("客户历史价格查询")},
    {0, 25, QStringLiteral("您没有供应商历史采购价格查询的权限!"), QStringLiteral("供应商历史价格查询")},
};

using AccessAndRefusal = ShowTest;

TEST_F(AccessAndRefusal, RefusalNamesTheFlavourAndOpensNothing)
{
    host.glData().answer = 0;
    for (const Flavour& f : kFlavours) {
        host.log().clear();
        boxes.clear();
        tq::TradeQuery query;
        query.setQueryType(f.queryType);
        query.Show();

        const auto checks = host.log().callsTo(QStringLiteral("GLData"), QStringLiteral("AccessCheck"));
        ASSERT_EQ(checks.size(), 1);
        EXPECT_EQ(checks[0].args, (QVariantList{1099, f.queryCode, 0x200000}));
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_EQ(boxes.boxes()[0].text, f.refusal);
        EXPECT_EQ(boxes.boxes()[0].style, 48);
        EXPECT_TRUE(modal.windows().isEmpty());
        EXPECT_TRUE(openBrowseWindows().isEmpty());
    }
}

TEST_F(AccessAndRefusal, OnlyAnswersWhoseComplementIsNotZeroRefuse)
{
    const QList<std::pair<QVariant, bool>> answers = {
        {-1, false}, {true, false}, {QVariant(), false}, {QStringLiteral("-1"), false},
        {0, true}, {false, true}, {1, true}, {-2, true}};
    for (const auto& [answer, refuses] : answers) {
        host.glData().answer = answer;
        boxes.clear();
        const qsizetype shownBefore = modal.windows().size();
        tq::TradeQuery().Show();
        EXPECT_EQ(boxes.boxes().size(), refuses ? 1 : 0) << answer.toString().toStdString();
        EXPECT_EQ(modal.windows().size() - shownBefore, refuses ? 0 : 1) << answer.toString().toStdString();
    }
    // Asked at every Show.
    EXPECT_EQ(host.log().callsTo(QStringLiteral("GLData"), QStringLiteral("AccessCheck")).size(), answers.size());
}

TEST_F(AccessAndRefusal, HostErrorsReachTheCallerUnchanged)
{
    const com::ComError denied(com::hresult(0x80040E4D), QStringLiteral("ZELEBCGLView"), QStringLiteral("登录已失效"));
    host.glData().failures().fail(QStringLiteral("AccessCheck"), denied);
    auto error = fakehost::comErrorOf([] { tq::TradeQuery().Show(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), denied.number());
    EXPECT_EQ(error->description(), denied.description());

    // A main window value that is no number cannot be read as a window handle.
    host.glData().failures().clear();
    host.sharedDictionary().setValue(QStringLiteral("MainFormWnd"), QStringLiteral("main"));
    EXPECT_EQ(fakehost::comErrorOf([] { tq::TradeQuery().Show(); })->number(), com::VB_TYPE_MISMATCH);
    EXPECT_TRUE(modal.windows().isEmpty());
}

using ModalShow = ShowTest;

TEST_F(ModalShow, WithoutMainWindowTheWindowIsModalAndReleasedAfterwards)
{
    const Flavour& f = kFlavours[0];
    QPointer<tq::BrowseBase> seen;
    std::tuple<int, int, int, bool> seenState;
    fakehost::ModalWindowRecorder person([&](QWidget& window) {
        seen = qobject_cast<tq::BrowseBase*>(&window);
        ASSERT_TRUE(seen);
        seenState = {seen->queryType(), seen->itemID(), seen->companyID(), seen->isLoaded()};
    });
    tq::TradeQuery query;
    query.setQueryType(f.queryType);
    query.setItemID(123);
    query.setCompanyID(45);
    query.Show(QStringLiteral("screen-7"));

    ASSERT_EQ(person.titles(), QStringList{f.title});
    EXPECT_EQ(seenState, std::make_tuple(f.queryType, 123, 45, true));
    ASSERT_TRUE(seen);  // released, not yet deleted
    EXPECT_FALSE(seen->isVisible());
    EXPECT_FALSE(seen->isLoaded());
    deleteReleasedWindows();
    EXPECT_FALSE(seen);
}

// The foreground window and its owner decide; "RT6" in the owner's class does not count.
TEST_F(ModalShow, DecidedByTheForegroundWindowsOwner)
{
    // Owner's class (empty: none), whether the foreground window has an owner, modal.
    const std::tuple<const char*, bool, bool> cases[] = {
        {"ThunderRT6Main", true, false}, {"ThunderRT6FormDC", true, true}, {"", true, true}, {"", false, false}};
    for (const auto& [ownerClass, hasOwner, isModal] : cases) {
        QWidget owner(nullptr, Qt::Window);
        if (*ownerClass)
            owner.setProperty("windowClass", QString::fromLatin1(ownerClass));
        QDialog front(hasOwner ? &owner : nullptr);
        hostWithMainWindow(&front);
        const qsizetype modalBefore = modal.windows().size();
        tq::TradeQuery().Show();
        EXPECT_EQ(modal.windows().size() - modalBefore, isModal ? 1 : 0) << ownerClass << hasOwner;
        EXPECT_EQ(openBrowseWindows().size(), isModal ? 0 : 1) << ownerClass << hasOwner;
        TearDown();
    }

    // A foreign foreground window: the main window is brought to the front, and it has no owner.
    host.sharedDictionary().setValue(QStringLiteral("MainFormWnd"), win::handleOf(mainWindow.get()));
    win::testing::setForegroundOverride(0x7FFF0001, win::GetCurrentProcessId() + 1);
    tq::TradeQuery().Show();
    EXPECT_EQ(win::GetForegroundWindow(), win::handleOf(mainWindow.get()));
    EXPECT_EQ(openBrowseWindows().size(), 1);
}

} // namespace
