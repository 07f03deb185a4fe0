// The main window's two promotion panes: the start-up downloads of the list
// and the flags, and the rotation of pages in each pane. The main window
// derives from PromotionPanes, so these members are the window's own.
#pragma once

#include <QString>
#include <QStringList>

#include "platform/HttpClient.h"
#include "platform/WebPane.h"
#include "shell/Services.h"

class QPlainTextEdit;
class QTimer;
class QWidget;

namespace shell {

class PromotionPanes {
public:
    // Where each pane goes when it is taken out of sight for the run: wholly
    // above its panel, uncovering the picture under it.
    static constexpr int kBannerHiddenTop = -200;
    static constexpr int kMainHiddenTop = -1000;

    // A field of a list line: 0 the pane kind, 1 the seconds, 2 the address.
    QString ListField(int k, int i) const;

    void Timer1Timer();  // banner pane
    void Timer2Timer();  // main pane

    qint32 BannerPos = 0;
    qint32 MainPos = 0;
    qint32 LastLine = 0;
    qint32 MainFlag = 0;
    qint32 BannerFlag = 0;

    platform::WebPane* EmbeddedWB2 = nullptr;  // banner pane
    platform::WebPane* EmbeddedWB1 = nullptr;  // main pane
    QPlainTextEdit* Memo1 = nullptr;           // the list, never shown
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;

protected:
    // Builds the panes over the two pictures, Memo1 and the two timers, which
    // start ticking at once. Call while building the window's controls.
    void buildPromotion(QWidget* window, QWidget* bannerPanel, QWidget* mainArea,
                        const Services& services);
    // The start-up downloads and the hiding of panes with nothing to show;
    // part of the window's creation, before it is first shown. Reports nothing.
    void startPromotion();

private:
    struct Pane;
    void tick(const Pane& pane);
    // The interval a line's seconds field asks for, in milliseconds, or -1 when
    // the field is not a whole number of seconds.
    static int intervalOf(const QString& seconds);
    static bool isWebAddress(const QString& address);
    void hide(platform::WebPane* pane, int hiddenTop);

    QString server_;
    platform::HttpClient* IdHTTP1 = nullptr;  // the list
    platform::HttpClient* IdHTTP2 = nullptr;  // the flags
    QStringList lines_;                       // Memo1's lines
    bool listBlank_ = true;
};

}  // namespace shell
