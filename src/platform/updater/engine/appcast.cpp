#include "platform/updater/engine/appcast.h"

#include <QXmlStreamReader>
#include <algorithm>

#include "platform/updater/core/ed25519.h"
#include "platform/updater/core/version_comparison.h"

namespace horalet::platform::updater::engine {

namespace {

constexpr QLatin1StringView kAppcastNamespace("http://www.andymatuschak.org/xml-namespaces/sparkle");

// The fields of one <item> as written, before they are checked.
struct RawItem {
    QString version;
    QString shortVersion;
    QString os;
    QString channel;
    QString description;
    bool critical = false;
    int enclosures = 0;
    QString url;
    QString length;
    QString signature;
    QString enclosureVersion;
    QString enclosureShortVersion;
    QString enclosureOs;
};

struct ItemResult {
    std::optional<AppcastEntry> entry; // none: not for this system or channel
    QString error;
};

bool isAppcastElement(const QXmlStreamReader& reader, QStringView name)
{
    return reader.namespaceUri() == kAppcastNamespace && reader.name() == name;
}

bool isPlainElement(const QXmlStreamReader& reader, QStringView name)
{
    return reader.namespaceUri().isEmpty() && reader.name() == name;
}

QString appcastAttribute(const QXmlStreamAttributes& attributes, const char* name)
{
    return attributes.value(kAppcastNamespace, QLatin1StringView(name)).toString().trimmed();
}

void readEnclosure(QXmlStreamReader& reader, RawItem& item)
{
    const QXmlStreamAttributes attributes = reader.attributes();
    ++item.enclosures;
    item.url = attributes.value(QLatin1StringView("url")).toString().trimmed();
    item.length = attributes.value(QLatin1StringView("length")).toString().trimmed();
    item.signature = appcastAttribute(attributes, "edSignature");
    item.enclosureVersion = appcastAttribute(attributes, "version");
    item.enclosureShortVersion = appcastAttribute(attributes, "shortVersionString");
    item.enclosureOs = appcastAttribute(attributes, "os");
    reader.skipCurrentElement();
}

QString elementText(QXmlStreamReader& reader)
{
    return reader.readElementText(QXmlStreamReader::IncludeChildElements);
}

RawItem readItem(QXmlStreamReader& reader)
{
    RawItem item;
    while (reader.readNextStartElement()) {
        if (isPlainElement(reader, u"enclosure")) {
            readEnclosure(reader, item);
        } else if (isPlainElement(reader, u"description")) {
            item.description = elementText(reader);
        } else if (isAppcastElement(reader, u"version")) {
            item.version = elementText(reader).trimmed();
        } else if (isAppcastElement(reader, u"shortVersionString")) {
            item.shortVersion = elementText(reader).trimmed();
        } else if (isAppcastElement(reader, u"os")) {
            item.os = elementText(reader).trimmed();
        } else if (isAppcastElement(reader, u"channel")) {
            item.channel = elementText(reader).trimmed();
        } else if (isAppcastElement(reader, u"criticalUpdate")) {
            item.critical = true;
            reader.skipCurrentElement();
        } else {
            reader.skipCurrentElement();
        }
    }
    return item;
}

// The element's value, else the enclosure attribute's; none when both are
// given and differ.
std::optional<QString> eitherOf(const QString& element, const QString& attribute)
{
    if (!element.isEmpty() && !attribute.isEmpty() && element != attribute) {
        return std::nullopt;
    }
    return element.isEmpty() ? attribute : element;
}

std::optional<std::int64_t> parseLength(const QString& text)
{
    const bool digitsOnly
        = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!digitsOnly || !ok || value <= 0 || value > kLargestPackage) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(value);
}

std::optional<QUrl> resolveLink(const QString& text, const QUrl& feedUrl)
{
    const QUrl link(text, QUrl::StrictMode);
    if (text.isEmpty() || !link.isValid()) {
        return std::nullopt;
    }
    const QUrl url = feedUrl.resolved(link);
    if ((url.scheme() != u"https" && url.scheme() != u"http") || url.host().isEmpty()) {
        return std::nullopt;
    }
    return url;
}

std::optional<std::string> decodeSignature(const QString& text)
{
    const auto decoded = QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != static_cast<qsizetype>(kEd25519SignatureSize)) {
        return std::nullopt;
    }
    return decoded.decoded.toStdString();
}

