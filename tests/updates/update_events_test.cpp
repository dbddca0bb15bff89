#include <optional>
#include <string>
#include <vector>

#include "updates_fixture.h"

namespace horalet::testing {
namespace {

using platform::updater::errorCodes::feedUnreadable;
using platform::updater::errorCodes::noUpdate;

// One thing that happens to the model: an updater event (sent, then the
// main queue drained) or the user's install command.
struct Event {
    enum class Kind { found, foundQuietly, downloadFailed, ready, install, cycleDone, cycleNoUpdate, cycleFailed };
    Kind kind;
    std::string version;
};

Event found(std::string version)
{
    return {Event::Kind::found, std::move(version)};
}
Event foundQuietly(std::string version)
{
    return {Event::Kind::foundQuietly, std::move(version)};
}
Event ready(std::string version)
{
    return {Event::Kind::ready, std::move(version)};
}
const Event downloadFailed{Event::Kind::downloadFailed, {}};
const Event install{Event::Kind::install, {}};
const Event cycleDone{Event::Kind::cycleDone, {}};
const Event cycleNoUpdate{Event::Kind::cycleNoUpdate, {}};
const Event cycleFailed{Event::Kind::cycleFailed, {}};

struct Outcome {
    std::string status;
    std::optional<std::string> readyVersion;
    std::optional<std::string> availableVersion;
    bool downloading = false;
    bool pendingInstall = false;
    // The versions whose immediate installation ran, in order.
    std::vector<std::string> installed;
};

struct Case {
    const char* name;
    std::vector<Event> events;
    Outcome expected;
};

const std::string idle = "自动检查新版本";
const std::string found20 = "发现新版本 2.0，正在后台下载…";
const std::string found30 = "发现新版本 3.0，正在后台下载…";
const std::string foundQuietly20 = "发现新版本 2.0";
const std::string failedDownload = "新版本下载失败，联网后会自动重试";
const std::string ready20 = "新版本 2.0 已下载并验签，点击「重启并安装」或下次退出时自动更新";
const std::string installing = "正在安装新版本…";
const std::string upToDate = "当前已是最新版本";
const std::string checkFailed = "暂时无法检查更新，联网后可重试";
const std::string checkDone = "更新检查完成";

const std::optional<std::string> none;
const std::optional<std::string> v20 = "2.0";
const std::optional<std::string> v21 = "2.1";
const std::optional<std::string> v30 = "3.0";

const std::vector<Case> cases = {
    {"idle", {}, {idle, none, none, false, false, {}}},
    {"found with background downloads", {found("2.0")}, {found20, none, v20, true, false, {}}},
    {"found without background downloads", {foundQuietly("2.0")}, {foundQuietly20, none, v20, false, false, {}}},
    {"found then cycle done keeps the found text", {found("2.0"), cycleDone}, {found20, none, v20, true, false, {}}},
    {"quiet found then cycle done keeps the found text", {foundQuietly("2.0"), cycleDone},
        {foundQuietly20, none, v20, false, false, {}}},
    {"found then no update", {found("2.0"), cycleNoUpdate}, {upToDate, none, none, false, false, {}}},
    {"found then cycle failed", {found("2.0"), cycleFailed}, {checkFailed, none, v20, true, false, {}}},
    {"found then download failed keeps the available version", {found("2.0"), downloadFailed},
        {failedDownload, none, v20, false, false, {}}},
    {"download failed then cycle failed keeps the failure text", {found("2.0"), downloadFailed, cycleFailed},
        {failedDownload, none, v20, false, false, {}}},
    {"download failed then cycle done", {downloadFailed, cycleDone}, {checkDone, none, none, false, false, {}}},
    {"download failed then no update", {found("2.0"), downloadFailed, cycleNoUpdate},
        {upToDate, none, none, false, false, {}}},
    {"download failed then found again", {downloadFailed, found("2.0")}, {found20, none, v20, true, false, {}}},
    {"idle then cycle done", {cycleDone}, {checkDone, none, none, false, false, {}}},
    {"idle then no update", {cycleNoUpdate}, {upToDate, none, none, false, false, {}}},
    {"idle then cycle failed", {cycleFailed}, {checkFailed, none, none, false, false, {}}},
    {"check done then cycle failed", {cycleDone, cycleFailed}, {checkFailed, none, none, false, false, {}}},
    {"check failed then cycle done", {cycleFailed, cycleDone}, {checkDone, none, none, false, false, {}}},
    {"up to date then cycle done", {cycleNoUpdate, cycleDone}, {checkDone, none, none, false, false, {}}},
    {"ready", {found("2.0"), ready("2.0")}, {ready20, v20, v20, false, true, {}}},
    {"ready ignores every cycle end", {ready("2.0"), cycleDone, cycleNoUpdate, cycleFailed},
        {ready20, v20, v20, false, true, {}}},
    {"ready then found keeps the ready version", {ready("2.0"), found("3.0"), cycleNoUpdate},
        {found30, v20, v30, true, true, {}}},
    {"ready then download failed keeps the ready version", {ready("2.0"), downloadFailed, cycleDone},
        {failedDownload, v20, v20, false, true, {}}},
    {"a second ready event replaces version and action", {ready("2.0"), ready("2.1"), install},
        {installing, v21, v21, false, false, {"2.1"}}},
    {"install runs the action once", {ready("2.0"), install, install}, {installing, v20, v20, false, false, {"2.0"}}},
    {"installing ignores every cycle end", {ready("2.0"), install, cycleDone, cycleNoUpdate, cycleFailed},
        {installing, v20, v20, false, false, {"2.0"}}},
    {"install without a ready update does nothing", {found("2.0"), install}, {found20, none, v20, true, false, {}}},
    {"a ready event after installing arms a new action", {ready("2.0"), install, ready("2.1"), install},
        {installing, v21, v21, false, false, {"2.0", "2.1"}}},
};

class UpdateEvents : public UpdatesTest {
protected:
    void apply(const Event& event)
    {
        switch (event.kind) {
        case Event::Kind::found:
        case Event::Kind::foundQuietly:
            updater.automaticDownloads.set(event.kind == Event::Kind::found);
            updater.findUpdate(event.version);
            break;
        case Event::Kind::downloadFailed:
            updater.failDownload("2.0");
            break;
        case Event::Kind::ready:
            EXPECT_TRUE(
                updater.stageUpdate(event.version, [this, version = event.version] { installed.push_back(version); }));
            break;
        case Event::Kind::install:
            model->installReadyUpdate();
            break;
        case Event::Kind::cycleDone:
            updater.finishCycle(std::nullopt);
            break;
        case Event::Kind::cycleNoUpdate:
            updater.finishCycle(noUpdate, platform::updater::UpdateCheck::updates);
            break;
        case Event::Kind::cycleFailed:
            updater.finishCycle(feedUnreadable);
            break;
        }
        drain();
    }

    std::vector<std::string> installed;
};

TEST_F(UpdateEvents, EventSequencesEndInTheExpectedState)
{
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        model = makeModel();
        installed.clear();
        startSettled(true, true);

        for (const Event& event : row.events) {
            apply(event);
        }

        EXPECT_EQ(model->status.get(), row.expected.status);
        EXPECT_EQ(model->readyVersion.get(), row.expected.readyVersion);
        EXPECT_EQ(model->availableVersion.get(), row.expected.availableVersion);
        EXPECT_EQ(model->downloading.get(), row.expected.downloading);
        EXPECT_EQ(model->hasPendingInstall(), row.expected.pendingInstall);
        EXPECT_EQ(installed, row.expected.installed);
    }
}

// Only 1001 means "no update"; its neighbours are ordinary failures.
TEST_F(UpdateEvents, OnlyCode1001MeansUpToDate)
{
    startSettled(true, true);
    for (const std::int64_t code : {noUpdate - 1, noUpdate + 1}) {
        updater.finishCycle(code);
        drain();
        EXPECT_EQ(model->status.get(), checkFailed) << code;
    }
}

} // namespace
} // namespace horalet::testing
