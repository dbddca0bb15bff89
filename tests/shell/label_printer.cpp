#include "label_printer.h"

#include <chrono>
#include <cstdio>

namespace horalet::testing {

LabelPrinter::LabelPrinter(QDBusConnection connection)
{
    connection.connect(QString(), QString(), QStringLiteral("org.kde.StatusNotifierItem"),
        QStringLiteral("XAyatanaNewLabel"), this, SLOT(received(QDBusMessage)));
}

void LabelPrinter::received(const QDBusMessage& message)
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const double seconds = std::chrono::duration<double>(now).count();
    std::printf("%.6f %s\n", seconds, message.arguments().value(0).toString().toUtf8().constData());
    std::fflush(stdout);
}

} // namespace horalet::testing
