// A label that reacts to a click, for links drawn as plain text.
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
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace platform
