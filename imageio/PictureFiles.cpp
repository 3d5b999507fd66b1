#include "imageio/PictureFiles.h"

#include "imageio/AtomicFile.h"
#include "imageio/CodecMessages.h"

#include <QImageWriter>

namespace kolvira {

QByteArray WriterFormatForSuffix(const QString& suffix) {
    const QByteArray format = suffix.toLower().toLatin1();
    if (format.isEmpty() || !QImageWriter::supportedImageFormats().contains(format))
        return {};
    return format;
}

QString WritePicture(const QImage& picture, const QString& path, const QByteArray& format) {
    return WriteFileAtomically(path, [&](QIODevice& file) -> QString {
        CodecMessages messages;
        QImageWriter writer(&file, format);
        const bool encoded = writer.write(picture);
        const QStringList codecMessages = messages.Finish();
        return encoded ? QString() : FailureReason(writer.errorString(), codecMessages);
    });
}

} // namespace kolvira
