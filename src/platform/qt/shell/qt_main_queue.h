#pragma once

#include <QObject>

#include "platform/foundation/main_queue.h"

namespace horalet::platform::qt {

// Blocks become queued calls on an object of the main thread, so they run
// there one at a time, in the order they were submitted, from any thread.
// Create it on the main thread.
class QtMainQueue final : public MainQueue {
public:
    void async(Block block) override;

private:
    QObject context_;
};

} // namespace horalet::platform::qt
