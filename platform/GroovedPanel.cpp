#include "platform/GroovedPanel.h"

#include <qdrawutil.h>
#include <QLinearGradient>
#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace platform {

GroovedPanel::GroovedPanel(QWidget* parent) : QWidget(parent) {
    const QColor face = palette().color(QPalette::Button);
    from_ = face;
    to_ = face;
}

void GroovedPanel::setGrooved(bool grooved) {
    setGrooveCount(grooved ? 1 : 0);
}

void GroovedPanel::setGrooveCount(int count) {
    grooves_ = std::clamp(count, 0, 2);
    update();
}

void GroovedPanel::setGrooveColor(const QColor& color) {
    grooveColor_ = color;
    update();
}

void GroovedPanel::setFlatBorder(const QColor& color, int radius) {
    flatBorder_ = color;
    flatRadius_ = radius;
    update();
}

int GroovedPanel::borderWidth() const {
    if (flatBorder_.isValid()) return 1;
    return grooves_ * kGrooveWidth;
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
    const int inset = flatBorder_.isValid() ? 0 : borderWidth();
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
    if (flatBorder_.isValid()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(flatBorder_);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), flatRadius_,
                                flatRadius_);
        return;
    }
    QPalette shades = palette();
    if (grooveColor_.isValid()) {
        shades.setColor(QPalette::Dark, grooveColor_);
        shades.setColor(QPalette::Light, Qt::white);
    }
    QRect box = rect();
    for (int i = 0; i < grooves_; ++i) {
        // A sunken one-pixel line with a raised one inside it reads as a groove.
        qDrawShadeRect(&painter, box, shades, /*sunken=*/true, /*lineWidth=*/1);
        box.adjust(kGrooveWidth, kGrooveWidth, -kGrooveWidth, -kGrooveWidth);
    }
}

}  // namespace platform
