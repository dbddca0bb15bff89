#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace horalet::platform {

// The names of the notifications the clock listens to.
namespace notifications {
inline constexpr std::string_view preferencesDidChange = "preferencesDidChange";
inline constexpr std::string_view systemTimeZoneDidChange = "systemTimeZoneDidChange";
inline constexpr std::string_view systemClockDidChange = "systemClockDidChange";
inline constexpr std::string_view workspaceDidWake = "workspaceDidWake";
} // namespace notifications

// Observers by name, called at every posting in the order they were added,
// on the thread that posts. Observers stay for the life of the centre.
class NotificationCenter {
public:
    using Observer = std::function<void()>;

    void addObserver(std::string_view name, Observer observer);
    void post(std::string_view name);

private:
    struct Entry {
        std::string name;
        Observer observer;
    };

    std::mutex mutex_;
    std::vector<Entry> entries_;
};

} // namespace horalet::platform
