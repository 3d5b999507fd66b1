#include "imageio/PictureFiles.h"

#include "imageio/CodecMessages.h"

#include <QImageWriter>
#include <QSaveFile>

namespace kolvira {

QByteArray WriterFormatForSuffix(const QString& suffix) {
    const QByteArray format = suffix.toLower().toLatin1();
    if (format.isEmpty() || !QImageWriter::supportedImageFormats().contains(format))
        return {};
    return format;
}

QString WritePicture(const QImage& picture, const QString& path, const QByteArray& format) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();

    CodecMessages messages;
    QImageWriter writer(&file, format);
    const bool encoded = writer.write(picture);
    const QStringList codecMessages = messages.Finish();
    if (!encoded)
        return FailureReason(writer.errorString(), codecMessages); // QSaveFile drops the temporary
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace kolvira
