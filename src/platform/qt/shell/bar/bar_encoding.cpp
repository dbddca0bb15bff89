#include "platform/qt/shell/bar/bar_encoding.h"

#include "platform/qt/shell/bar/json_writer.h"

namespace horalet::platform::qt {

namespace {

// A custom pattern may hold line breaks; the plain protocol is one line a tick.
std::string oneLine(std::string text)
{
    for (char& character : text) {
        if (character == '\n' || character == '\r') {
            character = ' ';
        }
    }
    return text;
}

const char* zoneState(const shell::BarLine& line)
{
    return line.followsSystemZone ? "system-zone" : "chosen-zone";
}

std::string waybarObject(const shell::BarLine& line)
{
    return JsonObjectWriter()
        .text("text", line.text)
        .text("tooltip", line.tooltip)
        .text("class", zoneState(line))
        .text("alt", zoneState(line))
        .finished();
}

std::string i3barStatusLine(const shell::BarLine& line)
{
    return "["
        + JsonObjectWriter()
              .text("name", kBarBlockName)
              .text("instance", kBarBlockInstance)
              .text("full_text", line.text)
              .text("short_text", line.shortText)
              .finished()
        + "]";
}

} // namespace

std::string barPreamble(shell::BarProtocol protocol)
{
    if (protocol != shell::BarProtocol::i3bar) {
        return {};
    }
    return JsonObjectWriter().number("version", 1).boolean("click_events", true).finished() + "\n[\n";
}

std::string encodeBarLine(shell::BarProtocol protocol, const shell::BarLine& line)
{
    switch (protocol) {
    case shell::BarProtocol::plain:
        return oneLine(line.text);
    case shell::BarProtocol::waybar:
        return waybarObject(line);
    case shell::BarProtocol::i3bar:
        return i3barStatusLine(line);
    }
    return line.text;
}

std::string barLineLead(shell::BarProtocol protocol, bool first)
{
    return protocol == shell::BarProtocol::i3bar && !first ? "," : "";
}

bool needsDetails(shell::BarProtocol protocol)
{
    return protocol != shell::BarProtocol::plain;
}

bool needsTooltip(shell::BarProtocol protocol)
{
    return protocol == shell::BarProtocol::waybar;
}

bool repeatsUnchangedLines(shell::BarProtocol protocol)
{
    // The plain line is the terminal line people already pipe into scripts
    // and bars that expect a line a second; the JSON protocols make their
    // bar redraw on every line, so an unchanged one is left out.
    return protocol == shell::BarProtocol::plain;
}

} // namespace horalet::platform::qt
