#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "platform/qt/shell/bar/bar_encoding.h"
#include "platform/qt/shell/bar/bounded_lines.h"
#include "platform/qt/shell/bar/click_events.h"
#include "platform/qt/shell/terminal_status_bar.h"
#include "test_pipe.h"

namespace horalet::testing {
namespace {

using platform::shell::BarLine;
using platform::shell::BarProtocol;

QJsonDocument parsed(const std::string& text)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text << ": " << error.errorString().toStdString();
    return document;
}

std::string field(const QJsonObject& object, const char* name)
{
    return object.value(QLatin1String(name)).toString().toStdString();
}

// Texts a custom pattern or a prefix label can bring: quotes, backslashes,
// control characters, line breaks, characters beyond the BMP.
const std::vector<std::string> kAwkwardTexts{
    "12月11日周五 10:08",
    R"(say "hi" \ 'there')",
    "tab\there\x01\x1f\x7f end",
    "two\nlines\r",
    "\xF0\x9F\x95\x90 东京 \xE2\x80\xAF PM",
    "",
};

TEST(BarEncoding, WaybarLinesAreOneJsonObjectCarryingTextTooltipAndZoneState)
{
    for (const std::string& text : kAwkwardTexts) {
        SCOPED_TRACE(text);
        for (const bool follows : {true, false}) {
            const BarLine line{text, "short", "2026年12月11日星期五 10:08:42\n本机：" + text, follows};
            const std::string encoded = platform::qt::encodeBarLine(BarProtocol::waybar, line);
            EXPECT_EQ(encoded.find('\n'), std::string::npos);
            const QJsonObject object = parsed(encoded).object();
            EXPECT_EQ(field(object, "text"), text);
            EXPECT_EQ(field(object, "tooltip"), line.tooltip);
            const std::string state = follows ? "system-zone" : "chosen-zone";
            EXPECT_EQ(field(object, "class"), state);
            EXPECT_EQ(field(object, "alt"), state);
        }
    }
}

TEST(BarEncoding, I3barHasAHeaderWithClicksThenBlocksNamedForTheClock)
{
    const std::string preamble = platform::qt::barPreamble(BarProtocol::i3bar);
    const std::size_t headerEnd = preamble.find('\n');
    ASSERT_NE(headerEnd, std::string::npos);
    const QJsonObject header = parsed(preamble.substr(0, headerEnd)).object();
    EXPECT_EQ(header.value(QLatin1String("version")).toInt(), 1);
    EXPECT_TRUE(header.value(QLatin1String("click_events")).toBool());
    EXPECT_EQ(preamble.substr(headerEnd), "\n[\n");

    for (const std::string& text : kAwkwardTexts) {
        SCOPED_TRACE(text);
        const BarLine line{"东京 " + text, text, "tooltip", false};
        const std::string encoded = platform::qt::encodeBarLine(BarProtocol::i3bar, line);
        EXPECT_EQ(encoded.find('\n'), std::string::npos);
        const QJsonArray blocks = parsed(encoded).array();
        ASSERT_EQ(blocks.size(), 1);
        const QJsonObject block = blocks.first().toObject();
        EXPECT_EQ(field(block, "full_text"), line.text);
        EXPECT_EQ(field(block, "short_text"), text);
        EXPECT_EQ(field(block, "name"), "horalet");
        EXPECT_EQ(field(block, "instance"), "clock");
    }
    EXPECT_EQ(platform::qt::barLineLead(BarProtocol::i3bar, true), "");
    EXPECT_EQ(platform::qt::barLineLead(BarProtocol::i3bar, false), ",");
}

TEST(BarEncoding, PlainLineIsTheTextOnOneLine)
{
    EXPECT_EQ(platform::qt::barPreamble(BarProtocol::plain), "");
    EXPECT_EQ(platform::qt::encodeBarLine(BarProtocol::plain, BarLine{"周五 10:08", "", "", true}), "周五 10:08");
    EXPECT_EQ(platform::qt::encodeBarLine(BarProtocol::plain, BarLine{"two\nlines\r", "", "", true}), "two lines ");
}

platform::qt::TerminalLineOutput output(int fd, BarProtocol protocol, int& detailsAsked)
{
    return {fd, protocol, [&detailsAsked](const std::string& title, bool withTooltip) {
                ++detailsAsked;
                return BarLine{title, title, withTooltip ? "tip" : "", true};
            }};
}

struct RepeatCase {
    BarProtocol protocol;
    std::string expected;
    int detailsAsked;
};

// The plain line repeats every tick, as the terminal line always has; the
// JSON protocols leave out a line equal to the last one written.
TEST(TerminalStatusLine, WritesEachProtocolsLinesAndLeavesOutUnchangedJsonLines)
{
    const std::vector<RepeatCase> cases{
        {BarProtocol::plain, "23:47\n23:47\n23:48\n", 0},
        {BarProtocol::waybar,
            R"({"text":"23:47","tooltip":"tip","class":"system-zone","alt":"system-zone"})"
            "\n"
            R"({"text":"23:48","tooltip":"tip","class":"system-zone","alt":"system-zone"})"
            "\n",
            3},
        {BarProtocol::i3bar,
            "{\"version\":1,\"click_events\":true}\n[\n"
            R"([{"name":"horalet","instance":"clock","full_text":"23:47","short_text":"23:47"}])"
            "\n"
            R"(,[{"name":"horalet","instance":"clock","full_text":"23:48","short_text":"23:48"}])"
            "\n",
            3},
    };
    for (const RepeatCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.protocol));
        Pipe pipe;
        int detailsAsked = 0;
        platform::qt::TerminalStatusBar bar(output(pipe.writer(), c.protocol, detailsAsked), [] {});
        const auto item = bar.statusItemWithLength(platform::shell::kVariableStatusItemLength);
        ASSERT_NE(item->button(), nullptr);
        for (const char* title : {"23:47", "23:47", "23:48"}) {
            item->button()->setTitle(title);
        }
        EXPECT_EQ(pipe.drain(), c.expected);
        EXPECT_EQ(item->button()->title(), "23:48");
        EXPECT_EQ(detailsAsked, c.detailsAsked);
    }
}

