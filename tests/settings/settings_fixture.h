#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "platform/foundation/notification_center.h"
#include "platform/ui/node.h"
#include "settings/form_reading.h"
#include "settings/settings_view.h"
#include "support/fake_platform.h"
#include "updates/app_updates.h"

namespace horalet::testing {

// A settings form over fake platform services and an update model of its
// own, counting the store's change notifications.
class SettingsFormTest : public ::testing::Test {
protected:
    SettingsFormTest()
    {
        platform.defaultCenter.addObserver(platform::notifications::preferencesDidChange, [this] { ++writes; });
    }

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
    std::shared_ptr<AppUpdates> model = AppUpdates::make();
    SettingsView view{model};
    int writes = 0;
};

} // namespace horalet::testing
