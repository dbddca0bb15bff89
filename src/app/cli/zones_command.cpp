#include "app/cli/zones_command.h"

#include "app/cli/host_services.h"
#include "clock/settings_keys.h"
#include "clock/zone_choice.h"

namespace horalet::cli {

int runZones(const std::vector<std::string>& args, std::ostream& out)
{
    std::string query;
    for (const std::string& word : args) {
        query += query.empty() ? word : " " + word;
    }
    app::HostServices host;
    const std::string tz = host.store.stringForKey(K::tz).value_or("");
    for (const TZItem& item : ZoneChoice::filteredZoneRefs(query, tz)) {
        out << item.title << "\n";
    }
    return 0;
}

} // namespace horalet::cli
