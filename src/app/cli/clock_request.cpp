#include "app/cli/clock_request.h"

#include <array>
#include <string_view>
#include <utility>

namespace horalet::cli {

namespace {

using platform::shell::BarProtocol;

constexpr std::array<std::pair<std::string_view, BarProtocol>, 3> kProtocols{{
    {"plain", BarProtocol::plain},
    {"waybar", BarProtocol::waybar},
    {"i3bar", BarProtocol::i3bar},
}};

std::optional<BarProtocol> protocolNamed(std::string_view name)
{
    for (const auto& [known, protocol] : kProtocols) {
        if (name == known) {
            return protocol;
        }
    }
    return std::nullopt;
}

std::string unexpectedBarArgument(const std::string& argument)
{
    return "bar 不接受参数「" + argument + "」，用法：horalet bar [--protocol plain|waybar|i3bar]。";
}

// `bar [--protocol NAME]`, the name also as `--protocol=NAME`.
std::optional<ClockRequest> barRequest(const std::vector<std::string>& rest, std::string& error)
{
    constexpr std::string_view option = "--protocol";
    ClockRequest request{ClockRequest::Kind::terminal, BarProtocol::plain};
    if (rest.empty()) {
        return request;
    }
    std::string name;
    std::size_t used = 0;
    if (rest[0] == option) {
        if (rest.size() < 2) {
            error = "bar 的 --protocol 后面缺少协议名，可用 plain、waybar 或 i3bar。";
            return std::nullopt;
        }
        name = rest[1];
        used = 2;
    } else if (rest[0].starts_with(std::string(option) + "=")) {
        name = rest[0].substr(option.size() + 1);
        used = 1;
    } else {
        error = unexpectedBarArgument(rest[0]);
        return std::nullopt;
    }
    if (rest.size() > used) {
        error = unexpectedBarArgument(rest[used]);
        return std::nullopt;
    }
    const std::optional<BarProtocol> protocol = protocolNamed(name);
    if (!protocol) {
        error = "未知的状态栏协议「" + name + "」，可用 plain、waybar 或 i3bar。";
        return std::nullopt;
    }
    request.protocol = *protocol;
    return request;
}

} // namespace

std::optional<ClockRequest> clockRequest(const std::vector<std::string>& args, std::string& error)
{
    error.clear();
    if (args.empty()) {
        return ClockRequest{};
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "--headless" && rest.empty()) {
        return ClockRequest{ClockRequest::Kind::terminal, BarProtocol::plain};
    }
    if (args[0] == "--window" && rest.empty()) {
        return ClockRequest{ClockRequest::Kind::window, BarProtocol::plain};
    }
    if (args[0] == "bar") {
        return barRequest(rest, error);
    }
    if (args[0] == "settings") {
        if (!rest.empty()) {
            error = "settings 不接受参数「" + rest[0] + "」。";
            return std::nullopt;
        }
        return ClockRequest{ClockRequest::Kind::settings, BarProtocol::plain};
    }
    return std::nullopt;
}

} // namespace horalet::cli
