// TradeQuery::Show: the access check and its refusal, the window it opens with the instance's
// properties, the modal or modeless decision, and host errors passed on to the caller.
#include "platform/com/ErrorCodes.h"
#include "platform/hostapi/ProgIds.h"
#include "tests/testsupport/ComErrorMatchers.h"
#include "tests/tradequery/component/ShowTestSupport.h"
#include "tradequery/component/TradeQuery.h"
#include "tradequery/host/Security.h"


namespace {

using showtest::deleteReleasedWindows;
using showtest::openBrowseWindows;
using showtest::ShowTest;

const QString kGLData = QString::fromLatin1(hostapi::progid::GLData);

struct Flavour {
    int queryType;
    int queryCode;
    QString refusal;
    QString title;
};

const QList<Flavour> kFlavours = {
    {1, 26, QStringLiteral("您没有客户历史销售价格查询的权限!"), QStringLiteral("客户历史价格查询")},
    {0, 25, QStringLiteral("您没有供应商历史采购价格查询的权限!"), QStringLiteral("供应商历史价格查询")},
    {2, 25, QStringLiteral("您没有供应商历史采购价格查询的权限!"), QStringLiteral("供应商历史价格查询")},
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
        EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("系统提示"));
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
    // The security object is made once for the process, and asked at every Show.
    const auto creations = host.log().callsTo(QStringLiteral("ObjectFactory"));
    EXPECT_EQ(std::count_if(creations.begin(), creations.end(),
                            [](const fakehost::Call& call) { return call.args.value(0).toString() == kGLData; }),
              1);
    EXPECT_EQ(host.log().callsTo(QStringLiteral("GLData"), QStringLiteral("AccessCheck")).size(), answers.size());
}

TEST_F(AccessAndRefusal, HostErrorsReachTheCallerUnchanged)
{
    const com::ComError denied(com::hresult(0x80040E4D), QStringLiteral("ZELEBCGLView"), QStringLiteral("登录已失效"));
    host.glData().failures().fail(QStringLiteral("AccessCheck"), denied);
    auto error = fakehost::comErrorOf([] { tq::TradeQuery().Show(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), denied.number());
    EXPECT_EQ(error->source(), denied.source());
    EXPECT_EQ(error->description(), denied.description());

    tq::testing::resetGLDataObject();
    host.failCreation(kGLData, com::ObjectFactory::cantCreate(kGLData));
    EXPECT_EQ(fakehost::comErrorOf([] { tq::TradeQuery().Show(); })->number(), com::VB_CANT_CREATE_OBJECT);

    // A main window value that is no number cannot be read as a window handle.
    host.allowCreation(kGLData);
    host.glData().failures().clear();
    host.sharedDictionary().setValue(QStringLiteral("MainFormWnd"), QStringLiteral("main"));
    EXPECT_EQ(fakehost::comErrorOf([] { tq::TradeQuery().Show(); })->number(), com::VB_TYPE_MISMATCH);
    EXPECT_TRUE(modal.windows().isEmpty());
    deleteReleasedWindows();
    EXPECT_TRUE(openBrowseWindows().isEmpty());
}

using ModalShow = ShowTest;

TEST_F(ModalShow, WithoutMainWindowTheWindowIsModalAndReleasedAfterwards)
{
    for (const Flavour& f : kFlavours) {
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
    // A window the person closes is released all the same.
    QPointer<QWidget> closed;
    fakehost::ModalWindowRecorder person([&](QWidget& window) {
        closed = &window;
        window.close();
    });
    tq::TradeQuery().Show();
    deleteReleasedWindows();
    EXPECT_FALSE(closed);
}

// The foreground window and its owner decide; "RT6" in the owner's class does not count.
TEST_F(ModalShow, DecidedByTheForegroundWindowsOwner)
{
    struct Case {
        const char* what;
        QString ownerClass;  // empty: the owner has no class, or there is no owner
        bool hasOwner;
        bool modal;
    };
    const QList<Case> cases = {
        {"the host's main window owns it", QStringLiteral("ThunderRT6Main"), true, false},
        {"an owner with blanks and RT6 twice", QStringLiteral(" ThunderRT6MainRT6 "), true, false},
        {"a host form owns it", QStringLiteral("ThunderRT6FormDC"), true, true},
        {"a window of another kind owns it", QString(), true, true},
        {"no owner", QString(), false, false},
    };
    for (const Case& c : cases) {
        QWidget owner(nullptr, Qt::Window);
        if (!c.ownerClass.isEmpty())
            owner.setProperty("windowClass", c.ownerClass);
        QDialog front(c.hasOwner ? &owner : nullptr);
        hostWithMainWindow(&front);

        const qsizetype modalBefore = modal.windows().size();
        tq::TradeQuery().Show();
        EXPECT_EQ(modal.windows().size() - modalBefore, c.modal ? 1 : 0) << c.what;
        EXPECT_EQ(openBrowseWindows().size(), c.modal ? 0 : 1) << c.what;
        TearDown();
    }

    // A foreign foreground window: the main window is brought to the front, and it has no owner.
    host.setMainFormWnd(win::handleOf(mainWindow.get()));
    win::testing::setForegroundOverride(0x7FFF0001, win::GetCurrentProcessId() + 1);
    tq::TradeQuery().Show();
    EXPECT_EQ(win::GetForegroundWindow(), win::handleOf(mainWindow.get()));
    EXPECT_EQ(openBrowseWindows().size(), 1);
}

TEST_F(ShowTest, ModelessEachShowOpensItsOwnWindowThatOutlivesTheQueryAndDeletesItselfWhenClosed)
{
    hostWithMainWindow(mainWindow.get());
    {
        tq::TradeQuery query;
        query.setQueryType(1);
        query.setItemID(10);
        query.setCompanyID(20);
        query.Show();
        query.setQueryType(0);
        query.setItemID(11);
        query.setCompanyID(21);
        query.Show();
    }
    QList<std::tuple<int, int, int, QString>> seen;
    for (QWidget* open : openBrowseWindows()) {
        auto* window = qobject_cast<tq::BrowseBase*>(open);
        ASSERT_TRUE(window);
        EXPECT_EQ(window->parentWidget(), nullptr);
        EXPECT_EQ(window->filter(), nullptr);
        seen.append({window->queryType(), window->itemID(), window->companyID(), window->windowTitle()});
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, (QList<std::tuple<int, int, int, QString>>{{0, 11, 21, QStringLiteral("供应商历史价格查询")},
                                                               {1, 10, 20, QStringLiteral("客户历史价格查询")}}));

    QPointer<QWidget> window = openBrowseWindows().first();
    window->close();
    deleteReleasedWindows();
    EXPECT_FALSE(window);
}

} // namespace
