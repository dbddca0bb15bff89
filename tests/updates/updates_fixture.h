#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/fake_application.h"
#include "support/fake_platform.h"
#include "support/fake_updater.h"
#include "updates/app_updates.h"

namespace horalet::testing {

// A model of its own over a fake updater and a fake application, on the
// fake platform with its hand-drained main queue.
class UpdatesTest : public ::testing::Test {
protected:
    std::unique_ptr<AppUpdates> makeModel()
    {
        return std::make_unique<AppUpdates>(AppUpdates::Parts{factory, fakes.store, fakes.mainQueue, application});
    }

    // Starts the model with the switch-on already done and the updater's
    // settings as given, then lets the first observations arrive.
    void startSettled(bool automaticChecks, bool automaticDownloads);
    void drain() { fakes.mainQueue.drain(); }
    // Counts the model's will-change notifications from now on.
    void countWillChanges();

    FakePlatform fakes;
    FakeUpdaterControllerFactory factory;
    FakeUpdater& updater = factory.updater;
    FakeApplication application;
    std::unique_ptr<AppUpdates> model = makeModel();
    int willChanges = 0;

private:
    platform::Connection counting_;
};

} // namespace horalet::testing
