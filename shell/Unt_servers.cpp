#include "shell/Unt_servers.h"

#include "platform/Fonts.h"
#include "shell/Addresses.h"
#include "shell/Assets.h"
#include "ui_Unt_servers.h"

namespace Unt_servers {

TFrm_servers::TFrm_servers(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint),
      ui(std::make_unique<Ui::TFrm_servers>()) {
    setFont(platform::PixelFont(QStringLiteral("宋体"), 12));
    shell::InitAssets();
    ui->setupUi(this);
    setFixedSize(size());

    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    ui->RzPanel1->setColor(Qt::white);
    ui->RzPanel1->setFlatBorder(QColor(0x30, 0xA3, 0xE7), 6);

    using Mode = platform::Picture::Mode;
    ui->Image1->setSource(QStringLiteral(":/shell/people.svg"), Mode::Stretch);
    ui->Image2->setSource(QStringLiteral(":/shell/telephone.svg"), Mode::Stretch);
    ui->Image3->setSource(QStringLiteral(":/shell/penguin.svg"), Mode::Stretch);
    ui->Image4->setSource(QStringLiteral(":/shell/people.svg"), Mode::Stretch);

    ui->Label5->setText(
        QStringLiteral("服务电话：%1").arg(QString::fromUtf8(Addresses::ServiceTelephone)));
    ui->Label4->setText(
        QStringLiteral("QQ在线支持：%1").arg(QString::fromUtf8(Addresses::Messenger)));
    ui->Label7->setText(
        QStringLiteral("技术支持邮箱：%1").arg(QString::fromUtf8(Addresses::SupportEmail)));
    ui->Label2->setText(
        QStringLiteral("%1欢迎各类商务合作洽谈（示例文字），来电来函请注明合作意向。")
            .arg(QString::fromUtf8(Addresses::Maker)));

    const QFont heading = platform::PixelFont(QStringLiteral("宋体"), 12, true);
    for (QLabel* label : {ui->Label1, ui->Label5, ui->Label4, ui->Label7}) {
        label->setFont(heading);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
        label->setPalette(pal);
    }
    for (QLabel* label : {ui->Label2, ui->Label3, ui->Label6, ui->Label8}) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(pal);
    }
}

TFrm_servers::~TFrm_servers() = default;

}  // namespace Unt_servers
