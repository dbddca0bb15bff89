#include "updates_fixture.h"

#include "clock/settings_keys.h"

namespace horalet::testing {

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
    counting_ = model->objectWillChange.connect([this] { ++willChanges; });
}

} // namespace horalet::testing
