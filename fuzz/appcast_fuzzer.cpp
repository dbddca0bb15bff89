// The appcast parser and the choice of the newest update, over any bytes a
// feed server may send.
#include <QByteArray>
#include <QUrl>

#include "platform/updater/engine/appcast.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace horalet::platform::updater::engine;
    const QByteArray xml(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Appcast feed = parseAppcast(xml, QUrl(QStringLiteral("https://updates.example.org/horalet/appcast.xml")));
    (void)newestUpdate(feed.entries, "1.1.0");
    return 0;
}
