// Installing the component as the host does at start. That the library beside the program
// registers itself and serves TradeQuery is seen by every query OpenQueryTest opens and by the
// program's own run (ZelhostProgramTest); here, what a person is told when it cannot.
#include "hostapp/app/ComponentSetup.h"
#include "platform/com/ComError.h"
#include "platform/com/ComponentRegistry.h"
#include "tests/testsupport/ComErrorMatchers.h"
#include "tests/testsupport/TemporaryComponentRegistry.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(ComponentSetup, AMissingOrBrokenLibraryIsNamedAndNothingIsRegistered)
{
    fakehost::TemporaryComponentRegistry registry;
    const QString library = registry.folder() + QStringLiteral("/libZELTradeQuery.so");
    const struct {
        const char* content;  // null: no file
        QString told;
    } cases[] = {{nullptr, QStringLiteral("和 zelhost 在同一个文件夹里")},
                 {"not a library", QStringLiteral("无法安装价格查询组件 ") + library}};
    for (const auto& c : cases) {
        if (c.content) {
            QFile fake(library);
            ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
            fake.write(c.content);
        }
        const auto error = fakehost::comErrorOf([&] { zelhost::registerTradeQueryComponent(library); });
        EXPECT_TRUE(error && error->description().contains(library) && error->description().contains(c.told)) << c.told.toStdString();
        EXPECT_TRUE(com::registeredInProcServers().isEmpty());
    }
}

} // namespace
