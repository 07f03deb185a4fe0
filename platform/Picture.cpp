#include "platform/Picture.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace platform {
namespace {

bool isSvg(const QString& path) {
    return path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

}  // namespace

Picture::Picture(QWidget* parent) : QWidget(parent) {}

void Picture::setSource(const QString& path, Mode mode) {
    source_ = path;
    mode_ = mode;
    cache_ = QPixmap();
    update();
}

QSize Picture::naturalSize() const {
    if (source_.isEmpty()) return {};
    if (isSvg(source_)) return QSvgRenderer(source_).defaultSize();
    return QImageReader(source_).size();
}

QPixmap Picture::render(const QSize& size) const {
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    if (isSvg(source_)) {
        QSvgRenderer svg(source_);
        svg.render(&p, QRectF(QPointF(0, 0), size));
    } else {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(QPoint(0, 0), size), QImage(source_));
    }
    return pixmap;
}

void Picture::paintEvent(QPaintEvent*) {
    if (source_.isEmpty()) return;
    const QSize wanted = mode_ == Mode::Stretch ? size() : naturalSize();
    if (wanted.isEmpty()) return;
    if (cache_.isNull() || cache_.deviceIndependentSize().toSize() != wanted)
        cache_ = render(wanted);
    QPainter p(this);
    p.drawPixmap(0, 0, cache_);
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace platform
