#include "imageio/decoding/DecoderProcess.h"

#include "imageio/PhotoDecoding.h"
#include "imageio/decoding/DecodeClock.h"
#include "imageio/decoding/DecoderChild.h"
#include "imageio/decoding/DecoderWire.h"
#include "imageio/formats/MetafileCanvas.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtDebug>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <vector>

extern char** environ;

namespace kolvira {
namespace {

// How often a waiting decode looks whether it was called off.
constexpr int kPollMilliseconds = 20;

QByteArray FindDecoderProgram(const QString& name) {
    const QString running = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    if (running.isEmpty())
        return {};
    const QString folder = QFileInfo(running).absolutePath();
    for (const QString& candidate : {folder + QLatin1Char('/') + name,
                                     folder + QStringLiteral("/../libexec/kolvira/") + name}) {
        const QByteArray path = QFile::encodeName(QFileInfo(candidate).absoluteFilePath());
        if (::access(path.constData(), X_OK) == 0)
            return path;
    }
    return {};
}

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    void Close() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

// The running child; killed and reaped unless it was reaped already.
class Child {
public:
    explicit Child(pid_t pid) : pid_(pid) {}
    ~Child() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            Reap(0);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // The child's wait status; `flags` 0 waits for it.
    std::optional<int> Reap(int flags) {
        int status = 0;
        pid_t got;
        do {
            got = ::waitpid(pid_, &status, flags);
        } while (got < 0 && errno == EINTR);
        if (got == 0)
            return std::nullopt;
        pid_ = -1;
        return got < 0 ? 0 : status;
    }

private:
    pid_t pid_;
};

// Waits between ends of the child's pipes, giving up when the decode is
// called off or its time is up (on the DecodeClock: the child's processor
// time).
class Waiting {
public:
    Waiting(QIODevice* device, std::chrono::milliseconds limit, pid_t child)
        : device_(device), limit_(limit), clock_(limit, ProcessCpuClock(child)) {}

    // Whether `fd` became ready for `events`; false when the wait was given up.
    bool Until(int fd, short events) {
        for (;;) {
            if (GivenUp())
                return false;
            pollfd watched{fd, events, 0};
            const int ready = ::poll(&watched, 1, kPollMilliseconds);
            if (ready > 0)
                return true;
            if (ready < 0 && errno != EINTR)
                return false;
        }
    }
    bool GivenUp() {
        if (clock_.Expired()) {
            reason_ = TookTooLongReason(limit_);
            return givenUp_ = true;
        }
        // Every read of a called-off photo fails; position 0 never runs out.
        char byte = 0;
        if (device_ != nullptr && device_->isOpen() && !device_->isSequential() &&
            device_->seek(0) && device_->peek(&byte, 1) < 0) {
            reason_ = QCoreApplication::translate("Decoding", "the decode was called off");
            return givenUp_ = true;
        }
        return false;
    }
    bool WasGivenUp() const { return givenUp_; }
    const QString& Reason() const { return reason_; }

private:
    QIODevice* device_;
    std::chrono::milliseconds limit_;
    DecodeClock clock_;
    bool givenUp_ = false;
    QString reason_;
};

bool SendAll(int fd, const QByteArray& bytes, Waiting& waiting) {
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        if (!waiting.Until(fd, POLLOUT))
            return false;
        const ssize_t wrote = ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent),
                                     MSG_NOSIGNAL | MSG_DONTWAIT);
        if (wrote < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (wrote <= 0)
            return false;
        sent += wrote;
    }
    return true;
}

bool ReadAll(int fd, char* into, std::size_t bytes, Waiting& waiting) {
    std::size_t got = 0;
    while (got < bytes) {
        if (!waiting.Until(fd, POLLIN))
            return false;
        const ssize_t read = ::read(fd, into + got, bytes - got);
        if (read < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (read <= 0)
            return false;
        got += std::size_t(read);
    }
    return true;
}

QString StoppedReason(int status) {
    // What the jail does to a decoder that tries what decoding never needs.
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGSYS)
        return QStringLiteral("the picture is damaged: its decoder tried to break out of its "
                              "jail (signal %1)")
            .arg(SIGSYS);
    if (WIFSIGNALED(status))
        return QCoreApplication::translate(
                   "Decoding", "the picture is damaged: the decoder stopped (signal %1)")
            .arg(WTERMSIG(status));
    return QCoreApplication::translate(
               "Decoding", "the picture is damaged: the decoder stopped (exit status %1)")
        .arg(WEXITSTATUS(status));
}

// The child's answer, read from `out`; error set when it is not whole.
ChildDecoded ReadAnswer(int out, Waiting& waiting) {
    ChildDecoded answer;
    WireHeader header{};
    if (!ReadAll(out, reinterpret_cast<char*>(&header), sizeof header, waiting))
        return answer;
    QString error;
    std::optional<QImage> picture = PictureFor(header, error);
    if (!picture) {
        answer.error = error;
        return answer;
    }
    QByteArray icc(qsizetype(header.iccBytes), '\0');
    QByteArray said(qsizetype(header.messageBytes), '\0');
    if (!ReadAll(out, icc.data(), std::size_t(icc.size()), waiting) ||
        !ReadAll(out, said.data(), std::size_t(said.size()), waiting))
        return answer;
    QImage image = std::move(*picture);
    if (image.isNull()) { // the decoder failed and said why
        answer.messages = QString::fromUtf8(said).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return answer;
    }
    const bool contiguous = image.bytesPerLine() == qsizetype(header.rowBytes);
    if (contiguous) {
        if (!ReadAll(out, reinterpret_cast<char*>(image.bits()), std::size_t(image.sizeInBytes()),
                     waiting))
            return answer;
    } else {
        for (int y = 0; y < image.height(); ++y) {
            if (!ReadAll(out, reinterpret_cast<char*>(image.scanLine(y)), header.rowBytes, waiting))
                return answer;
        }
    }
    if (!icc.isEmpty())
        image.setColorSpace(QColorSpace::fromIccProfile(icc));
    if (!said.isEmpty())
        answer.messages = QString::fromUtf8(said).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    answer.image = std::move(image);
    return answer;
}

} // namespace

