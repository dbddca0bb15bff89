#pragma once

namespace horalet::platform::os {

// A program started with a standard descriptor closed hands that number to
// the next file it opens, and would then read clicks from it or write lines
// into it. Fills every closed one of the three with /dev/null; answers
// whether standard output was open.
bool holdStandardStreams();

} // namespace horalet::platform::os
