#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/updater/updater.h"

namespace horalet::platform::updater::engine {

// Checks an Ed25519 signature: whether `signature` (raw 64 bytes) signs
// exactly `message` under `publicKey` (raw 32 bytes). A plain function, so
// that it can run on any thread.
using Ed25519Verifier = bool (*)(std::string_view publicKey, std::string_view signature, std::string_view message);

// What the signed feed promises about a package.
struct PackagePromise {
    std::string publicKey; // raw 32 bytes
    std::string signature; // raw 64 bytes
    std::int64_t length = 0;
    std::string version;
};

// Why the package bytes are refused, or none when they are exactly what the
// feed promised: first the signature over the exact bytes, and only then
// the version the bytes carry inside.
std::optional<UpdaterError> whyPackageRefused(
    std::string_view bytes, const PackagePromise& promise, Ed25519Verifier verify);

// The same for a file, read through a memory mapping.
std::optional<UpdaterError> whyPackageFileRefused(
    const std::string& path, const PackagePromise& promise, Ed25519Verifier verify);

// Why the file at `path` is not this program, or none when it carries the
// version marker of `currentVersion`. An update replaces only a file that
// is this very program.
std::optional<UpdaterError> whyNotThisProgram(const std::string& path, const std::string& currentVersion);

} // namespace horalet::platform::updater::engine
