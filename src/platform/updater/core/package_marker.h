#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace horalet::platform::updater::engine {

// Every build carries its own version inside the program file as
// "HORALET-PACKAGE-VERSION:<version>" followed by a zero byte, so a
// downloaded package tells which version it really is without being run.

// This build's marker (what a package made from this build carries).
std::string_view ownPackageMarker();

// The version a package carries, read from its bytes: none when it carries
// no marker or markers of different versions.
std::optional<std::string> packageVersion(std::string_view bytes);

} // namespace horalet::platform::updater::engine
