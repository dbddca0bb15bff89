#pragma once

#include <string_view>

namespace horalet::platform::qt {

// True when one line of the bar's click-event stream is a left click on the
// clock's block. The stream is an endless JSON array: the opening bracket,
// then one event object a line, each after the first led by a comma.
// Anything else, malformed or not, is no such click.
bool isLeftClickOnClock(std::string_view line);

} // namespace horalet::platform::qt
