#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "platform/foundation/preference_value.h"

namespace horalet::platform {

enum class PreferenceType { boolean, integer, text };

// The integers a setting accepts; every integer unless narrowed.
struct IntegerRange {
    std::int64_t min = std::numeric_limits<std::int64_t>::min();
    std::int64_t max = std::numeric_limits<std::int64_t>::max();

    constexpr bool contains(std::int64_t value) const { return value >= min && value <= max; }
};

// One setting as the schema describes it, whatever its type.
struct SettingSpec {
    std::string_view key;
    PreferenceType type = PreferenceType::text;
    std::variant<bool, std::int64_t, std::string_view> fallback;
    IntegerRange range;

    PreferenceValue defaultValue() const;
    // Whether a stored value is one this setting can use: any value the
    // store's typed reads understand, and for integers one in range.
    bool accepts(const PreferenceValue& value) const;
};

// One setting with its type known at compile time: the key it is stored
// under, its default and, for integers, the values it accepts. It stands
// for its key wherever a key is asked for, so a typo does not compile.
template <typename T> struct Setting {
    static_assert(std::is_same_v<T, bool> || std::is_same_v<T, std::int64_t> || std::is_same_v<T, std::string>,
        "the store keeps booleans, 64-bit integers and texts");
    using Default = std::conditional_t<std::is_same_v<T, std::string>, std::string_view, T>;

    std::string_view key;
    Default fallback;
    IntegerRange range = {};

    constexpr operator std::string_view() const { return key; }

    constexpr SettingSpec spec() const
    {
        if constexpr (std::is_same_v<T, bool>) {
            return {key, PreferenceType::boolean, fallback, range};
        } else if constexpr (std::is_same_v<T, std::int64_t>) {
            return {key, PreferenceType::integer, fallback, range};
        } else {
            return {key, PreferenceType::text, fallback, range};
        }
    }
};

} // namespace horalet::platform
