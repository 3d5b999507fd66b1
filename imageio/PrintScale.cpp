#include "imageio/PrintScale.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>

namespace kolvira {

QSizeF ScreenDpi() {
    constexpr double kDpiWithoutScreen = 96.0;
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    if (screen == nullptr || screen->logicalDotsPerInchX() <= 0 ||
        screen->logicalDotsPerInchY() <= 0)
        return QSizeF(kDpiWithoutScreen, kDpiWithoutScreen);
    return QSizeF(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY());
}

QSizeF ScreenToDeviceScale(const QPaintDevice& device, QSizeF screenDpi) {
    return QSizeF(device.logicalDpiX() / screenDpi.width(),
                  device.logicalDpiY() / screenDpi.height());
}

QSizeF LogicalPageSize(const QPaintDevice& device, QSizeF screenDpi) {
    const QSizeF scale = ScreenToDeviceScale(device, screenDpi);
    return QSizeF(device.width() / scale.width(), device.height() / scale.height());
}

} // namespace kolvira
