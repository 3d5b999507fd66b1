// JPEG XL pictures through libjxl, as a Qt image format: QImageReader then
// reads them like any other picture (header size first, under the decode
// watchdog, scaled for thumbnails).
#pragma once

#include <QImageIOHandler>
#include <QImageIOPlugin>

namespace kolvira {

class JxlHandler : public QImageIOHandler {
public:
    bool canRead() const override;
    bool read(QImage* image) override;
    QVariant option(ImageOption option) const override;
    void setOption(ImageOption option, const QVariant& value) override;
    bool supportsOption(ImageOption option) const override;

    // Whether the device's next bytes start a JPEG XL file (codestream or
    // container); nothing is consumed.
    static bool CanRead(QIODevice* device);

private:
    QSize scaledSize_; // asked for thumbnails; the decode is shrunk to it
};

class JxlPlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "JxlFormat.json")

public:
    Capabilities capabilities(QIODevice* device, const QByteArray& format) const override;
    QImageIOHandler* create(QIODevice* device, const QByteArray& format) const override;
};

} // namespace kolvira
