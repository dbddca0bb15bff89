#pragma once

#include <string>

#include "platform/foundation/bundle_info.h"

namespace horalet::testing {

// An information dictionary the test fills; empty at first.
class FakeBundleInfo final : public platform::BundleInfo {
public:
    std::optional<platform::PreferenceValue> objectForInfoDictionaryKey(std::string_view key) const override
    {
        const auto found = values.find(key);
        if (found == values.end()) {
            return std::nullopt;
        }
        return found->second;
    }

    platform::PreferenceDictionary values;
};

} // namespace horalet::testing
