// What the program's image-format plugins answer Qt alike: a plugin reads
// a format named by one of its own keys, and an unnamed device whose first
// bytes it recognises; its handlers read the device they are made for.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QImageIOHandler>
#include <QImageIOPlugin>

namespace kolvira {

template <class Recognises>
QImageIOPlugin::Capabilities ReadCapability(QIODevice* device, const QByteArray& format,
                                            bool ownKey, Recognises recognises) {
    if (ownKey)
        return QImageIOPlugin::CanRead;
    if (!format.isEmpty() || device == nullptr || !device->isReadable())
        return {};
    return recognises(device) ? QImageIOPlugin::CanRead : QImageIOPlugin::Capabilities();
}

template <class Handler> QImageIOHandler* MakeHandler(QIODevice* device, const QByteArray& format) {
    auto* handler = new Handler;
    handler->setDevice(device);
    handler->setFormat(format);
    return handler;
}

} // namespace kolvira
