#include "imageio/decoding/DecoderChild.h"

#include "imageio/CodecMessages.h"
#include "imageio/decoding/DecodeLimits.h"
#include "imageio/decoding/DecoderJail.h"
#include "imageio/decoding/DecoderWire.h"
#include "imageio/decoding/RiskyDecodes.h"

#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageReader>
#include <QLoggingCategory>
#include <QRawFont>
#include <QTextLayout>

#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <unistd.h>

namespace kolvira {
namespace {

// For the tests alone: KOLVIRA_DECODE_TEST_FAULT=crash makes the decoder
// crash, =hang makes it run on, as a hostile file might.
void ActOutTestFault() {
    const char* fault = std::getenv("KOLVIRA_DECODE_TEST_FAULT");
    if (fault == nullptr)
        return;
    if (std::strcmp(fault, "crash") == 0) {
        // Past any handler a sanitizer installed, so the parent sees the signal.
        std::signal(SIGSEGV, SIG_DFL);
        std::raise(SIGSEGV);
    }
    if (std::strcmp(fault, "hang") == 0)
        std::this_thread::sleep_for(std::chrono::hours(1));
}

// The folders fontconfig finds fonts in.
QStringList FontFolders() {
    QStringList folders;
    FcStrList* found = FcConfigGetFontDirs(nullptr);
    for (FcChar8* folder; (folder = FcStrListNext(found)) != nullptr;)
        folders << QFile::decodeName(reinterpret_cast<const char*>(folder));
    FcStrListDone(found);
    return folders;
}

// fontconfig's first look for a family's substitutes reads the program's
// own path; done once here, on a family no one has.
void LookUpAFontFamily() {
    QTextLayout layout(QStringLiteral("x"), QFont(QStringLiteral("Kolvira Missing Family")));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
}

// Every font face loaded, and kept so, for text to be drawn once the jail
// forbids opening their files: a face's file is read when it is first used.
std::vector<QRawFont> LoadEveryFont() {
    std::vector<QRawFont> faces;
    for (const QString& family : QFontDatabase::families()) {
        for (const QString& style : QFontDatabase::styles(family)) {
            const QRawFont face = QRawFont::fromFont(QFontDatabase::font(family, style, 12));
            if (face.isValid())
                faces.push_back(face);
        }
    }
    return faces;
}

// What Qt loads on first use: its logging rules (read from a file on the
// first message) and every image reader (a plugin, which a metafile's
// embedded picture may need).
void LoadQtOnDemandParts() {
    QLoggingCategory::defaultCategory()->isWarningEnabled();
    // The readers' complaints about the empty file are no one's concern.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        QBuffer nothing;
        nothing.open(QIODevice::ReadOnly);
        QImageReader(&nothing, format).canRead();
    }
    qInstallMessageHandler(previous);
}

QByteArray ReadStdin() {
    QByteArray bytes;
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0 || bytes.size() + got > kMaxFileBytes)
            return bytes;
        bytes.append(chunk, got);
    }
}

bool WriteAll(const char* data, std::size_t bytes) {
    while (bytes > 0) {
        const ssize_t wrote = ::write(STDOUT_FILENO, data, bytes);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        data += wrote;
        bytes -= std::size_t(wrote);
    }
    return true;
}

bool WritePicture(const QImage& image, const QStringList& messages) {
    const QByteArray head = WireHead(image, messages);
    if (!WriteAll(head.constData(), std::size_t(head.size())))
        return false;
    const std::uint32_t rowBytes = image.isNull() ? 0 : PackedRowBytes(image);
    for (int y = 0; y < image.height(); ++y) {
        if (!WriteAll(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes))
            return false;
    }
    return true;
}

QSize SizeArgument(const char* text) {
    int width = 0, height = 0;
    return std::sscanf(text, "%dx%d", &width, &height) == 2 ? QSize(width, height) : QSize();
}

} // namespace

int RunDecoderChild(int argc, char** argv, const char* program, const DecodeBytes& decode,
                    const PrepareFormat& prepare) {
    CloseInheritedDescriptors();
    // One heap for every thread: glibc reads a file the first time it gives
    // back memory of a thread's own heap, which the jail would punish.
    mallopt(M_ARENA_MAX, 1);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FORMAT [--size WxH] [--text] < PICTURE\n", program);
        return 2;
    }
    const QByteArray format = argv[1];
    QSize scaledSize;
    bool withText = false;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc)
            scaledSize = SizeArgument(argv[++i]);
        else if (std::strcmp(argv[i], "--text") == 0)
            withText = true;
    }
    SetRiskyDecodes(RiskyDecodes::OneShotProcess);
    ApplyDecodeLimits();
    // Metafiles' text needs fonts, which need an application; no screen.
    std::unique_ptr<QGuiApplication> application;
    std::vector<QRawFont> fonts;
    QStringList readable;
    if (withText) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
        LookUpAFontFamily();
        // Text may name any face. Loading them all takes a quarter of a
        // second on a small system, so where the jail can leave the fonts'
        // folders readable the faces are loaded as the text needs them.
        if (CanKeepReadingFolders())
            readable = FontFolders();
        else
            fonts = LoadEveryFont();
    }
    LoadQtOnDemandParts();
    DecodeThreads();
    if (prepare)
        prepare(format);
    // The codecs' messages go to a file made before the jail forbids it.
    CodecMessages messages;
    const JailState jail = EnterDecoderJail(kPhotoDecodeTime, readable);
    if (format == kDescribeJail) {
        const QByteArray said = DescribeJail(jail).toUtf8() + '\n';
        return WriteAll(said.constData(), std::size_t(said.size())) ? 0 : 1;
    }
    QByteArray bytes = ReadStdin();
    ActOutTestFault();

    QString error;
    const QImage image = decode(bytes, format, scaledSize, error);
    QStringList said = messages.Finish();
    if (image.isNull() && said.isEmpty())
        said << error;
    return WritePicture(image, said) ? 0 : 1;
}

} // namespace kolvira
