// The main window: banner, button bar, link column, main picture and status
// line. It lives for the whole run.
#pragma once

#include <QString>
#include <QWidget>

#include <memory>

#include "shell/Services.h"

namespace Ui {
class TFrmmain;
}

namespace Unt_Main {

class TFrmmain : public QWidget {
    Q_OBJECT
public:
    explicit TFrmmain(const shell::Services& services, QWidget* parent = nullptr);
    ~TFrmmain() override;

    // Opens `address` in the user's web browser. Whether a browser could be
    // started is not looked at: a failure shows nothing.
    void OpenInBrowser(const QString& address);

    // Omen buttons: each opens a new reading window.
    void RzButton1Click();
    void RzButton4Click();
    void RzButton6Click();
    void RzButton9Click();
    void RzButton10Click();
    void RzButton11Click();
    void RzButton12Click();

    void RzButton5Click();  // 查看日历
    void RzButton2Click();  // 客户服务
    void RzButton3Click();  // 关于系统
    void RzButton8Click();  // 联系主页
    void RzButton7Click();  // 关闭系统

    // Link column; Label3Click also serves labels 5 to 14 and the banner.
    void Label2Click();
    void Label3Click();
    void Label4Click();
    void Label1Click();
    void Label11Click();
    void Label15Click();
    void Label16Click();
    void Label17Click();

protected:
    void showEvent(QShowEvent* event) override;
    // The main window's close ends the program, reading windows or not.
    void closeEvent(QCloseEvent* event) override;

private:
    void styleControls();
    void connectHandlers();

    std::unique_ptr<Ui::TFrmmain> ui;
    shell::Services services_;
    bool centred_ = false;
};

}  // namespace Unt_Main
