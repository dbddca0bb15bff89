#pragma once

#include <memory>

#include "platform/updater/engine/update_network.h"

namespace horalet::platform::updater::engine {

// Qt Network for the transfers and OpenSSL for the signatures.
std::unique_ptr<UpdateNetwork> makeQtUpdateNetwork();

} // namespace horalet::platform::updater::engine
