#pragma once

#include <QNetworkAccessManager>
#include <QPointer>

#include "platform/updater/engine/update_network.h"

class QNetworkReply;

namespace horalet::platform::updater::engine {

// One GET of the updater on Qt Network, as UpdateNetwork::get describes it.
// Destroying it before `done` cancels it without calling `done`.
class HttpTransfer final : public Transfer {
public:
    using Sink = UpdateNetwork::Sink;
    using Done = UpdateNetwork::Done;

    HttpTransfer(QNetworkAccessManager& network, const QUrl& url, const TransferRules& rules, Sink sink, Done done);
    HttpTransfer(const HttpTransfer&) = delete;
    HttpTransfer& operator=(const HttpTransfer&) = delete;
    ~HttpTransfer() override;

private:
    void receive();
    void finished();
    void finish(const std::optional<std::string>& error);

    QPointer<QNetworkReply> reply_;
    Sink sink_;
    Done done_;
};

} // namespace horalet::platform::updater::engine
