#include "platform/GroovedPanel.h"

#include <qdrawutil.h>
#include <QLinearGradient>
#include <QPainter>
#include <QPalette>

namespace platform {

GroovedPanel::GroovedPanel(QWidget* parent) : QWidget(parent) {
    const QColor face = palette().color(QPalette::Button);
    from_ = face;
    to_ = face;
}

void GroovedPanel::setGrooved(bool grooved) {
    grooved_ = grooved;
    update();
}

void GroovedPanel::setColor(const QColor& color) {
    setGradient(color, color, direction_);
}

void GroovedPanel::setGradient(const QColor& from, const QColor& to, Qt::Orientation direction) {
    from_ = from;
    to_ = to;
    direction_ = direction;
    update();
}

void GroovedPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int inset = grooved_ ? kGrooveWidth : 0;
    const QRect inside = rect().adjusted(inset, inset, -inset, -inset);
    if (from_ == to_) {
        painter.fillRect(inside, from_);
    } else {
        // The gradient runs across the whole panel, so a child that reveals it
        // shows the same shade whatever the border.
        const QPointF end = direction_ == Qt::Vertical ? QPointF(0, height()) : QPointF(width(), 0);
        QLinearGradient gradient(QPointF(0, 0), end);
        gradient.setColorAt(0, from_);
        gradient.setColorAt(1, to_);
        painter.fillRect(inside, gradient);
    }
    if (grooved_) {
        // A sunken one-pixel line with a raised one inside it reads as a groove.
        qDrawShadeRect(&painter, rect(), palette(), /*sunken=*/true, /*lineWidth=*/1);
    }
}

}  // namespace platform
