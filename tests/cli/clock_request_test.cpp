#include <gtest/gtest.h>

#include "app/cli/clock_request.h"

namespace horalet::cli {
namespace {

using Kind = ClockRequest::Kind;
using platform::shell::BarProtocol;

struct RequestCase {
    std::vector<std::string> args;
    Kind kind;
    BarProtocol protocol;
};

TEST(ClockRequest, EachClockAndProtocolTheArgumentsName)
{
    const std::vector<RequestCase> cases{
        {{}, Kind::panel, BarProtocol::plain},
        {{"--headless"}, Kind::terminal, BarProtocol::plain},
        {{"--window"}, Kind::window, BarProtocol::plain},
        {{"bar"}, Kind::terminal, BarProtocol::plain},
        {{"bar", "--protocol", "plain"}, Kind::terminal, BarProtocol::plain},
        {{"bar", "--protocol", "waybar"}, Kind::terminal, BarProtocol::waybar},
        {{"bar", "--protocol=i3bar"}, Kind::terminal, BarProtocol::i3bar},
        {{"settings"}, Kind::settings, BarProtocol::plain},
    };
    for (const RequestCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        std::string error;
        const std::optional<ClockRequest> request = clockRequest(c.args, error);
        ASSERT_TRUE(request.has_value()) << error;
        EXPECT_EQ(request->kind, c.kind);
        EXPECT_EQ(request->protocol, c.protocol);
        EXPECT_EQ(error, "");
    }
    std::string error;
    EXPECT_EQ(clockRequest({"--once"}, error), std::nullopt);
    EXPECT_EQ(error, "") << "a one-shot command is no clock, and no error either";
}

} // namespace
} // namespace horalet::cli
