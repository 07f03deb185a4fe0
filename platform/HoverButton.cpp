#include "platform/HoverButton.h"

#include <QPainter>

namespace platform {

HoverButton::HoverButton(QWidget* parent) : QPushButton(parent) {
    setAttribute(Qt::WA_Hover);
}

void HoverButton::setColors(const QColor& frame, const QColor& face, const QColor& hotFace) {
    frame_ = frame;
    face_ = face;
    hotFace_ = hotFace;
    update();
}

void HoverButton::enterEvent(QEnterEvent* event) {
    hot_ = true;
    update();
    QPushButton::enterEvent(event);
}

void HoverButton::leaveEvent(QEvent* event) {
    hot_ = false;
    update();
    QPushButton::leaveEvent(event);
}

void HoverButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, hot_ ? hotFace_ : face_);
    p.setPen(hot_ ? frame_.lighter(140) : frame_);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    if (hot_) p.drawRect(r.adjusted(1, 1, -2, -2));

    QRect text = r;
    if (isDown()) text.translate(1, 1);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.setFont(font());
    p.drawText(text, Qt::AlignCenter | Qt::TextShowMnemonic, this->text());

    if (hasFocus()) {
        QPen dots(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
        p.setPen(dots);
        p.drawRect(r.adjusted(2, 2, -3, -3));
    }
}

}  // namespace platform
