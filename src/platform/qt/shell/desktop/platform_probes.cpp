#include "platform/qt/shell/desktop/platform_probes.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QLibraryInfo>
#include <xcb/xcb.h>

#include "platform/foundation/log.h"
#include "platform/qt/shell/desktop/status_notifier_registration.h"

namespace horalet::platform::qt {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::vector<std::filesystem::path> pluginFolders()
{
    std::vector<std::filesystem::path> folders;
    if (const std::string platforms = environment("QT_QPA_PLATFORM_PLUGIN_PATH"); !platforms.empty()) {
        folders.emplace_back(platforms);
    }
    const std::string all = environment("QT_PLUGIN_PATH");
    for (std::string_view rest = all; !rest.empty();) {
        const std::size_t end = rest.find(':');
        if (const std::string_view one = rest.substr(0, end); !one.empty()) {
            folders.push_back(std::filesystem::path(one) / "platforms");
        }
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    folders.push_back(std::filesystem::path(QLibraryInfo::path(QLibraryInfo::PluginsPath).toStdString()) / "platforms");
    return folders;
}

// A plugin file is named after its platform: libqxcb.so for "xcb",
// libqwayland-generic.so for "wayland".
bool hasPlugin(const std::string& platform)
{
    const std::string prefix = "libq" + platform;
    for (const std::filesystem::path& folder : pluginFolders()) {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with(prefix) && name.ends_with(".so") && name.size() > prefix.size()
                && (name[prefix.size()] == '.' || name[prefix.size()] == '-')) {
                return true;
            }
        }
    }
    return false;
}

// The question's connection stays open while the process lives: an X
// server whose last client leaves resets, and refuses the next client (Qt's,
// a moment later) while it does.
bool x11Answers()
{
    static const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> kept(
        xcb_connect(nullptr, nullptr), &xcb_disconnect);
    return xcb_connection_has_error(kept.get()) == 0;
}

// The compositor's socket: WAYLAND_DISPLAY as a path, or a name in the
// user's runtime folder.
bool waylandAnswers()
{
    std::filesystem::path socketPath = environment("WAYLAND_DISPLAY");
    if (socketPath.is_relative()) {
        const std::string runtime = environment("XDG_RUNTIME_DIR");
        if (runtime.empty()) {
            return false;
        }
        socketPath = std::filesystem::path(runtime) / socketPath;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string text = socketPath.string();
    if (text.size() >= sizeof(address.sun_path)) {
        return false;
    }
    text.copy(address.sun_path, text.size());
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return false;
    }
    const bool answers = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(socket);
    return answers;
}

// Asked before any Qt application exists, on a connection of its own that
// is closed at once.
bool hostOnBus()
{
    const QString name = QStringLiteral("horalet-platform-probe");
    bool present = false;
    {
        const QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
        if (bus.isConnected()) {
            present = bus.interface()->isServiceRegistered(StatusNotifierRegistration::watcherService());
        }
    }
    QDBusConnection::disconnectFromBus(name);
    return present;
}

} // namespace

PlatformFacts environmentFacts()
{
    return {environment("QT_QPA_PLATFORM"), !environment("WAYLAND_DISPLAY").empty(), !environment("DISPLAY").empty(),
        hasPlugin, waylandAnswers, x11Answers, hostOnBus};
}

PlatformChoice choosePlatformHere()
{
    PlatformChoice choice = choosePlatform(environmentFacts());
    if (!choice.warning.empty()) {
        log::warning(choice.warning);
    }
    if (!choice.platform.empty()) {
        ::setenv("QT_QPA_PLATFORM", choice.platform.c_str(), 1);
    }
    return choice;
}

} // namespace horalet::platform::qt
