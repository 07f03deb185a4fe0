#include "platform/HttpClient.h"

#include <curl/curl.h>

#include <mutex>
#include <stdexcept>
#include <string>

namespace platform {
namespace {

void initCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK)
            throw std::runtime_error("HTTP: libcurl could not be initialised");
    });
}

struct Transfer {
    QByteArray body;
    qint64 cap = 0;
    bool overCap = false;
};

size_t collect(char* data, size_t size, size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    const size_t n = size * count;
    if (transfer->body.size() + static_cast<qint64>(n) > transfer->cap) {
        transfer->overCap = true;
        return 0;  // anything but n makes libcurl abort the transfer
    }
    transfer->body.append(data, static_cast<qsizetype>(n));
    return n;
}

[[noreturn]] void fail(const QString& url, const std::string& cause) {
    throw std::runtime_error("HTTP GET " + url.toStdString() + " failed: " + cause);
}

}  // namespace

struct CurlHttpClient::Session {
    CURL* handle = nullptr;
    curl_slist* headers = nullptr;
    Limits limits;
    char error[CURL_ERROR_SIZE] = {};
};

CurlHttpClient::CurlHttpClient() : CurlHttpClient(Limits{}) {}

CurlHttpClient::CurlHttpClient(const Limits& limits) : session_(std::make_unique<Session>()) {
    initCurlOnce();
    Session& s = *session_;
    s.limits = limits;
    s.handle = curl_easy_init();
    if (!s.handle) throw std::runtime_error("HTTP: libcurl could not create a session");
    s.headers = curl_slist_append(s.headers, "Accept: text/html, */*");
    s.headers = curl_slist_append(s.headers, "Content-Type: text/html");

    CURL* h = s.handle;
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, s.headers);
    curl_easy_setopt(h, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)");
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, s.error);
    // An empty cookie file switches the cookie engine on without reading or
    // writing any file: the cookies live in this handle until it is freed.
    curl_easy_setopt(h, CURLOPT_COOKIEFILE, "");
    // Straight to the server, whatever http_proxy and friends say.
    curl_easy_setopt(h, CURLOPT_PROXY, "");
    curl_easy_setopt(h, CURLOPT_NOPROXY, "*");
    // No credentials are ever set, and none are read from ~/.netrc.
    curl_easy_setopt(h, CURLOPT_NETRC, long(CURL_NETRC_IGNORED));
    curl_easy_setopt(h, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, limits.maxRedirects);
#if CURL_AT_LEAST_VERSION(7, 85, 0)
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
#else
    curl_easy_setopt(h, CURLOPT_PROTOCOLS, long(CURLPROTO_HTTP | CURLPROTO_HTTPS));
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS, long(CURLPROTO_HTTP | CURLPROTO_HTTPS));
#endif
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, limits.connectTimeoutMs);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, limits.totalTimeoutMs);
    // Time-outs without SIGALRM: the program's other threads must not see it.
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    // A declared length over the cap fails before the body is read; the
    // write callback catches bodies that do not declare one.
    curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(limits.maxBodyBytes));
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &collect);
}

CurlHttpClient::~CurlHttpClient() {
    curl_easy_cleanup(session_->handle);
    curl_slist_free_all(session_->headers);
}

QByteArray CurlHttpClient::get(const QString& url) {
    Session& s = *session_;
    Transfer transfer;
    transfer.cap = s.limits.maxBodyBytes;
    const QByteArray address = url.toUtf8();
    s.error[0] = '\0';
    curl_easy_setopt(s.handle, CURLOPT_URL, address.constData());
    curl_easy_setopt(s.handle, CURLOPT_WRITEDATA, &transfer);
    const CURLcode rc = curl_easy_perform(s.handle);
    curl_easy_setopt(s.handle, CURLOPT_WRITEDATA, nullptr);

    if (transfer.overCap || rc == CURLE_FILESIZE_EXCEEDED)
        fail(url,
             "the response is larger than " + std::to_string(s.limits.maxBodyBytes) + " bytes");
    if (rc != CURLE_OK) {
        long status = 0;
        curl_easy_getinfo(s.handle, CURLINFO_RESPONSE_CODE, &status);
        if (rc == CURLE_HTTP_RETURNED_ERROR && status >= 400)
            fail(url, "the server answered with status " + std::to_string(status));
        fail(url, s.error[0] ? std::string(s.error) : std::string(curl_easy_strerror(rc)));
    }
    return transfer.body;
}

}  // namespace platform
