#include "cli/DesktopThumbnailer.h"

#include "mosaic/FileUri.h"

#include "mosaic/ThumbnailDecoding.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace kolvira::cli {

namespace {

// A picture of `picture` fitted into a `box` x `box` square, at least a pixel
// each way however thin the picture is.
QSize FittedSize(QSize picture, int box) {
    const int longest = std::max(picture.width(), picture.height());
    if (longest <= box)
        return picture;
    const auto side = [&](int length) {
        return static_cast<int>(std::max<std::int64_t>(1, std::int64_t{length} * box / longest));
    };
    return {side(picture.width()), side(picture.height())};
}

} // namespace

ThumbnailerRequest ParseThumbnailerArguments(const std::vector<QByteArray>& arguments) {
    ThumbnailerRequest request;
    std::vector<QByteArray> names;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const QByteArray& argument = arguments[i];
        if (optionsEnded || !argument.startsWith('-') || argument == "-") {
            names.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            request.action = ThumbnailerRequest::Action::ShowHelp;
            return request;
        } else if (argument == "--version") {
            request.action = ThumbnailerRequest::Action::ShowVersion;
            return request;
        } else if (argument == "-s" || argument == "--size") {
            bool isNumber = false;
            const int size = i + 1 < arguments.size() ? arguments[++i].toInt(&isNumber) : 0;
            if (!isNumber || size < 1 || size > kLargestDesktopThumbnail) {
                request.error = QCoreApplication::translate(
                                    "Thumbnailer", "the size must be a number from 1 to %1")
                                    .arg(kLargestDesktopThumbnail);
                return request;
            }
            request.size = size;
        } else {
            request.error = QCoreApplication::translate("Thumbnailer", "unknown option %1")
                                .arg(QString::fromLocal8Bit(argument));
            return request;
        }
    }
    if (names.size() != 2) {
        request.error = QCoreApplication::translate("Thumbnailer", "give one INPUT and one OUTPUT");
        return request;
    }
    request.input = NativePathOfInput(names[0]);
    if (request.input.isEmpty())
        request.error = QCoreApplication::translate("Thumbnailer", "%1 names no local file")
                            .arg(QString::fromLocal8Bit(names[0]));
    request.output = names[1];
    return request;
}

QByteArray NativePathOfInput(const QByteArray& input) {
    const qsizetype separator = input.indexOf("://");
    const QByteArray scheme = input.left(std::max<qsizetype>(separator, 0));
    const auto inScheme = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    };
    if (scheme.isEmpty() || !std::isalpha(static_cast<unsigned char>(scheme[0])) ||
        !std::all_of(scheme.begin(), scheme.end(), inScheme))
        return input; // no scheme: a path
    return PathOfFileUri(input).value_or(QByteArray());
}

DesktopThumbnail MakeDesktopThumbnail(const QByteArray& nativePath, int size) {
    // At least `size` wide, so a tall picture is cut down, never blown up.
    Thumbnail decoded = DecodeThumbnail(nativePath, size);
    if (decoded.image.isNull())
        return {{}, decoded.error};
    const QSize fitted = FittedSize(decoded.image.size(), size);
    if (fitted == decoded.image.size())
        return {std::move(decoded.image), {}};
    return {decoded.image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), {}};
}

QString ThumbnailerHelpText() {
    return QCoreApplication::translate("Thumbnailer",
                                       R"(Usage: kolvira-thumbnailer [-s SIZE] INPUT OUTPUT

Writes a PNG thumbnail of the picture INPUT (a path or a file:// URI) to
OUTPUT, made as Kolvira's Mosaic makes its thumbnails: upright, in sRGB,
fitted into a square of SIZE pixels (default 256) and never enlarged. File
managers run it through its thumbnailer entry for the metafiles, camera raw
files, JPEG XL and HEIF pictures they cannot read themselves.

Options:
  -s, --size SIZE   the side of the square the thumbnail fits, 1 to 1024
  -h, --help        show this text
      --version     show the version

Exit status: 0 when the thumbnail was written, 1 when INPUT could not be read
or OUTPUT not written, 2 for a wrong command line.
)");
}

} // namespace kolvira::cli
