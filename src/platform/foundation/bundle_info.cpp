#include "platform/foundation/bundle_info.h"

#include "build_info.h"

namespace horalet::platform {

std::optional<PreferenceValue> BuiltBundleInfo::objectForInfoDictionaryKey(std::string_view key) const
{
    if (key == "CFBundleShortVersionString") {
        return PreferenceValue(std::string(build::kVersion));
    }
    return std::nullopt;
}

} // namespace horalet::platform
