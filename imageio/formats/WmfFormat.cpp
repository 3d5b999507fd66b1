#include "imageio/formats/WmfFormat.h"

#include "imageio/formats/MetafileFormat.h"
#include "imageio/formats/WmfPainter.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QRectF>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include <fontconfig/fontconfig.h>
#include <libwmf/api.h>

namespace kolvira {
namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr qsizetype kPlaceableBytes = 22;
constexpr qsizetype kHeaderBytes = 18;
// A record starts with its length in 16-bit words (32 bits) and its function.
constexpr qsizetype kRecordHeadBytes = 6;
constexpr quint32 kSmallestRecordWords = 3;

// Record functions.
constexpr quint16 kEndOfFile = 0x0000;
constexpr quint16 kSetWindowOrg = 0x020B;
constexpr quint16 kSetWindowExt = 0x020C;
constexpr quint16 kOffsetWindowOrg = 0x020F;
constexpr quint16 kScaleWindowExt = 0x0410;
constexpr quint16 kRectangle = 0x041B;
// The records that set up the coordinates: the mapping mode, the window and
// the viewport.
constexpr std::array<quint16, 9> kMappingFunctions = {0x0103, kSetWindowOrg,   kSetWindowExt,
                                                      0x020D, 0x020E,          kOffsetWindowOrg,
                                                      0x0211, kScaleWindowExt, 0x0412};
// The records that draw (lines, shapes, regions, text, bitmaps).
constexpr std::array<quint16, 26> kDrawingFunctions = {
    0x0817, 0x0830, 0x0418, 0x0548, 0x0419, 0x0228, 0x0429,     0x012A, 0x0213,
    0x012B, 0x061D, 0x081A, 0x0324, 0x0325, 0x0538, kRectangle, 0x061C, 0x041F,
    0x0521, 0x0A32, 0x0922, 0x0B23, 0x0940, 0x0B41, 0x0F43,     0x0D33};

template <std::size_t N> bool IsOneOf(quint16 function, const std::array<quint16, N>& functions) {
    return std::find(functions.begin(), functions.end(), function) != functions.end();
}

quint16 U16At(QByteArrayView data, qsizetype at) {
    return qFromLittleEndian<quint16>(data.data() + at);
}
qint16 S16At(QByteArrayView data, qsizetype at) {
    return qFromLittleEndian<qint16>(data.data() + at);
}
quint32 U32At(QByteArrayView data, qsizetype at) {
    return qFromLittleEndian<quint32>(data.data() + at);
}

bool IsPlainHeader(QByteArrayView data, qsizetype at) {
    if (data.size() - at < 6)
        return false;
    const quint16 type = U16At(data, at); // 1 in memory, 2 on disk
    const quint16 version = U16At(data, at + 4);
    return (type == 1 || type == 2) && U16At(data, at + 2) == kHeaderBytes / 2 &&
           (version == 0x0100 || version == 0x0300);
}

// A point or an extent in the metafile's logical units.
struct Pair {
    int x = 0;
    int y = 0;
};

// What the header and a walk over the records tell.
struct Layout {
    bool placeable = false;
    int left = 0, top = 0, right = 0, bottom = 0; // the placeable header's bounding box
    int unitsPerInch = 0;
    qsizetype header = 0;          // where the 18-byte header starts
    qsizetype endOfFile = -1;      // where the end-of-file record starts; -1 when not reached
    bool impossibleRecord = false; // a record shorter than its own head
    bool windowSettled = false;    // a drawing record or the end was reached
    quint32 largestRecordWords = 0;
    // The picture's window in logical units, as set before the first drawing.
    Pair windowOrigin;
    std::optional<Pair> windowExtent;
    QByteArray mapping; // the records before the first drawing that set up the coordinates
};

// Follows a record that moves or scales the window. Parameters are stored
// last first.
void FollowWindow(Layout& layout, quint16 function, QByteArrayView record) {
    auto parameter = [&](int index) {
        const qsizetype at = kRecordHeadBytes + 2 * index;
        return at + 2 <= record.size() ? int{S16At(record, at)} : 0;
    };
    switch (function) {
    case kSetWindowOrg:
        layout.windowOrigin = {parameter(1), parameter(0)};
        break;
    case kSetWindowExt:
        layout.windowExtent = Pair{parameter(1), parameter(0)};
        break;
    case kOffsetWindowOrg:
        layout.windowOrigin.x += parameter(1);
        layout.windowOrigin.y += parameter(0);
        break;
    case kScaleWindowExt:
        if (layout.windowExtent && parameter(2) != 0 && parameter(0) != 0) {
            layout.windowExtent->x = layout.windowExtent->x * parameter(3) / parameter(2);
            layout.windowExtent->y = layout.windowExtent->y * parameter(1) / parameter(0);
        }
        break;
    default:
        break;
    }
}

// The header and the records of `data` (the whole file or its start); never
// reads past its end, whatever a length says.
std::optional<Layout> ReadLayout(QByteArrayView data) {
    Layout layout;
    if (data.size() >= 4 && U32At(data, 0) == kPlaceableKey) {
        if (data.size() < kPlaceableBytes)
            return std::nullopt;
        layout.placeable = true;
        layout.left = S16At(data, 6);
        layout.top = S16At(data, 8);
        layout.right = S16At(data, 10);
        layout.bottom = S16At(data, 12);
        layout.unitsPerInch = U16At(data, 14);
        layout.header = kPlaceableBytes;
        // Players map the bounding box onto the picture unless the records
        // set a window of their own.
        layout.windowOrigin = {layout.left, layout.top};
        layout.windowExtent = Pair{layout.right - layout.left, layout.bottom - layout.top};
    }
    if (!IsPlainHeader(data, layout.header) || data.size() - layout.header < kHeaderBytes)
        return std::nullopt;
    for (qsizetype at = layout.header + kHeaderBytes; data.size() - at >= kRecordHeadBytes;) {
        const quint32 words = U32At(data, at);
        const quint16 function = U16At(data, at + 4);
        if (words < kSmallestRecordWords) {
            layout.impossibleRecord = true;
            break;
        }
        if (function == kEndOfFile) {
            layout.endOfFile = at;
            layout.windowSettled = true;
            break;
        }
        if (qint64{words} * 2 > data.size() - at)
            break; // cut off
        const qsizetype bytes = qsizetype{words} * 2;
        layout.largestRecordWords = std::max(layout.largestRecordWords, words);
        if (!layout.windowSettled) {
            if (IsOneOf(function, kDrawingFunctions)) {
                layout.windowSettled = true;
            } else if (IsOneOf(function, kMappingFunctions)) {
                layout.mapping += data.sliced(at, bytes);
                FollowWindow(layout, function, data.sliced(at, bytes));
            }
        }
        at += bytes;
    }
    return layout;
}

// The physical size from the header or the window, as WmfSize tells it.
QSize PictureSize(const Layout& layout) {
    if (layout.placeable && layout.unitsPerInch > 0) {
        const double inch = layout.unitsPerInch;
        const QSize size(PixelsAt96Dpi(std::abs(layout.right - layout.left) / inch),
                         PixelsAt96Dpi(std::abs(layout.bottom - layout.top) / inch));
        if (!size.isEmpty())
            return size;
    }
    if (layout.windowSettled && layout.windowExtent && layout.windowExtent->x != 0 &&
        layout.windowExtent->y != 0)
        return {std::abs(layout.windowExtent->x), std::abs(layout.windowExtent->y)};
    return {};
}

void PutU16(QByteArray& bytes, qsizetype at, quint16 value) {
    qToLittleEndian(value, bytes.data() + at);
}
void PutU32(QByteArray& bytes, qsizetype at, quint32 value) {
    qToLittleEndian(value, bytes.data() + at);
}

QByteArray Record(quint16 function, std::initializer_list<int> parameters) {
    QByteArray record(kRecordHeadBytes + 2 * qsizetype(parameters.size()), '\0');
    PutU32(record, 0, quint32(record.size() / 2));
    PutU16(record, 4, function);
    qsizetype at = kRecordHeadBytes;
    for (const int parameter : parameters) {
        PutU16(record, at, quint16(parameter));
        at += 2;
    }
    return record;
}

// `records` behind the file's own headers, with the header's lengths made
// true to them: libwmf sizes its buffers by them.
QByteArray WithHeaders(QByteArrayView data, const Layout& layout, QByteArrayView records,
                       quint32 largestRecordWords) {
    QByteArray file = data.first(layout.header + kHeaderBytes).toByteArray();
    file += records;
    file += Record(kEndOfFile, {});
    PutU32(file, layout.header + 6, quint32((file.size() - layout.header) / 2));
    PutU32(file, layout.header + 12, std::max(largestRecordWords, kSmallestRecordWords));
    return file;
}

// The whole file as libwmf plays it: ending with a proper end-of-file record.
QByteArray Playable(QByteArrayView data, const Layout& layout) {
    const qsizetype recordsAt = layout.header + kHeaderBytes;
    return WithHeaders(data, layout, data.sliced(recordsAt, layout.endOfFile - recordsAt),
                       layout.largestRecordWords);
}

// The fonts libwmf measures text with. It loads fonts by their PostScript
// names, and Debian's libwmf only recommends the URW fonts it expects, so the
// standard names are given the files fontconfig matches to them (Liberation,
// DejaVu and the like). libwmf copies the names and paths it is given.
class WmfFonts {
public:
    WmfFonts() {
        struct Standard {
            const char* psName;
            const char* family;
            int weight;
            int slant;
        } const standards[] = {
            {"Times-Roman", "Times", FC_WEIGHT_REGULAR, FC_SLANT_ROMAN},
            {"Times-Italic", "Times", FC_WEIGHT_REGULAR, FC_SLANT_ITALIC},
            {"Times-Bold", "Times", FC_WEIGHT_BOLD, FC_SLANT_ROMAN},
            {"Times-BoldItalic", "Times", FC_WEIGHT_BOLD, FC_SLANT_ITALIC},
            {"Helvetica", "Helvetica", FC_WEIGHT_REGULAR, FC_SLANT_ROMAN},
            {"Helvetica-Oblique", "Helvetica", FC_WEIGHT_REGULAR, FC_SLANT_OBLIQUE},
            {"Helvetica-Bold", "Helvetica", FC_WEIGHT_BOLD, FC_SLANT_ROMAN},
            {"Helvetica-BoldOblique", "Helvetica", FC_WEIGHT_BOLD, FC_SLANT_OBLIQUE},
            {"Courier", "Courier", FC_WEIGHT_REGULAR, FC_SLANT_ROMAN},
            {"Courier-Oblique", "Courier", FC_WEIGHT_REGULAR, FC_SLANT_OBLIQUE},
            {"Courier-Bold", "Courier", FC_WEIGHT_BOLD, FC_SLANT_ROMAN},
            {"Courier-BoldOblique", "Courier", FC_WEIGHT_BOLD, FC_SLANT_OBLIQUE},
            {"Symbol", "Symbol", FC_WEIGHT_REGULAR, FC_SLANT_ROMAN},
        };
        for (const Standard& standard : standards) {
            const QByteArray file = MatchingFile(standard.family, standard.weight, standard.slant);
            const qsizetype slash = file.lastIndexOf('/');
            if (slash <= 0)
                continue;
            const QByteArray folder = file.first(slash);
            if (std::find(folders_.begin(), folders_.end(), folder) == folders_.end())
                folders_.push_back(folder);
            names_.emplace_back(standard.psName);
            files_.push_back(file.sliced(slash + 1));
        }
        for (QByteArray& folder : folders_)
            folderList_.push_back(folder.data());
        folderList_.push_back(nullptr);
        for (std::size_t i = 0; i < names_.size(); ++i)
            mappings_.push_back({names_[i].data(), files_[i].data(), FT_ENCODING_NONE});
        mappings_.push_back({nullptr, nullptr, FT_ENCODING_NONE});
    }

