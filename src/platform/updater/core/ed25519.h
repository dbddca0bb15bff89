#pragma once

#include <cstddef>
#include <string_view>

namespace horalet::platform::updater::engine {

inline constexpr std::size_t kEd25519PublicKeySize = 32;
inline constexpr std::size_t kEd25519SignatureSize = 64;

// Whether `signature` (raw 64 bytes) signs exactly `message` under
// `publicKey` (raw 32 bytes). Any malformed input is simply not valid.
bool verifyEd25519(std::string_view publicKey, std::string_view signature, std::string_view message);

} // namespace horalet::platform::updater::engine
