#include "shell/Promotion.h"

#include <QPlainTextEdit>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <climits>
#include <stdexcept>

#include "platform/ErrorHandler.h"
#include "platform/Gb18030.h"
#include "platform/Text.h"

namespace shell {
namespace {

const QString kListPath = QStringLiteral("/Chinese/CPC/loginfo.html");
const QString kFlagsPath = QStringLiteral("/Chinese/SysInfo/logFlagfee.htm");

// The text after the first ">", or all of it when there is none.
QString afterFirstMark(const QString& text) {
    const qsizetype mark = text.indexOf(u'>');
    return mark < 0 ? text : text.mid(mark + 1);
}

// The text before the first ">", or empty text when there is none.
QString beforeFirstMark(const QString& text) {
    const qsizetype mark = text.indexOf(u'>');
    return mark < 0 ? QString() : text.left(mark);
}

qint32 flagDigit(const QByteArray& flags, qsizetype index) {
    if (index >= flags.size() || flags[index] < '0' || flags[index] > '9')
        throw std::runtime_error("the flags document has no digit at " + std::to_string(index));
    return flags[index] - '0';
}

}  // namespace

struct PromotionPanes::Pane {
    qint32 PromotionPanes::*position;
    qint32 PromotionPanes::*flag;
    QString kind;
    platform::WebPane* browser;
    QTimer* timer;
};

void PromotionPanes::buildPromotion(QWidget* window, QWidget* bannerPanel, QWidget* mainArea,
                                    const Services& services) {
    server_ = services.promoServer;
    while (server_.endsWith(u'/')) server_.chop(1);
    IdHTTP1 = services.IdHTTP1;
    IdHTTP2 = services.IdHTTP2;

    const platform::WebPaneFactory make =
        services.webPanes ? services.webPanes : [](QWidget* parent) -> platform::WebPane* {
        return new platform::BlankWebPane(parent);
    };
    EmbeddedWB2 = make(bannerPanel);
    EmbeddedWB2->setObjectName(QStringLiteral("EmbeddedWB2"));
    EmbeddedWB2->setGeometry(-12, -16, 803, 107);
    EmbeddedWB2->raise();
    EmbeddedWB1 = make(mainArea);
    EmbeddedWB1->setObjectName(QStringLiteral("EmbeddedWB1"));
    EmbeddedWB1->setGeometry(2, 2, 612, 410);
    EmbeddedWB1->raise();

    Memo1 = new QPlainTextEdit(window);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(1, 312, 800, 109);
    Memo1->setReadOnly(true);
    Memo1->setVisible(false);

    for (auto [timer, name] : {std::pair{&Timer1, "Timer1"}, std::pair{&Timer2, "Timer2"}}) {
        *timer = new QTimer(window);
        (*timer)->setObjectName(QString::fromLatin1(name));
        (*timer)->setInterval(1000);
        (*timer)->start();
    }
    QObject::connect(Timer1, &QTimer::timeout, window, platform::Guard([this] { Timer1Timer(); }));
    QObject::connect(Timer2, &QTimer::timeout, window, platform::Guard([this] { Timer2Timer(); }));
}

void PromotionPanes::startPromotion() {
    // The lines are split from the text as it arrived, not read back from
    // Memo1, whose document would turn line breaks into its own.
    QString list;
    try {
        if (server_.isEmpty() || !IdHTTP1 || !IdHTTP2)
            throw std::runtime_error("no promotion server");
        const QString flagsUrl = server_ + kFlagsPath;
        list = platform::decodeGb18030(IdHTTP1->get(server_ + kListPath));
        Memo1->setPlainText(list);
        MainFlag = flagDigit(IdHTTP2->get(flagsUrl), 0);
        BannerFlag = flagDigit(IdHTTP2->get(flagsUrl), 1);
    } catch (const std::exception&) {
        // A promotion that cannot be fetched is simply not shown.
        MainFlag = 0;
        BannerFlag = 0;
    }
    lines_ = platform::splitLines(list);
    listBlank_ = platform::TrimControls(list).isEmpty();

    BannerPos = 0;
    MainPos = 0;
    LastLine = qint32(lines_.size()) - 1;
    if (LastLine < 0) {
        hide(EmbeddedWB1, kMainHiddenTop);
        hide(EmbeddedWB2, kBannerHiddenTop);
    }
    if (MainFlag == 0) hide(EmbeddedWB1, kMainHiddenTop);
    if (BannerFlag == 0) hide(EmbeddedWB2, kBannerHiddenTop);
}

void PromotionPanes::hide(platform::WebPane* pane, int hiddenTop) {
    pane->setVisibleProperty(false);
    pane->setTop(hiddenTop);
}

QString PromotionPanes::ListField(int k, int i) const {
    if (i < 0 || i >= lines_.size()) return {};
    const QString line = platform::TrimControls(lines_.at(i));
    switch (k) {
        case 0:
            return beforeFirstMark(line);
        case 1:
            return beforeFirstMark(afterFirstMark(line));
        case 2:
            return platform::TrimControls(afterFirstMark(afterFirstMark(line)));
        default:
            return {};
    }
}

int PromotionPanes::intervalOf(const QString& seconds) {
    qsizetype i = 0;
    while (i < seconds.size() && (seconds[i] == u' ' || seconds[i] == u'\t')) ++i;
    if (i == seconds.size()) return -1;
    qint64 value = 0;
    for (; i < seconds.size(); ++i) {
        const char16_t c = seconds[i].unicode();
        if (c < u'0' || c > u'9') return -1;
        value = std::min<qint64>(value * 10 + (c - u'0'), qint64(INT_MAX));
    }
    // Beyond what the timer can hold, the page simply stays the longest it can.
    return int(std::min<qint64>(value * 1000, INT_MAX));
}

bool PromotionPanes::isWebAddress(const QString& address) {
    const QUrl url(address);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

void PromotionPanes::tick(const Pane& pane) {
    if (listBlank_) return;
    if (this->*pane.flag == 0) return;

    // A line the pane could not show (bad seconds, an address that is not a
    // web page) belongs to no pane, so it is never chosen.
    auto shows = [&](int i) {
        return ListField(0, i) == pane.kind && intervalOf(ListField(1, i)) >= 0 &&
               isWebAddress(ListField(2, i));
    };
    qint32& position = this->*pane.position;
    int line = -1;
    for (int i = std::max(position, 0); i <= LastLine && line < 0; ++i)
        if (shows(i)) line = i;
    for (int i = 0; i <= LastLine && line < 0; ++i)
        if (shows(i)) line = i;
    if (line < 0) return;

    pane.browser->navigate(ListField(2, line));
    const int interval = intervalOf(ListField(1, line));
    if (interval == 0) {
        pane.timer->stop();  // the page stays for the rest of the run
    } else {
        pane.timer->start(interval);
    }
    position = line == LastLine ? 0 : line + 1;
}

void PromotionPanes::Timer1Timer() {
    tick({&PromotionPanes::BannerPos, &PromotionPanes::BannerFlag, QStringLiteral("1"), EmbeddedWB2,
          Timer1});
}

void PromotionPanes::Timer2Timer() {
    tick({&PromotionPanes::MainPos, &PromotionPanes::MainFlag, QStringLiteral("0"), EmbeddedWB1,
          Timer2});
}

}  // namespace shell