    bool Empty() const { return names_.empty(); }
    char** Folders() { return folderList_.data(); }
    wmfMapping* Mappings() { return mappings_.data(); }

private:
    static QByteArray MatchingFile(const char* family, int weight, int slant) {
        FcPattern* pattern = FcPatternBuild(
            nullptr, FC_FAMILY, FcTypeString, reinterpret_cast<const FcChar8*>(family), FC_WEIGHT,
            FcTypeInteger, weight, FC_SLANT, FcTypeInteger, slant, static_cast<char*>(nullptr));
        if (pattern == nullptr)
            return {};
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(nullptr, pattern, &result);
        QByteArray file;
        FcChar8* path = nullptr;
        if (match != nullptr && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
            file = reinterpret_cast<const char*>(path);
        if (match != nullptr)
            FcPatternDestroy(match);
        FcPatternDestroy(pattern);
        return file;
    }

    std::vector<QByteArray> folders_, names_, files_;
    std::vector<char*> folderList_;
    std::vector<wmfMapping> mappings_;
};

WmfFonts& Fonts() {
    static WmfFonts fonts; // found once; libwmf only reads them
    return fonts;
}

// How often, in bytes read, the input asks whether the drawing is called off.
constexpr long kBytesBetweenChecks = 64 * 1024;

// One libwmf run over a file held in memory. libwmf reads it through these
// functions, which stop giving bytes once the drawing is called off.
class WmfSession {
public:
    WmfSession(QByteArray file, const std::function<bool()>& calledOff)
        : file_(std::move(file)), calledOff_(calledOff) {
        errors_ = open_memstream(&errorText_, &errorLength_);
        wmfAPI_Options options{};
        options.function = &InstallWmfPainter;
        options.error_out = errors_;
        unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_DEBUG |
                              (errors_ != nullptr ? WMF_OPT_LOG_ERROR : WMF_OPT_NO_ERROR);
        WmfFonts& fonts = Fonts();
        if (!fonts.Empty()) {
            options.fontdirs = fonts.Folders();
            options.font.ps = fonts.Mappings();
            flags |= WMF_OPT_FONTDIRS | WMF_OPT_FONTMAP;
        }
        if (wmf_api_create(&api_, flags, &options) != wmf_E_None) {
            api_ = nullptr;
            return;
        }
        wmf_bbuf_input(api_, &Read, &Seek, &Tell, this);
        wmf_status_function(api_, this, &Status);
    }
    ~WmfSession() {
        if (api_ != nullptr)
            wmf_api_destroy(api_);
        if (errors_ != nullptr)
            std::fclose(errors_);
        std::free(errorText_);
    }
    WmfSession(const WmfSession&) = delete;
    WmfSession& operator=(const WmfSession&) = delete;

