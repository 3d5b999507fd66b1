#include "mosaic/SheetPictures.h"

#include "mosaic/InOrderWork.h"
#include "mosaic/ThumbnailDecoding.h"

#include <algorithm>
#include <utility>

namespace kolvira {
SheetPicture DecodeSheetPicture(const QByteArray& path, int width) {
    const Thumbnail decoded = DecodeThumbnail(path, width);
    if (decoded.image.isNull())
        return {{}, decoded.error};
    return {ScaleThumbnail(decoded, std::min(width, decoded.photoSize.width())), {}};
}

void DecodeSheetPictures(const std::vector<QByteArray>& paths, int width,
                         const SheetPictureDelivery& deliver, int threads) {
    // The pictures are large, so only a few may wait.
    const std::size_t workers = WorkerCount(threads, paths.size());
    RunInOrder<SheetPicture>(
        paths.size(), workers, workers + 2,
        [&](std::size_t k) { return DecodeSheetPicture(paths[k], width); },
        [&](std::size_t k, SheetPicture&& picture) { deliver(k, std::move(picture)); });
}

std::vector<QImage> DecodedSheetPictures(const std::vector<std::string>& paths, int width) {
    std::vector<QByteArray> files;
    files.reserve(paths.size());
    for (const std::string& path : paths)
        files.push_back(QByteArray::fromStdString(path));
    std::vector<QImage> pictures(paths.size());
    DecodeSheetPictures(files, width, [&](std::size_t k, SheetPicture picture) {
        pictures[k] = std::move(picture.image);
    });
    return pictures;
}

SheetPictureSource PreferringShownPictures(std::unordered_map<std::string, QImage> shown) {
    return [shown = std::move(shown)](const std::vector<std::string>& paths, int width) {
        std::vector<QImage> pictures(paths.size());
        std::vector<std::string> missing;
        std::vector<std::size_t> missingAt;
        for (std::size_t k = 0; k < paths.size(); ++k) {
            const auto found = shown.find(paths[k]);
            if (found != shown.end() && found->second.width() >= width) {
                pictures[k] = found->second;
            } else {
                missing.push_back(paths[k]);
                missingAt.push_back(k);
            }
        }
        std::vector<QImage> decoded = DecodedSheetPictures(missing, width);
        for (std::size_t i = 0; i < decoded.size(); ++i) {
            // A photo gone or changed since it was shown still prints as shown.
            if (decoded[i].isNull()) {
                if (const auto found = shown.find(missing[i]); found != shown.end())
                    decoded[i] = found->second;
            }
            pictures[missingAt[i]] = std::move(decoded[i]);
        }
        return pictures;
    };
}

} // namespace kolvira
