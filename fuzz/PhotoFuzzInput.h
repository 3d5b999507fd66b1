// A fuzz input as a photo file for the decoders. The first byte chooses the
// file's name, the second the Mosaic's thumbnail width; the rest is the
// file's content, so a real picture behind two bytes is a seed. The content
// goes to one in-memory regular file, reached as /proc/self/fd/N, which has
// no extension, or through a link named photo.EXT: icons, cursors and
// formats without a signature (TGA, WBMP) are recognised by the name alone.
#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// The photo fuzzers' LLVMFuzzerInitialize is defined with these: it makes
// the application object and sets the decoders' limits as the programs do at
// start, and keeps Qt's messages off the fuzzer's output.

namespace kolvira::fuzz {

struct PhotoFuzzInput {
    QByteArray path;     // the file holding the input after its two bytes
    int thumbWidth = 20; // 20 to kLargestThumbWidth, the Mosaic's cell widths
};

// Writes the content part of `data` to the photo file (replacing the last
// input's) and tells where to read it. Aborts when the file cannot be
// written, since no result would mean anything then.
PhotoFuzzInput WritePhotoInput(const std::uint8_t* data, std::size_t size);

// Decodes run on threads of their own, which hand back the result before
// they end. Made before a decode and ended after it, this waits for those
// threads: an input is done only when they are, so that leak checks do not
// race their clean-up and a decode that runs on after it was given up shows
// as a timeout instead of eating into the next inputs.
class DecodeThreadsEnd {
public:
    DecodeThreadsEnd();
    ~DecodeThreadsEnd();
    DecodeThreadsEnd(const DecodeThreadsEnd&) = delete;
    DecodeThreadsEnd& operator=(const DecodeThreadsEnd&) = delete;

private:
    int threadsBefore_;
};

} // namespace kolvira::fuzz
