#pragma once

#include <string_view>

namespace horalet {

// Written once, to true, by the first start of the update model that finds
// it missing; from then on the user's own update choices stand.
inline constexpr std::string_view kAutoByDefaultKey = "updates.autoByDefault.1.1.0";

} // namespace horalet
