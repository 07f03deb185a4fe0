// The Customer Service window: how to reach the maker, in four sections.
// Nothing in it can be clicked.
#pragma once

#include <QDialog>
#include <QPointer>

#include <memory>

namespace Ui {
class TFrm_servers;
}

namespace Unt_servers {

class TFrm_servers : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_servers(QWidget* parent = nullptr);
    ~TFrm_servers() override;

private:
    std::unique_ptr<Ui::TFrm_servers> ui;
};

// The window of the last click on "客户服务"; replaced on every click.
inline QPointer<TFrm_servers> Frm_servers;

}  // namespace Unt_servers
