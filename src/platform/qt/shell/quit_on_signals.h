#pragma once

#include <functional>
#include <memory>

#include <QSocketNotifier>

#include "platform/linux/system/signal_pipe.h"

namespace horalet::platform::qt {

// Ends the event loop in an orderly way on SIGINT and SIGTERM.
class QuitOnSignals {
public:
    explicit QuitOnSignals(std::function<void()> quit);

private:
    os::SignalPipe pipe_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace horalet::platform::qt
