#include "platform/updater/engine/engine_factory.h"

#include "platform/updater/engine/engine_updater.h"

namespace horalet::platform::updater::engine {

namespace {

class EngineControllerFactory final : public UpdaterControllerFactory {
public:
    EngineControllerFactory(EngineConfig config, PreferencesStore& store, const Clock& clock)
        : config_(std::move(config))
        , store_(store)
        , clock_(clock)
    {
    }

    std::unique_ptr<UpdaterController> makeController(bool startingUpdater, UpdaterDelegate* delegate) override
    {
        auto controller = std::make_unique<EngineController>(config_, delegate, store_, clock_);
        if (startingUpdater) {
            // A failure to start shows in canCheckForUpdates staying false.
            (void)controller->updater().startUpdater();
        }
        return controller;
    }

private:
    EngineConfig config_;
    PreferencesStore& store_;
    const Clock& clock_;
};

} // namespace

EngineController::EngineController(
    EngineConfig config, UpdaterDelegate* delegate, PreferencesStore& store, const Clock& clock)
    : engine_(std::make_shared<EngineUpdater>(std::move(config), delegate, store, clock))
{
}

EngineController::~EngineController() = default;

Updater& EngineController::updater()
{
    return *engine_;
}

void EngineController::checkForUpdates()
{
    engine_->checkForUpdatesWithDialogs();
}

std::unique_ptr<UpdaterControllerFactory> makeEngineFactory(
    EngineConfig config, PreferencesStore& store, const Clock& clock)
{
    return std::make_unique<EngineControllerFactory>(std::move(config), store, clock);
}

} // namespace horalet::platform::updater::engine
