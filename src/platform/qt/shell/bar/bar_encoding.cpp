#include "platform/qt/shell/bar/bar_encoding.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace horalet::platform::qt {

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

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

std::string compact(const QJsonDocument& document)
{
    return document.toJson(QJsonDocument::Compact).toStdString();
}

QString zoneState(const shell::BarLine& line)
{
    return line.followsSystemZone ? QStringLiteral("system-zone") : QStringLiteral("chosen-zone");
}

std::string waybarObject(const shell::BarLine& line)
{
    const QJsonObject object{
        {QStringLiteral("text"), qs(line.text)},
        {QStringLiteral("tooltip"), qs(line.tooltip)},
        {QStringLiteral("class"), zoneState(line)},
        {QStringLiteral("alt"), zoneState(line)},
    };
    return compact(QJsonDocument(object));
}

std::string i3barStatusLine(const shell::BarLine& line)
{
    const QJsonObject block{
        {QStringLiteral("name"), QString::fromLatin1(kBarBlockName)},
        {QStringLiteral("instance"), QString::fromLatin1(kBarBlockInstance)},
        {QStringLiteral("full_text"), qs(line.text)},
        {QStringLiteral("short_text"), qs(line.shortText)},
    };
    return compact(QJsonDocument(QJsonArray{block}));
}

} // namespace

std::string barPreamble(shell::BarProtocol protocol)
{
    if (protocol != shell::BarProtocol::i3bar) {
        return {};
    }
    const QJsonObject header{{QStringLiteral("version"), 1}, {QStringLiteral("click_events"), true}};
    return compact(QJsonDocument(header)) + "\n[\n";
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

bool repeatsUnchangedLines(shell::BarProtocol protocol)
{
    // The plain line is the terminal line people already pipe into scripts
    // and bars that expect a line a second; the JSON protocols make their
    // bar redraw on every line, so an unchanged one is left out.
    return protocol == shell::BarProtocol::plain;
}

} // namespace horalet::platform::qt
