#include "platform/qt/shell/terminal_status_bar.h"

#include <cerrno>
#include <unistd.h>

namespace horalet::platform::qt {

namespace {

// False when the output is gone for good.
bool writeLine(int fd, const std::string& text)
{
    const std::string line = text + "\n";
    std::string_view rest = line;
    while (!rest.empty()) {
        const ssize_t written = ::write(fd, rest.data(), rest.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno != EPIPE;
        }
        rest.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

TerminalStatusItem::TerminalStatusItem(int fd, std::function<void()> closed)
    : fd_(fd)
    , closed_(std::move(closed))
{
}

void TerminalStatusItem::setTitle(const std::string& title)
{
    title_ = title;
    if (!writeLine(fd_, title_) && closed_) {
        closed_();
    }
}

TerminalStatusBar::TerminalStatusBar(int fd, std::function<void()> closed)
    : fd_(fd)
    , closed_(std::move(closed))
{
}

std::shared_ptr<shell::StatusItem> TerminalStatusBar::statusItemWithLength(double)
{
    return std::make_shared<TerminalStatusItem>(fd_, closed_);
}

} // namespace horalet::platform::qt
