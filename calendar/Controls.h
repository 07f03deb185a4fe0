// The plain controls the calendar window is drawn with: a filled rectangle
// and an etched line.
#pragma once

#include <QColor>
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

}  // namespace calendar
