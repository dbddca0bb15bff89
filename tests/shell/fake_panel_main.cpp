// A stand-in panel for whole-process measurements: holds the status-notifier
// watcher's name on the session bus with a host present, reads back what the
// items announce as panels do, and prints each label with the wall-clock
// time it arrived. Run under a real panel's process name (through a link),
// it stands in for that panel to the item's choice of icon.
#include <chrono>
#include <cstdio>

#include <QCoreApplication>

#include "fake_status_watcher.h"
#include "item_news_reader.h"
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
    horalet::testing::ItemNewsReader reader(bus);
    return QCoreApplication::exec();
}
