// Fuzzes the Mosaic's loading: a thumbnail decoded from a file of any
// content (EXIF thumbnail, reduced JPEG decode or full decode) for a cell
// width of 20 to 200 pixels, then scaled to that cell as the Mosaic shows it.
#include "FuzzCheck.h"
#include "FuzzTarget.h"
#include "PhotoFuzzInput.h"
#include "imageio/PhotoDecoding.h"
#include "mosaic/ThumbnailDecoding.h"

using namespace kolvira;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::PhotoFuzzInput input = fuzz::WritePhotoInput(data, size);
    const fuzz::DecodeThreadsEnd decodeThreadsEnd;
    const Thumbnail thumbnail = DecodeThumbnail(input.path, input.thumbWidth);
    if (thumbnail.image.isNull()) {
        KOLVIRA_FUZZ_CHECK(!thumbnail.error.isEmpty(), "an unreadable photo says why");
        KOLVIRA_FUZZ_CHECK(ScaleThumbnail(thumbnail, input.thumbWidth).isNull(),
                           "nothing is scaled from no thumbnail");
        return 0;
    }
    KOLVIRA_FUZZ_CHECK(thumbnail.image.format() == QImage::Format_RGB32,
                       "thumbnails are Format_RGB32");
    const QSize photo = thumbnail.photoSize;
    KOLVIRA_FUZZ_CHECK(photo.isValid() && !HasTooManyPixels(photo.width(), photo.height()),
                       "a thumbnail's photo has a size within the pixel limit");

    // Null only when a picture of that size cannot be allocated; a very tall
    // photo's thumbnail may be narrower than the cell.
    const QImage cell = ScaleThumbnail(thumbnail, input.thumbWidth);
    KOLVIRA_FUZZ_CHECK(cell.isNull() || (cell.width() <= input.thumbWidth &&
                                         cell.height() <= ThumbnailHeight(photo, input.thumbWidth)),
                       "the scaled thumbnail fits the cell's width and the photo's proportions");
    return 0;
}
