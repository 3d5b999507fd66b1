#include "imageio/formats/CmykJpeg.h"

#include "imageio/PhotoDecoding.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE

#include <jpeglib.h>

namespace kolvira {
namespace {

// A progressive JPEG may hold thousands of tiny scans that take minutes to
// decode; a real one has a dozen.
constexpr int kMaxScans = 1000;

// libjpeg reports a fatal error by calling error_exit, which must not
// return; it jumps back to where the decode began.
struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

// Damage has been told already by Qt's decode of the same file.
void KeepQuiet(j_common_ptr) {}

void CheckScans(j_common_ptr common) {
    const j_decompress_ptr info = reinterpret_cast<j_decompress_ptr>(common);
    if (info->input_scan_number > kMaxScans)
        common->err->error_exit(common);
}

// The largest of 8, 4 and 2 that shrinks `full` to no less than `atLeast`.
unsigned int ScaleDenominator(QSize full, QSize atLeast) {
    for (const int denominator : {8, 4, 2}) {
        const int width = (full.width() + denominator - 1) / denominator;
        const int height = (full.height() + denominator - 1) / denominator;
        if (width >= atLeast.width() && height >= atLeast.height())
            return denominator;
    }
    return 1;
}

// Where the rows go: the picture of inks, row by row.
class InkRows {
public:
    // Makes the picture; false when it cannot be had.
    bool Begin(int width, int height, bool inverted) {
        inks_ = QImage(width, height, QImage::Format_RGBA8888);
        inverted_ = inverted;
        return !inks_.isNull();
    }

    uchar* Row(int y) { return inks_.scanLine(y); }

    QImage Inks() {
        if (inverted_)
            inks_.invertPixels(QImage::InvertRgba);
        return std::move(inks_);
    }

private:
    QImage inks_;
    bool inverted_ = false;
};

// The decode proper. Only plain values live in this frame, so that the jump
// back from an error passes no C++ object's lifetime.
bool ReadInks(jpeg_decompress_struct& info, ErrorJump& error, jpeg_progress_mgr& scans,
              const QByteArray& jpeg, QSize atLeast, InkRows& rows) {
    if (setjmp(error.jump) != 0)
        return false;
    jpeg_create_decompress(&info);
    scans.progress_monitor = CheckScans;
    info.progress = &scans;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.constData()),
                 static_cast<unsigned long>(jpeg.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || info.num_components != 4 ||
        HasTooManyPixels(info.image_width, info.image_height))
        return false;
    info.out_color_space = JCS_CMYK;
    info.scale_num = 1;
    info.scale_denom =
        ScaleDenominator(QSize(int(info.image_width), int(info.image_height)), atLeast);
    if (!jpeg_start_decompress(&info) || info.output_components != 4 ||
        !rows.Begin(int(info.output_width), int(info.output_height), info.saw_Adobe_marker != 0))
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = rows.Row(int(info.output_scanline));
        if (jpeg_read_scanlines(&info, &row, 1) != 1)
            return false;
    }
    // Not jpeg_finish_decompress: what follows the picture data is of no use.
    return true;
}

} // namespace

QImage DecodeCmykJpeg(const QByteArray& jpeg, QSize atLeast) {
    InkRows rows;
    jpeg_decompress_struct info{};
    ErrorJump error{};
    jpeg_progress_mgr scans{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JumpBack;
    error.manager.output_message = KeepQuiet;
    const bool decoded = ReadInks(info, error, scans, jpeg, atLeast, rows);
    jpeg_destroy_decompress(&info);
    return decoded ? rows.Inks() : QImage();
}

} // namespace kolvira
