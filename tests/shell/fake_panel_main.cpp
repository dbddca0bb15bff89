// A stand-in panel for whole-process measurements: holds the status-notifier
// watcher's name on the session bus with a host present, and prints each
// label the items announce, with the wall-clock time it arrived.
#include <chrono>
#include <cstdio>

#include <QCoreApplication>

#include "fake_status_watcher.h"
#include "label_printer.h"

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fputs("fake panel: no session bus\n", stderr);
        return 1;
    }
    horalet::testing::FakeStatusWatcher watcher(bus);
    watcher.setHostRegistered(true, false);
    watcher.start();
    horalet::testing::LabelPrinter printer(bus);
    return QCoreApplication::exec();
}
