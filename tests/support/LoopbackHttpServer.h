// A scripted HTTP server on 127.0.0.1 for tests of code that downloads. It
// runs on a thread of its own, so a test thread blocked in a GET still gets
// its answer. Unscripted paths answer 404.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QString>
#include <QThread>

#include <future>

class QTcpSocket;

namespace testing_support {

struct HttpResponse {
    int status = 200;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;  // sent after the status line
    int delayMs = 0;                               // wait this long before answering
    bool neverAnswer = false;  // read the request, keep the connection, say nothing
    bool sendLength = true;    // false: no Content-Length, the close ends the body
};

struct HttpRequest {
    QByteArray method;
    QByteArray path;
    QMap<QByteArray, QByteArray> headers;  // names in lower case
};

class LoopbackHttpServer final : public QThread {
public:
    LoopbackHttpServer();
    ~LoopbackHttpServer() override;

    // Answers every later request for `path` (with its query) with `response`.
    void respond(const QByteArray& path, const HttpResponse& response);
    void respond(const QByteArray& path, int status, const QByteArray& body);

    quint16 port() const { return port_; }
    // "http://127.0.0.1:PORT" followed by `path`.
    QString url(const QString& path = {}) const;
    QList<HttpRequest> requests() const;

    // A loopback port on which nothing listens, so connections are refused.
    static quint16 closedPort();

protected:
    void run() override;

private:
    void serve(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QByteArray& path);

    mutable QMutex mutex_;
    QHash<QByteArray, HttpResponse> script_;
    QList<HttpRequest> requests_;
    quint16 port_ = 0;
    std::promise<quint16> listening_;
};

}  // namespace testing_support
