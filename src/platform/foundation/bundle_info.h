#pragma once

#include <optional>
#include <string_view>

#include "platform/foundation/preference_value.h"

namespace horalet::platform {

// The application's information dictionary: values fixed when it was built.
class BundleInfo {
public:
    virtual ~BundleInfo() = default;
    // The value under a key ("CFBundleShortVersionString"), or none.
    virtual std::optional<PreferenceValue> objectForInfoDictionaryKey(std::string_view key) const = 0;
};

// This build's values: the short version string is the project version.
class BuiltBundleInfo final : public BundleInfo {
public:
    std::optional<PreferenceValue> objectForInfoDictionaryKey(std::string_view key) const override;
};

} // namespace horalet::platform
