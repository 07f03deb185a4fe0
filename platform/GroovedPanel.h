// A plain container panel with the look the windows are designed around:
// grooved (etched) borders two pixels wide each, or a flat one-pixel border
// with rounded corners, and a background that is either one colour or a
// two-colour linear gradient. Children keep the positions they are given,
// relative to the panel's top left corner; the border only paints over the
// edge.
#pragma once

#include <QColor>
#include <QWidget>

namespace platform {

class GroovedPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kGrooveWidth = 2;

    explicit GroovedPanel(QWidget* parent = nullptr);

    // One groove, or none.
    void setGrooved(bool grooved);
    bool isGrooved() const { return grooves_ > 0; }
    // Outer and inner border both grooved: two grooves, one inside the other.
    void setGrooveCount(int count);
    // The colour of the grooves' dark lines; invalid for the palette's own.
    void setGrooveColor(const QColor& color);
    // A flat one-pixel border with rounded corners in place of any groove.
    void setFlatBorder(const QColor& color, int radius);

    // Width of the border on each side: where the panel's content begins.
    int borderWidth() const;

    // A solid background.
    void setColor(const QColor& color);

    // A gradient from `from` to `to`: top to bottom for Qt::Vertical, left to
    // right for Qt::Horizontal.
    void setGradient(const QColor& from, const QColor& to, Qt::Orientation direction);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int grooves_ = 1;
    QColor grooveColor_;
    QColor flatBorder_;
    int flatRadius_ = 0;
    QColor from_;
    QColor to_;
    Qt::Orientation direction_ = Qt::Vertical;
};

}  // namespace platform
