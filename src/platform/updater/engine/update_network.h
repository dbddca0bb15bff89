#pragma once

#include <QByteArrayView>
#include <QUrl>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace horalet::platform::updater::engine {

struct TransferRules {
    std::chrono::milliseconds timeout = std::chrono::seconds(60);
    int maximumRedirects = 5;
    std::string userAgent;
};

// A transfer under way; destroying it cancels it.
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
    using Done = std::function<void(const std::optional<std::string>& error)>;

    virtual ~UpdateNetwork() = default;

    // One GET: the body arrives byte for byte as the server sent it (no
    // content decoding, so signatures hold), redirects are followed a
    // bounded number of times and never from https to http, and a transfer
    // that stalls longer than the timeout fails. The sink receives the body
    // in pieces and returns false to stop the transfer (too many bytes, a
    // full disk). `done` runs once, with none on success or the reason of
    // the failure; it may destroy the transfer.
    virtual std::unique_ptr<Transfer> get(const QUrl& url, const TransferRules& rules, Sink sink, Done done) = 0;

    // Whether `signature` (raw 64 bytes) signs exactly `message` under
    // `publicKey` (raw 32 bytes). Any malformed input is simply not valid.
    virtual bool verifyEd25519(std::string_view publicKey, std::string_view signature, std::string_view message) = 0;
};

// Qt Network for the transfers and OpenSSL for the signatures.
std::unique_ptr<UpdateNetwork> makeQtUpdateNetwork();

} // namespace horalet::platform::updater::engine
