#pragma once

#include <memory>

#include "platform/shell/window.h"

namespace horalet::platform::qt {

// The desktop's windows for hosted declarative views, drawn with Qt
// Widgets. Needs a QApplication.
std::unique_ptr<shell::Windows> makeSettingsWindows();

} // namespace horalet::platform::qt
