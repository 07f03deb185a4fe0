#include "tests/support/LoopbackHttpServer.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <stdexcept>

namespace testing_support {

LoopbackHttpServer::LoopbackHttpServer() {
    auto listening = listening_.get_future();
    start();
    port_ = listening.get();
    if (port_ == 0) throw std::runtime_error("loopback HTTP server: cannot listen");
}

LoopbackHttpServer::~LoopbackHttpServer() {
    quit();
    wait();
}

void LoopbackHttpServer::respond(const QByteArray& path, const HttpResponse& response) {
    QMutexLocker lock(&mutex_);
    script_.insert(path, response);
}

void LoopbackHttpServer::respond(const QByteArray& path, int status, const QByteArray& body) {
    HttpResponse response;
    response.status = status;
    response.body = body;
    respond(path, response);
}

QString LoopbackHttpServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path);
}

QList<HttpRequest> LoopbackHttpServer::requests() const {
    QMutexLocker lock(&mutex_);
    return requests_;
}

quint16 LoopbackHttpServer::closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

void LoopbackHttpServer::run() {
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0)) {
        listening_.set_value(0);
        return;
    }
    QObject::connect(&server, &QTcpServer::newConnection, [this, &server] {
        while (QTcpSocket* socket = server.nextPendingConnection()) serve(socket);
    });
    listening_.set_value(server.serverPort());
    exec();
}

void LoopbackHttpServer::serve(QTcpSocket* socket) {
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
        if (socket->property("answered").toBool()) return;
        QByteArray head = socket->property("head").toByteArray() + socket->readAll();
        const qsizetype end = head.indexOf("\r\n\r\n");
        if (end < 0) {
            socket->setProperty("head", head);
            return;
        }
        socket->setProperty("answered", true);
        const QList<QByteArray> lines = head.left(end).split('\n');
        HttpRequest request;
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.path = first.value(1);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                       lines[i].mid(colon + 1).trimmed());
        }
        {
            QMutexLocker lock(&mutex_);
            requests_.append(request);
        }
        answer(socket, request.path);
    });
}

void LoopbackHttpServer::answer(QTcpSocket* socket, const QByteArray& path) {
    HttpResponse response;
    {
        QMutexLocker lock(&mutex_);
        response = script_.value(path, HttpResponse{404, "not found", {}, 0, false, true});
    }
    if (response.neverAnswer) return;
    auto send = [socket, response] {
        QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + " Scripted\r\n";
        out += "Content-Type: text/html\r\nConnection: close\r\n";
        if (response.sendLength)
            out += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
        for (const auto& [name, value] : response.headers) out += name + ": " + value + "\r\n";
        out += "\r\n" + response.body;
        socket->write(out);
        socket->disconnectFromHost();
    };
    if (response.delayMs > 0)
        QTimer::singleShot(response.delayMs, socket, send);
    else
        send();
}

}  // namespace testing_support