QByteArray DecoderProgram(const QByteArray& format) {
    static const QByteArray decoder = FindDecoderProgram(QStringLiteral("kolvira-decode"));
    static const QByteArray emfDecoder = FindDecoderProgram(QStringLiteral("kolvira-decode-emf"));
    return format == "emf" ? emfDecoder : decoder;
}

bool DecodesInChild(const QByteArray& format) {
    return CurrentRiskyDecodes() == RiskyDecodes::InChildProcess &&
           !DecoderProgram(format).isEmpty();
}

ChildDecoded DecodeInChild(const QByteArray& format, const QByteArray& bytes, QSize scaledSize,
                           QIODevice* device, std::chrono::milliseconds limit) {
    return DecodeInProgram(DecoderProgram(format), format, bytes, scaledSize, device, limit);
}

ChildDecoded DecodeInProgram(const QByteArray& program, const QByteArray& format,
                             const QByteArray& bytes, QSize scaledSize, QIODevice* device,
                             std::chrono::milliseconds limit) {
    ChildDecoded failed;
    int input[2], output[2];
    // A socket for the input: a write to a child that died fails instead of
    // raising SIGPIPE in this process.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, input) != 0) {
        failed.error = QString::fromLocal8Bit(std::strerror(errno));
        return failed;
    }
    Descriptor toChild(input[0]), childIn(input[1]);
    if (::pipe2(output, O_CLOEXEC) != 0) {
        failed.error = QString::fromLocal8Bit(std::strerror(errno));
        return failed;
    }
    Descriptor fromChild(output[0]), childOut(output[1]);

    QByteArrayList arguments{program, format};
    if (scaledSize.isValid())
        arguments << "--size"
                  << QByteArray::number(scaledSize.width()) + 'x' +
                         QByteArray::number(scaledSize.height());
    if (format == "emf" && CanDrawText())
        arguments << "--text";
    std::vector<char*> argv;
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, childIn.get(), STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, childOut.get(), STDOUT_FILENO);
    pid_t pid = -1;
    // posix_spawn, not fork: this process runs many threads.
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        failed.error =
            QCoreApplication::translate("Decoding", "the decoder could not be started: %1")
                .arg(QString::fromLocal8Bit(std::strerror(spawned)));
        return failed;
    }
    Child child(pid);
    childIn.Close();
    childOut.Close();

    Waiting waiting(device, limit, pid);
    const bool sent = SendAll(toChild.get(), bytes, waiting);
    toChild.Close(); // the end of the file for the child
    ChildDecoded answer = sent ? ReadAnswer(fromChild.get(), waiting) : ChildDecoded{};
    if (waiting.WasGivenUp()) {
        answer.image = {};
        answer.error = waiting.Reason();
        return answer; // the child is killed on the way out
    }
    fromChild.Close();
    // A child that answered ends at once; one that did not is ended now.
    std::optional<int> status = child.Reap(WNOHANG);
    for (int tries = 0; !status && tries < 50; ++tries) {
        ::usleep(kPollMilliseconds * 1000);
        status = child.Reap(WNOHANG);
    }
    if (!status) {
        answer.image = {};
        answer.error = QCoreApplication::translate("Decoding", "the decoder did not end");
        return answer;
    }
    if (!WIFEXITED(*status) || WEXITSTATUS(*status) != 0) {
        answer.image = {};
        answer.error = StoppedReason(*status);
    } else if (answer.image.isNull() && answer.error.isEmpty() && answer.messages.isEmpty()) {
        answer.error =
            QCoreApplication::translate("Decoding", "the decoder's answer was cut short");
    }
    return answer;
}

QString DecodingConfinement() {
    static const QString said = [] {
        const QByteArray program = DecoderProgram("heif");
        if (program.isEmpty())
            return QStringLiteral("not jailed: kolvira-decode was not found");
        QProcess child;
        child.start(QFile::decodeName(program), {QString::fromLatin1(kDescribeJail)});
        if (!child.waitForFinished(5000) || child.exitCode() != 0) {
            child.kill();
            child.waitForFinished();
            return QStringLiteral("not jailed: kolvira-decode did not say how it is confined");
        }
        return QString::fromUtf8(child.readAllStandardOutput()).trimmed();
    }();
    return QStringLiteral("Decoding: ") + said;
}

bool ReadInChild(const QByteArray& format, const QByteArray& bytes, QSize scaledSize,
                 QIODevice* device, QImage* image) {
    ChildDecoded decoded = DecodeInChild(format, bytes, scaledSize, device, kPhotoDecodeTime);
    for (const QString& message : decoded.messages)
        qWarning().noquote() << message;
    if (decoded.image.isNull()) {
        if (!decoded.error.isEmpty())
            qWarning().noquote() << decoded.error;
        return false;
    }
    *image = std::move(decoded.image);
    return true;
}

} // namespace kolvira
