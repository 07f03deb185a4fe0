#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTimer>

#include <climits>
#include <memory>

#include "platform/HttpClient.h"
#include "shell/Unt_Main.h"
#include "tests/support/FakeWebPane.h"
#include "tests/support/Fakes.h"
#include "tests/support/LoopbackHttpServer.h"

using testing_support::FakeWebPane;
using testing_support::HttpResponse;
using testing_support::LoopbackHttpServer;

namespace {

using Window = Unt_Main::TFrmmain;

const QByteArray kList = "/Chinese/CPC/loginfo.html";
const QByteArray kFlags = "/Chinese/SysInfo/logFlagfee.htm";

class Promotion : public testing::Test {
protected:
    std::unique_ptr<Window> open(const QByteArray& list, const QByteArray& flags = "11") {
        server.respond(kList, 200, list);
        server.respond(kFlags, 200, flags);
        return open();
    }
    std::unique_ptr<Window> open() { return openAt(server.url()); }
    std::unique_ptr<Window> openAt(const QString& promoServer) {
        panes.made.clear();
        shell::Services services;
        services.promoServer = promoServer;
        services.IdHTTP1 = &http1;
        services.IdHTTP2 = &http2;
        services.webPanes = panes.factory();
        auto window = std::make_unique<Window>(services);
        banner = qobject_cast<FakeWebPane*>(window->EmbeddedWB2);
        main = qobject_cast<FakeWebPane*>(window->EmbeddedWB1);
        return window;
    }
    static bool hidden(FakeWebPane* pane, int top) {
        // Visible false first, then the move; a pane may be hidden more than once.
        const QStringList once{"visible false", QStringLiteral("top %1").arg(top)};
        return !pane->events.isEmpty() && (pane->events == once || pane->events == once + once) &&
               pane->isHidden() && pane->y() == top;
    }

    LoopbackHttpServer server;
    platform::CurlHttpClient http1;
    platform::CurlHttpClient http2;
    testing_support::FakeWebPaneFactory panes;
    testing_support::RecordingErrorReporter errors;
    FakeWebPane* banner = nullptr;
    FakeWebPane* main = nullptr;
};

HttpResponse reply(int status, const QByteArray& body) {
    HttpResponse r;
    r.status = status;
    r.body = body;
    return r;
}

const QByteArray kThreeLines =
    "1>20>http://a.example/\r\n0>30>http://b.example/\r\n1>10>http://c.example/\r\n";

TEST_F(Promotion, BuildsThePanesMemoAndTimers) {
    auto w = open(kThreeLines);
    EXPECT_EQ(panes.made.size(), 2);
    EXPECT_EQ(banner->objectName(), "EmbeddedWB2");
    EXPECT_EQ(banner->geometry(), QRect(-12, -16, 803, 107));
    EXPECT_EQ(main->objectName(), "EmbeddedWB1");
    EXPECT_EQ(main->geometry(), QRect(2, 2, 612, 410));
    EXPECT_EQ(banner->parentWidget()->objectName(), "RzPanel1");
    EXPECT_EQ(main->parentWidget()->objectName(), "RzPanel4");
    EXPECT_EQ(w->Memo1->objectName(), "Memo1");
    EXPECT_EQ(w->Memo1->geometry(), QRect(1, 312, 800, 109));
    for (QTimer* timer : {w->Timer1, w->Timer2}) {
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 1000);
    }
    EXPECT_EQ(w->findChild<QTimer*>("Timer1"), w->Timer1);
    EXPECT_EQ(w->findChild<QTimer*>("Timer2"), w->Timer2);
    w->show();
    EXPECT_FALSE(w->Memo1->isVisible());
    EXPECT_TRUE(banner->isVisible());

    // The list once, then the flags twice: the main switch from the first
    // answer, the banner switch from the second.
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 3);
    EXPECT_EQ(requests[0].path, kList);
    EXPECT_EQ(requests[1].path, kFlags);
    EXPECT_EQ(requests[2].path, kFlags);
}