    // The device box around all that the file draws.
    std::optional<QRectF> Scan() {
        wmfD_Rect box{};
        if (api_ == nullptr || wmf_scan(api_, 0, &box) != wmf_E_None)
            return std::nullopt;
        return QRectF(QPointF(box.TL.x, box.TL.y), QPointF(box.BR.x, box.BR.y));
    }

    // Plays the records onto `painter`'s picture.
    bool Play(WmfPainter& painter) {
        if (api_ == nullptr)
            return false;
        api_->device_data = &painter;
        wmfD_Rect box{};
        const bool played = wmf_play(api_, 0, &box) == wmf_E_None;
        api_->device_data = nullptr;
        return played;
    }

    // Why the last step failed, in libwmf's words when it gave any.
    QString Failure() {
        if (stopped_)
            return QCoreApplication::translate("Decoding", "the decode was called off");
        if (api_ == nullptr)
            return QCoreApplication::translate("Decoding", "libwmf could not be started");
        if (errors_ != nullptr)
            std::fflush(errors_);
        // libwmf's lines read "ERROR: file.c (123): what went wrong".
        QString first = QString::fromLocal8Bit(errorText_, qsizetype(errorLength_))
                            .section(QLatin1Char('\n'), 0, 0)
                            .section(QStringLiteral("): "), 1)
                            .trimmed();
        if (first.startsWith(QLatin1String("libwmf: ")))
            first = first.mid(8);
        return first.isEmpty()
                   ? QCoreApplication::translate("Decoding", "libwmf could not play the metafile")
                   : QStringLiteral("libwmf: %1").arg(first);
    }

private:
    bool CalledOffNow() {
        if (!stopped_ && calledOff_())
            stopped_ = true;
        return stopped_;
    }
    static int Read(void* context) {
        auto* session = static_cast<WmfSession*>(context);
        if (session->at_ >= session->file_.size())
            return EOF;
        if (++session->sinceCheck_ >= kBytesBetweenChecks) {
            session->sinceCheck_ = 0;
            session->CalledOffNow();
        }
        if (session->stopped_)
            return EOF;
        return static_cast<unsigned char>(session->file_.constData()[session->at_++]);
    }
    static int Seek(void* context, long position) {
        auto* session = static_cast<WmfSession*>(context);
        if (position < 0 || position > session->file_.size())
            return -1;
        session->at_ = position;
        return 0;
    }
    static long Tell(void* context) { return static_cast<WmfSession*>(context)->at_; }
    // Called after every record played; non-zero stops the playing.
    static int Status(void* context, float) { return static_cast<WmfSession*>(context)->stopped_; }

