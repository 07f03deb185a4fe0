// A label that reacts to the mouse, for links drawn as plain text and for
// cells that select what they show. It reports a press of any button, and a
// click: the left button pressed and released over it.
#pragma once

#include <QLabel>

namespace platform {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    // Sets the text colour (the palette's WindowText).
    void setTextColor(const QColor& color);
    QColor textColor() const;

signals:
    void pressed();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool leftDown_ = false;
};

}  // namespace platform
