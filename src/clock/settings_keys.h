#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "platform/foundation/preference_schema.h"
#include "platform/foundation/preferences_store.h"

namespace horalet {

// Every key Horalet keeps in the preferences store, with its type, its
// default and the values it accepts. Everything else names a setting
// through these entries: the registered defaults, the settings form, the
// command line's typing, and the store's fallback for a value it cannot use.

// The thirteen clock settings, in the order the defaults are registered.
// Every integer of "weekday" and "date" has a meaning (the form offers
// 0, 1 and 2; any other shows none), so neither range is narrowed.
namespace K {
inline constexpr platform::Setting<std::int64_t> weekday{"weekday", 1};
inline constexpr platform::Setting<std::int64_t> date{"date", 1};
inline constexpr platform::Setting<bool> year{"showYear", false};
inline constexpr platform::Setting<bool> use24{"use24h", true};
inline constexpr platform::Setting<bool> seconds{"showSeconds", false};
inline constexpr platform::Setting<bool> ampm{"showAMPM", true};
inline constexpr platform::Setting<bool> bold{"bold", false};
inline constexpr platform::Setting<bool> monoDigit{"monoDigit", true};
inline constexpr platform::Setting<std::string> tz{"timeZone", ""};
inline constexpr platform::Setting<std::string> label{"prefixLabel", ""};
inline constexpr platform::Setting<std::string> locale{"localeID", ""};
inline constexpr platform::Setting<bool> useCustom{"useCustom", false};
inline constexpr platform::Setting<std::string> custom{"customFormat", "EEE M月d日 HH:mm:ss"};
} // namespace K

// The update model's one key: written once, to true, by the first start
// that finds it missing; from then on the user's own update choices stand.
namespace updateKeys {
inline constexpr platform::Setting<bool> autoByDefault{"updates.autoByDefault.1.1.0", false};
} // namespace updateKeys

// The updater engine's own settings. Their defaults are the store's own
// answers for a key without a value; none is registered.
namespace updaterKeys {
inline constexpr platform::Setting<bool> automaticallyChecks{"updates.automaticallyChecks", false};
inline constexpr platform::Setting<bool> automaticallyDownloads{"updates.automaticallyDownloads", false};
// When the last check began, in seconds since the Unix epoch.
inline constexpr platform::Setting<std::int64_t> lastCheckTime{"updates.lastCheckTime", 0, {0}};
// A feed location that replaces the one the program was built with.
inline constexpr platform::Setting<std::string> feedUrl{"updates.feedURL", ""};
} // namespace updaterKeys

// What the desktop shell keeps for itself; no setting of the clock.
namespace shellKeys {
// Where the user left the status window: "x,y" of its top-right corner.
inline constexpr platform::Setting<std::string> statusWindowPlace{"statusWindow.topRight", ""};
// Set once GNOME's user has been told how to get a panel host for the clock.
inline constexpr platform::Setting<bool> gnomeHostHintGiven{"hints.gnomeAppIndicator", false};
} // namespace shellKeys

inline constexpr std::string_view kDefaultCustomFormat = K::custom.fallback;

// The clock settings, whose defaults `registerDefaults` registers.
inline constexpr std::array kClockSettings{K::weekday.spec(), K::date.spec(), K::year.spec(), K::use24.spec(),
    K::seconds.spec(), K::ampm.spec(), K::bold.spec(), K::monoDigit.spec(), K::tz.spec(), K::label.spec(),
    K::locale.spec(), K::useCustom.spec(), K::custom.spec()};

// The keys of the update model and the updater engine.
inline constexpr std::array kUpdateSettings{updateKeys::autoByDefault.spec(), updaterKeys::automaticallyChecks.spec(),
    updaterKeys::automaticallyDownloads.spec(), updaterKeys::lastCheckTime.spec(), updaterKeys::feedUrl.spec()};

// The desktop shell's own keys.
inline constexpr std::array kShellSettings{shellKeys::statusWindowPlace.spec(), shellKeys::gnomeHostHintGiven.spec()};

// Every key of the store, the clock settings first.
inline constexpr std::array kSettingsSchema = [] {
    std::array<platform::SettingSpec, kClockSettings.size() + kUpdateSettings.size() + kShellSettings.size()> all{};
    std::copy(kShellSettings.begin(), kShellSettings.end(),
        std::copy(kUpdateSettings.begin(), kUpdateSettings.end(),
            std::copy(kClockSettings.begin(), kClockSettings.end(), all.begin())));
    return all;
}();

// The schema's entry for a key; none for keys Horalet does not know.
const platform::SettingSpec* findSetting(std::string_view key);

// Registers the default of every clock setting with the preferences store.
// The defaults live in memory only, so this runs at every launch.
void registerDefaults(platform::PreferencesStore& store);

} // namespace horalet
