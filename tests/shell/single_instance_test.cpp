#include <gtest/gtest.h>

#include "platform/qt/shell/desktop/single_instance.h"
#include "qt_test_support.h"

namespace horalet::testing {
namespace {

using platform::qt::SingleInstance;

TEST(SingleInstance, ASecondInstanceAsksTheFirstToOpenItsSettings)
{
    PrivateBus bus;
    int firstOpened = 0;
    int secondOpened = 0;
    SingleInstance first(bus.connect(QStringLiteral("first")), [&] { ++firstOpened; });
    SingleInstance second(bus.connect(QStringLiteral("second")), [&] { ++secondOpened; });
    EXPECT_EQ(first.claim(), SingleInstance::Claim::ours);
    EXPECT_EQ(second.claim(), SingleInstance::Claim::handedOff);
    EXPECT_TRUE(spinUntil([&] { return firstOpened == 1; }));
    EXPECT_EQ(secondOpened, 0);
}

TEST(SingleInstance, WithoutASessionBusEveryInstanceRuns)
{
    SingleInstance alone(
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent"), QStringLiteral("none")), [] {});
    EXPECT_EQ(alone.claim(), SingleInstance::Claim::noBus);
    QDBusConnection::disconnectFromBus(QStringLiteral("none"));
}

} // namespace
} // namespace horalet::testing
