#pragma once

#include <string>
#include <string_view>

#include <unicode/unistr.h>

namespace horalet::platform {

icu::UnicodeString fromUtf8(std::string_view text);
std::string toUtf8(const icu::UnicodeString& text);

// True for tab and every Unicode space separator (general category Zs),
// which includes U+00A0 and U+202F. Line breaks are not in the set.
bool isInWhitespaceSet(UChar32 c);

// Removes characters of the whitespace set from both ends.
std::string trimmingWhitespaceSet(std::string_view text);

// Unicode lower-casing that is the same in every locale.
std::string lowercased(std::string_view text);

bool contains(std::string_view text, std::string_view part);

// True when the bytes are well-formed UTF-8, the only text the store keeps.
bool isValidUtf8(std::string_view text);

// Every occurrence of `from` replaced by `to`, in one left-to-right pass.
std::string replacingAll(std::string_view text, std::string_view from, std::string_view to);

} // namespace horalet::platform
