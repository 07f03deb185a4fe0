#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/HttpClient.h"
#include "tests/support/LoopbackHttpServer.h"

using platform::CurlHttpClient;
using testing_support::HttpResponse;
using testing_support::LoopbackHttpServer;

namespace {

// The GET's failure message, or "" when it succeeded.
std::string failureOf(platform::HttpClient& client, const QString& url) {
    try {
        client.get(url);
        return {};
    } catch (const std::runtime_error& e) {
        return e.what();
    }
}

HttpResponse redirectTo(const QByteArray& location) {
    HttpResponse r;
    r.status = 302;
    r.headers = {{"Location", location}};
    return r;
}

}  // namespace

TEST(CurlHttpClient, ReturnsTheBodyAndSendsTheRequestSettings) {
    LoopbackHttpServer server;
    server.respond("/doc", 200, QByteArray("a\r\nb\0c", 6));
    CurlHttpClient client;
    EXPECT_EQ(client.get(server.url("/doc")), QByteArray("a\r\nb\0c", 6));

    ASSERT_EQ(server.requests().size(), 1);
    const auto request = server.requests().first();
    EXPECT_EQ(request.method, "GET");
    EXPECT_EQ(request.headers.value("accept"), "text/html, */*");
    EXPECT_EQ(request.headers.value("user-agent"), "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(request.headers.value("content-type"), "text/html");
    EXPECT_FALSE(request.headers.contains("authorization"));
    EXPECT_FALSE(request.headers.contains("cookie"));
}

TEST(CurlHttpClient, EveryKindOfFailureThrows) {
    LoopbackHttpServer server;
    const QByteArray cap(1024 * 1024, 'x');
    server.respond("/404", 404, "gone");
    server.respond("/500", 500, "broken");
    server.respond("/big", 200, cap + "y");
    HttpResponse undeclared;
    undeclared.body = cap + "y";
    undeclared.sendLength = false;
    server.respond("/big-undeclared", undeclared);
    server.respond("/to-ftp", redirectTo("ftp://127.0.0.1/x"));
    server.respond("/to-file", redirectTo("file:///etc/passwd"));
    for (int i = 0; i < 6; ++i)
        server.respond("/hop" + QByteArray::number(i),
                       redirectTo("/hop" + QByteArray::number(i + 1)));
    server.respond("/hop6", 200, "too far");

    const struct {
        QString url;
        std::string mentions;
    } cases[] = {
        {server.url("/404"), "status 404"},
        {server.url("/500"), "status 500"},
        {server.url("/big"), "larger than 1048576"},
        {server.url("/big-undeclared"), "larger than 1048576"},
        {server.url("/to-ftp"), ""},
        {server.url("/to-file"), ""},
        {server.url("/hop0"), ""},  // six redirects, one too many
        {QStringLiteral("http://127.0.0.1:%1/").arg(LoopbackHttpServer::closedPort()), ""},
        {QStringLiteral("file:///etc/hostname"), ""},
        {QStringLiteral("not an address"), ""},
    };
    CurlHttpClient client;
    for (const auto& c : cases) {
        const std::string failure = failureOf(client, c.url);
        EXPECT_NE(failure, "") << c.url.toStdString();
        EXPECT_NE(failure.find(c.mentions), std::string::npos) << failure;
        EXPECT_NE(failure.find(c.url.toStdString()), std::string::npos) << failure;
    }
}

TEST(CurlHttpClient, AcceptsABodyOfExactlyTheCapAndFiveRedirects) {
    LoopbackHttpServer server;
    const QByteArray cap(1024 * 1024, 'x');
    HttpResponse undeclared;
    undeclared.body = cap;
    undeclared.sendLength = false;
    server.respond("/cap", undeclared);
    for (int i = 0; i < 5; ++i)
        server.respond("/hop" + QByteArray::number(i),
                       redirectTo("/hop" + QByteArray::number(i + 1)));
    server.respond("/hop5", 200, "arrived");

    CurlHttpClient client;
    EXPECT_EQ(client.get(server.url("/cap")).size(), cap.size());
    EXPECT_EQ(client.get(server.url("/hop0")), "arrived");
}

TEST(CurlHttpClient, ATimeOutIsAFailure) {
    LoopbackHttpServer server;
    HttpResponse silent;
    silent.neverAnswer = true;
    server.respond("/silent", silent);
    HttpResponse late;
    late.delayMs = 2000;
    late.body = "late";
    server.respond("/late", late);

    CurlHttpClient::Limits limits;
    limits.totalTimeoutMs = 300;
    CurlHttpClient client(limits);
    EXPECT_NE(failureOf(client, server.url("/silent")), "");
    EXPECT_NE(failureOf(client, server.url("/late")), "");
}

TEST(CurlHttpClient, KeepsCookiesForItsOwnLifeOnly) {
    LoopbackHttpServer server;
    HttpResponse setter;
    setter.body = "set";
    setter.headers = {{"Set-Cookie", "session=42; Path=/"}};
    server.respond("/set", setter);
    server.respond("/next", 200, "next");

    {
        CurlHttpClient first;
        first.get(server.url("/set"));
        first.get(server.url("/next"));
        CurlHttpClient second;
        second.get(server.url("/next"));
    }
    CurlHttpClient third;
    third.get(server.url("/next"));

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 4);
    EXPECT_EQ(requests[1].headers.value("cookie"), "session=42");
    EXPECT_FALSE(requests[2].headers.contains("cookie"));
    EXPECT_FALSE(requests[3].headers.contains("cookie"));
}

TEST(CurlHttpClient, IgnoresProxiesNamedInTheEnvironment) {
    LoopbackHttpServer server;
    server.respond("/direct", 200, "direct");
    const QString deadProxy =
        QStringLiteral("http://127.0.0.1:%1").arg(LoopbackHttpServer::closedPort());
    const char* names[] = {"http_proxy", "HTTPS_PROXY", "ALL_PROXY", "all_proxy"};
    for (const char* name : names) qputenv(name, deadProxy.toUtf8());
    qunsetenv("no_proxy");
    qunsetenv("NO_PROXY");

    CurlHttpClient client;
    std::string failure = failureOf(client, server.url("/direct"));
    for (const char* name : names) qunsetenv(name);
    EXPECT_EQ(failure, "");
}
