#pragma once

#include <functional>
#include <string_view>

#include "platform/foundation/result.h"

namespace horalet::platform::log {

// The one path by which the program tells of problems nobody asked about:
// a watch that cannot be set up, a damaged file set aside, a display that
// is missing. Library code writes here, never to standard error itself;
// the line goes to standard error, prefixed with the program's name, unless
// a test has routed it elsewhere.
void warning(std::string_view message);
void warning(const Error& error);

// Where lines go; answers the previous destination so it can be put back.
using Sink = std::function<void(std::string_view line)>;
Sink setSink(Sink sink);

} // namespace horalet::platform::log
