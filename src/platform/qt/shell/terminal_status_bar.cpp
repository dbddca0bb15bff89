#include "platform/qt/shell/terminal_status_bar.h"

#include <cerrno>
#include <unistd.h>

#include "platform/qt/shell/bar/bar_encoding.h"

namespace horalet::platform::qt {

namespace {

enum class WriteResult { written, skipped, gone };

// One write call for the whole text: a reader sees a line whole or not at all.
WriteResult writeAll(int fd, std::string_view rest)
{
    while (!rest.empty()) {
        const ssize_t written = ::write(fd, rest.data(), rest.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            // A reader that does not keep up misses this line, not the next.
            return errno == EAGAIN ? WriteResult::skipped : WriteResult::gone;
        }
        rest.remove_prefix(static_cast<std::size_t>(written));
    }
    return WriteResult::written;
}

} // namespace

TerminalStatusItem::TerminalStatusItem(TerminalLineOutput output, std::function<void()> closed)
    : output_(std::move(output))
    , closed_(std::move(closed))
{
}

void TerminalStatusItem::setTitle(const std::string& title)
{
    title_ = title;
    shell::BarLine line;
    if (needsDetails(output_.protocol) && output_.details) {
        line = output_.details(title_, needsTooltip(output_.protocol));
    }
    line.text = title_;
    std::string encoded = encodeBarLine(output_.protocol, line);
    if (wroteLine_ && encoded == lastLine_ && !repeatsUnchangedLines(output_.protocol)) {
        return;
    }
    write(std::move(encoded));
}

void TerminalStatusItem::write(std::string line)
{
    const std::string text = barLineLead(output_.protocol, !wroteLine_) + line + "\n";
    switch (writeAll(output_.fd, text)) {
    case WriteResult::written:
        lastLine_ = std::move(line);
        wroteLine_ = true;
        return;
    case WriteResult::skipped:
        return;
    case WriteResult::gone:
        if (closed_) {
            closed_();
        }
        return;
    }
}

TerminalStatusBar::TerminalStatusBar(TerminalLineOutput output, std::function<void()> closed)
    : output_(std::move(output))
    , closed_(std::move(closed))
{
}

std::shared_ptr<shell::StatusItem> TerminalStatusBar::statusItemWithLength(double)
{
    const std::string preamble = barPreamble(output_.protocol);
    if (!preamble.empty() && writeAll(output_.fd, preamble) == WriteResult::gone && closed_) {
        closed_();
    }
    return std::make_shared<TerminalStatusItem>(output_, closed_);
}

} // namespace horalet::platform::qt
