#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QUrl>
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace horalet::testing {

struct HttpResponse {
    int status = 200;
    QByteArray body;
    std::vector<std::pair<QByteArray, QByteArray>> headers;
    // The Content-Length to announce when it differs from the body (a
    // connection that breaks off early); none announces the body's.
    std::optional<qint64> announcedLength;
    QByteArray reason = "Test";
    // Announce no length at all: the body ends when the server closes.
    bool unannounced = false;
    // After the body, this many more bytes, as fast as the client takes them.
    qint64 endless = 0;
    // After the body, nothing more, and the connection stays open.
    bool stall = false;
    // Sends the body one byte at a time at this pace (zero: all at once).
    std::chrono::milliseconds trickle{0};
};

// A small HTTP/1.1 server on 127.0.0.1 inside the test process: it answers
// each GET from a table of paths and closes the connection, and keeps a
// log of every connection.
class LocalHttpServer {
public:
    struct Request {
        QByteArray path;
        std::map<QByteArray, QByteArray> headers; // names lower-cased
    };
    struct Connection {
        QByteArray path;
        qint64 bytesSent = 0; // taken by the kernel, headers included
        bool closedByClient = false;
    };

    LocalHttpServer();

    QUrl url(const QByteArray& path) const;
    void serve(const QByteArray& path, HttpResponse response);
    void redirect(const QByteArray& path, const QByteArray& location, int status = 302);
    const std::vector<Request>& requests() const { return requests_; }
    const std::vector<std::shared_ptr<Connection>>& connections() const { return connections_; }
    // The last connection that asked for `path`, if any.
    const Connection* lastConnectionTo(const QByteArray& path) const;

private:
    void accept();

    QTcpServer server_;
    std::map<QByteArray, HttpResponse> routes_;
    std::vector<Request> requests_;
    std::vector<std::shared_ptr<Connection>> connections_;
};

} // namespace horalet::testing
