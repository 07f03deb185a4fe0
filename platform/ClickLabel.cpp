#include "platform/ClickLabel.h"

#include <QMouseEvent>

namespace platform {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::setTextColor(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
}

QColor ClickLabel::textColor() const {
    return palette().color(QPalette::WindowText);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) leftDown_ = true;
    event->accept();
    emit pressed();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !leftDown_) return;
    leftDown_ = false;
    if (rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace platform
