#include "platform/updater/engine/http_transfer.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace horalet::platform::updater::engine {

namespace {

QNetworkRequest requestFor(const QUrl& url, const TransferRules& rules)
{
    QNetworkRequest request(url);
    // Asking for the body as it is stored keeps Qt from un-gzipping it,
    // which would change the bytes the signature covers.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(rules.maximumRedirects);
    request.setTransferTimeout(static_cast<int>(rules.timeout.count()));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    if (!rules.userAgent.empty()) {
        request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromStdString(rules.userAgent));
    }
    return request;
}

} // namespace

HttpTransfer::HttpTransfer(
    QNetworkAccessManager& network, const QUrl& url, const TransferRules& rules, Sink sink, Done done)
    : reply_(network.get(requestFor(url, rules)))
    , sink_(std::move(sink))
    , done_(std::move(done))
{
    QObject::connect(reply_, &QNetworkReply::readyRead, reply_, [this] { receive(); });
    QObject::connect(reply_, &QNetworkReply::finished, reply_, [this] { finished(); });
}

HttpTransfer::~HttpTransfer()
{
    if (reply_) {
        QObject::disconnect(reply_, nullptr, nullptr, nullptr);
        reply_->abort();
        reply_->deleteLater();
    }
}

void HttpTransfer::receive()
{
    const QByteArray piece = reply_->readAll();
    std::string error;
    if (!piece.isEmpty() && !sink_(piece, error)) {
        finish(error);
    }
}

void HttpTransfer::finished()
{
    if (reply_->error() != QNetworkReply::NoError) {
        finish(reply_->errorString().toStdString());
        return;
    }
    const QByteArray rest = reply_->readAll();
    std::string error;
    if (!rest.isEmpty() && !sink_(rest, error)) {
        finish(error);
        return;
    }
    finish(std::nullopt);
}

// Ends the transfer and reports; `done` may destroy this object, so nothing
// here touches a member after calling it.
void HttpTransfer::finish(const std::optional<std::string>& error)
{
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    QObject::disconnect(reply, nullptr, nullptr, nullptr);
    reply->abort();
    reply->deleteLater();
    const Done done = std::move(done_);
    done(error);
}

} // namespace horalet::platform::updater::engine
