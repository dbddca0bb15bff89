#pragma once

#include <functional>
#include <memory>

#include <QSocketNotifier>

namespace horalet::platform::qt {

// Tells when the reader of a pipe has gone away, without waiting for the
// next write: a bar line may stay unchanged, and unwritten, for a minute.
// The kernel flags a pipe's writing end with an error once no reader is
// left. Other kinds of output are not watched; a failed write tells of them.
class ReaderGoneWatch {
public:
    ReaderGoneWatch(int fd, std::function<void()> gone);

private:
    std::function<void()> gone_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace horalet::platform::qt
