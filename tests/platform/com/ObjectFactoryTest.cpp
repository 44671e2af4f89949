// The ProgID registry: lookup without regard to case, the fallback, and the errors it raises.
#include "platform/com/ErrorCodes.h"
#include "platform/com/ObjectFactory.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <functional>

namespace {

class Greeter : public com::ComObject {
public:
    virtual QString greet() const { return QStringLiteral("hello"); }
};

class Counter : public com::ComObject {};

// Registers under ProgIDs of its own and leaves the process-wide registry as it found it.
class ObjectFactoryTest : public testing::Test {
protected:
    com::ObjectFactory& factory = com::ObjectFactory::instance();

    void TearDown() override
    {
        factory.unregisterClass(QStringLiteral("ZELTest.Greeter"));
        factory.unregisterClass(QStringLiteral("ZELTest.Counter"));
        factory.setFallback({});
    }

    static com::ComError errorOf(const std::function<void()>& call)
    {
        try {
            call();
        } catch (const com::ComError& error) {
            return error;
        }
        ADD_FAILURE() << "no error raised";
        return com::ComError(0, QString(), QString());
    }
};

TEST_F(ObjectFactoryTest, FindsProgIdsWithoutRegardToCase)
{
    factory.registerClass(QStringLiteral("ZELTest.Greeter"), [] { return std::make_shared<Greeter>(); });
    EXPECT_TRUE(factory.isRegistered(QStringLiteral("zeltest.greeter")));
    EXPECT_TRUE(factory.isRegistered(QStringLiteral("ZELTEST.GREETER")));
    EXPECT_EQ(factory.createAs<Greeter>(QStringLiteral("zelTEST.greeter"))->greet(), "hello");

    factory.unregisterClass(QStringLiteral("ZELTEST.greeter"));
    EXPECT_FALSE(factory.isRegistered(QStringLiteral("ZELTest.Greeter")));
}

TEST_F(ObjectFactoryTest, EachCreateMakesANewObject)
{
    factory.registerClass(QStringLiteral("ZELTest.Counter"), [] { return std::make_shared<Counter>(); });
    EXPECT_NE(factory.create(QStringLiteral("ZELTest.Counter")),
              factory.create(QStringLiteral("ZELTest.Counter")));
}

TEST_F(ObjectFactoryTest, UnknownProgIdRaisesCantCreateNamingIt)
{
    const com::ComError error = errorOf([&] { factory.create(QStringLiteral("ZELTest.Missing")); });
    EXPECT_EQ(error.number(), com::VB_CANT_CREATE_OBJECT);
    EXPECT_EQ(error.source(), "ZELTest.Missing");
    EXPECT_TRUE(error.description().contains("ZELTest.Missing"));
}

TEST_F(ObjectFactoryTest, CreateAsWithoutTheInterfaceRaisesCantCreate)
{
    factory.registerClass(QStringLiteral("ZELTest.Counter"), [] { return std::make_shared<Counter>(); });
    const com::ComError error = errorOf([&] { factory.createAs<Greeter>(QStringLiteral("ZELTest.Counter")); });
    EXPECT_EQ(error.number(), com::VB_CANT_CREATE_OBJECT);
    EXPECT_TRUE(error.description().contains("ZELTest.Counter"));
}

TEST_F(ObjectFactoryTest, FallbackIsAskedOnlyWhenNoCreatorIsRegistered)
{
    QStringList asked;
    factory.setFallback([&](const QString& progId) -> com::ComObjectPtr {
        asked << progId;
        return progId == QStringLiteral("ZELTest.Greeter") ? std::make_shared<Greeter>() : nullptr;
    });
    factory.registerClass(QStringLiteral("ZELTest.Counter"), [] { return std::make_shared<Counter>(); });

    EXPECT_NE(factory.create(QStringLiteral("zeltest.counter")), nullptr);
    EXPECT_TRUE(asked.isEmpty());

    EXPECT_EQ(factory.createAs<Greeter>(QStringLiteral("ZELTest.Greeter"))->greet(), "hello");
    EXPECT_EQ(asked, QStringList{QStringLiteral("ZELTest.Greeter")});

    // A fallback that has nothing either ends in the same error.
    const com::ComError error = errorOf([&] { factory.create(QStringLiteral("ZELTest.Nobody")); });
    EXPECT_EQ(error.number(), com::VB_CANT_CREATE_OBJECT);
    EXPECT_EQ(asked.size(), 2);
}

TEST_F(ObjectFactoryTest, ACreatorThatGivesNothingRaisesCantCreate)
{
    factory.registerClass(QStringLiteral("ZELTest.Counter"), [] { return com::ComObjectPtr(); });
    EXPECT_EQ(errorOf([&] { factory.create(QStringLiteral("ZELTest.Counter")); }).number(),
              com::VB_CANT_CREATE_OBJECT);
}

} // namespace
