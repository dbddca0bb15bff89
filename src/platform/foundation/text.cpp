#include "platform/foundation/text.h"

#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/ustring.h>

namespace horalet::platform {

icu::UnicodeString fromUtf8(std::string_view text)
{
    return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

std::string toUtf8(const icu::UnicodeString& text)
{
    std::string out;
    text.toUTF8String(out);
    return out;
}

bool isInWhitespaceSet(UChar32 c)
{
    return c == u'\t' || u_charType(c) == U_SPACE_SEPARATOR;
}

std::string trimmingWhitespaceSet(std::string_view text)
{
    const icu::UnicodeString u = fromUtf8(text);
    int32_t begin = 0;
    int32_t end = u.length();
    while (begin < end && isInWhitespaceSet(u.char32At(begin))) {
        begin = u.moveIndex32(begin, 1);
    }
    while (end > begin) {
        const int32_t previous = u.moveIndex32(end, -1);
        if (!isInWhitespaceSet(u.char32At(previous))) {
            break;
        }
        end = previous;
    }
    return toUtf8(icu::UnicodeString(u, begin, end - begin));
}

std::string lowercased(std::string_view text)
{
    icu::UnicodeString u = fromUtf8(text);
    u.toLower(icu::Locale::getRoot());
    return toUtf8(u);
}

bool contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

bool isValidUtf8(std::string_view text)
{
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8(nullptr, 0, &length, text.data(), static_cast<int32_t>(text.size()), &status);
    return status != U_INVALID_CHAR_FOUND;
}

std::string replacingAll(std::string_view text, std::string_view from, std::string_view to)
{
    if (from.empty()) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size());
    std::size_t position = 0;
    for (std::size_t found = text.find(from); found != std::string_view::npos; found = text.find(from, position)) {
        out.append(text, position, found - position);
        out.append(to);
        position = found + from.size();
    }
    out.append(text.substr(position));
    return out;
}

} // namespace horalet::platform
