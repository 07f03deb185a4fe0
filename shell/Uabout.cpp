#include "shell/Uabout.h"

#include "platform/ErrorHandler.h"
#include "platform/Fonts.h"
#include "shell/Addresses.h"
#include "shell/Assets.h"
#include "ui_Uabout.h"

namespace Uabout {
namespace {

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, color);
    widget->setPalette(pal);
}

}  // namespace

TAbout::TAbout(platform::BrowserLauncher* launcher, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint),
      ui(std::make_unique<Ui::TAbout>()),
      launcher_(launcher) {
    const QFont song = platform::PixelFont(QStringLiteral("宋体"), 12);
    setFont(song);
    shell::InitAssets();
    ui->setupUi(this);
    setFixedSize(size());

    ui->Image1->setSource(QStringLiteral(":/shell/about.svg"), platform::Picture::Mode::Natural);

    ui->RzLabel1->setFont(platform::PixelFont(QStringLiteral("楷体_GB2312"), 12, true));
    setTextColor(ui->RzLabel1, Qt::red);
    ui->RzLabel1->setText(QStringLiteral("%1 版权所有").arg(QString::fromUtf8(Addresses::Maker)));

    ui->RzLabel4->setText(
        QStringLiteral("联系人：%1").arg(QString::fromUtf8(Addresses::ContactPerson)));
    ui->RzLabel3->setText(QStringLiteral("QQ：%1").arg(QString::fromUtf8(Addresses::Messenger)));
    ui->RzLabel6->setText(QStringLiteral("TEL：%1").arg(QString::fromUtf8(Addresses::Telephone)));
    setTextColor(ui->RzLabel6, QColor(0x00, 0x00, 0x80));

    QFont link = song;
    link.setUnderline(true);
    ui->RzURLLabel1->setFont(link);
    ui->RzURLLabel1->setTextColor(palette().color(QPalette::Highlight));
    ui->RzURLLabel1->setText(
        QStringLiteral("邮件：%1").arg(QString::fromUtf8(Addresses::ContactEmail)));
    connect(ui->RzURLLabel1, &platform::ClickLabel::clicked, this,
            platform::Guard([this] { RzURLLabel1Click(); }));
}

TAbout::~TAbout() = default;

void TAbout::RzURLLabel1Click() {
    if (!launcher_) return;
    const QString address = QStringLiteral("mailto:") + QString::fromUtf8(Addresses::ContactEmail);
    if (launcher_->open(address)) ui->RzURLLabel1->setTextColor(QColor(0x80, 0x00, 0x80));
}

}  // namespace Uabout
