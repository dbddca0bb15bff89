#include <gtest/gtest.h>

#include <array>
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
    std::optional<PreferenceDictionary> load() override
    {
        if (unreadable) {
            return std::nullopt;
        }
        return disk_;
    }
    std::optional<PreferenceDictionary> update(const PreferenceChanges& changes, const PreferenceDictionary&) override
    {
        for (const auto& [key, value] : changes) {
            if (value) {
                disk_.insert_or_assign(key, *value);
            } else {
                disk_.erase(key);
            }
        }
        return disk_;
    }

    bool unreadable = false;

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

// The schema narrows what a key accepts; a value outside reads as absent,
// so the registered default answers, and the stored value stays as it is.
TEST_F(PreferencesStoreTest, ValueOutsideItsSchemaReadsAsTheDefault)
{
    static constexpr std::array schema{Setting<std::int64_t>{"count", 5, {0, 10}}.spec()};
    PreferencesStore checked(nullptr, schema);
    checked.registerDefaults({{"count", std::int64_t{5}}});
    struct Case {
        PreferenceValue stored;
        std::int64_t read;
    };
    for (const Case& c : std::vector<Case>{{std::int64_t{10}, 10}, {std::int64_t{11}, 5}, {std::int64_t{-1}, 5},
             {std::string("7"), 7}, {std::string("70"), 5}, {true, 1}}) {
        checked.set("count", c.stored);
        EXPECT_EQ(checked.integerForKey("count"), c.read) << readAsString(c.stored);
        EXPECT_EQ(checked.storedValues().at("count"), c.stored);
    }
    checked.setInteger("other", -1);
    EXPECT_EQ(checked.integerForKey("other"), -1);
}

TEST_F(PreferencesStoreTest, StorageThatCannotBeReadNowKeepsTheCurrentValues)
{
    PreferenceDictionary disk{{"weekday", std::int64_t{2}}};
    auto persistence = std::make_unique<MemoryPersistence>(disk);
    MemoryPersistence& storage = *persistence;
    PreferencesStore persisted(std::move(persistence));
    int posts = 0;
    const Connection watching = persisted.didChange.connect([&] { ++posts; });

    storage.unreadable = true;
    disk.clear();
    persisted.reload();
    EXPECT_EQ(persisted.integerForKey("weekday"), 2);
    EXPECT_EQ(posts, 0);
}

} // namespace
} // namespace horalet::platform
