#include "platform/qt/shell/quit_on_signals.h"

#include <csignal>

#include "platform/foundation/log.h"

namespace horalet::platform::qt {

QuitOnSignals::QuitOnSignals(std::function<void()> quit)
    : pipe_({SIGINT, SIGTERM})
{
    if (pipe_.readFd() < 0) {
        log::warning(Error{"无法接收退出信号，Ctrl-C 可能无法正常退出", pipe_.error()});
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(pipe_.readFd(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this, quit = std::move(quit)] {
        if (pipe_.takeSignal() != 0) {
            quit();
        }
    });
}

} // namespace horalet::platform::qt
