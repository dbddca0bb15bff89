#pragma once

#include <chrono>
#include <functional>

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QStringList>
#include <QTimer>

#include "platform/foundation/preference_schema.h"
#include "platform/foundation/preferences_store.h"

namespace horalet::platform::qt {

// Whether the session's desktops name GNOME Shell ("GNOME", "ubuntu:GNOME",
// "GNOME-Classic:GNOME"), not a desktop that builds on GNOME with a panel
// of its own (Budgie, GNOME Flashback).
bool desktopIsGnome(const QStringList& desktops);

// GNOME draws no status items unless its AppIndicator extension is on.
// Where nothing on the bus hosts them, tells the user once, with a desktop
// notification showing `icon`, what to enable; `given` keeps that it was told, so later
// starts stay quiet. A host that appears within `grace` (the shell still
// starting at login) makes the hint unneeded.
class GnomeHostHint {
public:
    enum class Outcome {
        toldBefore, // an earlier start gave the hint
        hostPresent, // a host is on the bus: nothing to say
        told, // the notification went out
        notTold, // nobody shows notifications: said on standard error only
    };

    GnomeHostHint(QDBusConnection bus, PreferencesStore& store, Setting<bool> given, QString icon,
        std::chrono::milliseconds grace, std::function<void(Outcome)> finished = {});

    // What the notification says.
    static QString summary();
    static QString body();

private:
    void tell();
    void finish(Outcome outcome);

    QDBusConnection bus_;
    PreferencesStore& store_;
    Setting<bool> given_;
    QString icon_;
    std::function<void(Outcome)> finished_;
    QTimer grace_;
    QDBusServiceWatcher hostWatch_;
};

} // namespace horalet::platform::qt
