#pragma once

#include <QMetaObject>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QTimer>
#include <vector>

#include "platform/updater/engine/update_network.h"

class QNetworkReply;

namespace horalet::platform::updater::engine {

// One GET of the updater on Qt Network, as UpdateNetwork::get describes it.
// Ending it for any reason (done, refused, destroyed) aborts the reply at
// once, which closes its connection. Destroying it before `done` cancels
// it without calling `done`.
class HttpTransfer final : public Transfer {
public:
    using Sink = UpdateNetwork::Sink;
    using Done = UpdateNetwork::Done;

    HttpTransfer(QNetworkAccessManager& network, const QUrl& url, const TransferRules& rules, Sink sink, Done done);
    HttpTransfer(const HttpTransfer&) = delete;
    HttpTransfer& operator=(const HttpTransfer&) = delete;
    ~HttpTransfer() override;

private:
    void headersArrived();
    void redirected(const QUrl& target);
    void receive();
    void finished();
    bool take(const QByteArray& piece);
    void fail(std::string detail);
    void close();
    void finish(const std::optional<TransferFailure>& failure);

    QPointer<QNetworkReply> reply_;
    // Only these are cut when the transfer ends: Qt's own connections on
    // the reply carry the abort to the network thread.
    std::vector<QMetaObject::Connection> connections_;
    QTimer deadline_;
    std::int64_t largestBody_;
    std::int64_t received_ = 0;
    QUrl location_;
    Sink sink_;
    Done done_;
};

} // namespace horalet::platform::updater::engine
