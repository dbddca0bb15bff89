#pragma once

#include <functional>

#include <QSocketNotifier>

#include "platform/qt/shell/bar/bounded_lines.h"

namespace horalet::platform::qt {

// Reads the bar's click events from a descriptor (standard input) as they
// come and runs `leftClick` for each left click on the clock. A closed,
// binary or endless input costs no more than one bounded line of memory
// and never holds up the clock: one read per wake, then back to the loop.
class ClickEventReader {
public:
    ClickEventReader(int fd, std::function<void()> leftClick);

private:
    void readSome();

    int fd_;
    std::function<void()> leftClick_;
    BoundedLines lines_;
    QSocketNotifier notifier_;
};

} // namespace horalet::platform::qt
