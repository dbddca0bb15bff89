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
            return badInput(err, "--once 后面不接受参数「" + args[0] + "」。");
        }
        if (args.size() < 2) {
            return badInput(err, "--at 后面缺少时间，例如 @1700000000 或 2025-11-19T14:05:09Z。");
        }
        if (args.size() > 2) {
            return badInput(err, "时间后面不接受参数「" + args[2] + "」。");
        }
        at = parseInstant(args[1]);
        if (!at) {
            return badInput(err,
                "无法识别时间「" + args[1]
                    + "」，请写成 @秒数[.小数]，或 YYYY-MM-DDTHH:MM:SS[.fff] 后接 Z 或 ±HH:MM。");
        }
    }
    app::HostServices host;
    registerDefaults(host.store);
    const platform::DateFormatter formatter = ClockFormat::make(host.clockSources());
    out << ClockFormat::text(host.clockSources(), at.value_or(host.clock.now()), formatter) << "\n";
    return 0;
}

} // namespace horalet::cli
