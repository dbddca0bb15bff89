#pragma once

#include <string_view>

namespace horalet::platform::updater::engine {

// Orders version strings the way appcast feeds expect: runs of digits
// compare as numbers ("1.10" is newer than "1.9"), runs of letters compare
// as text and are older than numbers ("1.0b1" is older than "1.0"), every
// other character is a separator equal to any other, missing trailing
// zeros do not count ("1.0" equals "1.0.0"), and anything from the first
// "-" on is ignored ("2.0-rc1" equals "2.0").
// Negative when `a` is older than `b`, zero when equal, positive when newer.
int compareVersions(std::string_view a, std::string_view b);

} // namespace horalet::platform::updater::engine
