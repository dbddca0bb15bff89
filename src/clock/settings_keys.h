#pragma once

#include <string_view>

#include "platform/foundation/preferences_store.h"

namespace horalet {

// The keys of the thirteen clock settings in the preferences store, in the
// order the defaults are registered.
namespace K {
inline constexpr std::string_view weekday = "weekday";
inline constexpr std::string_view date = "date";
inline constexpr std::string_view year = "showYear";
inline constexpr std::string_view use24 = "use24h";
inline constexpr std::string_view seconds = "showSeconds";
inline constexpr std::string_view ampm = "showAMPM";
inline constexpr std::string_view bold = "bold";
inline constexpr std::string_view monoDigit = "monoDigit";
inline constexpr std::string_view tz = "timeZone";
inline constexpr std::string_view label = "prefixLabel";
inline constexpr std::string_view locale = "localeID";
inline constexpr std::string_view useCustom = "useCustom";
inline constexpr std::string_view custom = "customFormat";
} // namespace K

inline constexpr std::string_view kDefaultCustomFormat = "EEE M月d日 HH:mm:ss";

// Registers the default of every clock setting with the preferences store.
// The defaults live in memory only, so this runs at every launch.
void registerDefaults(platform::PreferencesStore& store);

} // namespace horalet
