// A flat push button with a coloured frame whose face lights up while the
// mouse is over it.
#pragma once

#include <QColor>
#include <QPushButton>

namespace platform {

class HoverButton : public QPushButton {
    Q_OBJECT
public:
    explicit HoverButton(QWidget* parent = nullptr);

    void setColors(const QColor& frame, const QColor& face, const QColor& hotFace);
    bool isHot() const { return hot_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QColor frame_{0x00, 0x80, 0x00};
    QColor face_{0xF4, 0xF4, 0xF0};
    QColor hotFace_{0xFF, 0xF8, 0xD0};
    bool hot_ = false;
};

}  // namespace platform
