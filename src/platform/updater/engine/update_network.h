#pragma once

#include <QByteArrayView>
#include <QUrl>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/updater/core/package_check.h"

namespace horalet::platform::updater::engine {

struct TransferRules {
    // The transfer fails when no byte arrives for this long.
    std::chrono::milliseconds inactivityTimeout = std::chrono::seconds(60);
    // ... and when it has not ended after this long, however it trickles.
    std::chrono::milliseconds deadline = std::chrono::seconds(60);
    // The transfer stops the moment the body (or the length the server
    // announces) would grow past this.
    std::int64_t largestBody = 0;
    int maximumRedirects = 5;
    std::string userAgent;
};

struct TransferFailure {
    std::string detail; // the network layer's words, for the technical detail
    int httpStatus = 0; // the server's answer, when it gave one
};

// A transfer under way; destroying it cancels it and closes its connection.
class Transfer {
public:
    virtual ~Transfer() = default;
};

// What the updater needs of the network and of cryptography. The engine
// makes it when its first check begins, so a clock that never checks
// never loads the network stack.
class UpdateNetwork {
public:
    using Sink = std::function<bool(QByteArrayView piece, std::string& error)>;
    using Done = std::function<void(const std::optional<TransferFailure>& failure)>;

    virtual ~UpdateNetwork() = default;

    // One GET: the body arrives byte for byte as the server sent it (no
    // content decoding, so signatures hold). Only https locations are
    // fetched, and plain http on the loopback addresses; a redirect goes
    // only where a first request could, never from https to http, and a
    // bounded number of times. The sink receives the body in pieces and
    // returns false to stop the transfer (a full disk). `done` runs once,
    // with none on success or the failure; it may destroy the transfer.
    virtual std::unique_ptr<Transfer> get(const QUrl& url, const TransferRules& rules, Sink sink, Done done) = 0;

    // The signature check, safe to call from any thread.
    virtual Ed25519Verifier ed25519Verifier() const = 0;
};

} // namespace horalet::platform::updater::engine
