#include "app/cli/once_command.h"

#include "app/cli/command_line.h"
#include "app/cli/host_services.h"
#include "app/cli/instant_parser.h"
#include "clock/clock_format.h"
#include "clock/settings_keys.h"

namespace horalet::cli {

int runOnce(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::optional<platform::Instant> at;
    if (!args.empty()) {
        if (args[0] != "--at") {
            return badInput(err, "unexpected argument '" + args[0] + "' after --once");
        }
        if (args.size() < 2) {
            return badInput(err, "--at needs a TIME (@SECONDS or YYYY-MM-DDTHH:MM:SSZ)");
        }
        if (args.size() > 2) {
            return badInput(err, "unexpected argument '" + args[2] + "'");
        }
        at = parseInstant(args[1]);
        if (!at) {
            return badInput(err,
                "cannot read the time '" + args[1]
                    + "': use @SECONDS[.FRACTION] or YYYY-MM-DDTHH:MM:SS[.fff] with Z or ±HH:MM");
        }
    }
    app::HostServices host;
    registerDefaults(host.store);
    const platform::DateFormatter formatter = ClockFormat::make(host.clockSources());
    out << ClockFormat::text(host.clockSources(), at.value_or(host.clock.now()), formatter) << "\n";
    return 0;
}

} // namespace horalet::cli
