// kolvira-decode-escape: a decoding child for the tests alone, never
// installed. Its "picture" is a command, what a crafted file that took over a
// decoder would make it do: "read PATH", "append PATH", "connect SOCKET",
// "exec PROGRAM ARG", "fork PATH" (the new process writes PATH), "write FD";
// or what decoding needs: "thread", "arena" (a thread's own heap grown and
// shrunk), "text" (drawn in fonts found as it goes, with --text). Each gives
// a picture when the attempt worked, so a child that
// gets through shows as a decoded picture.
#include "imageio/decoding/DecoderChild.h"

#include <QList>
#include <QPainter>

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Text in a face of its own and in one the system lacks, with a sign no
// Latin face has: each face's file is opened as it is needed.
QImage DrawnText() {
    QImage drawn(120, 40, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    QFont font(QStringLiteral("Liberation Serif"), 14, QFont::Bold, true);
    painter.setFont(font);
    painter.drawText(4, 16, QStringLiteral("Text"));
    painter.setFont(QFont(QStringLiteral("No Such Family"), 14));
    painter.drawText(4, 34, QStringLiteral("W \u2713"));
    return drawn;
}

bool Attempt(const QList<QByteArray>& command) {
    const QByteArray& what = command.value(0);
    const QByteArray argument = command.value(1);
    if (what == "read")
        return ::open(argument.constData(), O_RDONLY) >= 0;
    if (what == "append") {
        const int fd = ::open(argument.constData(), O_WRONLY | O_APPEND);
        return fd >= 0 && ::write(fd, "escaped\n", 8) == 8;
    }
    if (what == "connect") {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, argument.constData(), sizeof address.sun_path - 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        return fd >= 0 &&
               ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    if (what == "exec") {
        ::execl(argument.constData(), argument.constData(), command.value(2).constData(), nullptr);
        return false;
    }
    if (what == "fork") {
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int fd = ::open(argument.constData(), O_WRONLY | O_CREAT, 0600);
            ::_exit(fd >= 0 ? 0 : 1);
        }
        return pid > 0;
    }
    if (what == "write")
        return ::write(argument.toInt(), "escaped\n", 8) == 8;
    if (what == "arena") { // a thread's heap grown and given back, as a codec's threads do
        std::thread([] {
            std::vector<void*> blocks;
            for (int i = 0; i < 1000; ++i)
                blocks.push_back(std::malloc(64 << 10));
            for (void* block : blocks)
                std::free(block);
        }).join();
        return true;
    }
    if (what == "thread") {
        bool ran = false;
        std::thread([&ran] { ran = true; }).join();
        return ran;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    return kolvira::RunDecoderChild(
        argc, argv, "kolvira-decode-escape",
        [](QByteArray& bytes, const QByteArray&, QSize, QString& error) {
            if (bytes == "text")
                return DrawnText();
            if (!Attempt(bytes.trimmed().split(' '))) {
                error = QStringLiteral("the attempt failed");
                return QImage();
            }
            QImage drawn(1, 1, QImage::Format_RGB32);
            drawn.fill(Qt::white);
            return drawn;
        });
}
