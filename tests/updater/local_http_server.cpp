#include "local_http_server.h"

#include <QTcpSocket>
#include <memory>
#include <stdexcept>

namespace horalet::testing {

namespace {

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

QByteArray render(const HttpResponse& response)
{
    QByteArray text = "HTTP/1.1 " + QByteArray::number(response.status) + " Test\r\n";
    text += "Content-Length: " + QByteArray::number(response.announcedLength.value_or(response.body.size())) + "\r\n";
    text += "Connection: close\r\n";
    for (const auto& [name, value] : response.headers) {
        text += name + ": " + value + "\r\n";
    }
    return text + "\r\n" + response.body;
}

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
    serve(path, {status, {}, {{"Location", location}}, std::nullopt});
}

void LocalHttpServer::accept()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            buffer->append(socket->readAll());
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (end < 0) {
                return;
            }
            const auto request = parseRequest(buffer->left(end));
            buffer->clear();
            HttpResponse response{404, "not found", {}, std::nullopt};
            if (request) {
                requests_.push_back(*request);
                if (const auto route = routes_.find(request->path); route != routes_.end()) {
                    response = route->second;
                }
            }
            socket->write(render(response));
            socket->disconnectFromHost();
        });
    }
}

} // namespace horalet::testing
