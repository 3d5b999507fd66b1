// EXIF data as libexif holds it, released when it goes out of scope.
#pragma once

#include <libexif/exif-data.h>

#include <memory>

namespace kolvira {

struct ExifDataUnref {
    void operator()(ExifData* data) const { exif_data_unref(data); }
};
using ExifDataPtr = std::unique_ptr<ExifData, ExifDataUnref>;

} // namespace kolvira
