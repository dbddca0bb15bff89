#include "platform/qt/shell/quit_on_signals.h"

#include <csignal>
#include <cstdio>

namespace horalet::platform::qt {

QuitOnSignals::QuitOnSignals(std::function<void()> quit)
    : pipe_({SIGINT, SIGTERM})
{
    if (pipe_.readFd() < 0) {
        std::fprintf(stderr, "horalet: cannot catch signals: %s\n", pipe_.error().c_str());
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
