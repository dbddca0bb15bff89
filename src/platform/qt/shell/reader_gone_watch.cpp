#include "platform/qt/shell/reader_gone_watch.h"

#include <poll.h>
#include <sys/stat.h>

namespace horalet::platform::qt {

namespace {

bool isPipe(int fd)
{
    struct stat status { };
    return ::fstat(fd, &status) == 0 && S_ISFIFO(status.st_mode);
}

bool readerGone(int fd)
{
    pollfd watched{fd, POLLOUT, 0};
    return ::poll(&watched, 1, 0) == 1 && (watched.revents & (POLLERR | POLLHUP)) != 0;
}

} // namespace

ReaderGoneWatch::ReaderGoneWatch(int fd, std::function<void()> gone)
    : gone_(std::move(gone))
{
    if (!isPipe(fd)) {
        return;
    }
    // A writing end never becomes readable; the loop reports its error
    // condition as readiness to read.
    notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this, fd] {
        if (readerGone(fd)) {
            notifier_->setEnabled(false);
            gone_();
        }
    });
}

} // namespace horalet::platform::qt
