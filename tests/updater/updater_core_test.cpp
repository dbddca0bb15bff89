#include <gtest/gtest.h>

#include "platform/updater/core/check_schedule.h"
#include "platform/updater/core/ed25519.h"
#include "platform/updater/core/package_marker.h"
#include "test_signing.h"

#include <QByteArray>

namespace horalet::platform::updater::engine {
namespace {

using testing::makePackage;
using testing::signWithTestKey;

std::string testPublicKey()
{
    return QByteArray::fromBase64(QByteArray::fromStdString(testing::testPublicKeyBase64())).toStdString();
}

TEST(Ed25519, AcceptsOnlyTheExactSignedBytes)
{
    const std::string message = makePackage("2.0");
    const std::string signature = signWithTestKey(message);
    const std::string key = testPublicKey();
    EXPECT_TRUE(verifyEd25519(key, signature, message));

    std::string flipped = message;
    flipped[5] = static_cast<char>(flipped[5] ^ 0x01);
    EXPECT_FALSE(verifyEd25519(key, signature, flipped));
    EXPECT_FALSE(verifyEd25519(key, signature, message.substr(0, message.size() - 1)));
    EXPECT_FALSE(verifyEd25519(key, signature, message + "x"));
    EXPECT_FALSE(verifyEd25519(key, signature.substr(0, 63), message));
    EXPECT_FALSE(verifyEd25519(key.substr(0, 31), signature, message));
    EXPECT_FALSE(verifyEd25519(std::string(32, '\1'), signature, message));
}

TEST(PackageMarker, ReadsTheOneVersionAPackageCarries)
{
    using namespace std::string_literals;
    EXPECT_EQ(packageVersion(makePackage("2.0")), "2.0");
    EXPECT_EQ(packageVersion("\x7f"
                             "ELF..."s
                  + "HORALET-PACKAGE-VERSION:1.2b3"s + '\0' + "tail"s),
        "1.2b3");
    // The same marker twice (two copies of a section) is still one version.
    EXPECT_EQ(packageVersion(makePackage("2.0") + makePackage("2.0")), "2.0");

    EXPECT_EQ(packageVersion("no marker at all"), std::nullopt);
    EXPECT_EQ(packageVersion(makePackage("2.0") + makePackage("1.0")), std::nullopt) << "two versions";
    EXPECT_EQ(packageVersion("HORALET-PACKAGE-VERSION:2.0"), std::nullopt) << "not ended by a zero byte";
    EXPECT_EQ(packageVersion("HORALET-PACKAGE-VERSION:"s + '\0'), std::nullopt) << "empty";
    EXPECT_EQ(packageVersion("HORALET-PACKAGE-VERSION:2.0 evil"s + '\0'), std::nullopt) << "not a version";
}

TEST(PackageMarker, ThisBuildCarriesItsOwnVersion)
{
    const std::string_view marker = ownPackageMarker();
    std::string bytes(marker);
    bytes.push_back('\0');
    EXPECT_TRUE(marker.starts_with("HORALET-PACKAGE-VERSION:"));
    EXPECT_TRUE(packageVersion(bytes).has_value());
}

struct ScheduleCase {
    const char* what;
    std::optional<double> lastCheck;
    double interval;
    double expected;
};

TEST(CheckSchedule, WaitsFromTheLastCheck)
{
    constexpr double now = 1'000'000.0;
    constexpr double day = 86'400.0;
    const ScheduleCase cases[] = {
        {"never checked", std::nullopt, day, 30.0},
        {"checked an hour ago", now - 3600.0, day, day - 3600.0},
        {"checked just now", now, day, day},
        {"overdue", now - 2 * day, day, 30.0},
        {"due this very second", now - day, day, 30.0},
        {"clock set back", now + 5 * day, day, day},
        {"interval below an hour", now, 60.0, 3600.0},
    };
    for (const auto& [what, lastCheck, interval, expected] : cases) {
        EXPECT_DOUBLE_EQ(secondsUntilNextCheck(lastCheck, now, interval, 30.0), expected) << what;
    }
}

} // namespace
} // namespace horalet::platform::updater::engine
