#include "shell/EndMsg.h"

#include <QKeyEvent>
#include <QPushButton>

#include "platform/ErrorHandler.h"
#include "platform/Fonts.h"
#include "platform/Text.h"
#include "shell/Assets.h"
#include "ui_EndMsg.h"

namespace EndMsg {

QString ReadStartPage(platform::Registry& registry) {
    const auto key = registry.openKey(StartPageKey);
    if (!key) return QString();
    return key->readString(StartPageValue);
}

void WriteStartPage(platform::Registry& registry, const QString& address) {
    const auto key = registry.openKey(StartPageKey);
    // A key that cannot be opened would otherwise lose the write silently.
    if (!key) throw platform::FailedToSetData(StartPageValue);
    key->writeString(StartPageValue, address);
}

TFrmMsG::TFrmMsG(platform::Registry& registry, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFrmMsG>()), registry_(registry) {
    shell::InitAssets();
    ui->setupUi(this);
    // A title, and no buttons in it: the dialog is answered with its own two.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(platform::PixelFont(QStringLiteral("宋体"), 12));
    setFixedSize(236, 101);
    move(500, 303);

    ui->RzPanel1->setGrooveCount(1);
    // The speech bubble at its own size, 41 x 42, in its 41 x 44 box.
    ui->Image1->setSource(QStringLiteral(":/shell/question.svg"), platform::Picture::Mode::Natural);
    ui->Label1->adjustSize();

    // Like a button with a modal result, either one ends the dialog even
    // when its handler fails; the failure is reported first.
    connect(ui->Button1, &QPushButton::clicked, this, [this] {
        platform::guarded([this] { Button1Click(); });
        done(QDialog::Accepted);
    });
    connect(ui->Button2, &QPushButton::clicked, this, [this] {
        platform::guarded([this] { Button2Click(); });
        done(QDialog::Rejected);
    });
    ui->Button1->setFocus();

    platform::guarded([this] { FormCreate(); });
}

TFrmMsG::~TFrmMsG() = default;

void TFrmMsG::FormCreate() {
    // A stored page with blanks or line breaks around it still is the portal;
    // letter case and everything else count.
    if (platform::TrimControls(ReadStartPage(registry_)) == PromotedStartPage) {
        ui->CheckBox1->setChecked(false);
        ui->CheckBox1->setVisible(false);
    }
}

void TFrmMsG::Button1Click() {
    if (ui->CheckBox1->isChecked()) WriteStartPage(registry_, PromotedStartPage);
    Confirmed = true;
}

void TFrmMsG::Button2Click() {
    Confirmed = false;
}

void TFrmMsG::keyPressEvent(QKeyEvent* event) {
    // No button answers Escape: the dialog wants a yes or a no.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool ConfirmExit(platform::Registry& registry) {
    TFrmMsG dialog(registry);
    dialog.exec();
    return dialog.Confirmed;
}

}  // namespace EndMsg
