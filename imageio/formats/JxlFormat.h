// JPEG XL pictures through libjxl, as a Qt image format: QImageReader then
// reads them like any other picture (header size first, under the decode
// watchdog, scaled for thumbnails).
#pragma once

#include "imageio/formats/FormatPlugin.h"

#include <QImageIOHandler>
#include <QImageIOPlugin>

namespace kolvira {

class JxlHandler : public SizedImageHandler {
public:
    bool canRead() const override;
    bool read(QImage* image) override;

    // Whether the device's next bytes start a JPEG XL file (codestream or
    // container); nothing is consumed.
    static bool CanRead(QIODevice* device);

private:
    QSize HeaderSize() const override;
};

class JxlPlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "JxlFormat.json")

public:
    Capabilities capabilities(QIODevice* device, const QByteArray& format) const override;
    QImageIOHandler* create(QIODevice* device, const QByteArray& format) const override;
};

} // namespace kolvira
