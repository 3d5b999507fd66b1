// A decoder taken over by a crafted file, acted out by kolvira-decode-escape:
// whatever it tries beyond decoding ends it (or, in a child that draws text
// and so may read fonts, fails), the picture is refused, and the file,
// socket or program it went for shows nothing.
#include "imageio/decoding/DecodeLimits.h"
#include "imageio/decoding/DecoderProcess.h"

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace kolvira::test {
namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true; // the jail is left out of sanitizer builds
#else
constexpr bool kSanitized = false;
#endif

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// Dark pixels in rows [top, bottom) of `image`.
int DarkPixels(const QImage& image, int top, int bottom) {
    int dark = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    }
    return dark;
}

TEST(DecoderJailTest, DecoderThatTriesToBreakOutIsEndedAndNothingHappens) {
    if (kSanitized)
        GTEST_SKIP() << "sanitizer build";
    ASSERT_TRUE(DecodingConfinement().startsWith("Decoding: jailed (seccomp"))
        << DecodingConfinement().toStdString();
    QTemporaryDir folder;
    const QByteArray canary = QFile::encodeName(folder.filePath("canary"));
    const QByteArray made = QFile::encodeName(folder.filePath("made"));
    QFile(folder.filePath("canary")).open(QIODevice::WriteOnly);

    // A listening socket, and a descriptor the child inherits but was not given.
    const QByteArray socketPath = QFile::encodeName(folder.filePath("listener"));
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.constData(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 4), 0);
    const int inherited = ::open(canary.constData(), O_WRONLY | O_APPEND); // no O_CLOEXEC

    // "emf" children are started with --text: they may open the fonts'
    // files, and Landlock keeps them to those; an attempt there fails.
    for (const char* format : {"escape", "emf"}) {
        SCOPED_TRACE(format);
        const auto decode = [&](const QByteArray& command) {
            return DecodeInProgram(KOLVIRA_ESCAPING_DECODER, format, command, {}, nullptr,
                                   kPhotoDecodeTime);
        };
        // The jail leaves what decoding needs: threads, and fonts for text.
        EXPECT_FALSE(decode("thread").image.isNull());
        EXPECT_FALSE(decode("arena").image.isNull());
        if (QByteArray(format) == "emf") {
            const QImage text = decode("text").image;
            ASSERT_FALSE(text.isNull());
            EXPECT_GT(DarkPixels(text, 0, 20), 20);  // a face by name
            EXPECT_GT(DarkPixels(text, 20, 40), 20); // substitutes for a missing one
        }
        for (const QByteArray& command : QByteArrayList{
                 "read /etc/passwd",
                 "append " + canary,
                 "connect " + socketPath,
                 "exec /usr/bin/touch " + made,
                 "fork " + made,
                 "write " + QByteArray::number(inherited),
             }) {
            SCOPED_TRACE(command.toStdString());
            const ChildDecoded decoded = decode(command);
            EXPECT_TRUE(decoded.image.isNull());
            if (QByteArray(format) == "escape") {
                EXPECT_TRUE(decoded.error.contains("the picture is damaged"))
                    << decoded.error.toStdString();
            }
        }
    }
    ::close(inherited);
    EXPECT_EQ(Contents(folder.filePath("canary")), QByteArray());
    EXPECT_FALSE(QFile::exists(folder.filePath("made")));
    EXPECT_LT(::accept(listener, nullptr, nullptr), 0); // nobody came
    ::close(listener);
}

} // namespace
} // namespace kolvira::test

// A QGuiApplication, as the program has: metafiles' children then draw text.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
