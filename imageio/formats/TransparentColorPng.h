// 16-bit RGB PNGs with a transparent colour (a tRNS chunk), through libpng:
// Qt's reader garbles them (the colour stays opaque, other pixels go wrong,
// halves of rows black). A Qt image-format plugin that claims only these
// files by their content, ahead of Qt's own PNG reader, and calls their
// format "png" like it does.
#pragma once

#include <QImageIOHandler>
#include <QImageIOPlugin>

namespace kolvira {

class TransparentColorPngHandler : public QImageIOHandler {
public:
    bool canRead() const override;
    bool read(QImage* image) override;
    QVariant option(ImageOption option) const override;
    bool supportsOption(ImageOption option) const override;

    // Whether the device's next bytes start a 16-bit RGB PNG with a tRNS
    // chunk; nothing is consumed.
    static bool CanRead(QIODevice* device);
};

class TransparentColorPngPlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "TransparentColorPng.json")

public:
    Capabilities capabilities(QIODevice* device, const QByteArray& format) const override;
    QImageIOHandler* create(QIODevice* device, const QByteArray& format) const override;
};

} // namespace kolvira
