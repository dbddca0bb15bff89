#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/preference_value.h"

namespace horalet::cli {

enum class ValueType { boolean, integer, text };

// The type a known key is stored with; none for keys Horalet does not know.
std::optional<ValueType> knownType(std::string_view key);

// The value of a command-line text for a type; none when it does not parse.
std::optional<platform::PreferenceValue> parseValue(ValueType type, const std::string& text);

// horalet defaults read [KEY] | write [-bool|-int|-string] KEY VALUE | delete KEY
int runDefaults(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace horalet::cli
