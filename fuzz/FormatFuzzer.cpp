// Fuzzes one of the formats the program reads through a library of its own
// (HEIF and AVIF, JPEG XL, camera raw, Windows metafiles): every input is a
// file of that format's name, decoded whole as the photo window does and as
// a thumbnail as the Mosaic does. Built once per format.
#include "FuzzCheck.h"
#include "FuzzTarget.h"
#include "PhotoFuzzInput.h"
#include "imageio/PhotoDecoding.h"
#include "imageio/decoding/DecoderProcess.h"
#include "imageio/formats/EmfFormat.h"
#include "imageio/formats/MetafileFormat.h"
#include "mosaic/ThumbnailDecoding.h"

using namespace kolvira;

namespace {
// The decoders themselves are fuzzed, not the child that would run them.
[[maybe_unused]] const bool decodesHere =
    (SetRiskyDecodes(RiskyDecodes::InThisProcess), DrawEmfInThisProcessWith(&DrawEmf), true);
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::PhotoFuzzInput input = fuzz::WritePhotoInput(data, size);
    const fuzz::DecodeThreadsEnd decodeThreadsEnd;
    const DecodedPhoto photo = DecodePhoto(input.path);
    if (photo.image.isNull())
        KOLVIRA_FUZZ_CHECK(!photo.error.isEmpty(), "a refused photo says why");
    else
        KOLVIRA_FUZZ_CHECK(!HasTooManyPixels(photo.image.width(), photo.image.height()),
                           "no photo beyond the pixel limit is returned");
    const Thumbnail thumbnail = DecodeThumbnail(input.path, input.thumbWidth);
    if (thumbnail.image.isNull()) {
        KOLVIRA_FUZZ_CHECK(!thumbnail.error.isEmpty(), "an unreadable photo says why");
    } else {
        const QSize shown = thumbnail.photoSize;
        KOLVIRA_FUZZ_CHECK(shown.isValid() && !HasTooManyPixels(shown.width(), shown.height()),
                           "a thumbnail's photo has a size within the pixel limit");
    }
    return 0;
}