ItemResult checkItem(const RawItem& raw, const QUrl& feedUrl)
{
    const auto os = eitherOf(raw.os, raw.enclosureOs);
    if (!os) {
        return {std::nullopt, QStringLiteral("an item names two systems")};
    }
    // The feed is this program's own: an item that names no system is for
    // the system the program runs on.
    if ((!os->isEmpty() && os->compare(u"linux", Qt::CaseInsensitive) != 0) || !raw.channel.isEmpty()) {
        return {};
    }
    const auto version = eitherOf(raw.version, raw.enclosureVersion);
    const auto shortVersion = eitherOf(raw.shortVersion, raw.enclosureShortVersion);
    if (!version || version->isEmpty() || !shortVersion) {
        return {std::nullopt, QStringLiteral("an item has no version, or two")};
    }
    if (raw.enclosures != 1) {
        return {std::nullopt, QStringLiteral("item %1 needs exactly one enclosure").arg(*version)};
    }
    const auto url = resolveLink(raw.url, feedUrl);
    const auto length = parseLength(raw.length);
    const auto signature = decodeSignature(raw.signature);
    if (!url || !length || !signature) {
        return {std::nullopt,
            QStringLiteral("the enclosure of item %1 lacks a valid http(s) url, length or Ed25519 signature")
                .arg(*version)};
    }
    AppcastEntry entry;
    entry.version = version->toStdString();
    entry.displayVersion = shortVersion->isEmpty() ? entry.version : shortVersion->toStdString();
    entry.url = *url;
    entry.length = *length;
    entry.signature = *signature;
    entry.critical = raw.critical;
    entry.releaseNotes = raw.description.trimmed().toStdString();
    return {std::move(entry), {}};
}

Appcast failure(const QString& message)
{
    return {{}, message.toStdString()};
}

} // namespace

Appcast parseAppcast(const QByteArray& xml, const QUrl& feedUrl)
{
    if (xml.size() > kLargestFeed) {
        return failure(QStringLiteral("the feed is larger than 1 MiB"));
    }
    QXmlStreamReader reader(xml);
    Appcast appcast;
    bool sawRss = false;
    bool inChannel = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            return failure(QStringLiteral("the feed declares a document type"));
        case QXmlStreamReader::EntityReference:
            return failure(QStringLiteral("the feed refers to an entity"));
        case QXmlStreamReader::StartElement:
            if (!sawRss) {
                if (!isPlainElement(reader, u"rss")) {
                    return failure(QStringLiteral("the feed is not an RSS document"));
                }
                sawRss = true;
            } else if (isPlainElement(reader, u"channel")) {
                inChannel = true;
            } else if (inChannel && isPlainElement(reader, u"item")) {
                ItemResult result = checkItem(readItem(reader), feedUrl);
                if (!result.error.isEmpty()) {
                    return failure(result.error);
                }
                if (result.entry) {
                    appcast.entries.push_back(std::move(*result.entry));
                }
            } else if (inChannel) {
                reader.skipCurrentElement();
            }
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        return failure(QStringLiteral("the feed is not well-formed XML: %1").arg(reader.errorString()));
    }
    if (!inChannel) {
        return failure(QStringLiteral("the feed has no channel"));
    }
    return appcast;
}

std::optional<AppcastEntry> newestUpdate(const std::vector<AppcastEntry>& entries, std::string_view currentVersion)
{
    const AppcastEntry* newest = nullptr;
    for (const AppcastEntry& entry : entries) {
        if (compareVersions(entry.version, currentVersion) > 0
            && (newest == nullptr || compareVersions(entry.version, newest->version) > 0)) {
            newest = &entry;
        }
    }
    if (newest == nullptr) {
        return std::nullopt;
    }
    return *newest;
}

} // namespace horalet::platform::updater::engine
