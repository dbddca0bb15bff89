#include "platform/qt/shell/bar/click_event_reader.h"

#include <array>
#include <cerrno>
#include <unistd.h>

#include "platform/qt/shell/bar/click_events.h"

namespace horalet::platform::qt {

namespace {

// A click event is a few hundred bytes; anything much longer is not one.
constexpr std::size_t kLongestEvent = 4096;
constexpr std::size_t kReadSize = 4096;

} // namespace

ClickEventReader::ClickEventReader(int fd, std::function<void()> leftClick)
    : fd_(fd)
    , leftClick_(std::move(leftClick))
    , lines_(kLongestEvent)
    , notifier_(fd, QSocketNotifier::Read)
{
    QObject::connect(&notifier_, &QSocketNotifier::activated, [this] { readSome(); });
}

void ClickEventReader::readSome()
{
    std::array<char, kReadSize> buffer{};
    const ssize_t count = ::read(fd_, buffer.data(), buffer.size());
    if (count < 0 && (errno == EINTR || errno == EAGAIN)) {
        return;
    }
    if (count <= 0) {
        // Closed or unreadable: the clock goes on without clicks.
        notifier_.setEnabled(false);
        return;
    }
    lines_.feed(std::string_view(buffer.data(), static_cast<std::size_t>(count)), [this](std::string_view line) {
        if (isLeftClickOnClock(line) && leftClick_) {
            leftClick_();
        }
    });
}

} // namespace horalet::platform::qt
