#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include <QDateTime>
#include <QStringList>

#include "platform/qt/shell/settled_file_watch.h"

namespace horalet::platform::qt {

// Whether Plasma's layout file (the shell's "appletsrc") places the widget
// with this Id in a panel or on the desktop.
bool layoutHasWidget(std::string_view appletsrc, std::string_view widgetId);

// Follows whether the user has Horalet's own Plasma widget in the layout,
// by the file Plasma writes whenever the layout changes: with the widget
// showing the clock, the tray's copy of the item can step aside. Tells the
// first answer at once and then each change.
class PlasmaWidgetPresence {
public:
    PlasmaWidgetPresence(QString appletsrcPath, std::string widgetId, std::function<void(bool)> changed);

    // The watch for this session's Plasma desktop shell, or none outside a
    // Plasma session (a layout file left from one must not sway others).
    static std::unique_ptr<PlasmaWidgetPresence> forSession(
        const QStringList& desktops, std::function<void(bool)> changed);

    bool present() const { return present_; }

private:
    // Answers whether the answer changed.
    bool reread();

    std::string widgetId_;
    std::function<void(bool)> changed_;
    SettledFileWatch watch_;
    QDateTime readModified_;
    qint64 readSize_ = -1;
    bool present_ = false;
};

} // namespace horalet::platform::qt
