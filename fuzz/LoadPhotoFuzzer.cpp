// Fuzzes the photo loading every reader shares: a file of any content, under
// any of the names the program may meet, decoded whole as the photo window
// and kolvira-render decode it.
#include "FuzzCheck.h"
#include "FuzzTarget.h"
#include "PhotoFuzzInput.h"
#include "imageio/PhotoDecoding.h"

using namespace kolvira;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::PhotoFuzzInput input = fuzz::WritePhotoInput(data, size);
    const fuzz::DecodeThreadsEnd decodeThreadsEnd;
    const DecodedPhoto photo = DecodePhoto(input.path);
    if (photo.image.isNull()) {
        KOLVIRA_FUZZ_CHECK(!photo.error.isEmpty(), "a refused photo says why");
    } else {
        KOLVIRA_FUZZ_CHECK(!HasTooManyPixels(photo.image.width(), photo.image.height()),
                           "no photo beyond the pixel limit is returned");
    }
    return 0;
}
