#include "shell/Unt_Main.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "calendar/DateWin.h"
#include "platform/ErrorHandler.h"
#include "platform/Fonts.h"
#include "readings/UntOnther.h"
#include "shell/Addresses.h"
#include "shell/Assets.h"
#include "shell/EndMsg.h"
#include "shell/Uabout.h"
#include "shell/Unt_servers.h"
#include "ui_Unt_Main.h"

namespace Unt_Main {
namespace {

const QColor kNavy(0x00, 0x00, 0x80);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kGreen(0x00, 0x80, 0x00);

// Without a hive the start page can be neither read nor stored.
class NoRegistry final : public platform::Registry {
public:
    std::unique_ptr<platform::RegistryKey> openKey(const QString&) override { return nullptr; }
};

}  // namespace

TFrmmain::TFrmmain(const shell::Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TFrmmain>()),
      services_(services) {
    setFont(platform::PixelFont(QStringLiteral("宋体"), 12));
    shell::InitAssets();
    ui->setupUi(this);
    styleControls();
    connectHandlers();
    buildPromotion(this, ui->RzPanel1, ui->RzPanel4, services_);
    // An error here is reported and the window is created all the same.
    platform::guarded([this] { FormCreate(); });
}

void TFrmmain::FormCreate() {
    startPromotion();
}

TFrmmain::~TFrmmain() = default;

void TFrmmain::styleControls() {
    using Mode = platform::Picture::Mode;

    // The banner has a grooved outer border, the button bar, main area and
    // status bar an inner one, the link column both.
    const QColor face = palette().color(QPalette::Button);
    ui->RzPanel1->setGrooveCount(1);
    ui->RzPanel1->setColor(face);
    ui->Image1->setSource(QStringLiteral(":/shell/banner.svg"), Mode::Stretch);

    ui->RzPanel6->setGrooveCount(1);
    ui->RzPanel6->setColor(face);
    ui->Image16->setSource(QStringLiteral(":/shell/buttonbar.svg"), Mode::Stretch);

    ui->RzPanel2->setGrooveCount(2);
    ui->RzPanel2->setColor(face);
    ui->Image21->setSource(QStringLiteral(":/shell/linkcolumn.svg"), Mode::Stretch);
    ui->Image2->setSource(QStringLiteral(":/shell/linkcolumn.svg"), Mode::Stretch);

    ui->RzPanel4->setGrooveCount(1);
    ui->RzPanel4->setColor(QColor(0xCD, 0xEC, 0xFB));
    ui->Image15->setSource(QStringLiteral(":/shell/main.svg"), Mode::Natural);

    ui->RzStatusBar1->setGrooveCount(1);
    ui->RzStatusBar1->setGrooveColor(QColor(0x02, 0x97, 0xFE));
    ui->RzStatusBar1->setColor(QColor(0xE3, 0xE4, 0xE4));
    {
        QPalette pal = ui->RzStatusPane1->palette();
        pal.setColor(QPalette::WindowText, kNavy);
        ui->RzStatusPane1->setPalette(pal);
        ui->RzStatusPane1->setText(QStringLiteral("欢迎使用Omenwise！%1  电话：%2  QQ：%3")
                                       .arg(QString::fromUtf8(Addresses::Maker),
                                            QString::fromUtf8(Addresses::Telephone),
                                            QString::fromUtf8(Addresses::Messenger)));
    }

    const QFont buttonFont = platform::PixelFont(QStringLiteral("宋体"), 12, true);
    for (auto* button : ui->RzPanel6->findChildren<platform::HoverButton*>()) {
        button->setFont(buttonFont);
        QPalette pal = button->palette();
        pal.setColor(QPalette::ButtonText, kNavy);
        button->setPalette(pal);
    }

    // Labels are as wide as their captions and 14 pixels high.
    const QFont linkFont = platform::PixelFont(QStringLiteral("宋体"), 14, true);
    const struct {
        platform::ClickLabel* label;
        QColor color;
    } links[] = {
        {ui->Label2, kRed},    {ui->Label3, kRed},    {ui->Label4, kNavy},   {ui->Label1, kNavy},
        {ui->Label5, kNavy},   {ui->Label6, kNavy},   {ui->Label7, kNavy},   {ui->Label8, kNavy},
        {ui->Label9, kNavy},   {ui->Label10, kNavy},  {ui->Label12, kNavy},  {ui->Label13, kNavy},
        {ui->Label14, kNavy},  {ui->Label11, kGreen}, {ui->Label15, kGreen}, {ui->Label16, kGreen},
        {ui->Label17, kGreen},
    };
    for (const auto& link : links) {
        link.label->setFont(linkFont);
        link.label->setTextColor(link.color);
        link.label->resize(link.label->sizeHint().width(), 14);
    }
}

void TFrmmain::connectHandlers() {
    using platform::Guard;
    using platform::HoverButton;
    const struct {
        HoverButton* button;
        void (TFrmmain::*handler)();
    } buttons[] = {
        {ui->RzButton1, &TFrmmain::RzButton1Click},   {ui->RzButton4, &TFrmmain::RzButton4Click},
        {ui->RzButton6, &TFrmmain::RzButton6Click},   {ui->RzButton9, &TFrmmain::RzButton9Click},
        {ui->RzButton10, &TFrmmain::RzButton10Click}, {ui->RzButton11, &TFrmmain::RzButton11Click},
        {ui->RzButton12, &TFrmmain::RzButton12Click}, {ui->RzButton5, &TFrmmain::RzButton5Click},
        {ui->RzButton2, &TFrmmain::RzButton2Click},   {ui->RzButton3, &TFrmmain::RzButton3Click},
        {ui->RzButton8, &TFrmmain::RzButton8Click},   {ui->RzButton7, &TFrmmain::RzButton7Click},
    };
    for (const auto& b : buttons) {
        connect(b.button, &HoverButton::clicked, this,
                Guard([this, handler = b.handler] { (this->*handler)(); }));
    }

    using platform::ClickLabel;
    const struct {
        ClickLabel* label;
        void (TFrmmain::*handler)();
    } links[] = {
        {ui->Label2, &TFrmmain::Label2Click},   {ui->Label3, &TFrmmain::Label3Click},
        {ui->Label4, &TFrmmain::Label4Click},   {ui->Label1, &TFrmmain::Label1Click},
        {ui->Label5, &TFrmmain::Label3Click},   {ui->Label6, &TFrmmain::Label3Click},
        {ui->Label7, &TFrmmain::Label3Click},   {ui->Label8, &TFrmmain::Label3Click},
        {ui->Label9, &TFrmmain::Label3Click},   {ui->Label10, &TFrmmain::Label3Click},
        {ui->Label12, &TFrmmain::Label3Click},  {ui->Label13, &TFrmmain::Label3Click},
        {ui->Label14, &TFrmmain::Label3Click},  {ui->Label11, &TFrmmain::Label11Click},
        {ui->Label15, &TFrmmain::Label15Click}, {ui->Label16, &TFrmmain::Label16Click},
        {ui->Label17, &TFrmmain::Label17Click},
    };
    for (const auto& l : links) {
        connect(l.label, &ClickLabel::clicked, this,
                Guard([this, handler = l.handler] { (this->*handler)(); }));
    }
    connect(ui->Image1, &platform::Picture::clicked, this, Guard([this] { Label3Click(); }));
}

void TFrmmain::showEvent(QShowEvent* event) {
    // Centred on the screen the first time only: a window the user has moved
    // stays where it was put.
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen =
                this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QWidget::showEvent(event);
}

void TFrmmain::OpenInBrowser(const QString& address) {
    if (services_.browser) services_.browser->open(address);
}

void TFrmmain::RzButton1Click() {
    UntOnther::ShowOmenReading(QStringLiteral("打喷嚏占卜吉凶"), 0);
}
void TFrmmain::RzButton12Click() {
    UntOnther::ShowOmenReading(QStringLiteral("面热测吉凶"), 1);
}
void TFrmmain::RzButton4Click() {
    UntOnther::ShowOmenReading(QStringLiteral("心惊测吉凶"), 2);
}
void TFrmmain::RzButton6Click() {
    UntOnther::ShowOmenReading(QStringLiteral("犬吠测吉凶"), 3);
}
void TFrmmain::RzButton9Click() {
    UntOnther::ShowOmenReading(QStringLiteral("眼跳测吉凶"), 4);
}
void TFrmmain::RzButton10Click() {
    UntOnther::ShowOmenReading(QStringLiteral("耳热测吉凶"), 5);
}
void TFrmmain::RzButton11Click() {
    UntOnther::ShowOmenReading(QStringLiteral("耳鸣测吉凶"), 6);
}

void TFrmmain::RzButton5Click() {
    using DateWin::FRM_Date;
    static const platform::SystemClock systemClock;
    // One window at a time: the hidden one of the last click goes first.
    delete FRM_Date;
    FRM_Date = new DateWin::TFRM_Date(services_.clock ? *services_.clock : systemClock, this);
    FRM_Date->exec();
}

void TFrmmain::RzButton2Click() {
    using Unt_servers::Frm_servers;
    // One window at a time: the hidden one of the last click goes first.
    delete Frm_servers.data();
    Frm_servers = new Unt_servers::TFrm_servers(this);
    Frm_servers->exec();
}

void TFrmmain::RzButton3Click() {
    using Uabout::About;
    delete About.data();
    About = new Uabout::TAbout(services_.browser, this);
    About->exec();
}

void TFrmmain::RzButton8Click() {
    OpenInBrowser(QString::fromUtf8(Addresses::HomePage));
}

void TFrmmain::RzButton7Click() {
    RunExitFlow();
}

void TFrmmain::FormCloseQuery(bool& CanClose) {
    CanClose = RunExitFlow();
}

void TFrmmain::closeEvent(QCloseEvent* event) {
    // Refused unless the exit flow says otherwise, also when it fails.
    bool canClose = false;
    platform::guarded([&] { FormCloseQuery(canClose); });
    event->setAccepted(canClose);
}

bool TFrmmain::RunExitFlow() {
    static NoRegistry none;
    if (!EndMsg::ConfirmExit(services_.registry ? *services_.registry : none)) return false;
    // The loop ends once this handler has returned. QCoreApplication::quit()
    // would not do: it closes every window first, and this window's close
    // request would ask the user a second time.
    if (services_.quit)
        services_.quit();
    else
        QCoreApplication::exit(0);
    OpenInBrowser(QString::fromUtf8(Addresses::HomePage));
    return true;
}

void TFrmmain::Label2Click() {
    OpenInBrowser(QString::fromUtf8(Addresses::TargetA));
}
void TFrmmain::Label3Click() {
    OpenInBrowser(QString::fromUtf8(Addresses::TargetB));
}
void TFrmmain::Label4Click() {
    OpenInBrowser(QString::fromUtf8(Addresses::TargetC));
}
void TFrmmain::Label1Click() {
    OpenInBrowser(QString::fromUtf8(Addresses::TargetD));
}
void TFrmmain::Label11Click() {
    OpenInBrowser(QString::fromUtf8(Addresses::TargetE));
}
void TFrmmain::Label15Click() {
    OpenInBrowser(QString::fromUtf8(Addresses::TargetF));
}
void TFrmmain::Label16Click() {
    OpenInBrowser(QString::fromUtf8(Addresses::TargetG));
}
void TFrmmain::Label17Click() {
    OpenInBrowser(QString::fromUtf8(Addresses::TargetH));
}

}  // namespace Unt_Main
