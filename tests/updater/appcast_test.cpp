#include <gtest/gtest.h>

#include "platform/updater/engine/appcast.h"
#include "test_signing.h"

namespace horalet::platform::updater::engine {
namespace {

const QUrl kFeedUrl(QStringLiteral("https://updates.example.com/horalet/appcast.xml"));
const std::string kSignature = testing::base64(std::string(64, 'S'));

QByteArray feed(const std::string& items, const std::string& prefix = "sparkle")
{
    return QByteArray::fromStdString("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<rss version=\"2.0\" xmlns:" + prefix
        + "=\"http://www.andymatuschak.org/xml-namespaces/sparkle\"><channel><title>Horalet</title>" + items
        + "</channel></rss>");
}

struct ItemSpec {
    std::string version = "2.0";
    std::string url = "horalet-2.0";
    std::string length = "1234";
    std::string signature = kSignature;
    std::string os = "sparkle:os=\"linux\"";
    std::string extra;
};

std::string item(const ItemSpec& spec, const std::string& prefix = "sparkle")
{
    return "<item><title>v</title><" + prefix + ":version>" + spec.version + "</" + prefix + ":version>" + spec.extra
        + "<enclosure url=\"" + spec.url + "\" length=\"" + spec.length + "\" type=\"application/octet-stream\" "
        + spec.os + " " + prefix + ":edSignature=\"" + spec.signature + "\"/></item>";
}

std::string versionItem(const std::string& version, const std::string& extra = "")
{
    return item({.version = version, .url = "horalet-" + version, .extra = extra});
}

std::vector<std::string> versionsOf(const Appcast& appcast)
{
    std::vector<std::string> versions;
    for (const AppcastEntry& entry : appcast.entries) {
        versions.push_back(entry.version);
    }
    return versions;
}

TEST(Appcast, ReadsAnItemWithAllItsFields)
{
    const Appcast appcast = parseAppcast(
        feed(versionItem("2.0",
            "<sparkle:shortVersionString>2.0 正式版</sparkle:shortVersionString><sparkle:criticalUpdate/>"
            "<description><![CDATA[<b>更快</b> & 更稳]]></description>")),
        kFeedUrl);
    ASSERT_EQ(appcast.error, "");
    ASSERT_EQ(appcast.entries.size(), 1u);
    const AppcastEntry& entry = appcast.entries[0];
    EXPECT_EQ(entry.version, "2.0");
    EXPECT_EQ(entry.displayVersion, "2.0 正式版");
    EXPECT_EQ(entry.url.toString(), "https://updates.example.com/horalet/horalet-2.0");
    EXPECT_EQ(entry.length, 1234);
    EXPECT_EQ(entry.signature, std::string(64, 'S'));
    EXPECT_TRUE(entry.critical);
    EXPECT_EQ(entry.releaseNotes, "<b>更快</b> & 更稳");
}

TEST(Appcast, MatchesTheNamespaceByItsUriWhateverThePrefix)
{
    const Appcast other = parseAppcast(feed(item({.os = "u:os=\"linux\""}, "u"), "u"), kFeedUrl);
    EXPECT_EQ(versionsOf(other), std::vector<std::string>{"2.0"});
    EXPECT_EQ(other.entries[0].displayVersion, "2.0") << "falls back to the version";

    // The right prefix bound to another namespace is not the appcast's.
    const QByteArray wrong = feed(versionItem("2.0")).replace("andymatuschak.org", "example.org");
    const Appcast impostor = parseAppcast(wrong, kFeedUrl);
    EXPECT_NE(impostor.error, "") << "no version, no signature: a malformed item";
}

TEST(Appcast, KeepsOnlyLinuxItemsOfTheDefaultChannel)
{
    const Appcast appcast
        = parseAppcast(feed(item({.version = "2.0", .os = "sparkle:os=\"macos\""})
                           + item({.version = "2.1", .os = "sparkle:os=\"windows\""})
                           + versionItem("2.2", "<sparkle:channel>beta</sparkle:channel>") + versionItem("1.5")
                           + item({.version = "1.6", .os = "", .extra = "<sparkle:os>linux</sparkle:os>"})
                           + item({.version = "1.7", .os = ""})),
            kFeedUrl);
    ASSERT_EQ(appcast.error, "");
    EXPECT_EQ(versionsOf(appcast), (std::vector<std::string>{"1.5", "1.6", "1.7"}));
}

TEST(Appcast, OneMalformedItemFailsTheWholeFeed)
{
    const std::string good = versionItem("1.5");
    const std::string malformed[] = {
        item({.version = ""}),
        item({.length = ""}),
        item({.length = "12ab"}),
        item({.length = "-5"}),
        item({.length = "0"}),
        item({.length = "99999999999999999999"}),
        item({.url = ""}),
        item({.url = "ftp://example.com/horalet"}),
        item({.url = "file:///etc/passwd"}),
        item({.signature = ""}),
        item({.signature = "bm90IDY0IGJ5dGVz"}),
        item({.signature = "@@@"}),
        item({.os = "sparkle:os=\"linux\" sparkle:version=\"3.0\""}),
        "<item><sparkle:version>2.0</sparkle:version></item>",
        "<item><sparkle:version>2.0</sparkle:version><enclosure url=\"a\" length=\"1\" sparkle:edSignature=\""
            + kSignature + "\"/><enclosure url=\"b\" length=\"1\" sparkle:edSignature=\"" + kSignature + "\"/></item>",
    };
    for (const std::string& bad : malformed) {
        const Appcast appcast = parseAppcast(feed(good + bad), kFeedUrl);
        EXPECT_NE(appcast.error, "") << bad;
        EXPECT_TRUE(appcast.entries.empty()) << bad;
    }
}

TEST(Appcast, RefusesDocumentTypesBrokenXmlAndOversizedFeeds)
{
    const QByteArray doctype = "<?xml version=\"1.0\"?><!DOCTYPE rss [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
                               "<rss version=\"2.0\"><channel><title>&x;</title></channel></rss>";
    const QByteArray laughs = "<?xml version=\"1.0\"?><!DOCTYPE rss [<!ENTITY a \"aaaaaaaa\"><!ENTITY b "
                              "\"&a;&a;&a;&a;&a;&a;&a;&a;\">]><rss><channel><title>&b;</title></channel></rss>";
    QByteArray oversized = feed(versionItem("2.0"));
    oversized.insert(oversized.indexOf("<title>"), QByteArray(kLargestFeed, ' '));
    const QByteArray cases[] = {
        doctype,
        laughs,
        feed(versionItem("2.0")).left(200),
        "not xml at all",
        "<feed xmlns=\"http://www.w3.org/2005/Atom\"></feed>",
        "<rss version=\"2.0\"></rss>",
        feed(versionItem("2.0")).replace("<title>Horalet</title>", "<title>&undefined;</title>"),
        oversized,
    };
    for (const QByteArray& xml : cases) {
        EXPECT_NE(parseAppcast(xml, kFeedUrl).error, "") << xml.left(120).toStdString();
    }
}

TEST(Appcast, PicksTheNewestUpdateNewerThanTheRunningVersion)
{
    const Appcast appcast = parseAppcast(
        feed(versionItem("1.9") + versionItem("1.10") + versionItem("1.2") + versionItem("1.10b1")), kFeedUrl);
    EXPECT_EQ(newestUpdate(appcast.entries, "1.1")->version, "1.10");
    EXPECT_EQ(newestUpdate(appcast.entries, "1.10b1")->version, "1.10");
    EXPECT_EQ(newestUpdate(appcast.entries, "1.10"), std::nullopt) << "equal is not newer";
    EXPECT_EQ(newestUpdate(appcast.entries, "1.10.0"), std::nullopt);
    EXPECT_EQ(newestUpdate(appcast.entries, "2.0"), std::nullopt);
    EXPECT_EQ(newestUpdate({}, "1.0"), std::nullopt);
}

} // namespace
} // namespace horalet::platform::updater::engine
