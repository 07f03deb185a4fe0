// A plain container panel with the look the windows are designed around: an
// optional grooved (etched) border two pixels wide and a background that is
// either one colour or a two-colour linear gradient. Children keep the
// positions they are given, relative to the panel's top left corner; the
// border only paints over the edge.
#pragma once

#include <QColor>
#include <QWidget>

namespace platform {

class GroovedPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kGrooveWidth = 2;

    explicit GroovedPanel(QWidget* parent = nullptr);

    void setGrooved(bool grooved);
    bool isGrooved() const { return grooved_; }

    // A solid background.
    void setColor(const QColor& color);

    // A gradient from `from` to `to`: top to bottom for Qt::Vertical, left to
    // right for Qt::Horizontal.
    void setGradient(const QColor& from, const QColor& to, Qt::Orientation direction);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool grooved_ = true;
    QColor from_;
    QColor to_;
    Qt::Orientation direction_ = Qt::Vertical;
};

}  // namespace platform
