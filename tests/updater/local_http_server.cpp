#include "local_http_server.h"

#include <QTcpSocket>
#include <QTimer>
#include <memory>
#include <stdexcept>

namespace horalet::testing {

namespace {

constexpr qint64 kChunk = 64 * 1024;

std::optional<LocalHttpServer::Request> parseRequest(const QByteArray& head)
{
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    if (requestLine.size() != 3) {
        return std::nullopt;
    }
    LocalHttpServer::Request request;
    request.path = requestLine[1];
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0) {
            request.headers[lines[i].left(colon).trimmed().toLower()] = lines[i].mid(colon + 1).trimmed();
        }
    }
    return request;
}

QByteArray head(const HttpResponse& response)
{
    QByteArray text = "HTTP/1.1 " + QByteArray::number(response.status) + " " + response.reason + "\r\n";
    if (!response.unannounced) {
        text += "Content-Length: " + QByteArray::number(response.announcedLength.value_or(response.body.size()))
            + "\r\n";
    }
    text += "Connection: close\r\n";
    for (const auto& [name, value] : response.headers) {
        text += name + ": " + value + "\r\n";
    }
    return text + "\r\n";
}

// Sends one response on its socket the way the response asks for, and
// closes the socket when all of it is out (unless it stalls).
class Sender : public QObject {
public:
    Sender(QTcpSocket* socket, HttpResponse response, std::shared_ptr<LocalHttpServer::Connection> log)
        : QObject(socket)
        , socket_(socket)
        , response_(std::move(response))
        , log_(std::move(log))
    {
        QObject::connect(socket_, &QTcpSocket::bytesWritten, this, [this](qint64 written) {
            log_->bytesSent += written;
            feed();
        });
        socket_->write(head(response_));
        if (response_.trickle.count() > 0) {
            QObject::connect(&trickle_, &QTimer::timeout, this, [this] { trickleOne(); });
            trickle_.start(response_.trickle);
            return;
        }
        feed();
    }

private:
    void trickleOne()
    {
        if (trickled_ >= response_.body.size()) {
            trickle_.stop();
            socket_->disconnectFromHost();
            return;
        }
        socket_->write(response_.body.mid(trickled_++, 1));
    }

    // Keeps about a megabyte queued until the body and the endless part
    // are out, so the server never holds a second copy of a large body.
    void feed()
    {
        if (response_.trickle.count() > 0) {
            return;
        }
        while (bodySent_ < response_.body.size() && socket_->bytesToWrite() < 16 * kChunk) {
            const QByteArray piece = response_.body.mid(bodySent_, kChunk);
            socket_->write(piece);
            bodySent_ += piece.size();
        }
        while (bodySent_ >= response_.body.size() && endlessSent_ < response_.endless
            && socket_->bytesToWrite() < 16 * kChunk) {
            const qint64 size = std::min(kChunk, response_.endless - endlessSent_);
            socket_->write(QByteArray(size, 'x'));
            endlessSent_ += size;
        }
        if (bodySent_ >= response_.body.size() && endlessSent_ >= response_.endless && !response_.stall
            && socket_->bytesToWrite() == 0 && !closing_) {
            closing_ = true;
            socket_->disconnectFromHost();
        }
    }

    QTcpSocket* socket_;
    HttpResponse response_;
    std::shared_ptr<LocalHttpServer::Connection> log_;
    QTimer trickle_;
    qsizetype trickled_ = 0;
    qsizetype bodySent_ = 0;
    qint64 endlessSent_ = 0;
    bool closing_ = false;
};

} // namespace

LocalHttpServer::LocalHttpServer()
{
    if (!server_.listen(QHostAddress::LocalHost, 0)) {
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { accept(); });
}

QUrl LocalHttpServer::url(const QByteArray& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(QString::fromLatin1(path)));
}

void LocalHttpServer::serve(const QByteArray& path, HttpResponse response)
{
    routes_[path] = std::move(response);
}

void LocalHttpServer::redirect(const QByteArray& path, const QByteArray& location, int status)
{
    HttpResponse response;
    response.status = status;
    response.headers = {{"Location", location}};
    serve(path, response);
}

const LocalHttpServer::Connection* LocalHttpServer::lastConnectionTo(const QByteArray& path) const
{
    for (auto connection = connections_.rbegin(); connection != connections_.rend(); ++connection) {
        if ((*connection)->path == path) {
            return connection->get();
        }
    }
    return nullptr;
}

void LocalHttpServer::accept()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        auto log = std::make_shared<Connection>();
        connections_.push_back(log);
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        // The peer closed first when the socket ends while the server still
        // meant to send (or to keep it open).
        QObject::connect(socket, &QTcpSocket::errorOccurred, socket, [log](QAbstractSocket::SocketError error) {
            if (error == QAbstractSocket::RemoteHostClosedError) {
                log->closedByClient = true;
            }
        });
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer, log] {
            buffer->append(socket->readAll());
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (end < 0) {
                return;
            }
            const auto request = parseRequest(buffer->left(end));
            buffer->clear();
            HttpResponse response{404, "not found"};
            if (request) {
                requests_.push_back(*request);
                log->path = request->path;
                if (const auto route = routes_.find(request->path); route != routes_.end()) {
                    response = route->second;
                }
            }
            new Sender(socket, response, log);
        });
    }
}

} // namespace horalet::testing
