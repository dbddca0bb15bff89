#include "app/cli/defaults_command.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

#include "app/cli/command_line.h"
#include "app/cli/host_services.h"
#include "clock/settings_keys.h"
#include "platform/foundation/text.h"
#include "platform/qt/json_preferences_file.h"

namespace horalet::cli {

namespace {

using platform::PreferenceType;

constexpr std::array<std::pair<std::string_view, PreferenceType>, 3> kTypeFlags{{
    {"-bool", PreferenceType::boolean},
    {"-int", PreferenceType::integer},
    {"-string", PreferenceType::text},
}};

std::optional<PreferenceType> typeFlag(std::string_view word)
{
    for (const auto& [flag, type] : kTypeFlags) {
        if (word == flag) {
            return type;
        }
    }
    return std::nullopt;
}

std::string_view typeName(PreferenceType type)
{
    switch (type) {
    case PreferenceType::boolean:
        return "a boolean (true/false, yes/no, 1/0)";
    case PreferenceType::integer:
        return "a signed 64-bit decimal integer";
    case PreferenceType::text:
        break;
    }
    return "a text";
}

std::string lowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

std::string printable(const platform::PreferenceValue& value)
{
    if (const bool* flag = std::get_if<bool>(&value)) {
        return *flag ? "true" : "false";
    }
    return platform::readAsString(value);
}

int read(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() > 1) {
        return badInput(err, "defaults read takes at most one KEY");
    }
    // Settings that cannot be read (the reason is already on stderr) are no
    // empty settings: a script saving this output must not get "{}".
    const std::optional<platform::PreferenceDictionary> loaded
        = platform::qt::JsonPreferencesFile(platform::qt::JsonPreferencesFile::defaultPath()).load();
    if (!loaded) {
        return 1;
    }
    const platform::PreferenceDictionary& stored = *loaded;
    if (args.empty()) {
        out << platform::qt::JsonPreferencesFile::serialize(stored);
        return 0;
    }
    const auto found = stored.find(args[0]);
    if (found == stored.end()) {
        err << "horalet: no stored value for " << args[0] << "\n";
        return 1;
    }
    out << printable(found->second) << "\n";
    return 0;
}

int write(const std::vector<std::string>& args, std::ostream& err)
{
    std::vector<std::string> words = args;
    std::optional<PreferenceType> flagged;
    if (words.size() == 3) {
        for (std::size_t position : {std::size_t{0}, std::size_t{1}}) {
            if (auto type = typeFlag(words[position])) {
                flagged = type;
                words.erase(words.begin() + static_cast<std::ptrdiff_t>(position));
                break;
            }
        }
    }
    if (words.size() != 2 || (args.size() == 3 && !flagged)) {
        return badInput(err, "usage: horalet defaults write [-bool|-int|-string] KEY VALUE");
    }
    const std::string& key = words[0];
    const std::string& text = words[1];
    if (!platform::isValidUtf8(key) || !platform::isValidUtf8(text)) {
        return badInput(err, "the key and the value must be UTF-8 text");
    }
    const platform::SettingSpec* spec = findSetting(key);
    const std::optional<PreferenceType> known = spec ? std::optional(spec->type) : std::nullopt;
    if (known && flagged && *known != *flagged) {
        return badInput(
            err, key + " holds " + std::string(typeName(*known)) + ", not " + std::string(typeName(*flagged)));
    }
    if (!known && !flagged) {
        return badInput(err, "unknown key " + key + ": give its type with -bool, -int or -string");
    }
    const PreferenceType type = known.value_or(flagged.value_or(PreferenceType::text));
    std::optional<platform::PreferenceValue> value = parseValue(type, text);
    if (!value) {
        return badInput(err, "'" + text + "' is not " + std::string(typeName(type)) + " (for " + key + ")");
    }
    if (spec && !spec->accepts(*value)) {
        return badInput(err,
            key + " takes integers from " + std::to_string(spec->range.min) + " to " + std::to_string(spec->range.max)
                + ", not " + text);
    }
    app::HostServices host;
    if (!host.store.set(key, std::move(*value))) {
        return 1;
    }
    return 0;
}

int remove(const std::vector<std::string>& args, std::ostream& err)
{
    if (args.size() != 1) {
        return badInput(err, "usage: horalet defaults delete KEY");
    }
    app::HostServices host;
    return host.store.removeObject(args[0]) ? 0 : 1;
}

} // namespace

std::optional<platform::PreferenceValue> parseValue(PreferenceType type, const std::string& text)
{
    switch (type) {
    case PreferenceType::boolean: {
        const std::string word = lowerAscii(text);
        if (word == "true" || word == "yes" || word == "1") {
            return platform::PreferenceValue(true);
        }
        if (word == "false" || word == "no" || word == "0") {
            return platform::PreferenceValue(false);
        }
        return std::nullopt;
    }
    case PreferenceType::integer: {
        std::int64_t number = 0;
        const char* begin = text.data();
        const char* end = text.data() + text.size();
        if (begin != end && *begin == '+' && end - begin > 1 && begin[1] != '-') {
            ++begin;
        }
        const auto [stop, error] = std::from_chars(begin, end, number);
        if (begin == end || error != std::errc() || stop != end) {
            return std::nullopt;
        }
        return platform::PreferenceValue(number);
    }
    case PreferenceType::text:
        break;
    }
    return platform::PreferenceValue(text);
}

int runDefaults(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        return badInput(err, "defaults needs read, write or delete");
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "read") {
        return read(rest, out, err);
    }
    if (args[0] == "write") {
        return write(rest, err);
    }
    if (args[0] == "delete") {
        return remove(rest, err);
    }
    return badInput(err, "unknown defaults command '" + args[0] + "' (read, write or delete)");
}

} // namespace horalet::cli
