#include "platform/qt/shell/qt_main_queue.h"

namespace horalet::platform::qt {

void QtMainQueue::async(Block block)
{
    QMetaObject::invokeMethod(&context_, std::move(block), Qt::QueuedConnection);
}

} // namespace horalet::platform::qt
