// Answers modal exit dialogs for a test: each dialog that comes up modally is
// handed to the next action, inside its own event loop, the way a user would
// meet it. A dialog still open after the bound is closed and the test fails,
// so a missing answer never hangs the suite.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <deque>
#include <functional>

#include "shell/EndMsg.h"

namespace testing_support {

class ModalDriver {
public:
    using Action = std::function<void(EndMsg::TFrmMsG&)>;

    explicit ModalDriver(std::deque<Action> actions, int boundMs = 10000)
        : actions_(std::move(actions)), boundMs_(boundMs) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
        clock_.start();
    }

    int dialogsAnswered() const { return answered_; }
    bool allAnswered() const { return actions_.empty(); }

private:
    void poll() {
        auto* dialog = qobject_cast<EndMsg::TFrmMsG*>(QApplication::activeModalWidget());
        if (!dialog) return;
        if (dialog == current_) {
            if (clock_.elapsed() > boundMs_) {
                ADD_FAILURE() << "the exit dialog is still open after " << boundMs_ << " ms";
                dialog->done(QDialog::Rejected);
            }
            return;
        }
        current_ = dialog;
        clock_.restart();
        if (actions_.empty()) {
            ADD_FAILURE() << "an exit dialog came up that the test did not expect";
            dialog->done(QDialog::Rejected);
            return;
        }
        Action action = std::move(actions_.front());
        actions_.pop_front();
        ++answered_;
        action(*dialog);
    }

    std::deque<Action> actions_;
    int boundMs_;
    int answered_ = 0;
    QPointer<EndMsg::TFrmMsG> current_;
    QTimer timer_;
    QElapsedTimer clock_;
};

}  // namespace testing_support