TEST(TerminalStatusLine, EndsTheRunWhenTheReaderHasGone)
{
    const IgnoredSigpipe ignored;
    for (const BarProtocol protocol : {BarProtocol::plain, BarProtocol::waybar, BarProtocol::i3bar}) {
        SCOPED_TRACE(static_cast<int>(protocol));
        Pipe pipe;
        int closed = 0;
        int detailsAsked = 0;
        platform::qt::TerminalStatusBar bar(output(pipe.writer(), protocol, detailsAsked), [&] { ++closed; });
        const auto item = bar.statusItemWithLength(platform::shell::kVariableStatusItemLength);
        item->button()->setTitle("23:47");
        EXPECT_EQ(closed, 0);
        pipe.closeReader();
        item->button()->setTitle("23:48");
        EXPECT_EQ(closed, 1);
    }
}

struct FeedCase {
    std::string name;
    std::vector<std::string> chunks;
    std::vector<std::string> lines;
};

TEST(BoundedLines, GivesWholeLinesAcrossChunksAndDropsOverlongOnesWhole)
{
    const std::string overlong(100000, 'x');
    const std::vector<FeedCase> cases{
        {"one chunk", {"a\nbb\n"}, {"a", "bb"}},
        {"split lines", {"a", "b\nc", "d\n"}, {"ab", "cd"}},
        {"no break yet", {"abc"}, {}},
        {"empty lines", {"\n\n"}, {"", ""}},
        {"exactly the limit", {"12345678\n"}, {"12345678"}},
        {"one over the limit", {"123456789\nok\n"}, {"ok"}},
        {"overlong across chunks", {overlong, overlong, "\nafter\n"}, {"after"}},
        {"limit reached across chunks", {"12345", "6789\n", "ok\n"}, {"ok"}},
        {"binary", {std::string("\0\xff\xfe\n", 4), "x\n"}, {std::string("\0\xff\xfe", 3), "x"}},
    };
    for (const FeedCase& c : cases) {
        SCOPED_TRACE(c.name);
        platform::qt::BoundedLines splitter(8);
        std::vector<std::string> lines;
        for (const std::string& chunk : c.chunks) {
            splitter.feed(chunk, [&](std::string_view line) { lines.emplace_back(line); });
        }
        EXPECT_EQ(lines, c.lines);
    }
}

TEST(ClickEvents, OnlyALeftClickOnTheClocksBlockCounts)
{
    const std::vector<std::pair<std::string, bool>> cases{
        {R"({"name":"horalet","instance":"clock","button":1,"x":10,"y":5})", true},
        {R"(,{"name":"horalet","instance":"clock","button":1})", true},
        {R"(  , {"name":"horalet","button":1}  )", true},
        {"[", false},
        {"", false},
        {R"({"name":"horalet","button":3})", false},
        {R"({"name":"horalet","button":"1"})", false},
        {R"({"name":"other","button":1})", false},
        {R"({"button":1})", false},
        {R"([{"name":"horalet","button":1}])", false},
        {R"({"name":"horalet","button":1)", false},
        {std::string("\xff\xfe{\0}", 5), false},
    };
    for (const auto& [line, left] : cases) {
        SCOPED_TRACE(line);
        EXPECT_EQ(platform::qt::isLeftClickOnClock(line), left);
    }
}

} // namespace
} // namespace horalet::testing
