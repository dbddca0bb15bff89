#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <filesystem>

#include "engine_test_support.h"
#include "platform/linux/atomic_file.h"
#include "platform/updater/engine/engine_factory.h"
#include "support/fake_application.h"
#include "support/result_assertions.h"
#include "test_signing.h"
#include "updates/app_updates.h"

namespace horalet::platform::updater::engine {
namespace {

// The update model over the real engine: from a clean start against a
// local feed to the installed update.
class ModelWithEngine : public ::testing::Test, public testing::EngineFixture {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    std::unique_ptr<AppUpdates> makeModel()
    {
        return std::make_unique<AppUpdates>(
            AppUpdates::Parts{*factory, platform.store, platform.mainQueue, application});
    }

    // Lets the engine work and the model's main-queue blocks run until
    // `done` holds.
    bool runUntil(const std::function<bool()>& done)
    {
        return QTest::qWaitFor(
            [&] {
                platform.mainQueue.drain();
                return done();
            },
            10000);
    }

    std::unique_ptr<UpdaterControllerFactory> factory = makeEngineFactory(config(), platform.store, platform.clock);
    testing::FakeApplication application;
    std::string package = testing::makePackage("2.0");
};

TEST_F(ModelWithEngine, WalksFromFoundToReadyToInstalling)
{
    server.serve("/horalet-2.0", {200, QByteArray::fromStdString(package), {}, std::nullopt});
    publish({{.version = "2.0", .displayVersion = "2.0", .signedBytes = package}});
    const auto model = makeModel();
    std::vector<std::string> statuses;
    // Each will-change notification comes before an assignment: it sees the
    // status every earlier step left.
    const auto subscription = model->objectWillChange.connect([&] { statuses.push_back(model->status.get()); });

    model->start();
    ASSERT_TRUE(runUntil([&] { return model->readyVersion.get().has_value(); }));

    EXPECT_TRUE(model->automatic.get());
    EXPECT_TRUE(model->autoDownload.get());
    EXPECT_EQ(model->status.get(), "新版本 2.0 已下载并验签，点击「重启并安装」或下次退出时自动更新");
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "发现新版本 2.0，正在后台下载…"), statuses.end());

    model->installReadyUpdate();
    EXPECT_EQ(model->status.get(), "正在安装新版本…");
    EXPECT_EQ(programContents(), package);
    EXPECT_EQ(relaunched, std::vector<std::string>{program});
    EXPECT_EQ(quits, 1);
}

struct InstallFailure {
    const char* what;
    std::function<void(ModelWithEngine&)> obstruct;
    bool installableAgain;
    const char* reported;
};

// "正在安装新版本…" never stays: a failed immediate installation shows a
// failure text, and the update either stays installable (the program
// folder refused the file) or is dropped (the staged file was changed).
TEST_F(ModelWithEngine, AFailedInstallationLeavesInstallingForAFailureText)
{
    const std::string backup = program + ".old";
    const InstallFailure cases[] = {
        {"the old program cannot be kept",
            [&](ModelWithEngine&) { ASSERT_TRUE(testing::succeeded(os::makeFolders(backup + "/in-the-way", 0755))); },
            true, "可以稍后再试"},
        {"the staged file was changed",
            [](ModelWithEngine& test) {
                ASSERT_TRUE(testing::succeeded(os::writeFileAtomically(
                    test.cacheFolder + "/staged-update", testing::makePackage("2.0", "evil"), 0600)));
            },
            false, "已丢弃"},
    };
    server.serve("/horalet-2.0", {200, QByteArray::fromStdString(package)});
    publish({{.version = "2.0", .displayVersion = "2.0", .signedBytes = package}});
    for (const auto& [what, obstruct, installableAgain, reported] : cases) {
        std::filesystem::remove_all(backup);
        reports.clear();
        dialogLog.clear();
        const auto model = makeModel();
        model->start();
        ASSERT_TRUE(runUntil([&] { return model->readyVersion.get().has_value(); })) << what;
        obstruct(*this);

        model->installReadyUpdate();
        ASSERT_TRUE(runUntil([&] { return model->status.get() != "正在安装新版本…"; })) << what;

        EXPECT_EQ(model->status.get(), "新版本下载失败，联网后会自动重试") << what;
        EXPECT_EQ(model->hasPendingInstall(), installableAgain) << what;
        EXPECT_EQ(programContents(), oldProgram) << what;
        EXPECT_EQ(quits, 0) << what;
        ASSERT_EQ(reports.size(), 1u) << what;
        EXPECT_NE(reports[0].find(reported), std::string::npos) << reports[0];
        EXPECT_EQ(dialogLog, std::vector<std::string>{"failure 4000"}) << what;
    }

    std::filesystem::remove_all(backup);
    const auto model = makeModel();
    model->start();
    ASSERT_TRUE(runUntil([&] { return model->hasPendingInstall(); }));
    model->installReadyUpdate();
    EXPECT_EQ(programContents(), package) << "installable once the way is clear";
}

TEST_F(ModelWithEngine, AnUpToDateCheckSaysSo)
{
    publish({});
    const auto model = makeModel();
    model->start();
    ASSERT_TRUE(runUntil([&] { return model->status.get() == "当前已是最新版本"; }));
    EXPECT_TRUE(model->canCheck.get());
}

TEST_F(ModelWithEngine, AProgramThatCannotBeReplacedOffersNoUpdate)
{
    EngineConfig config = this->config();
    config.programPath = "/proc/version";
    factory = makeEngineFactory(config, platform.store, platform.clock);
    publish({{.signedBytes = package}});
    const auto model = makeModel();

    model->start();
    platform.mainQueue.drain();

    EXPECT_EQ(model->status.get(), "更新组件启动失败");
    EXPECT_FALSE(model->canCheck.get());
    EXPECT_TRUE(server.requests().empty());
}

} // namespace
} // namespace horalet::platform::updater::engine
