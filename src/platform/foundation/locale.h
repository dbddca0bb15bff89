#pragma once

#include <string>
#include <string_view>

#include <unicode/locid.h>

namespace horalet::platform {

// A locale made from any identifier text. Making one never fails: an
// identifier ICU does not know still yields a locale, which then formats
// with the root data, and one ICU cannot parse at all (it would be bogus)
// yields its canonical form or the root locale. The identifier text is kept
// as given; icu() is always usable.
class Locale {
public:
    static Locale withIdentifier(std::string identifier);

    // The user's locale for time formatting, from LC_ALL, then LC_TIME,
    // then LANG. "C", "POSIX" or nothing at all becomes "en_US_POSIX", which
    // is what ICU itself makes of those.
    static Locale fromPosixEnvironment();
    static std::string identifierFromPosixValue(std::string_view value);

    const std::string& identifier() const { return identifier_; }
    const icu::Locale& icu() const { return icu_; }

private:
    Locale(std::string identifier, icu::Locale icuLocale);

    std::string identifier_;
    icu::Locale icu_;
};

} // namespace horalet::platform
