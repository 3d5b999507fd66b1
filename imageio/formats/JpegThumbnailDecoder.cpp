#include "imageio/formats/JpegThumbnailDecoder.h"

#include "imageio/DamageSigns.h"
#include "imageio/PhotoDecoding.h"
#include "imageio/decoding/DecoderMemory.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <cstdlib>
#include <memory>

#include <jerror.h>
#include <jpeglib.h>

namespace kolvira {
namespace {

// A progressive JPEG may hold thousands of tiny scans that take minutes to
// decode; a real one has a dozen.
constexpr int kMaxScans = 1000;
// A corrupted file can warn once per block; the first few tell enough.
constexpr int kMaxWarnings = 20;
constexpr int kReadChunk = 64 * 1024;

// Format_RGB32 is 0xAARRGGBB in native byte order.
constexpr J_COLOR_SPACE kRgb32Order = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// Everything libjpeg's callbacks reach, found again from the decompress
// struct's err pointer, which points at its first member.
struct Session {
    jpeg_error_mgr errors;
    jpeg_source_mgr source;
    jpeg_progress_mgr progress;
    std::jmp_buf jump;
    QIODevice* file;
    QStringList* warnings;
    std::array<JOCTET, kReadChunk> buffer;
};

Session& SessionOf(j_common_ptr info) {
    return *reinterpret_cast<Session*>(info->err);
}

[[noreturn]] void JumpBack(j_common_ptr info) {
    std::longjmp(SessionOf(info).jump, 1);
}

// Warnings are kept, to tell damage by; libjpeg would print only the first.
void KeepWarning(j_common_ptr info, int level) {
    if (level >= 0 || SessionOf(info).warnings->size() >= kMaxWarnings)
        return;
    char text[JMSG_LENGTH_MAX];
    info->err->format_message(info, text);
    SessionOf(info).warnings->append(QString::fromLatin1(text));
}

void CheckScans(j_common_ptr common) {
    if (reinterpret_cast<j_decompress_ptr>(common)->input_scan_number > kMaxScans)
        ERREXIT(common, JERR_NOT_COMPILED); // any fatal error does
}

void StartSource(j_decompress_ptr) {}

boolean FillBuffer(j_decompress_ptr info) {
    Session& session = SessionOf(reinterpret_cast<j_common_ptr>(info));
    const qint64 got = session.file->read(reinterpret_cast<char*>(session.buffer.data()),
                                          qint64(session.buffer.size()));
    if (got < 0) // the watchdog has called the decode off, or the disk failed
        ERREXIT(info, JERR_FILE_READ);
    if (got == 0) {
        // The file ends too soon: an end marker lets libjpeg finish with
        // what it has, and the warning marks the picture damaged.
        WARNMS(info, JWRN_JPEG_EOF);
        session.buffer[0] = 0xFF;
        session.buffer[1] = JPEG_EOI;
        info->src->next_input_byte = session.buffer.data();
        info->src->bytes_in_buffer = 2;
        return TRUE;
    }
    info->src->next_input_byte = session.buffer.data();
    info->src->bytes_in_buffer = std::size_t(got);
    return TRUE;
}

void SkipInput(j_decompress_ptr info, long count) {
    if (count <= 0)
        return;
    jpeg_source_mgr& source = *info->src;
    if (std::size_t(count) <= source.bytes_in_buffer) {
        source.next_input_byte += count;
        source.bytes_in_buffer -= std::size_t(count);
        return;
    }
    // Large segments (an EXIF thumbnail) are passed over without reading.
    QIODevice& file = *SessionOf(reinterpret_cast<j_common_ptr>(info)).file;
    const qint64 beyond = count - qint64(source.bytes_in_buffer);
    source.bytes_in_buffer = 0;
    if (!file.seek(std::min(file.pos() + beyond, file.size())))
        ERREXIT(info, JERR_FILE_READ);
}

void EndSource(j_decompress_ptr) {}

// Where the rows go. Lives outside the frame that may be jumped out of.
struct Output {
    JpegThumbnail result;
    DecoderMemory::Grant memory; // held until the decompressor is destroyed

    bool Begin(int width, int height) {
        result.image = QImage(width, height, QImage::Format_RGB32);
        return !result.image.isNull();
    }
};

// The smallest N/8 scale whose output is at least `atLeast`; 8/8 when none.
void ChooseScale(jpeg_decompress_struct& info, QSize atLeast) {
    info.scale_denom = 8;
    for (info.scale_num = 1; info.scale_num < 8; ++info.scale_num) {
        jpeg_calc_output_dimensions(&info);
        if (int(info.output_width) >= atLeast.width() &&
            int(info.output_height) >= atLeast.height())
            return;
    }
}

// What a JPEG of several scans holds while it is decoded: every coefficient
// block of the picture, whatever the output's scale.
std::size_t WholeImageCoefficients(const jpeg_decompress_struct& info) {
    std::size_t bytes = 0;
    for (int c = 0; c < info.num_components; ++c) {
        const jpeg_component_info& component = info.comp_info[c];
        const auto roundUp = [](std::size_t n, int factor) {
            return (n + std::size_t(factor) - 1) / std::size_t(factor) * std::size_t(factor);
        };
        bytes += roundUp(component.width_in_blocks, component.h_samp_factor) *
                 roundUp(component.height_in_blocks, component.v_samp_factor) * sizeof(JBLOCK);
    }
    return bytes;
}

// Which coefficients of each component have had their first scan. At 1/8
// the luminance shows only the DC coefficient of each block, but subsampled
// chrominance is enlarged by a 2x2 transform that takes its AC coefficients
// too; the scans that refine low bits matter little in a thumbnail.
struct FirstScans {
    std::array<std::array<bool, DCTSIZE2>, MAX_COMPONENTS> seen{};

