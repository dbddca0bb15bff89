#include "updates_fixture.h"

#include "clock/settings_keys.h"

namespace horalet::testing {

UpdatesTest::UpdatesTest()
{
    platform::Services services = platform::services();
    services.updaterFactory = &factory;
    services.bundle = &bundle;
    services.shell.application = &application;
    previous_ = platform::install(services);
}

UpdatesTest::~UpdatesTest()
{
    platform::install(previous_);
}

void UpdatesTest::startSettled(bool automaticChecks, bool automaticDownloads)
{
    fakes.store.setBool(updateKeys::autoByDefault, true);
    updater.automaticChecks.set(automaticChecks);
    updater.automaticDownloads.set(automaticDownloads);
    model->start();
    drain();
}

void UpdatesTest::countWillChanges()
{
    counting_ = model->onWillChange([this] { ++willChanges; });
}

} // namespace horalet::testing
