// TradeQuery::Show: the access check and its refusal, the window it opens with the instance's
// properties, the modal or modeless decision, and errors passed on to the caller.
#include "platform/com/ErrorCodes.h"
#include "platform/hostapi/ProgIds.h"
#include "tests/testsupport/ComErrorMatchers.h"
#include "tests/tradequery/component/ShowTestSupport.h"
#include "tradequery/component/TradeQuery.h"
#include "tradequery/host/Security.h"

#include <QMetaProperty>

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
        SCOPED_TRACE(f.queryType);
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
        SCOPED_TRACE(answer.toString().toStdString());
        host.glData().answer = answer;
        boxes.clear();
        const qsizetype shownBefore = modal.windows().size();
        tq::TradeQuery().Show();
        EXPECT_EQ(boxes.boxes().size(), refuses ? 1 : 0);
        EXPECT_EQ(modal.windows().size() - shownBefore, refuses ? 0 : 1);
    }
}

TEST_F(AccessAndRefusal, TheSecurityObjectIsCreatedOnceForTheProcess)
{
    tq::TradeQuery first;
    first.Show();
    first.Show();
    tq::TradeQuery second;
    second.setQueryType(1);
    second.Show();
    // The windows create other host objects as they load (the user profile); the security
    // object is made once.
    qsizetype securityCreations = 0;
    for (const fakehost::Call& call : host.log().callsTo(QStringLiteral("ObjectFactory")))
        securityCreations += call.args.value(0).toString() == kGLData ? 1 : 0;
    EXPECT_EQ(securityCreations, 1);
    EXPECT_EQ(host.log().callsTo(QStringLiteral("GLData"), QStringLiteral("AccessCheck")).size(), 3);
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
    error = fakehost::comErrorOf([] { tq::TradeQuery().Show(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), com::VB_CANT_CREATE_OBJECT);

    // A value that is no number cannot be read as a window handle.
    host.allowCreation(kGLData);
    host.glData().failures().clear();
    host.sharedDictionary().setValue(QStringLiteral("MainFormWnd"), QStringLiteral("main"));
    error = fakehost::comErrorOf([] { tq::TradeQuery().Show(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), com::VB_TYPE_MISMATCH);
    EXPECT_TRUE(modal.windows().isEmpty());
    deleteReleasedWindows();
    EXPECT_TRUE(openBrowseWindows().isEmpty());
}

using ModalShow = ShowTest;

TEST_F(ModalShow, WithoutMainWindowTheWindowIsModalAndUnloadedAfterwards)
{
    for (const Flavour& f : kFlavours) {
        SCOPED_TRACE(f.queryType);
        QPointer<tq::BrowseBase> seen;
        int32_t seenQueryType = -1, seenItem = -1, seenCompany = -1;
        bool wasLoaded = false;
        fakehost::ModalWindowRecorder person([&](QWidget& window) {
            seen = qobject_cast<tq::BrowseBase*>(&window);
            ASSERT_TRUE(seen);
            seenQueryType = seen->queryType();
            seenItem = seen->itemID();
            seenCompany = seen->companyID();
            wasLoaded = seen->isLoaded();
        });
        tq::TradeQuery query;
        query.setQueryType(f.queryType);
        query.setItemID(123);
        query.setCompanyID(45);
        query.Show(QStringLiteral("screen-7"));

        ASSERT_EQ(person.titles(), QStringList{f.title});
        EXPECT_EQ(seenQueryType, f.queryType);
        EXPECT_EQ(seenItem, 123);
        EXPECT_EQ(seenCompany, 45);
        EXPECT_TRUE(wasLoaded);
        ASSERT_TRUE(seen);  // released, not yet deleted
        EXPECT_FALSE(seen->isVisible());
        EXPECT_FALSE(seen->isLoaded());
        deleteReleasedWindows();
        EXPECT_FALSE(seen);
    }
}

TEST_F(ModalShow, AWindowThePersonClosesIsStillReleased)
{
    QPointer<QWidget> seen;
    fakehost::ModalWindowRecorder person([&](QWidget& window) {
        seen = &window;
        window.close();
    });
    tq::TradeQuery().Show();
    deleteReleasedWindows();
    EXPECT_FALSE(seen);
}

// The foreground window and its owner decide; "RT6" in the owner's class does not count.
TEST_F(ModalShow, DecidedByTheForegroundWindowsOwner)
{
    struct Case {
        const char* what;
        QString ownerClass;  // empty: the foreground window has no owner
        bool modal;
    };
    const QList<Case> cases = {
        {"the host's main window owns it", QStringLiteral("ThunderRT6Main"), false},
        {"an owner with blanks and RT6 twice", QStringLiteral(" ThunderRT6MainRT6 "), false},
        {"a host form owns it", QStringLiteral("ThunderRT6FormDC"), true},
        {"a window of another kind owns it", QString(), true},
        {"no owner", QString(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget owner(nullptr, Qt::Window);
        if (!c.ownerClass.isEmpty())
            owner.setProperty("windowClass", c.ownerClass);
        const bool hasOwner = !c.ownerClass.isEmpty() || c.modal;
        QDialog front(hasOwner ? &owner : nullptr);
        hostWithMainWindow(&front);

        const qsizetype modalBefore = modal.windows().size();
        tq::TradeQuery().Show();
        EXPECT_EQ(modal.windows().size() - modalBefore, c.modal ? 1 : 0);
        EXPECT_EQ(openBrowseWindows().size(), c.modal ? 0 : 1);
        TearDown();
    }
}

TEST_F(ModalShow, AForeignForegroundWindowBringsTheMainWindowToTheFront)
{
    host.setMainFormWnd(win::handleOf(mainWindow.get()));
    const win::Handle foreign = 0x7FFF0001;
    win::testing::setForegroundOverride(foreign, win::GetCurrentProcessId() + 1);

    tq::TradeQuery().Show();
    EXPECT_EQ(win::GetForegroundWindow(), win::handleOf(mainWindow.get()));
    // The main window, now in front, has no owner: modeless.
    EXPECT_TRUE(modal.windows().isEmpty());
    EXPECT_EQ(openBrowseWindows().size(), 1);
}

using ModelessShow = ShowTest;

TEST_F(ModelessShow, EachShowOpensItsOwnWindowThatOutlivesTheQuery)
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
    QList<tq::BrowseBase*> windows;
    for (QWidget* open : openBrowseWindows())
        windows.append(qobject_cast<tq::BrowseBase*>(open));
    ASSERT_EQ(windows.size(), 2);
    QList<std::tuple<int, int, int, QString>> seen;
    for (tq::BrowseBase* w : windows) {
        ASSERT_TRUE(w);
        EXPECT_EQ(w->parentWidget(), nullptr);
        seen.append({w->queryType(), w->itemID(), w->companyID(), w->windowTitle()});
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, (QList<std::tuple<int, int, int, QString>>{{0, 11, 21, QStringLiteral("供应商历史价格查询")},
                                                               {1, 10, 20, QStringLiteral("客户历史价格查询")}}));
    EXPECT_EQ(windows[0]->filter(), nullptr);
}

TEST_F(ModelessShow, AClosedWindowDeletesItself)
{
    hostWithMainWindow(mainWindow.get());
    tq::TradeQuery().Show();
    ASSERT_EQ(openBrowseWindows().size(), 1);
    QPointer<QWidget> window = openBrowseWindows().first();
    window->close();
    deleteReleasedWindows();
    EXPECT_FALSE(window);
}

TEST(TradeQueryAutomation, PropertiesAreWriteOnlyAndShowIsCallableByName)
{
    fakehost::FakeHost host;
    fakehost::ModalWindowRecorder modal;
    tq::TradeQuery query;
    for (const char* name : {"QueryType", "CompanyID", "ItemID", "User"}) {
        EXPECT_TRUE(query.setProperty(name, 1)) << name;
        const QMetaProperty property = query.metaObject()->property(query.metaObject()->indexOfProperty(name));
        EXPECT_TRUE(property.isWritable()) << name;
        EXPECT_FALSE(property.isReadable()) << name;
    }
    ASSERT_TRUE(QMetaObject::invokeMethod(&query, "Show", Q_ARG(QString, QStringLiteral("x"))));
    ASSERT_TRUE(QMetaObject::invokeMethod(&query, "Show"));
    EXPECT_EQ(modal.titles(), (QStringList{QStringLiteral("客户历史价格查询"), QStringLiteral("客户历史价格查询")}));
    deleteReleasedWindows();
}

} // namespace
