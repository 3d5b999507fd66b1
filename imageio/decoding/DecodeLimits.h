// The limits every decode keeps to, in this process and in the decoding
// children: the pixels, the file's bytes, the decoders' allocations and the
// time, and the reasons given when a picture goes past them.
#pragma once

#include <QString>

#include <chrono>
#include <cstdint>

namespace kolvira {

// The largest photo that is opened.
inline constexpr std::int64_t kMaxPixels = 200'000'000;
// The largest file that is read: a 200-megapixel photo stored uncompressed
// with 32 bits a pixel takes 800 MB.
inline constexpr std::int64_t kMaxFileBytes = std::int64_t{1} << 30;
// What QImageReader may allocate while decoding; enough for kMaxPixels.
inline constexpr int kDecodeAllocationLimitMB = 2048;
// How long a whole photo may take to decode; a 200-megapixel JPEG takes a
// few seconds.
inline constexpr std::chrono::milliseconds kPhotoDecodeTime{15'000};

// The threads one decode may use: one a core, counted once. The count
// reads a file, which a decoding child can no longer open once it is shut in.
int DecodeThreads();

// Sets the decoders' allocation limit; called at program start, before any
// picture is read. QT_IMAGEIO_MAXALLOC in the environment cannot lift it.
void ApplyDecodeLimits();

// Whether a picture of `width` x `height` is larger than kMaxPixels, and the
// reason given for refusing it.
bool HasTooManyPixels(std::int64_t width, std::int64_t height);
QString TooManyPixelsReason(std::int64_t width, std::int64_t height);

// The reason given for a decode that was called off after `limit`.
QString TookTooLongReason(std::chrono::milliseconds limit);

} // namespace kolvira
