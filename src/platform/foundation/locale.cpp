#include "platform/foundation/locale.h"

#include <cstdlib>
#include <utility>

namespace horalet::platform {

Locale::Locale(std::string identifier, icu::Locale icuLocale)
    : identifier_(std::move(identifier))
    , icu_(std::move(icuLocale))
{
}

namespace {

// ICU marks a locale bogus when it cannot parse the identifier at all (too
// long, spaces, a language subtag of more than eight letters), and its
// formatters and generators crash on a bogus locale. The identifier comes
// from the user's settings or environment, so it gets a usable locale: the
// canonical form when that parses, else the root locale.
icu::Locale usableLocale(const std::string& identifier)
{
    icu::Locale made = icu::Locale::createFromName(identifier.c_str());
    if (!made.isBogus()) {
        return made;
    }
    icu::Locale canonical = icu::Locale::createCanonical(identifier.c_str());
    if (!canonical.isBogus()) {
        return canonical;
    }
    return icu::Locale::getRoot();
}

} // namespace

Locale Locale::withIdentifier(std::string identifier)
{
    icu::Locale icuLocale = usableLocale(identifier);
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
