#pragma once

#include <unistd.h>

#include <QDBusConnection>
#include <QString>

#include "fake_status_watcher.h"
#include "platform/foundation/signal.h"
#include "platform/qt/shell/desktop/label_guide.h"
#include "qt_test_support.h"
#include "support/fake_platform.h"

namespace horalet::testing {

// What a desktop status item under test stands on: a session bus of its
// own, the item's and the panel's connections to it, the panel's watcher
// (not started), the label guide and the bus name the item takes.
struct DesktopItemBus {
    FakePlatform platform;
    platform::Signal<> zoneChanged;
    PrivateBus bus;
    QDBusConnection itemBus = bus.connect(QStringLiteral("item"));
    QDBusConnection panelBus = bus.connect(QStringLiteral("panel"));
    FakeStatusWatcher watcher{panelBus};
    platform::qt::LabelGuide guide;
    QString service = QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(::getpid());
};

} // namespace horalet::testing
