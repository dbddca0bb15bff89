#include "platform/updater/engine/engine_factory.h"

#include "platform/updater/engine/engine_updater.h"

namespace horalet::platform::updater::engine {

namespace {

class EngineControllerFactory final : public UpdaterControllerFactory {
public:
    explicit EngineControllerFactory(EngineConfig config)
        : config_(std::move(config))
    {
    }

    std::unique_ptr<UpdaterController> makeController(bool startingUpdater, UpdaterDelegate* delegate) override
    {
        auto controller = std::make_unique<EngineController>(config_, delegate);
        if (startingUpdater) {
            // A failure to start shows in canCheckForUpdates staying false.
            (void)controller->updater().startUpdater();
        }
        return controller;
    }

private:
    EngineConfig config_;
};

} // namespace

EngineController::EngineController(EngineConfig config, UpdaterDelegate* delegate)
    : engine_(std::make_shared<EngineUpdater>(std::move(config), delegate))
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

std::unique_ptr<UpdaterControllerFactory> makeEngineFactory(EngineConfig config)
{
    return std::make_unique<EngineControllerFactory>(std::move(config));
}

} // namespace horalet::platform::updater::engine
