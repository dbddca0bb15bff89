#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "clock/settings_keys.h"
#include "updates_fixture.h"

namespace horalet::testing {
namespace {

using Setting = SettingWrite::Setting;

const std::string idle = "自动检查新版本";

TEST_F(UpdatesTest, ANewModelHasItsInitialValuesAndNoController)
{
    EXPECT_FALSE(model->canCheck);
    EXPECT_TRUE(model->automatic);
    EXPECT_TRUE(model->autoDownload);
    EXPECT_EQ(model->status.get(), idle);
    EXPECT_EQ(model->readyVersion.get(), std::nullopt);
    EXPECT_EQ(model->availableVersion.get(), std::nullopt);
    EXPECT_FALSE(model->downloading);
    EXPECT_FALSE(model->hasPendingInstall());
    EXPECT_TRUE(factory.calls().empty());
}

struct StartCase {
    const char* name;
    std::optional<bool> flag;
    bool checks;
    bool downloads;
    std::vector<SettingWrite> writes;
    int backgroundChecks;
    bool automaticAfter;
    bool autoDownloadAfter;
};

const std::vector<SettingWrite> switchOn = {{Setting::automaticChecks, true}, {Setting::automaticDownloads, true}};

const std::vector<StartCase> startCases = {
    {"flag absent, both settings off", std::nullopt, false, false, switchOn, 1, true, true},
    {"flag absent, both settings on", std::nullopt, true, true, switchOn, 1, true, true},
    {"flag absent, downloads only", std::nullopt, false, true, switchOn, 1, true, true},
    {"flag stored false", false, false, false, switchOn, 1, true, true},
    {"flag true, automatic checks off", true, false, true, {}, 0, false, true},
    {"flag true, automatic checks on", true, true, false, {}, 1, true, false},
};

class StartTest : public UpdatesTest, public ::testing::WithParamInterface<StartCase> { };

TEST_P(StartTest, SwitchesOnOnceThenLeavesTheUsersChoice)
{
    const StartCase& row = GetParam();
    SCOPED_TRACE(row.name);
    if (row.flag) {
        fakes.store.setBool(updateKeys::autoByDefault, *row.flag);
    }
    updater.automaticChecks.set(row.checks);
    updater.automaticDownloads.set(row.downloads);

    model->start();

    ASSERT_EQ(factory.calls().size(), 1U);
    EXPECT_FALSE(factory.calls()[0].startingUpdater);
    EXPECT_EQ(factory.calls()[0].delegate, model.get());
    EXPECT_EQ(updater.starts(), 1);
    EXPECT_TRUE(fakes.store.boolForKey(updateKeys::autoByDefault));
    EXPECT_EQ(updater.writes(), row.writes);
    EXPECT_EQ(updater.backgroundChecks(), row.backgroundChecks);
    EXPECT_FALSE(model->canCheck) << "mirrors change only on the main queue";

    drain();
    EXPECT_TRUE(model->canCheck);
    EXPECT_EQ(model->automatic.get(), row.automaticAfter);
    EXPECT_EQ(model->autoDownload.get(), row.autoDownloadAfter);
}

INSTANTIATE_TEST_SUITE_P(Flags, StartTest, ::testing::ValuesIn(startCases));

TEST_F(UpdatesTest, ASecondStartDoesNothing)
{
    model->start();
    drain();
    model->start();

    EXPECT_EQ(factory.calls().size(), 1U);
    EXPECT_EQ(updater.starts(), 1);
    EXPECT_EQ(updater.backgroundChecks(), 1);
    EXPECT_EQ(updater.writes(), switchOn);
    EXPECT_EQ(fakes.mainQueue.pending(), 0U);
    updater.automaticDownloads.set(false);
    EXPECT_EQ(fakes.mainQueue.pending(), 1U) << "one observation per setting";
}

TEST_F(UpdatesTest, AFailedStartReportsItAndIsNotRetried)
{
    updater.startFailure = platform::updater::UpdaterError{platform::updater::errorCodes::badFeedUrl, "no feed"};
    countWillChanges();

    model->start();

    EXPECT_EQ(model->status.get(), "更新组件启动失败");
    EXPECT_EQ(willChanges, 1);
    EXPECT_EQ(fakes.store.objectForKey(updateKeys::autoByDefault), std::nullopt);
    EXPECT_TRUE(updater.writes().empty());
    EXPECT_EQ(updater.backgroundChecks(), 0);

    model->start();
    EXPECT_EQ(updater.starts(), 1);

    drain();
    updater.automaticChecks.set(true);
    drain();
    EXPECT_TRUE(model->automatic) << "the observations stay registered";
    EXPECT_FALSE(model->canCheck);
}

TEST_F(UpdatesTest, ASettingCommandBeforeStartMakesTheControllerThatStartUsesLater)
{
    model->setAutomatic(false);
    EXPECT_EQ(factory.calls().size(), 1U);
    EXPECT_EQ(updater.starts(), 0);

    model->start();
    EXPECT_EQ(factory.calls().size(), 1U);
    EXPECT_EQ(updater.starts(), 1);
}

struct CommandCase {
    const char* name;
    bool checks;
    bool downloads;
    void (AppUpdates::*command)(bool);
    bool argument;
    std::vector<SettingWrite> writes;
    bool checksAfter;
    bool downloadsAfter;
};

const std::vector<CommandCase> commandCases = {
    {"auto download on with checks off", false, false, &AppUpdates::setAutoDownload, true,
        {{Setting::automaticChecks, true}, {Setting::automaticDownloads, true}}, true, true},
    {"auto download off keeps checks on", true, true, &AppUpdates::setAutoDownload, false,
        {{Setting::automaticDownloads, false}}, true, false},
    {"auto download off keeps checks off", false, true, &AppUpdates::setAutoDownload, false,
        {{Setting::automaticDownloads, false}}, false, false},
    {"automatic off keeps downloads on", true, true, &AppUpdates::setAutomatic, false,
        {{Setting::automaticChecks, false}}, false, true},
    {"automatic on keeps downloads off", false, false, &AppUpdates::setAutomatic, true,
        {{Setting::automaticChecks, true}}, true, false},
};

TEST_F(UpdatesTest, SettingCommandsWriteTheUpdaterAndTheMirrorsFollow)
{
    for (const CommandCase& row : commandCases) {
        SCOPED_TRACE(row.name);
        model = makeModel();
        startSettled(row.checks, row.downloads);
        const auto writesBefore = static_cast<std::ptrdiff_t>(updater.writes().size());

        (*model.*row.command)(row.argument);

        const std::vector<SettingWrite> writes(updater.writes().begin() + writesBefore, updater.writes().end());
        EXPECT_EQ(writes, row.writes);
        EXPECT_EQ(updater.automaticallyChecksForUpdates(), row.checksAfter);
        EXPECT_EQ(updater.automaticallyDownloadsUpdates(), row.downloadsAfter);
        EXPECT_EQ(model->automatic.get(), row.checks) << "the mirrors wait for the main queue";
        EXPECT_EQ(model->autoDownload.get(), row.downloads);

        drain();
        EXPECT_EQ(model->automatic.get(), row.checksAfter);
        EXPECT_EQ(model->autoDownload.get(), row.downloadsAfter);
    }
}

TEST_F(UpdatesTest, MirrorsReadTheUpdaterWhenTheirBlockRuns)
{
    startSettled(true, true);
    updater.automaticDownloads.set(false);
    EXPECT_TRUE(model->autoDownload) << "one main-queue turn behind";
    updater.automaticDownloads.set(true);
    std::vector<bool> seen;
    const auto recording = model->objectWillChange.connect([&] { seen.push_back(model->autoDownload); });

    EXPECT_EQ(fakes.mainQueue.runPending(), 2U);

    EXPECT_EQ(seen, (std::vector<bool>{true, true})) << "the first block reads the current value, not the old one";
    EXPECT_TRUE(model->autoDownload);
}

TEST_F(UpdatesTest, CheckBeforeStartDoesNothing)
{
    updater.canCheck.set(true);

    model->check();

    EXPECT_EQ(application.activations(), 0);
    EXPECT_EQ(updater.userChecks(), 0);
    EXPECT_TRUE(factory.calls().empty());
}

TEST_F(UpdatesTest, CheckAsksTheUpdaterNotTheMirror)
{
    startSettled(true, true);
    ASSERT_TRUE(model->canCheck);
    updater.canCheck.set(false);

    model->check();
    EXPECT_EQ(application.activations(), 0);
    EXPECT_EQ(updater.userChecks(), 0);

    updater.canCheck.set(true);
    model->check();
    EXPECT_EQ(application.activations(), 1);
    EXPECT_EQ(updater.userChecks(), 1);
    EXPECT_EQ(model->status.get(), idle) << "only the updater's answer changes the status";
}

TEST_F(UpdatesTest, DelegateOperationsOnlyQueueOneBlockEach)
{
    startSettled(true, true);
    countWillChanges();
    int installs = 0;

    updater.findUpdate("2.0");
    updater.failDownload("2.0");
    EXPECT_TRUE(updater.stageUpdate("2.0", [&] { ++installs; })) << "answered before its block runs";
    updater.finishCycle(std::nullopt);

    EXPECT_EQ(fakes.mainQueue.pending(), 4U);
    EXPECT_EQ(willChanges, 0);
    EXPECT_EQ(model->status.get(), idle);
    EXPECT_FALSE(model->hasPendingInstall());
    EXPECT_EQ(installs, 0);
}

TEST_F(UpdatesTest, EventsFromAnotherThreadApplyInArrivalOrderOnTheMainQueue)
{
    startSettled(true, true);
    std::thread framework([this] {
        updater.findUpdate("2.0");
        updater.stageUpdate("2.1", [] {});
        updater.automaticChecks.set(false);
        updater.findUpdate("3.0");
        updater.finishCycle(platform::updater::errorCodes::noUpdate);
    });
    framework.join();
    EXPECT_EQ(model->status.get(), idle);
    EXPECT_TRUE(model->automatic);

    drain();

    EXPECT_EQ(model->status.get(), "发现新版本 3.0，正在后台下载…");
    EXPECT_EQ(model->readyVersion.get(), "2.1");
    EXPECT_EQ(model->availableVersion.get(), "3.0");
    EXPECT_TRUE(model->hasPendingInstall());
    EXPECT_FALSE(model->automatic);
}

TEST_F(UpdatesTest, BlocksDoNothingOnceTheModelIsGone)
{
    startSettled(true, true);
    int installs = 0;
    updater.findUpdate("2.0");
    updater.stageUpdate("2.0", [&] { ++installs; });
    updater.finishCycle(std::nullopt);
    updater.automaticChecks.set(false);
    model.reset();

    EXPECT_EQ(fakes.mainQueue.drain(), 4U);
    EXPECT_EQ(installs, 0);
    updater.automaticDownloads.set(false);
    updater.findUpdate("3.0");
    EXPECT_EQ(fakes.mainQueue.pending(), 0U) << "observations and delegate end with the model";
}

struct WillChangeCase {
    const char* name;
    std::function<void(FakeUpdater&)> before;
    std::function<void(FakeUpdater&, AppUpdates&)> event;
    int notifications;
};

const std::vector<WillChangeCase> willChangeCases = {
    {"update found", nullptr, [](FakeUpdater& u, AppUpdates&) { u.findUpdate("2.0"); }, 3},
    {"download failed", nullptr, [](FakeUpdater& u, AppUpdates&) { u.failDownload("2.0"); }, 2},
    {"update ready", nullptr, [](FakeUpdater& u, AppUpdates&) { u.stageUpdate("2.0", [] {}); }, 4},
    {"cycle done", nullptr, [](FakeUpdater& u, AppUpdates&) { u.finishCycle(std::nullopt); }, 1},
    {"cycle done again, same text", [](FakeUpdater& u) { u.finishCycle(std::nullopt); },
        [](FakeUpdater& u, AppUpdates&) { u.finishCycle(std::nullopt); }, 1},
    {"no update", nullptr, [](FakeUpdater& u, AppUpdates&) { u.finishCycle(1001); }, 3},
    {"cycle failed", nullptr, [](FakeUpdater& u, AppUpdates&) { u.finishCycle(1000); }, 1},
    {"cycle done keeps a found text", [](FakeUpdater& u) { u.findUpdate("2.0"); },
        [](FakeUpdater& u, AppUpdates&) { u.finishCycle(std::nullopt); }, 0},
    {"cycle ends while ready", [](FakeUpdater& u) { u.stageUpdate("2.0", [] {}); },
        [](FakeUpdater& u, AppUpdates&) { u.finishCycle(1001); }, 0},
    {"install", [](FakeUpdater& u) { u.stageUpdate("2.0", [] {}); },
        [](FakeUpdater&, AppUpdates& m) { m.installReadyUpdate(); }, 1},
    {"mirror set to an equal value", nullptr, [](FakeUpdater& u, AppUpdates&) { u.automaticChecks.set(true); }, 1},
};

TEST_F(UpdatesTest, EveryAssignmentIsAnnouncedEqualValuesIncluded)
{
    for (const WillChangeCase& row : willChangeCases) {
        SCOPED_TRACE(row.name);
        model = makeModel();
        startSettled(true, true);
        if (row.before) {
            row.before(updater);
            drain();
        }
        willChanges = 0;
        countWillChanges();

        row.event(updater, *model);
        drain();

        EXPECT_EQ(willChanges, row.notifications);
    }
}

TEST_F(UpdatesTest, ObserversHearOfAChangeBeforeItIsStored)
{
    startSettled(true, true);
    std::vector<std::string> statusSeen;
    const auto recording = model->objectWillChange.connect([&] { statusSeen.push_back(model->status); });

    updater.failDownload("2.0");
    drain();

    EXPECT_EQ(statusSeen, (std::vector<std::string>{idle, idle}));
    EXPECT_EQ(model->status.get(), "新版本下载失败，联网后会自动重试");
}

} // namespace
} // namespace horalet::testing
