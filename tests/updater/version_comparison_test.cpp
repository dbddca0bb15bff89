#include <gtest/gtest.h>

#include "platform/updater/core/version_comparison.h"

namespace horalet::platform::updater::engine {
namespace {

struct VersionCase {
    const char* older;
    const char* newer;
};

// Each row: the first version is older than the second.
const VersionCase kOrdered[] = {
    {"1.0", "1.1"},
    {"1.9", "1.10"},
    {"1.0b1", "1.0"},
    {"1.0a", "1.0b"},
    {"1.0b1", "1.0b2"},
    {"1.0", "1.0.1"},
    {"1.0b5", "1.0.1"},
    {"1.0.0b1", "1.0"},
    {"1", "2"},
    {"2.9.9", "10"},
    {"1.0a1", "1.0.1"},
    {"99999999999999999999", "100000000000000000000"},
    {"1.1.0", "2.0"},
    {"0.9", "1.0"},
};

TEST(VersionComparison, OrdersVersions)
{
    for (const auto& [older, newer] : kOrdered) {
        EXPECT_LT(compareVersions(older, newer), 0) << older << " < " << newer;
        EXPECT_GT(compareVersions(newer, older), 0) << newer << " > " << older;
    }
}

const VersionCase kEqual[] = {
    {"1.0", "1.0"},
    {"1.0", "1.0.0"},
    {"1", "1.0.0.0"},
    {"1.01", "1.1"},
    {"1_0", "1.0"},
    {"2.0-rc1", "2.0"},
    {"2.0-9", "2.0-1"},
    {"", ""},
};

TEST(VersionComparison, TreatsEquivalentVersionsAsEqual)
{
    for (const auto& [left, right] : kEqual) {
        EXPECT_EQ(compareVersions(left, right), 0) << left << " == " << right;
        EXPECT_EQ(compareVersions(right, left), 0) << right << " == " << left;
    }
}

} // namespace
} // namespace horalet::platform::updater::engine
