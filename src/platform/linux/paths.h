#pragma once

#include <optional>
#include <string>

namespace horalet::platform::os {

// Where Horalet's files are: the XDG base folders, the files inside them and
// the program file itself. Every part of the program asks here.

// $HOME when it is an absolute path, else the user's entry in the password
// database.
std::string homeFolder();
// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config.
std::string configHome();
// $XDG_CACHE_HOME when it is an absolute path, else ~/.cache.
std::string cacheHome();

// <configHome>/horalet: the preferences.
std::string applicationConfigFolder();
// <configHome>/autostart: the entries the session starts at login.
std::string autostartFolder();
// <cacheHome>/horalet/updates: downloads of new versions.
std::string updateCacheFolder();
// <$XDG_RUNTIME_DIR>/horalet/icons when that variable is an absolute path,
// else <cacheHome>/horalet/icons: the icon theme folder the program shows
// panels, made afresh by every start.
std::string iconThemeFolder();

// What decides which file the program was started from.
struct ProgramFacts {
    std::string executable; // /proc/self/exe, resolved
    std::optional<std::string> appDir; // $APPDIR, resolved
    std::optional<std::string> appImage; // $APPIMAGE, resolved
    bool appDirIsMount = false; // whether appDir is a mount point
};

// The AppImage when the executable lies inside the AppImage's own mount,
// else the executable. $APPIMAGE alone decides nothing: the AppImage runtime
// passes it on to every program started from inside one.
std::string programFileFor(const ProgramFacts& facts);

// The file the running program was started from: /proc/self/exe, or the
// AppImage that contains it. Empty when it cannot be found.
std::string runningProgramPath();

// Whether /proc/self/mountinfo lists `path` (resolved) as a mount point.
bool isMountPoint(const std::string& path);

} // namespace horalet::platform::os
