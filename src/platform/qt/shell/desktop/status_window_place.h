#pragma once

#include <optional>
#include <string>

#include <QPoint>

#include "platform/foundation/preferences_store.h"

namespace horalet::platform::qt {

// Where the user left the status window, kept in the preferences store as
// the text "x,y" of its top-right corner: the corner stays put when the
// title's width changes.
class StatusWindowPlace {
public:
    StatusWindowPlace(PreferencesStore& store, std::string key);

    // None until the user moved the window, or when the stored text is not a place.
    std::optional<QPoint> topRight() const;
    void remember(const QPoint& topRight);

private:
    PreferencesStore& store_;
    std::string key_;
};

} // namespace horalet::platform::qt
