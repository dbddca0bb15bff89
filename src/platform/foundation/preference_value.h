#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <variant>

namespace horalet::platform {

// A stored preference: a boolean, a signed 64-bit integer or a text.
using PreferenceValue = std::variant<bool, std::int64_t, std::string>;
using PreferenceDictionary = std::map<std::string, PreferenceValue, std::less<>>;

// The store's typed reads of a value of any of the three kinds, as the
// platform's own store reads them: a text reads as a boolean by its first
// significant character ("true", "YES", "1" are true) and as an integer by
// its leading decimal digits; a boolean reads as 1 or 0.
bool readAsBool(const PreferenceValue& value);
std::int64_t readAsInteger(const PreferenceValue& value);
std::string readAsString(const PreferenceValue& value);

} // namespace horalet::platform
