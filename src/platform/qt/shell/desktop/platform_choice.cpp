#include "platform/qt/shell/desktop/platform_choice.h"

namespace horalet::platform::qt {

namespace {

constexpr const char* kWayland = "wayland";
constexpr const char* kX11 = "xcb";
constexpr const char* kOffscreen = "offscreen";

// The first of a ";"-separated list of platforms, as Qt reads it.
std::string firstRequested(const std::string& requested)
{
    const std::string first = requested.substr(0, requested.find(';'));
    return first.substr(0, first.find(':'));
}

// Whether a platform the user asked for can start; platforms that need no
// server (offscreen, for one) only need their plugin.
bool requestedCanStart(const std::string& platform, const PlatformFacts& facts)
{
    if (!facts.hasPlugin(platform)) {
        return false;
    }
    if (platform.starts_with(kWayland)) {
        return facts.waylandNamed && facts.waylandAnswers();
    }
    if (platform == kX11) {
        return facts.x11Named && facts.x11Answers();
    }
    return true;
}

// Why a named display cannot be used.
std::string unusableReason(const PlatformFacts& facts, const char* platform, const char* name, const char* package)
{
    if (!facts.hasPlugin(platform)) {
        return std::string("没有 Qt 的 ") + name + " 插件（" + package + "）";
    }
    return std::string(name) + " 显示服务没有应答";
}

void addReason(std::string& reasons, const std::string& reason)
{
    reasons += (reasons.empty() ? "" : "；") + reason;
}

// The reasons, and what the program does instead.
std::string told(const std::string& reasons, const std::string& instead)
{
    return reasons.empty() ? std::string() : reasons + "，" + instead;
}

} // namespace

PlatformChoice choosePlatform(const PlatformFacts& facts)
{
    using Kind = PlatformChoice::Kind;
    if (!facts.waylandNamed && !facts.x11Named) {
        return {Kind::terminal, {}, {}};
    }
    std::string reasons;
    if (!facts.requested.empty()) {
        if (requestedCanStart(firstRequested(facts.requested), facts)) {
            return {Kind::desktop, facts.requested, {}};
        }
        addReason(reasons, "QT_QPA_PLATFORM=" + facts.requested + " 无法启动");
    }
    if (facts.waylandNamed) {
        if (facts.hasPlugin(kWayland) && facts.waylandAnswers()) {
            return {Kind::desktop, kWayland, told(reasons, "改用 Wayland")};
        }
        addReason(reasons, unusableReason(facts, kWayland, "Wayland", "qt6-wayland"));
    }
    if (facts.x11Named) {
        if (facts.hasPlugin(kX11) && facts.x11Answers()) {
            return {Kind::desktop, kX11, told(reasons, "改用 X11")};
        }
        addReason(reasons, unusableReason(facts, kX11, "X11", "libqt6gui6"));
    }
    if (facts.hasPlugin(kOffscreen) && facts.hostOnBus()) {
        return {Kind::busOnly, kOffscreen, told(reasons, "时钟只显示在状态栏托盘里")};
    }
    return {Kind::terminal, {}, told(reasons, "时钟改为在终端输出")};
}

} // namespace horalet::platform::qt
