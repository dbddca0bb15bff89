#include "app/cli/command_line.h"

#include "app/cli/clock_request.h"
#include "app/cli/defaults_command.h"
#include "app/cli/once_command.h"
#include "app/cli/zones_command.h"
#include "build_info.h"

namespace horalet::cli {

namespace {

constexpr char kUsage[] = R"(Usage: horalet [--headless | --window]
       horalet bar [--protocol plain|waybar|i3bar]
       horalet settings
       horalet --once [--at TIME]
       horalet defaults read [KEY]
       horalet defaults write [-bool|-int|-string] KEY VALUE
       horalet defaults delete KEY
       horalet zones [QUERY]
       horalet --help | --version

Without arguments Horalet puts its clock in the desktop panel; with
--headless, or where there is no display, it writes the clock text to
standard output once a second. With --window it shows the clock in a small
window of its own, on every desktop, instead of in the panel.

  bar          the clock line for a status bar, in its protocol: plain
               (the terminal line), waybar (JSON for a custom module with
               return-type json) or i3bar (i3bar and swaybar, with clicks)
  settings     open the running clock's settings window, or start the
               clock with it open

  --once       print the clock text once, for now or for --at TIME, and exit
  --at TIME    @SECONDS[.FRACTION] since the Unix epoch, or
               YYYY-MM-DDTHH:MM:SS[.fff] followed by Z or +HH:MM / -HH:MM
  defaults     read, write or delete the stored settings; the clock settings
               and updates.autoByDefault.1.1.0 know their type, any other key
               needs -bool, -int or -string
  zones        list the time zones whose title matches QUERY, the chosen
               zone first when the query leaves it out
)";

} // namespace

int badInput(std::ostream& err, const std::string& message)
{
    err << "horalet: " << message << "\n";
    return kExitBadInput;
}

std::optional<int> runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::string error;
    if (clockRequest(args, error)) {
        return std::nullopt;
    }
    if (!error.empty()) {
        return badInput(err, error);
    }
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h") {
        out << kUsage;
        return 0;
    }
    if (command == "--version") {
        out << "horalet " << build::kVersion << "\n";
        return 0;
    }
    if (command == "--once") {
        return runOnce(rest, out, err);
    }
    if (command == "defaults") {
        return runDefaults(rest, out, err);
    }
    if (command == "zones") {
        return runZones(rest, out);
    }
    return badInput(err, "unknown option or command '" + command + "' (see horalet --help)");
}

} // namespace horalet::cli
