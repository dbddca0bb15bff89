#include "platform/updater/network/http_transfer.h"

#include <QNetworkReply>
#include <QNetworkRequest>

#include "platform/updater/engine/fetch_rules.h"

namespace horalet::platform::updater::engine {

namespace {

// Qt reads no further ahead than this while the body waits to be taken, so
// a fast server cannot fill memory faster than the disk takes the bytes.
constexpr qint64 kReadAhead = 256 * 1024;

QNetworkRequest requestFor(const QUrl& url, const TransferRules& rules)
{
    QNetworkRequest request(url);
    // Asking for the body as it is stored keeps Qt from un-gzipping it,
    // which would change the bytes the signature covers.
    request.setRawHeader("Accept-Encoding", "identity");
    // Every redirect comes to redirected() to be judged.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(rules.maximumRedirects);
    request.setTransferTimeout(static_cast<int>(rules.inactivityTimeout.count()));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    if (!rules.userAgent.empty()) {
        request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromStdString(rules.userAgent));
    }
    return request;
}

std::string urlText(const QUrl& url)
{
    return url.toDisplayString().toStdString();
}

} // namespace

HttpTransfer::HttpTransfer(
    QNetworkAccessManager& network, const QUrl& url, const TransferRules& rules, Sink sink, Done done)
    : largestBody_(rules.largestBody)
    , location_(url)
    , sink_(std::move(sink))
    , done_(std::move(done))
{
    deadline_.setSingleShot(true);
    if (!isFetchableLocation(url)) {
        // Reported from the event loop, as every other outcome is.
        QMetaObject::invokeMethod(
            &deadline_, [this, url] { fail("refused to fetch " + urlText(url) + ": only https, or http on loopback"); },
            Qt::QueuedConnection);
        return;
    }
    reply_ = network.get(requestFor(url, rules));
    reply_->setReadBufferSize(kReadAhead);
    connections_ = {
        QObject::connect(reply_, &QNetworkReply::metaDataChanged, reply_, [this] { headersArrived(); }),
        QObject::connect(reply_, &QNetworkReply::redirected, reply_, [this](const QUrl& to) { redirected(to); }),
        QObject::connect(reply_, &QNetworkReply::readyRead, reply_, [this] { receive(); }),
        QObject::connect(reply_, &QNetworkReply::finished, reply_, [this] { finished(); }),
    };
    QObject::connect(&deadline_, &QTimer::timeout, &deadline_, [this, seconds = rules.deadline.count() / 1000] {
        fail("no complete answer within " + std::to_string(seconds) + " s");
    });
    deadline_.start(rules.deadline);
}

HttpTransfer::~HttpTransfer()
{
    close();
}

void HttpTransfer::headersArrived()
{
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QVariant announced = reply_->header(QNetworkRequest::ContentLengthHeader);
    if (status >= 200 && status < 300 && announced.isValid() && announced.toLongLong() > largestBody_) {
        fail("the server announces " + std::to_string(announced.toLongLong()) + " bytes, more than the "
            + std::to_string(largestBody_) + " expected");
    }
}

void HttpTransfer::redirected(const QUrl& target)
{
    if (!isAllowedRedirect(location_, target)) {
        fail("refused a redirect from " + urlText(location_) + " to " + urlText(target));
        return;
    }
    location_ = target;
    Q_EMIT reply_->redirectAllowed();
}

void HttpTransfer::receive()
{
    take(reply_->readAll());
}

void HttpTransfer::finished()
{
    if (reply_->error() != QNetworkReply::NoError) {
        fail(reply_->errorString().toStdString());
        return;
    }
    if (take(reply_->readAll())) {
        finish(std::nullopt);
    }
}

// Passes a piece on; false when the transfer ended here.
bool HttpTransfer::take(const QByteArray& piece)
{
    if (piece.isEmpty()) {
        return true;
    }
    if (received_ + piece.size() > largestBody_) {
        fail("the body grows past the " + std::to_string(largestBody_) + " bytes expected");
        return false;
    }
    std::string error;
    if (!sink_(piece, error)) {
        fail(error);
        return false;
    }
    received_ += piece.size();
    return true;
}

void HttpTransfer::fail(std::string detail)
{
    const int status = reply_ ? reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() : 0;
    finish(TransferFailure{std::move(detail), status});
}

void HttpTransfer::close()
{
    for (const QMetaObject::Connection& connection : connections_) {
        QObject::disconnect(connection);
    }
    connections_.clear();
    deadline_.stop();
    if (QNetworkReply* reply = reply_) {
        reply_ = nullptr;
        if (!reply->isFinished()) {
            reply->abort();
        }
        reply->deleteLater();
    }
}

// Ends the transfer and reports; `done` may destroy this object, so nothing
// here touches a member after calling it.
void HttpTransfer::finish(const std::optional<TransferFailure>& failure)
{
    close();
    const Done done = std::exchange(done_, {});
    if (done) {
        done(failure);
    }
}

} // namespace horalet::platform::updater::engine
