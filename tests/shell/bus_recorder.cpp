#include "bus_recorder.h"

namespace horalet::testing {

BusRecorder::BusRecorder(QDBusConnection connection, const QString& path, const QString& interface, const QString& name)
{
    connection.connect(QString(), path, interface, name, this, SLOT(received(QDBusMessage)));
}

} // namespace horalet::testing
