#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QUrl>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace horalet::testing {

struct HttpResponse {
    int status = 200;
    QByteArray body;
    std::vector<std::pair<QByteArray, QByteArray>> headers;
    // The Content-Length to announce when it differs from the body (a
    // connection that breaks off early).
    std::optional<qint64> announcedLength;
};

// A small HTTP/1.1 server on 127.0.0.1 inside the test process: it answers
// each GET from a table of paths and closes the connection.
class LocalHttpServer {
public:
    struct Request {
        QByteArray path;
        std::map<QByteArray, QByteArray> headers; // names lower-cased
    };

    LocalHttpServer();

    QUrl url(const QByteArray& path) const;
    void serve(const QByteArray& path, HttpResponse response);
    void redirect(const QByteArray& path, const QByteArray& location, int status = 302);
    const std::vector<Request>& requests() const { return requests_; }

private:
    void accept();

    QTcpServer server_;
    std::map<QByteArray, HttpResponse> routes_;
    std::vector<Request> requests_;
};

} // namespace horalet::testing
