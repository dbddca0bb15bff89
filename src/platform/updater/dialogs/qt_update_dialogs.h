#pragma once

#include <memory>

#include "platform/updater/engine/update_dialogs.h"

namespace horalet::platform::updater::engine {

// Message boxes on Qt Widgets; they need a QApplication.
std::unique_ptr<UpdateDialogs> makeQtUpdateDialogs();

} // namespace horalet::platform::updater::engine
