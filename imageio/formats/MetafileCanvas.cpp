#include "imageio/formats/MetafileCanvas.h"

#include "imageio/decoding/DecodeLimits.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kolvira {

int PixelsAt96Dpi(double inches) {
    if (!(inches > 0))
        return 0;
    const double pixels = std::round(inches * 96);
    return static_cast<int>(std::clamp(pixels, 1.0, double{std::numeric_limits<int>::max()}));
}

QImage WhiteCanvas(QSize size, QString& error) {
    if (size.isEmpty()) {
        error = QCoreApplication::translate("Decoding", "the metafile gives no size");
        return {};
    }
    if (HasTooManyPixels(size.width(), size.height())) {
        error = TooManyPixelsReason(size.width(), size.height());
        return {};
    }
    QImage canvas(size, QImage::Format_RGB32);
    if (canvas.isNull()) {
        error = QCoreApplication::translate(
                    "Decoding", "there is not enough memory for a picture of %1x%2 pixels")
                    .arg(size.width())
                    .arg(size.height());
        return {};
    }
    canvas.fill(Qt::white);
    return canvas;
}

bool CanDrawText() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

QString TextLeftOutWarning() {
    return QCoreApplication::translate(
        "Decoding", "the metafile's text is not drawn: the program runs without fonts");
}

} // namespace kolvira
