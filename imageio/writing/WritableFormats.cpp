#include "imageio/writing/WritableFormats.h"

#include <QCoreApplication>

namespace kolvira {

const std::vector<WritableFormat>& WritableFormats() {
    static const std::vector<WritableFormat> kFormats = {
        {QStringLiteral("PNG"), {QStringLiteral("png")}, true, -1},
        {QStringLiteral("JPEG"), {QStringLiteral("jpg"), QStringLiteral("jpeg")}, true, -1},
        {QStringLiteral("BMP"), {QStringLiteral("bmp")}, false, -1},
        {QStringLiteral("TIFF"), {QStringLiteral("tif"), QStringLiteral("tiff")}, true, -1},
    };
    return kFormats;
}

const WritableFormat* WritableFormatOf(const QString& suffix) {
    for (const WritableFormat& format : WritableFormats()) {
        if (format.suffixes.contains(suffix, Qt::CaseInsensitive))
            return &format;
    }
    return nullptr;
}

QString JoinedInSentence(const QStringList& items) {
    if (items.size() < 2)
        return items.join(QString());
    return items.first(items.size() - 1).join(QStringLiteral(", ")) +
           QCoreApplication::translate("Writing", " or ") + items.last();
}

} // namespace kolvira
