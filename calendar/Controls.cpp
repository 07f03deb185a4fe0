#include "calendar/Controls.h"

#include <QPainter>

namespace calendar {

Shape::Shape(QColor fill, QWidget* parent) : QWidget(parent), fill_(fill) {}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(fill_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Bevel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int bottom = height() - 1;
    painter.setPen(QColor(0xA0, 0xA0, 0xA0));
    painter.drawLine(0, bottom - 1, width() - 1, bottom - 1);
    painter.setPen(Qt::white);
    painter.drawLine(0, bottom, width() - 1, bottom);
}

}  // namespace calendar
