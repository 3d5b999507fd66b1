#include "imageio/DecoderChild.h"

#include "imageio/CodecMessages.h"
#include "imageio/DecodeLimits.h"
#include "imageio/DecoderWire.h"
#include "imageio/RiskyDecodes.h"

#include <QGuiApplication>

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

int RunDecoderChild(int argc, char** argv, const char* program, const DecodeBytes& decode) {
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
    if (withText) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    QByteArray bytes = ReadStdin();
    ActOutTestFault();

    CodecMessages messages;
    QString error;
    const QImage image = decode(bytes, format, scaledSize, error);
    QStringList said = messages.Finish();
    if (image.isNull() && said.isEmpty())
        said << error;
    return WritePicture(image, said) ? 0 : 1;
}

} // namespace kolvira
