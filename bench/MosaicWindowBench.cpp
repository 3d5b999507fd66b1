// The Mosaic window over big folders, offscreen: how long the build of 1,000,
// 10,000 and 50,000 photos takes, the peak memory (RSS) of the process, and
// the event loop's longest stall meanwhile, with the desktop's shared
// thumbnails cold (none yet) and warm (written by the cold build). The photos
// are symbolic links to four 3-megapixel JPEGs made at the start. Each case
// runs in a process of its own, so that its peak memory is its own.
//
//   kolvira-mosaic-bench [COUNT...]        (default: 1000 10000 50000)
#include "BenchPhoto.h"

#include "imageio/decoding/DecoderMemory.h"
#include "mosaicwindow/MosaicView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace kolvira;

namespace {

// The process's peak resident memory in MiB, from /proc.
double PeakRssMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    return -1;
}

// Makes `count` links named p000000.jpg... to the four photos in `dir`.
bool MakeLinks(const QDir& dir, int count) {
    for (int k = 0; k < count; ++k) {
        const QString target = dir.filePath(QStringLiteral("../photos/%1.jpg").arg(k % 4));
        const QString link = dir.filePath(QStringLiteral("p%1.jpg").arg(k, 6, 10, QChar(u'0')));
        if (!QFile::link(target, link))
            return false;
    }
    return true;
}

// One build in this process: "<seconds> <peak MiB> <longest stall ms> <entries>".
int RunCase(const QString& folder) {
    const QDir dir(folder);
    MosaicView mosaic;
    mosaic.resize(1000, 700);
    mosaic.show();
    for (const QString& name : dir.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name))
        mosaic.photoPaths.push_back(QFile::encodeName(dir.filePath(name)).toStdString());

    // Fonts and the first paint are set up before the timing.
    mosaic.grab();
    QCoreApplication::processEvents();

    // The longest time between two runs of a 1 ms timer: how long the window
    // could not have answered the user.
    QElapsedTimer sinceTick;
    QElapsedTimer build;
    qint64 longestStall = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { longestStall = std::max(longestStall, sinceTick.restart()); });
    ticker.start(1);

    build.start();
    sinceTick.start();
    mosaic.BuildMosaic();
    while (mosaic.Building())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double seconds = build.nsecsElapsed() / 1e9;
    std::printf("%.3f %.0f %lld %d\n", seconds, PeakRssMiB(), static_cast<long long>(longestStall),
                mosaic.count());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    kolvira::ShareMallocArenas(); // as the program does
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QStringLiteral("--case"))
        return RunCase(arguments[2]);

    std::vector<int> counts;
    for (int i = 1; i < arguments.size(); ++i)
        counts.push_back(arguments[i].toInt());
    if (counts.empty())
        counts = {1000, 10000, 50000};

    QTemporaryDir work;
    const QDir root(work.path());
    root.mkpath(QStringLiteral("photos"));
    const QImage photo = kolvira::bench::BenchPhoto().scaled(2000, 1500, Qt::IgnoreAspectRatio,
                                                             Qt::SmoothTransformation);
    for (int i = 0; i < 4; ++i)
        if (!photo.mirrored(i & 1, i & 2)
                 .save(root.filePath(QStringLiteral("photos/%1.jpg").arg(i)), "JPG", 90))
            return 1;

    std::printf(
        "| photos | shared thumbnails | build s | ms/photo | peak RSS MiB | longest stall ms |\n");
    std::printf("|---:|---|---:|---:|---:|---:|\n");
    for (const int count : counts) {
        const QString folder = root.filePath(QStringLiteral("links%1").arg(count));
        if (!root.mkpath(folder) || !MakeLinks(QDir(folder), count))
            return 1;
        // Each count has thumbnail folders of its own: cold, then warm.
        const QString cache = root.filePath(QStringLiteral("cache%1").arg(count));
        for (const char* state : {"cold", "warm"}) {
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
            child.setProcessEnvironment(environment);
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--case"), folder});
            if (!child.waitForFinished(-1) || child.exitCode() != 0)
                return 1;
            const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
            if (figures.size() != 4)
                return 1;
            const double seconds = figures[0].toDouble();
            std::printf("| %d | %s | %.2f | %.3f | %s | %s |\n", count, state, seconds,
                        1000 * seconds / count, figures[1].constData(), figures[2].constData());
            std::fflush(stdout);
        }
    }
    return 0;
}
