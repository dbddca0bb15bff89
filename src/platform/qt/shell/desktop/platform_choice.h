#pragma once

#include <functional>
#include <string>

namespace horalet::platform::qt {

// What the process can find out about the displays before Qt starts: Qt
// aborts when no platform plugin it tries can start, so the choice is made
// first and handed to Qt. The questions that cost a connection are asked
// only when the answer matters.
struct PlatformFacts {
    std::string requested; // QT_QPA_PLATFORM, as the user set it
    bool waylandNamed = false; // WAYLAND_DISPLAY is set
    bool x11Named = false; // DISPLAY is set
    std::function<bool(const std::string& platform)> hasPlugin;
    std::function<bool()> waylandAnswers;
    std::function<bool()> x11Answers;
    std::function<bool()> hostOnBus; // a status-notifier watcher is on the session bus
};

struct PlatformChoice {
    enum class Kind {
        terminal, // the line on standard output
        desktop, // windows and the panel item on a display
        busOnly, // the panel item on the bus, drawn by its host, and no display
    };
    Kind kind = Kind::terminal;
    std::string platform; // the Qt platform plugin to start; empty for the terminal
    std::string warning; // why the choice is not what the environment asked for; empty when it is
};

// The terminal line when no display is named. Otherwise a platform the user
// asked for stands when it can start; else Wayland where it is named, then
// X11, each when its plugin is there and its server answers. Where a
// display is named but none can be used, the item still reaches a panel
// host on the bus; else the terminal line.
PlatformChoice choosePlatform(const PlatformFacts& facts);

} // namespace horalet::platform::qt
