#include "PhotoFuzzInput.h"

#include "FuzzTarget.h"

#include "imageio/PhotoDecoding.h"
#include "mosaic/ThumbnailDecoding.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/mman.h>
#include <thread>
#include <unistd.h>

namespace kolvira::fuzz {
namespace {

#ifdef KOLVIRA_FUZZ_EXTENSION
// A format's own fuzzer: every input is a file of that name.
constexpr std::array<const char*, 1> kExtensions = {KOLVIRA_FUZZ_EXTENSION};
#else
// Chosen by the first byte modulo their count; make_photo_seeds.py writes
// its seeds with these indexes. "" is the bare /proc/self/fd/N path.
constexpr std::array<const char*, 17> kExtensions = {
    "",     "jpg", "png", "bmp", "gif",  "tif",  "ico", "cur", "tga",
    "wbmp", "pgm", "xbm", "xpm", "webp", "icns", "svg", "mng",
};
#endif

constexpr int kSmallestThumbWidth = 20;

[[noreturn]] void Fail(const char* what) {
    std::perror(what);
    std::abort();
}

// One memfd for the whole run, rewritten for each input, and a folder of
// links to it, one per extension.
class PhotoFile {
public:
    PhotoFile() {
        descriptor_ = memfd_create("kolvira-fuzz-photo", MFD_CLOEXEC);
        if (descriptor_ < 0)
            Fail("memfd_create");
        procPath_ = "/proc/self/fd/" + std::to_string(descriptor_);
        char folder[] = "/tmp/kolvira-fuzz-XXXXXX";
        if (mkdtemp(folder) == nullptr)
            Fail("mkdtemp");
        folder_ = folder;
        for (const char* extension : kExtensions) {
            if (*extension == '\0')
                continue;
            const std::string link = LinkPath(extension);
            if (symlink(procPath_.c_str(), link.c_str()) != 0)
                Fail("symlink");
        }
    }

    ~PhotoFile() {
        for (const char* extension : kExtensions)
            if (*extension != '\0')
                unlink(LinkPath(extension).c_str());
        rmdir(folder_.c_str());
        close(descriptor_);
    }

    void Replace(const std::uint8_t* data, std::size_t size) {
        if (ftruncate(descriptor_, 0) != 0)
            Fail("ftruncate");
        for (std::size_t written = 0; written < size;) {
            const ssize_t n =
                pwrite(descriptor_, data + written, size - written, static_cast<off_t>(written));
            if (n <= 0)
                Fail("pwrite");
            written += static_cast<std::size_t>(n);
        }
    }

    QByteArray Path(std::uint8_t nameChoice) const {
        const char* extension = kExtensions[nameChoice % kExtensions.size()];
        return QByteArray::fromStdString(*extension == '\0' ? procPath_ : LinkPath(extension));
    }

private:
    std::string LinkPath(const char* extension) const { return folder_ + "/photo." + extension; }

    int descriptor_ = -1;
    std::string procPath_;
    std::string folder_;
};

PhotoFile& ThePhotoFile() {
    static PhotoFile file;
    return file;
}

void IgnoreMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// The process's thread count, field 20 of /proc/self/stat.
int ThreadCount() {
    char text[1024] = {};
    FILE* stat = std::fopen("/proc/self/stat", "r");
    if (stat == nullptr)
        Fail("/proc/self/stat");
    const std::size_t length = std::fread(text, 1, sizeof text - 1, stat);
    std::fclose(stat);
    // The command name (field 2) may hold anything but ends at the last ')'.
    const char* rest = std::strrchr(text, ')');
    int threads = 0;
    if (length == 0 || rest == nullptr ||
        std::sscanf(rest + 1,
                    " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %*u %*u %*d %*d %*d %*d %d",
                    &threads) != 1)
        Fail("/proc/self/stat");
    return threads;
}

} // namespace

PhotoFuzzInput WritePhotoInput(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t nameChoice = size > 0 ? data[0] : 0;
    const std::uint8_t widthChoice = size > 1 ? data[1] : 0;
    const std::size_t header = std::min<std::size_t>(size, 2);
    ThePhotoFile().Replace(data + header, size - header);

    PhotoFuzzInput input;
    input.path = ThePhotoFile().Path(nameChoice);
    input.thumbWidth =
        kSmallestThumbWidth + widthChoice % (kLargestThumbWidth - kSmallestThumbWidth + 1);
    return input;
}

DecodeThreadsEnd::DecodeThreadsEnd() : threadsBefore_(ThreadCount()) {}

DecodeThreadsEnd::~DecodeThreadsEnd() {
    // libFuzzer stops a slow input at its -timeout long before this gives up.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (ThreadCount() > threadsBefore_) {
        if (std::chrono::steady_clock::now() > deadline) {
            std::fprintf(stderr, "a decode's thread has not ended after 60 s\n");
            std::abort();
        }
        std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
}

} // namespace kolvira::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Like both programs, run inside an application object: with one, Qt
    // keeps the image plugins on the main thread, although the decodes that
    // load them run on threads of their own that end. It lives to the end.
    static int argc = 1;
    static char name[] = "kolvira-fuzz";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
    // Qt scales large pictures on its global thread pool, whose idle threads
    // would otherwise stay 30 s and hold up every DecodeThreadsEnd.
    QThreadPool::globalInstance()->setExpiryTimeout(0);
    // Silenced first, so that the codec message router goes on top and the
    // decodes still hear their own messages.
    qInstallMessageHandler(kolvira::fuzz::IgnoreMessage);
    kolvira::ApplyDecodeLimits();
    kolvira::fuzz::ThePhotoFile();
    return 0;
}
