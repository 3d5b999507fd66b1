#include "PhotoScaling.h"

#include <QPainter>

namespace kolvira {

std::int64_t ProportionalHeight(QSize size, int width) {
    if (size.width() <= 0)
        return 0;
    return std::int64_t{size.height()} * width / size.width();
}

QImage FlattenOnBlack(const QImage& image) {
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    if (flat.isNull())
        return flat;
    flat.fill(Qt::black);
    QPainter painter(&flat);
    painter.drawImage(QPoint(0, 0), image);
    painter.end();
    return flat;
}

QImage ScalePhoto(const QImage& photo, QSize size) {
    if (photo.size() == size)
        return photo.convertToFormat(QImage::Format_RGB32);
    return photo.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace kolvira
