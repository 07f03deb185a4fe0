// The plain controls the calendar window is drawn with: a filled rectangle,
// an etched line, and a label that reports presses and clicks.
#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

namespace calendar {

// A rectangle filled with `fill` and outlined in one pixel of black.
class Shape : public QWidget {
    Q_OBJECT
public:
    explicit Shape(QColor fill, QWidget* parent = nullptr);
    QColor fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
};

// An etched horizontal line along the bottom edge; draws nothing else.
class Bevel : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A label that reports a press of any mouse button, and a click: the left
// button pressed and released over it.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void pressed();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool leftDown_ = false;
};

}  // namespace calendar
