#include <gtest/gtest.h>

#include <vector>

#include "platform/foundation/preferences_store.h"

namespace horalet::platform {
namespace {

// Keeps what it is given in memory, as a file would between two runs.
class MemoryPersistence final : public PreferencesPersistence {
public:
    explicit MemoryPersistence(PreferenceDictionary& disk)
        : disk_(disk)
    {
    }
    PreferenceDictionary load() override { return disk_; }
    bool save(const PreferenceDictionary& values) override
    {
        disk_ = values;
        return true;
    }

private:
    PreferenceDictionary& disk_;
};

class PreferencesStoreTest : public ::testing::Test {
protected:
    PreferencesStore store;
};

TEST_F(PreferencesStoreTest, AbsentKeysReadAsFalseZeroAndNone)
{
    EXPECT_FALSE(store.boolForKey("missing"));
    EXPECT_EQ(store.integerForKey("missing"), 0);
    EXPECT_EQ(store.stringForKey("missing"), std::nullopt);
    EXPECT_EQ(store.objectForKey("missing"), std::nullopt);
}

TEST_F(PreferencesStoreTest, StoredValueWinsOverRegisteredDefaultUntilDeleted)
{
    store.registerDefaults({{"weekday", std::int64_t{1}}});
    EXPECT_EQ(store.integerForKey("weekday"), 1);

    store.setInteger("weekday", 0);
    store.registerDefaults({{"weekday", std::int64_t{1}}});
    EXPECT_EQ(store.integerForKey("weekday"), 0);

    store.removeObject("weekday");
    EXPECT_EQ(store.integerForKey("weekday"), 1);
}

TEST_F(PreferencesStoreTest, RegisteredDefaultsAreNeverPersisted)
{
    PreferenceDictionary disk;
    PreferencesStore persisted(std::make_unique<MemoryPersistence>(disk));
    persisted.registerDefaults({{"weekday", std::int64_t{1}}, {"bold", false}});
    persisted.setBool("showYear", true);

    EXPECT_EQ(disk, (PreferenceDictionary{{"showYear", true}}));
    EXPECT_EQ(persisted.storedValues(), disk);
}

TEST_F(PreferencesStoreTest, EveryWritePostsTheChangeAfterTheValueIsStored)
{
    std::vector<std::int64_t> seen;
    const Connection watching = store.didChange.connect([&] { seen.push_back(store.integerForKey("date")); });

    store.setInteger("date", 2);
    store.setString("prefixLabel", "东京");
    store.removeObject("date");
    store.removeObject("never-stored");

    EXPECT_EQ(seen, (std::vector<std::int64_t>{2, 2, 0, 0}));
}

TEST_F(PreferencesStoreTest, ReloadPostsOnlyWhenTheFileChanged)
{
    PreferenceDictionary disk{{"weekday", std::int64_t{2}}};
    PreferencesStore persisted(std::make_unique<MemoryPersistence>(disk));
    int posts = 0;
    const Connection watching = persisted.didChange.connect([&] { ++posts; });

    persisted.reload();
    EXPECT_EQ(posts, 0);

    disk["weekday"] = std::int64_t{0};
    persisted.reload();
    EXPECT_EQ(posts, 1);
    EXPECT_EQ(persisted.integerForKey("weekday"), 0);
}

} // namespace
} // namespace horalet::platform
