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

// What the handlers of the program's formats have in common: each tells its
// picture's size from the header, and shrinks its decode to the size a
// thumbnail asks for.
class SizedImageHandler : public QImageIOHandler {
public:
    QVariant option(ImageOption option) const override {
        if (option == ScaledSize)
            return scaledSize_;
        if (option != Size || device() == nullptr)
            return {};
        const QSize size = HeaderSize();
        return size.isEmpty() ? QVariant() : QVariant(size);
    }
    void setOption(ImageOption option, const QVariant& value) override {
        if (option == ScaledSize)
            scaledSize_ = value.toSize();
    }
    bool supportsOption(ImageOption option) const override {
        return option == Size || option == ScaledSize;
    }

protected:
    // The size the header gives, upright; empty when it tells none.
    virtual QSize HeaderSize() const = 0;

    QSize scaledSize_; // asked for thumbnails; empty for the whole picture
};

template <class Handler> QImageIOHandler* MakeHandler(QIODevice* device, const QByteArray& format) {
    auto* handler = new Handler;
    handler->setDevice(device);
    handler->setFormat(format);
    return handler;
}

} // namespace kolvira
