#pragma once

#include <memory>

#include "platform/foundation/clock.h"
#include "platform/foundation/preferences_store.h"
#include "platform/updater/engine/engine_config.h"
#include "platform/updater/updater.h"

namespace horalet::platform::updater::engine {

class EngineUpdater;

// The standard controller over the engine: its one updater, and checks the
// user asks for shown with the engine's dialogs.
class EngineController final : public UpdaterController {
public:
    EngineController(EngineConfig config, UpdaterDelegate* delegate, PreferencesStore& store, const Clock& clock);
    ~EngineController() override;

    Updater& updater() override;
    void checkForUpdates() override;

    EngineUpdater& engine() { return *engine_; }

private:
    std::shared_ptr<EngineUpdater> engine_;
};

// Makes engine controllers with `config`, keeping their settings in `store`
// and telling time by `clock`, which outlive them. The controllers need a
// Qt application (QCoreApplication or QApplication) on the main thread.
std::unique_ptr<UpdaterControllerFactory> makeEngineFactory(
    EngineConfig config, PreferencesStore& store, const Clock& clock);

} // namespace horalet::platform::updater::engine