// While a pane is in place it covers its picture; hidden, it uncovers it.
TEST_F(Promotion, AHiddenPaneUncoversThePictureUnderIt) {
    for (const QByteArray flags : {"11", "00"}) {
        auto w = open(kThreeLines, flags);
        w->show();
        auto* bannerPanel = w->findChild<QWidget*>("RzPanel1");
        auto* mainArea = w->findChild<QWidget*>("RzPanel4");
        const bool on = flags == "11";
        EXPECT_EQ(bannerPanel->childAt(400, 40),
                  on ? static_cast<QWidget*>(banner) : w->findChild<QWidget*>("Image1"));
        EXPECT_EQ(mainArea->childAt(300, 200),
                  on ? static_cast<QWidget*>(main) : w->findChild<QWidget*>("Image15"));
    }
}

TEST_F(Promotion, TheFlagsSwitchEachPane) {
    const struct {
        QByteArray flags;
        QByteArray list;
        int mainFlag, bannerFlag;
    } cases[] = {
        {"11", kThreeLines, 1, 1}, {"10", kThreeLines, 1, 0},         {"01", kThreeLines, 0, 1},
        {"00", kThreeLines, 0, 0}, {"19\r\nrest", kThreeLines, 1, 9}, {"1", kThreeLines, 0, 0},
        {"1x", kThreeLines, 0, 0}, {"", kThreeLines, 0, 0},           {"11", "", 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags.toStdString() + " / list of " + std::to_string(c.list.size()));
        auto w = open(c.list, c.flags);
        EXPECT_EQ(w->MainFlag, c.mainFlag);
        EXPECT_EQ(w->BannerFlag, c.bannerFlag);
        const bool listed = !c.list.isEmpty();
        const bool mainOn = listed && c.mainFlag != 0;
        const bool bannerOn = listed && c.bannerFlag != 0;
        EXPECT_EQ(hidden(main, -1000), !mainOn);
        EXPECT_EQ(hidden(banner, -200), !bannerOn);
        EXPECT_EQ(main->y(), mainOn ? 2 : -1000);
        EXPECT_EQ(banner->y(), bannerOn ? -16 : -200);

        w->Timer1Timer();
        w->Timer2Timer();
        EXPECT_EQ(banner->navigations, bannerOn ? QStringList{"http://a.example/"} : QStringList{});
        EXPECT_EQ(main->navigations, mainOn ? QStringList{"http://b.example/"} : QStringList{});
    }
}

