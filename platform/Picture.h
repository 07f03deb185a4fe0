// A picture box: shows an image (SVG or raster) either stretched to the box or
// at its own size from the top left corner, clipped by the box. Emits
// clicked() on a left click.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <memory>

class QSvgRenderer;

namespace platform {

class Picture : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Stretch, Natural };

    explicit Picture(QWidget* parent = nullptr);
    ~Picture() override;

    void setSource(const QString& path, Mode mode = Mode::Stretch);
    QString source() const { return source_; }
    // The image's own size; empty when the source cannot be read.
    QSize naturalSize() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap scaledRaster(const QSize& size) const;

    QString source_;
    Mode mode_ = Mode::Stretch;
    mutable QSize naturalSize_;                  // looked up once per source
    mutable std::unique_ptr<QSvgRenderer> svg_;  // parsed once per source
};

}  // namespace platform
