#include "imageio/JxlFormat.h"

#include "imageio/FormatPlugin.h"

#include "imageio/PhotoScaling.h"

#include <QIODevice>
#include <QImage>
#include <QVariant>

#include <jxl/decode_cxx.h>
#include <jxl/thread_parallel_runner_cxx.h>

#include <thread>
#include <vector>

namespace kolvira {
namespace {

// The size the header gives, or an invalid size when it cannot be read.
QSize SizeInHeader(const QByteArray& data) {
    JxlDecoderPtr decoder = JxlDecoderMake(nullptr);
    if (!decoder || JxlDecoderSubscribeEvents(decoder.get(), JXL_DEC_BASIC_INFO) != JXL_DEC_SUCCESS)
        return {};
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
    JxlDecoderSetInput(decoder.get(), bytes, static_cast<size_t>(data.size()));
    JxlDecoderCloseInput(decoder.get());
    if (JxlDecoderProcessInput(decoder.get()) != JXL_DEC_BASIC_INFO)
        return {};
    JxlBasicInfo info;
    if (JxlDecoderGetBasicInfo(decoder.get(), &info) != JXL_DEC_SUCCESS)
        return {};
    // The decoder hands pixels out upright, so a turned picture swaps its sides.
    const bool turned = info.orientation >= JXL_ORIENT_TRANSPOSE;
    return turned ? QSize(info.ysize, info.xsize) : QSize(info.xsize, info.ysize);
}

} // namespace

bool JxlHandler::CanRead(QIODevice* device) {
    if (device == nullptr)
        return false;
    const QByteArray head = device->peek(12);
    const JxlSignature signature =
        JxlSignatureCheck(reinterpret_cast<const uint8_t*>(head.constData()), head.size());
    return signature == JXL_SIG_CODESTREAM || signature == JXL_SIG_CONTAINER;
}

bool JxlHandler::canRead() const {
    if (!CanRead(device()))
        return false;
    setFormat("jxl");
    return true;
}

bool JxlHandler::read(QImage* image) {
    const QByteArray data = device()->readAll();
    JxlDecoderPtr decoder = JxlDecoderMake(nullptr);
    JxlThreadParallelRunnerPtr runner =
        JxlThreadParallelRunnerMake(nullptr, std::max(1u, std::thread::hardware_concurrency()));
    if (!decoder || !runner ||
        JxlDecoderSubscribeEvents(decoder.get(), JXL_DEC_BASIC_INFO | JXL_DEC_FULL_IMAGE) !=
            JXL_DEC_SUCCESS ||
        JxlDecoderSetParallelRunner(decoder.get(), JxlThreadParallelRunner, runner.get()) !=
            JXL_DEC_SUCCESS)
        return false;
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
    JxlDecoderSetInput(decoder.get(), bytes, static_cast<size_t>(data.size()));
    JxlDecoderCloseInput(decoder.get());

    const JxlPixelFormat format{4, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    QImage picture;
    for (;;) {
        switch (JxlDecoderProcessInput(decoder.get())) {
        case JXL_DEC_BASIC_INFO: {
            JxlBasicInfo info;
            if (JxlDecoderGetBasicInfo(decoder.get(), &info) != JXL_DEC_SUCCESS)
                return false;
            break;
        }
        case JXL_DEC_NEED_IMAGE_OUT_BUFFER: {
            size_t bufferSize = 0;
            if (JxlDecoderImageOutBufferSize(decoder.get(), &format, &bufferSize) !=
                JXL_DEC_SUCCESS)
                return false;
            JxlBasicInfo info;
            JxlDecoderGetBasicInfo(decoder.get(), &info);
            const bool turned = info.orientation >= JXL_ORIENT_TRANSPOSE;
            const QSize size =
                turned ? QSize(info.ysize, info.xsize) : QSize(info.xsize, info.ysize);
            picture = QImage(size, QImage::Format_RGBA8888);
            if (picture.isNull() || static_cast<size_t>(picture.sizeInBytes()) < bufferSize ||
                picture.bytesPerLine() != size.width() * 4)
                return false;
            if (JxlDecoderSetImageOutBuffer(decoder.get(), &format, picture.bits(), bufferSize) !=
                JXL_DEC_SUCCESS)
                return false;
            break;
        }
        case JXL_DEC_FULL_IMAGE:
            if (scaledSize_.isValid() && !scaledSize_.isEmpty())
                picture = ShrinkForThumbnail(picture, scaledSize_);
            *image = std::move(picture);
            return true;
        case JXL_DEC_SUCCESS:
            return !image->isNull();
        default: // an error, or input ending before the picture does
            return false;
        }
    }
}

QSize JxlHandler::HeaderSize() const {
    // The basic info sits in the first few hundred bytes.
    return SizeInHeader(device()->peek(64 * 1024));
}

QImageIOPlugin::Capabilities JxlPlugin::capabilities(QIODevice* device,
                                                     const QByteArray& format) const {
    return ReadCapability(device, format, format == "jxl", JxlHandler::CanRead);
}

QImageIOHandler* JxlPlugin::create(QIODevice* device, const QByteArray& format) const {
    return MakeHandler<JxlHandler>(device, format.isEmpty() ? QByteArray("jxl") : format);
}

} // namespace kolvira