    void Note(const jpeg_decompress_struct& info) {
        if (info.Ah != 0)
            return;
        for (int i = 0; i < info.comps_in_scan; ++i) {
            auto& coefficients = seen[std::size_t(info.cur_comp_info[i]->component_index)];
            for (int k = info.Ss; k <= std::min(info.Se, DCTSIZE2 - 1); ++k)
                coefficients[std::size_t(k)] = true;
        }
    }
    bool Complete(const jpeg_decompress_struct& info) const {
        for (int c = 0; c < info.num_components; ++c) {
            const int needed = info.comp_info[c].DCT_scaled_size == 1 ? 1 : DCTSIZE2;
            const auto& coefficients = seen[std::size_t(c)];
            if (!std::all_of(coefficients.begin(), coefficients.begin() + needed,
                             [](bool had) { return had; }))
                return false;
        }
        return true;
    }
};

// Consumes scans until every coefficient the output shows has its first
// scan, and returns the number of the last scan read whole, or of the last
// one at all when the file ends.
int ConsumeFirstScans(jpeg_decompress_struct& info) {
    FirstScans scans;
    scans.Note(info); // the first scan's header is read with the file's
    for (;;) {
        const int status = jpeg_consume_input(&info);
        if (status == JPEG_REACHED_EOI || status == JPEG_SUSPENDED)
            return info.input_scan_number;
        if (status == JPEG_REACHED_SOS) {
            // The scan before this one is complete; this one is not begun.
            if (scans.Complete(info))
                return info.input_scan_number - 1;
            scans.Note(info);
        }
    }
}

bool ReadRows(jpeg_decompress_struct& info, QImage& image) {
    while (info.output_scanline < info.output_height) {
        std::array<JSAMPROW, 4> rows{};
        const int first = int(info.output_scanline);
        const int count = std::min<int>(int(rows.size()), int(info.output_height) - first);
        for (int i = 0; i < count; ++i)
            rows[std::size_t(i)] = image.scanLine(first + i);
        if (jpeg_read_scanlines(&info, rows.data(), JDIMENSION(count)) == 0)
            return false;
    }
    return true;
}

// The decode proper. Only plain values live in this frame, so that the jump
// back from an error passes no C++ object's lifetime.
bool Decode(jpeg_decompress_struct& info, Session& session, QSize atLeast, DcScans dcScans,
            Output& output) {
    if (setjmp(session.jump) != 0)
        return false;
    jpeg_create_decompress(&info);
    info.src = &session.source;
    info.progress = &session.progress;
    jpeg_save_markers(&info, JPEG_APP0 + 2, 0xFFFF);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK ||
        HasTooManyPixels(info.image_width, info.image_height))
        return false;
    if (info.num_components == 4) {
        output.result.notRgb = true;
        return false;
    }
    JOCTET* icc = nullptr;
    unsigned int iccLength = 0;
    if (jpeg_read_icc_profile(&info, &icc, &iccLength)) {
        output.result.icc = QByteArray(reinterpret_cast<const char*>(icc), qsizetype(iccLength));
        std::free(icc);
    }

    info.out_color_space = kRgb32Order;
    info.dct_method = JDCT_IFAST;
    info.do_fancy_upsampling = FALSE;
    info.do_block_smoothing = FALSE;
    ChooseScale(info, atLeast);
    info.buffered_image = dcScans == DcScans::StopAfter && info.scale_num == 1 &&
                          info.progressive_mode && jpeg_has_multiple_scans(&info);
    if (jpeg_has_multiple_scans(&info))
        output.memory = DecoderMemory::Shared().Reserve(WholeImageCoefficients(info));
    if (!jpeg_start_decompress(&info) || info.output_components != 4 ||
        !output.Begin(int(info.output_width), int(info.output_height)))
        return false;
    if (!info.buffered_image)
        return ReadRows(info, output.result.image);
    // Never finished: the rest of the file is of no use.
    jpeg_start_output(&info, ConsumeFirstScans(info));
    return ReadRows(info, output.result.image);
}

} // namespace

JpegThumbnail DecodeJpegThumbnail(QIODevice& file, QSize atLeast, DcScans dcScans) {
    auto session = std::make_unique<Session>();
    QStringList warnings;
    Output output;
    jpeg_decompress_struct info{};
    info.err = jpeg_std_error(&session->errors);
    session->errors.error_exit = JumpBack;
    session->errors.emit_message = KeepWarning;
    session->source = {nullptr,  0, StartSource, FillBuffer, SkipInput, jpeg_resync_to_restart,
                       EndSource};
    session->progress.progress_monitor = CheckScans;
    session->file = &file;
    session->warnings = &warnings;
    const bool decoded = Decode(info, *session, atLeast, dcScans, output);
    jpeg_destroy_decompress(&info);
    output.memory = {};
    if (!decoded) {
        JpegThumbnail failed;
        failed.notRgb = output.result.notRgb;
        return failed;
    }
    output.result.damage = DamageSign(warnings);
    return std::move(output.result);
}

} // namespace kolvira
