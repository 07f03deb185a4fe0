// HTTP GET for the promotion downloads.
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace platform {

class HttpClient {
public:
    virtual ~HttpClient() = default;
    // Fetches `url` and returns the response body. Throws std::runtime_error,
    // with a message that names the address and the cause, on any failure:
    // no connection, a time-out, an HTTP error status, a body over the cap.
    virtual QByteArray get(const QString& url) = 0;
};

// The real client, on libcurl. One object is one browser-like session: the
// cookies it receives are kept in memory for its life and sent back on its
// later requests, never written anywhere.
class CurlHttpClient final : public HttpClient {
public:
    struct Limits {
        long connectTimeoutMs = 3000;
        long totalTimeoutMs = 5000;
        qint64 maxBodyBytes = 1024 * 1024;
        long maxRedirects = 5;
    };

    CurlHttpClient();
    explicit CurlHttpClient(const Limits& limits);
    ~CurlHttpClient() override;
    CurlHttpClient(const CurlHttpClient&) = delete;
    CurlHttpClient& operator=(const CurlHttpClient&) = delete;

    QByteArray get(const QString& url) override;

private:
    struct Session;
    std::unique_ptr<Session> session_;
};

}  // namespace platform
