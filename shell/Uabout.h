// The About window: the maker's rights line, contact person, numbers and an
// e-mail link.
#pragma once

#include <QDialog>
#include <QPointer>

#include <memory>

#include "platform/BrowserLauncher.h"

namespace Ui {
class TAbout;
}

namespace Uabout {

class TAbout : public QDialog {
    Q_OBJECT
public:
    // `launcher` opens the e-mail link; it may be null, and then the link
    // does nothing.
    explicit TAbout(platform::BrowserLauncher* launcher, QWidget* parent = nullptr);
    ~TAbout() override;

    // Starts a new mail to the contact address; the link turns purple once a
    // mail program could be started, and stays as it is when none could.
    void RzURLLabel1Click();

private:
    std::unique_ptr<Ui::TAbout> ui;
    platform::BrowserLauncher* launcher_;
};

// The window of the last click on "关于系统"; replaced on every click.
inline QPointer<TAbout> About;

}  // namespace Uabout
