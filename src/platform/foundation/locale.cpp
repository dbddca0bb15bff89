#include "platform/foundation/locale.h"

#include <cstdlib>
#include <utility>

namespace horalet::platform {

Locale::Locale(std::string identifier, icu::Locale icuLocale)
    : identifier_(std::move(identifier))
    , icu_(std::move(icuLocale))
{
}

Locale Locale::withIdentifier(std::string identifier)
{
    icu::Locale icuLocale = icu::Locale::createFromName(identifier.c_str());
    return Locale(std::move(identifier), std::move(icuLocale));
}

std::string Locale::identifierFromPosixValue(std::string_view value)
{
    const auto cut = value.find_first_of(".@");
    std::string_view base = value.substr(0, cut);
    if (base.empty() || base == "C" || base == "POSIX") {
        return "en_US_POSIX";
    }
    return std::string(base);
}

Locale Locale::fromPosixEnvironment()
{
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return withIdentifier(identifierFromPosixValue(value));
        }
    }
    return withIdentifier(identifierFromPosixValue({}));
}

} // namespace horalet::platform