TEST_F(Promotion, EachPaneRotatesThroughTheLinesOfItsKind) {
    auto w = open(kThreeLines);
    EXPECT_EQ(w->LastLine, 2);

    const struct {
        QString bannerShows;
        int bannerInterval, bannerPos;
        QString mainShows;
        int mainInterval, mainPos;
    } ticks[] = {
        {"http://a.example/", 20000, 1, "http://b.example/", 30000, 2},
        {"http://c.example/", 10000, 0, "http://b.example/", 30000, 2},
        {"http://a.example/", 20000, 1, "http://b.example/", 30000, 2},
        {"http://c.example/", 10000, 0, "http://b.example/", 30000, 2},
    };
    for (const auto& t : ticks) {
        w->Timer1Timer();
        w->Timer2Timer();
        EXPECT_EQ(banner->navigations.last(), t.bannerShows);
        EXPECT_EQ(w->Timer1->interval(), t.bannerInterval);
        EXPECT_TRUE(w->Timer1->isActive());
        EXPECT_EQ(w->BannerPos, t.bannerPos);
        EXPECT_EQ(main->navigations.last(), t.mainShows);
        EXPECT_EQ(w->Timer2->interval(), t.mainInterval);
        EXPECT_EQ(w->MainPos, t.mainPos);
    }
    EXPECT_EQ(banner->navigations.size(), 4);
    EXPECT_EQ(main->navigations.size(), 4);
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(Promotion, ListFieldSplitsAtTheFirstTwoMarks) {
    auto w = open("1 >5>A\r\n  1>5> A>B \t\r\nnone\r\n1>A\r\n1> 5 >\r\n>>\r\n\xc4\xe3>1>\xba\xc3");
    const struct {
        int line;
        QString kind, seconds, address;
    } cases[] = {
        {0, "1 ", "5", "A"}, {1, "1", "5", "A>B"}, {2, "", "", "none"},  {3, "1", "", "A"},
        {4, "1", " 5 ", ""}, {5, "", "", ""},      {6, "你", "1", "好"}, {7, "", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(w->ListField(0, c.line), c.kind) << c.line;
        EXPECT_EQ(w->ListField(1, c.line), c.seconds) << c.line;
        EXPECT_EQ(w->ListField(2, c.line), c.address) << c.line;
    }
}

// Which page a one-line list puts in the banner pane, if any, and the timer
// interval then.
TEST_F(Promotion, ALineShowsOnlyWithItsKindWholeSecondsAndAWebAddress) {
    const struct {
        QByteArray line;
        QString shows;  // empty: belongs to no pane
        int interval;
    } cases[] = {
        {"1>5>http://a.example/", "http://a.example/", 5000},
        {"1 >5>http://a.example/", "", 0},
        {"  1>5>  http://a.example/  ", "http://a.example/", 5000},
        {"1>5>http://a.example/?x=>B", "http://a.example/?x=>B", 5000},
        {"1>  7>https://a.example/", "https://a.example/", 7000},
        {"1>99999999999>http://a.example/", "http://a.example/", INT_MAX},
        {"1>7 >http://a.example/", "", 0},
        {"1>-1>http://a.example/", "", 0},
        {"1>+1>http://a.example/", "", 0},
        {"1>1.5>http://a.example/", "", 0},
        {"1>x>http://a.example/", "", 0},
        {"1>>http://a.example/", "", 0},
        {"1>http://a.example/", "", 0},
        {"1>\xa3\xb5>http://a.example/", "", 0},  // a full-width digit
        {"1>5>HTTPS://A.EXAMPLE/", "HTTPS://A.EXAMPLE/", 5000},
        {"1>5>file:///etc/passwd", "", 0},
        {"1>5>javascript:alert(1)", "", 0},
        {"1>5>data:text/html,<p>hi</p>", "", 0},
        {"1>5>about:blank", "", 0},
        {"1>5>ftp://a.example/", "", 0},
        {"1>5>www.a.example", "", 0},
        {"1>5>http://", "", 0},
        {"1>5>", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        auto w = open(c.line, "11");
        w->Timer1Timer();
        if (c.shows.isEmpty()) {
            EXPECT_TRUE(banner->navigations.isEmpty());
            EXPECT_EQ(w->Timer1->interval(), 1000);
        } else {
            EXPECT_EQ(banner->navigations, QStringList{c.shows});
            EXPECT_EQ(w->Timer1->interval(), c.interval);
        }
        EXPECT_FALSE(hidden(banner, -200));
    }
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(Promotion, LinesThatCannotShowAreSkippedInTheRotation) {
    auto w = open("1>x>http://bad.example/\r\n1>5>file:///etc/passwd\r\n1>5>http://good.example/");
    for (int i = 0; i < 3; ++i) w->Timer1Timer();
    EXPECT_EQ(banner->navigations, QStringList(3, "http://good.example/"));
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(Promotion, ZeroSecondsStopsThePanesTimer) {
    auto w = open("1>0>http://a.example/\r\n1>5>http://c.example/");
    w->Timer1Timer();
    EXPECT_EQ(banner->navigations, QStringList{"http://a.example/"});
    EXPECT_FALSE(w->Timer1->isActive());
    EXPECT_TRUE(w->Timer2->isActive());
}

TEST_F(Promotion, PanesWithNothingOfTheirKindStayInPlaceAndShowNothing) {
    const struct {
        QByteArray list;
        int lastLine;
    } cases[] = {
        {"  \r\n\t\r\n \r\n", 2},
        {"0>5>http://b.example/\r\n0>6>http://d.example/", 1},
        {"2>5>http://b.example/\r\n>5>http://d.example/", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list.toStdString());
        auto w = open(c.list);
        EXPECT_EQ(w->LastLine, c.lastLine);
        w->Timer1Timer();
        EXPECT_TRUE(banner->navigations.isEmpty());
        EXPECT_TRUE(banner->events.isEmpty());
        EXPECT_EQ(banner->y(), -16);
        EXPECT_EQ(w->Timer1->interval(), 1000);
    }
}

TEST_F(Promotion, TheListIsReadAsGb18030InAnyLineEndingAndWhole) {
    const QByteArray longAddress = "http://a.example/" + QByteArray(9000, 'x');
    auto w = open("1>5>http://a.example/\xc4\xe3\xff\n0>6>" + longAddress +
                  "\r1>7>http://c.example/\r\n");
    EXPECT_EQ(w->LastLine, 2);
    EXPECT_EQ(w->ListField(2, 0), QStringLiteral("http://a.example/你\uFFFD"));
    w->Timer2Timer();
    EXPECT_EQ(main->navigations, QStringList{QString::fromLatin1(longAddress)});
    EXPECT_EQ(w->MainFlag, 1);
    EXPECT_EQ(w->BannerFlag, 1);
}

// Any failed download switches both panes off, silently.
TEST_F(Promotion, AFailedDownloadHidesBothPanes) {
    HttpResponse silent;
    silent.neverAnswer = true;
    const struct {
        const char* what;
        QByteArray listPath;
        HttpResponse list;
        HttpResponse flags;
    } cases[] = {
        {"list 404", kList, reply(404, "no"), reply(200, "11")},
        {"list 500", kList, reply(500, kThreeLines), reply(200, "11")},
        {"flags 500", kList, reply(200, kThreeLines), reply(500, "11")},
        {"flags 404", kList, reply(200, kThreeLines), reply(404, "11")},
        {"list over the cap", kList, reply(200, QByteArray(1024 * 1024 + 1, '\n')),
         reply(200, "11")},
        {"list never answers", kList, silent, reply(200, "11")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        server.respond(kList, c.list);
        server.respond(kFlags, c.flags);
        auto w = open();
        w->show();  // the window appears: the time-out ended the wait
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->MainFlag, 0);
        EXPECT_EQ(w->BannerFlag, 0);
        EXPECT_TRUE(hidden(main, -1000));
        EXPECT_TRUE(hidden(banner, -200));
        w->Timer1Timer();
        w->Timer2Timer();
        EXPECT_TRUE(main->navigations.isEmpty());
        EXPECT_TRUE(banner->navigations.isEmpty());
    }
    EXPECT_TRUE(errors.messages.isEmpty());
}

TEST_F(Promotion, AnUnreachableServerHidesBothPanes) {
    const QString refused =
        QStringLiteral("http://127.0.0.1:%1").arg(LoopbackHttpServer::closedPort());
    for (const QString& address : {refused, QString(" ")}) {
        auto w = openAt(address);
        EXPECT_TRUE(hidden(main, -1000));
        EXPECT_TRUE(hidden(banner, -200));
        EXPECT_EQ(w->LastLine, -1);
    }
}

TEST_F(Promotion, AListFetchedBeforeAFailureIsKeptButNeverShown) {
    server.respond(kList, 200, kThreeLines);
    server.respond(kFlags, 200, "1");
    auto w = open();
    EXPECT_EQ(w->LastLine, 2);
    EXPECT_TRUE(w->Memo1->toPlainText().startsWith("1>20>http://a.example/"));
    w->Timer1Timer();
    w->Timer2Timer();
    EXPECT_TRUE(main->navigations.isEmpty());
    EXPECT_TRUE(banner->navigations.isEmpty());
}

TEST_F(Promotion, WithoutServicesThePanesAreBlankAndHidden) {
    Window w{shell::Services{}};
    EXPECT_TRUE(w.EmbeddedWB1->isHidden());
    EXPECT_EQ(w.EmbeddedWB1->y(), -1000);
    EXPECT_EQ(w.EmbeddedWB2->y(), -200);
    EXPECT_TRUE(server.requests().isEmpty());
}

}  // namespace
