// The preferences file as any program may leave it: the parser, the typed
// reads of every setting through the store, and a round trip through the
// writer.
#include <cstdlib>

#include "clock/clock_format.h"
#include "clock/settings_keys.h"
#include "fuzz_platform.h"
#include "platform/qt/json_preferences_file.h"

namespace {

using horalet::platform::PreferenceDictionary;

class ParsedFile final : public horalet::platform::PreferencesPersistence {
public:
    explicit ParsedFile(PreferenceDictionary values)
        : values_(std::move(values))
    {
    }
    std::optional<PreferenceDictionary> load() override { return values_; }
    std::optional<PreferenceDictionary> update(
        const horalet::platform::PreferenceChanges& changes, const PreferenceDictionary&) override
    {
        for (const auto& [key, value] : changes) {
            if (value) {
                values_.insert_or_assign(key, *value);
            } else {
                values_.erase(key);
            }
        }
        return values_;
    }

private:
    PreferenceDictionary values_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace horalet;
    using platform::qt::JsonPreferencesFile;
    const std::string text(reinterpret_cast<const char*>(data), size);
    PreferenceDictionary values;
    std::string problem;
    if (!JsonPreferencesFile::parse(text, values, problem)) {
        return 0;
    }
    // What the writer makes of the values reads back as the same values.
    PreferenceDictionary again;
    if (!JsonPreferencesFile::parse(JsonPreferencesFile::serialize(values), again, problem) || again != values) {
        std::abort();
    }

    platform::PreferencesStore d(std::make_unique<ParsedFile>(values), kSettingsSchema);
    registerDefaults(d);
    for (const platform::SettingSpec& setting : kSettingsSchema) {
        (void)d.boolForKey(setting.key);
        (void)d.integerForKey(setting.key);
        (void)d.stringForKey(setting.key);
    }
    for (const auto& entry : values) {
        (void)d.integerForKey(entry.first);
    }
    fuzz::InputEnvironment system("UTC", "C");
    const ClockSources sources{d, system};
    (void)ClockFormat::text(
        sources, platform::Instant::fromSecondsSinceEpoch(1'763'561'109.0), ClockFormat::make(sources));
    return 0;
}
