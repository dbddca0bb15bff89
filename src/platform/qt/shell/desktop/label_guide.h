#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QString>

#include "platform/foundation/signal.h"

namespace horalet::platform::qt {

// The widest title the current settings can produce, measured in the
// application's font, worked out again only after the settings or the
// system zone changed.
class LabelGuide {
public:
    using Samples = std::function<std::vector<std::string>()>;

    void setSource(Samples samples, Signal<>& settingsChanged, Signal<>& zoneChanged);
    // Worked out again only when the settings or the zone changed since.
    QString current();

private:
    Samples samples_;
    bool stale_ = true;
    QString current_;
    Connection settingsChanged_;
    Connection zoneChanged_;
};

} // namespace horalet::platform::qt
