#pragma once

#include <optional>
#include <string_view>

#include "platform/foundation/instant.h"

namespace horalet::cli {

// "@SECONDS[.FRACTION]" since the Unix epoch, or ISO 8601
// "YYYY-MM-DDTHH:MM:SS[.fff]" with "Z" or "±HH:MM". None for anything else,
// including dates that do not exist.
std::optional<platform::Instant> parseInstant(std::string_view text);

} // namespace horalet::cli
