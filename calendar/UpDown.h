// A vertical up-down spinner: two arrow buttons stepping an integer position
// by one between a minimum and a maximum, without wrapping around.
#pragma once

#include <QTimer>
#include <QWidget>

namespace calendar {

class UpDown : public QWidget {
    Q_OBJECT
public:
    enum class Button { Up, Down };
    Q_ENUM(Button)

    explicit UpDown(QWidget* parent = nullptr);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int position() const { return position_; }

    // Neither reports a click: only the arrows do.
    void setRange(int minimum, int maximum);
    void setPosition(int position);

    // What a click on an arrow does. Reports `clicked` only when the position
    // changed, so an arrow pointing past a limit does nothing at all.
    void step(Button button);

    QSize sizeHint() const override { return {16, 24}; }

signals:
    void clicked(calendar::UpDown::Button button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QRect buttonRect(Button button) const;
    void stopRepeat();

    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
    bool pressed_ = false;
    Button pressedButton_ = Button::Up;
    // Holding an arrow down keeps stepping, as spinners do.
    QTimer repeat_;
};

}  // namespace calendar
