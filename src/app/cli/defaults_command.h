#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/preference_schema.h"

namespace horalet::cli {

// The value of a command-line text for a type; none when it does not parse.
std::optional<platform::PreferenceValue> parseValue(platform::PreferenceType type, const std::string& text);

// horalet defaults read [KEY] | write [-bool|-int|-string] KEY VALUE | delete KEY
int runDefaults(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace horalet::cli
