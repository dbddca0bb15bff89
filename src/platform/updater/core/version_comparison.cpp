#include "platform/updater/core/version_comparison.h"

#include <algorithm>
#include <vector>

namespace horalet::platform::updater::engine {

namespace {

enum class PartKind { number, letters, separator };

struct Part {
    PartKind kind;
    std::string_view text;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

PartKind kindOf(char c)
{
    if (isDigit(c)) {
        return PartKind::number;
    }
    return isLetter(c) ? PartKind::letters : PartKind::separator;
}

std::vector<Part> split(std::string_view version)
{
    version = version.substr(0, version.find('-'));
    std::vector<Part> parts;
    std::size_t start = 0;
    while (start < version.size()) {
        const PartKind kind = kindOf(version[start]);
        std::size_t end = start + 1;
        if (kind != PartKind::separator) {
            while (end < version.size() && kindOf(version[end]) == kind) {
                ++end;
            }
        }
        parts.push_back({kind, version.substr(start, end - start)});
        start = end;
    }
    return parts;
}

int sign(int value)
{
    return (value > 0) - (value < 0);
}

// Digit runs of any length, without overflow: leading zeros do not count,
// then the longer run is the larger number.
int compareNumbers(std::string_view a, std::string_view b)
{
    a.remove_prefix(std::min(a.find_first_not_of('0'), a.size()));
    b.remove_prefix(std::min(b.find_first_not_of('0'), b.size()));
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return sign(a.compare(b));
}

int compareParts(const Part& a, const Part& b)
{
    if (a.kind == b.kind) {
        switch (a.kind) {
        case PartKind::number:
            return compareNumbers(a.text, b.text);
        case PartKind::letters:
            return sign(a.text.compare(b.text));
        case PartKind::separator:
            return 0;
        }
    }
    // Letters are older than anything else; a number beats a separator.
    if (a.kind == PartKind::letters || b.kind == PartKind::letters) {
        return a.kind == PartKind::letters ? -1 : 1;
    }
    return a.kind == PartKind::number ? 1 : -1;
}

// How the parts one version has beyond the other rank it: older when
// letters come first ("1.0b1" against "1.0"), newer when a non-zero number
// does, equal when only zeros and separators remain.
int compareRemainder(const std::vector<Part>& parts, std::size_t from)
{
    for (std::size_t i = from; i < parts.size(); ++i) {
        if (parts[i].kind == PartKind::letters) {
            return -1;
        }
        if (parts[i].kind == PartKind::number && compareNumbers(parts[i].text, "0") != 0) {
            return 1;
        }
    }
    return 0;
}

} // namespace

int compareVersions(std::string_view a, std::string_view b)
{
    const std::vector<Part> left = split(a);
    const std::vector<Part> right = split(b);
    const std::size_t common = std::min(left.size(), right.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (const int order = compareParts(left[i], right[i]); order != 0) {
            return order;
        }
    }
    if (left.size() > common) {
        return compareRemainder(left, common);
    }
    return -compareRemainder(right, common);
}

} // namespace horalet::platform::updater::engine
