#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "platform/ui/node.h"
#include "settings/form_reading.h"
#include "settings/settings_view.h"
#include "support/fake_application.h"
#include "support/fake_platform.h"
#include "support/fake_updater.h"
#include "updates/app_updates.h"

namespace horalet::testing {

// A settings form over fake platform services and an update model of its
// own on a scripted updater, counting the store's change notifications.
class SettingsFormTest : public ::testing::Test {
protected:
    // The control known by `label` in `root`; fails the test when absent.
    static const platform::ui::Node& control(const platform::ui::Node& root, std::string_view label)
    {
        const platform::ui::Node* found = findLabelled(root, label);
        if (found == nullptr) {
            ADD_FAILURE() << "no row labelled " << label;
            static const platform::ui::Node nothing(platform::ui::Spacer{});
            return nothing;
        }
        return *found;
    }

    static bool isOn(const platform::ui::Node& node)
    {
        const auto* toggle = node.as<platform::ui::Toggle>();
        return toggle != nullptr && toggle->isOn.get();
    }

    FakePlatform platform;
    FakeUpdaterControllerFactory factory;
    FakeApplication application;
    std::unique_ptr<AppUpdates> model
        = std::make_unique<AppUpdates>(AppUpdates::Parts{factory, platform.store, platform.mainQueue, application});
    SettingsView view{{platform.store, platform.environment, platform.clock, *model}};
    int writes = 0;
    platform::Connection countingWrites = platform.store.didChange.connect([this] { ++writes; });
};

} // namespace horalet::testing