    QByteArray file_;
    const std::function<bool()>& calledOff_;
    wmfAPI* api_ = nullptr;
    std::FILE* errors_ = nullptr;
    char* errorText_ = nullptr;
    std::size_t errorLength_ = 0;
    long at_ = 0;
    long sinceCheck_ = 0;
    bool stopped_ = false;
};

// libwmf's bounding box pads every point it registers by half the pen, and
// the pen of a file that selects none is one logical unit wide and high; the
// padding is taken back off the box of a rectangle `units` large.
QRectF WithoutPenMargin(QRectF box, Pair units) {
    const double wide = std::abs(units.x), high = std::abs(units.y);
    // box = rectangle grown by max(unitX, unitY) / 2 on every side.
    double unitX = box.width() / (wide + 1);
    double unitY = (box.height() - unitX) / high;
    if (unitY > unitX) {
        unitY = box.height() / (high + 1);
        unitX = (box.width() - unitY) / wide;
    }
    const double margin = std::max(unitX, unitY) / 2;
    return box.adjusted(margin, margin, -margin, -margin);
}

// Where the picture's window lies in libwmf's device coordinates, which hang
// on libwmf's own handling of the mapping modes: found by playing the records
// that set up the coordinates and a rectangle over the window.
std::optional<QRectF> WindowArea(QByteArrayView data, const Layout& layout,
                                 const std::function<bool()>& calledOff) {
    if (!layout.windowExtent || layout.windowExtent->x == 0 || layout.windowExtent->y == 0)
        return std::nullopt;
    const Pair origin = layout.windowOrigin;
    const Pair end{origin.x + layout.windowExtent->x, origin.y + layout.windowExtent->y};
    auto fits = [](int value) { return value >= -32768 && value <= 32767; };
    if (!fits(origin.x) || !fits(origin.y) || !fits(end.x) || !fits(end.y))
        return std::nullopt;
    QByteArray records = layout.mapping;
    // Rectangle's parameters: bottom, right, top, left.
    records += Record(kRectangle, {end.y, end.x, origin.y, origin.x});
    quint32 largest = 0;
    for (qsizetype at = 0; at < records.size(); at += U32At(records, at) * 2)
        largest = std::max(largest, U32At(records, at));
    WmfSession probe(WithHeaders(data, layout, records, largest), calledOff);
    const std::optional<QRectF> box = probe.Scan();
    if (!box || box->isEmpty())
        return std::nullopt;
    return WithoutPenMargin(*box, *layout.windowExtent);
}

} // namespace

bool IsWmf(QByteArrayView head) {
    if (head.size() >= 4 && U32At(head, 0) == kPlaceableKey)
        return true;
    return IsPlainHeader(head, 0);
}

QSize WmfSize(QByteArrayView data) {
    const std::optional<Layout> layout = ReadLayout(data);
    return layout ? PictureSize(*layout) : QSize();
}

QImage DrawWmf(QByteArrayView data, QSize size, const std::function<bool()>& calledOff,
               QString& error, QStringList& warnings) {
    const std::optional<Layout> layout = ReadLayout(data);
    if (!layout) {
        error = QCoreApplication::translate("Decoding", "the WMF header is damaged");
        return {};
    }
    if (layout->impossibleRecord) {
        error = QCoreApplication::translate(
            "Decoding", "a record of the metafile is shorter than its own header");
        return {};
    }
    if (layout->endOfFile < 0) {
        error = QCoreApplication::translate(
            "Decoding", "the file ends before the metafile's end-of-file record");
        return {};
    }
    std::optional<QRectF> area = WindowArea(data, *layout, calledOff);
    WmfSession session(Playable(data, *layout), calledOff);
    const std::optional<QRectF> drawn = session.Scan();
    if (!drawn) {
        error = session.Failure();
        return {};
    }
    // Without a window to go by, the picture is what the records draw, one
    // device unit a pixel.
    if (!area)
        area = *drawn;
    QSize physical = PictureSize(*layout);
    if (!physical.isValid())
        physical = QSize(PixelsAt96Dpi(drawn->width() / 96), PixelsAt96Dpi(drawn->height() / 96));
    QImage canvas = WhiteCanvas(size.isValid() ? size : physical, error);
    if (canvas.isNull())
        return {};
    if (area->isEmpty()) // nothing drawn, and no window: the picture stays white
        return canvas;
    WmfPainter painter(canvas, *area);
    if (!session.Play(painter)) {
        error = session.Failure();
        return {};
    }
    if (painter.LeftOutText())
        warnings << TextLeftOutWarning();
    return canvas;
}

} // namespace kolvira
