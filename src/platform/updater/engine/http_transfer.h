#pragma once

#include <QByteArrayView>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QUrl>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

class QNetworkReply;

namespace horalet::platform::updater::engine {

struct TransferRules {
    std::chrono::milliseconds timeout = std::chrono::seconds(60);
    int maximumRedirects = 5;
    std::string userAgent;
};

// One GET of the updater. The body arrives byte for byte as the server
// sent it (no content decoding, so signatures hold), redirects are followed
// a bounded number of times and never from https to http, and a transfer
// that stalls longer than the timeout fails. The sink receives the body in
// pieces and returns false to stop the transfer (too many bytes, a full
// disk). `done` runs once, with none on success or the reason of the
// failure; it may destroy the transfer. Destroying it earlier cancels it
// without calling `done`.
class HttpTransfer {
public:
    using Sink = std::function<bool(QByteArrayView piece, std::string& error)>;
    using Done = std::function<void(const std::optional<std::string>& error)>;

    HttpTransfer(QNetworkAccessManager& network, const QUrl& url, const TransferRules& rules, Sink sink, Done done);
    HttpTransfer(const HttpTransfer&) = delete;
    HttpTransfer& operator=(const HttpTransfer&) = delete;
    ~HttpTransfer();

private:
    void receive();
    void finished();
    void finish(const std::optional<std::string>& error);

    QPointer<QNetworkReply> reply_;
    Sink sink_;
    Done done_;
};

} // namespace horalet::platform::updater::engine
