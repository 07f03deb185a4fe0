#include "calendar/UpDown.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>

#include "platform/ErrorHandler.h"

namespace calendar {
namespace {
constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 80;
}  // namespace

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    repeat_.setInterval(kFirstRepeatMs);
    connect(&repeat_, &QTimer::timeout, this, platform::Guard([this] {
        repeat_.setInterval(kRepeatMs);
        step(pressedButton_);
    }));
}

void UpDown::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    position_ = std::clamp(position_, minimum_, maximum_);
    update();
}

void UpDown::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
    update();
}

void UpDown::step(Button button) {
    const int next = std::clamp(position_ + (button == Button::Up ? 1 : -1), minimum_, maximum_);
    if (next == position_) return;
    position_ = next;
    emit clicked(button);
}

QRect UpDown::buttonRect(Button button) const {
    const int half = height() / 2;
    return button == Button::Up ? QRect(0, 0, width(), half)
                                : QRect(0, half, width(), height() - half);
}

void UpDown::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (Button button : {Button::Up, Button::Down}) {
        const bool down = pressed_ && pressedButton_ == button;
        QStyleOptionButton panel;
        panel.initFrom(this);
        panel.rect = buttonRect(button);
        panel.state |= down ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &panel, &painter, this);

        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = panel.rect.adjusted(3, 2, -3, -2).translated(down ? 1 : 0, down ? 1 : 0);
        const bool atLimit = button == Button::Up ? position_ >= maximum_ : position_ <= minimum_;
        if (atLimit) arrow.state &= ~QStyle::State_Enabled;
        style()->drawPrimitive(
            button == Button::Up ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
            &arrow, &painter, this);
    }
}

void UpDown::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = true;
    pressedButton_ =
        buttonRect(Button::Up).contains(event->position().toPoint()) ? Button::Up : Button::Down;
    update();
    repeat_.setInterval(kFirstRepeatMs);
    repeat_.start();
    step(pressedButton_);
}

void UpDown::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    stopRepeat();
}

void UpDown::hideEvent(QHideEvent* event) {
    stopRepeat();
    QWidget::hideEvent(event);
}

void UpDown::stopRepeat() {
    repeat_.stop();
    if (pressed_) {
        pressed_ = false;
        update();
    }
}

}  // namespace calendar
