#include "platform/Picture.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace platform {
namespace {

bool isSvg(const QString& path) {
    return path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

}  // namespace

Picture::Picture(QWidget* parent) : QWidget(parent) {}

Picture::~Picture() = default;

void Picture::setSource(const QString& path, Mode mode) {
    source_ = path;
    mode_ = mode;
    naturalSize_ = QSize();
    svg_.reset();
    update();
}

QSize Picture::naturalSize() const {
    if (source_.isEmpty()) return {};
    if (!naturalSize_.isValid())
        naturalSize_ =
            isSvg(source_) ? QSvgRenderer(source_).defaultSize() : QImageReader(source_).size();
    return naturalSize_;
}

// Vector pictures are drawn straight onto the window: they are cheap to draw
// and a copy of each would be a megabyte of fresh memory at start-up. Raster
// pictures are loaded and scaled once, and shared through the pixmap cache
// between boxes that show the same picture at the same size.
QPixmap Picture::scaledRaster(const QSize& size) const {
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("platform::Picture|%1|%2x%3@%4")
                            .arg(source_)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    pixmap = QPixmap(source_);
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    if (!pixmap.isNull() && pixmap.size() != pixels)
        pixmap = pixmap.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void Picture::paintEvent(QPaintEvent*) {
    if (source_.isEmpty()) return;
    const QSize wanted = mode_ == Mode::Stretch ? size() : naturalSize();
    if (wanted.isEmpty()) return;
    QPainter p(this);
    if (isSvg(source_)) {
        if (!svg_) svg_ = std::make_unique<QSvgRenderer>(source_);
        svg_->render(&p, QRectF(QPointF(0, 0), QSizeF(wanted)));
    } else {
        p.drawPixmap(0, 0, scaledRaster(wanted));
    }
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace platform
