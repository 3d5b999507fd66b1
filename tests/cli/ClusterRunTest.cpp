// One job run as many processes: shards sharing an output folder and a
// report, one of them killed and started again, and runs stopped by a
// signal. Every picture is written exactly once and no output is partial.
#include "CliTestSupport.h"

#include "cli/Sharding.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#include <unistd.h>

namespace kolvira::cli::test {
namespace {

// Scaled up on one thread, a picture takes long enough that a run can be
// stopped between two of them.
const QStringList kSlowRender = {"--threads", "1", "--width", "1600", "--format", "jpg", "-q"};

// in/photo00.png ... as paths relative to `dir`.
QStringList MakeInputs(const QString& dir, int count) {
    QDir(dir).mkpath("in");
    QStringList inputs;
    for (int i = 0; i < count; ++i) {
        inputs << QStringLiteral("in/photo%1.png").arg(i, 2, 10, QLatin1Char('0'));
        SavePhoto(MakePhoto(64 + i, 48), dir + u'/' + inputs.last());
    }
    return inputs;
}

void Start(QProcess& process, const QStringList& arguments, const QString& dir) {
    process.setWorkingDirectory(dir);
    process.start(QStringLiteral(KOLVIRA_RENDER_PROGRAM), arguments);
    ASSERT_TRUE(process.waitForStarted());
}

bool WaitFor(const std::function<bool()>& condition) {
    for (int waited = 0; waited < 60'000; waited += 5) {
        if (condition())
            return true;
        QThread::msleep(5);
    }
    return false;
}

// The report's complete lines; a line that is not a JSON object fails the test.
QList<QJsonObject> ReportLines(const QString& path) {
    QList<QJsonObject> lines;
    for (const QByteArray& line : ReadBytes(path).split('\n')) {
        if (line.isEmpty())
            continue;
        const QJsonDocument document = QJsonDocument::fromJson(line);
        EXPECT_TRUE(document.isObject()) << line.toStdString();
        lines << document.object();
    }
    return lines;
}

TEST(ClusterRunTest, KilledShardStartedAgainLeavesEveryPictureWrittenOnce) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList inputs = MakeInputs(dir.path(), 30);
    QSet<QString> expected;
    for (const QString& input : inputs)
        expected << QFileInfo(input).completeBaseName() + ".jpg";

    // Each shard reads the list in an order of its own; the victim is the
    // shard with the most inputs, so that killing it leaves work undone.
    std::vector<QStringList> shardInputs(4);
    for (const QString& input : inputs)
        shardInputs[ShardOf(QFile::encodeName(input), 3)] << input;
    int victim = 1;
    QProcess runs[4];
    for (int k = 1; k <= 3; ++k) {
        QStringList list = inputs;
        std::rotate(list.begin(), list.begin() + 7 * k, list.end());
        if (k == 2)
            std::reverse(list.begin(), list.end());
        WriteBytes(dir.filePath(QStringLiteral("list%1").arg(k)), list.join('\n').toUtf8() + '\n');
        if (shardInputs[k].size() > shardInputs[victim].size())
            victim = k;
    }
    const auto arguments = [&](int k) {
        return QStringList{"--files-from", QStringLiteral("list%1").arg(k),
                           "--shard",      QStringLiteral("%1/3").arg(k),
                           "-d",           "out",
                           "--report",     "report.jsonl"} +
               kSlowRender;
    };
    for (int k = 1; k <= 3; ++k)
        Start(runs[k], arguments(k), dir.path());

    // Killed once its first picture is reported, while it renders the next.
    ASSERT_TRUE(WaitFor([&] {
        for (const QJsonObject& line : ReportLines(dir.filePath("report.jsonl"))) {
            if (shardInputs[victim].contains(line["input"].toString()))
                return true;
        }
        return false;
    }));
    runs[victim].kill();
    for (QProcess& run : runs)
        run.waitForFinished(60'000);
    for (int k = 1; k <= 3; ++k) {
        if (k != victim) {
            EXPECT_EQ(runs[k].exitCode(), 0) << runs[k].readAllStandardError().toStdString();
        }
    }
    const qsizetype doneBeforeKill = DirEntries(dir.filePath("out")).size();
    ASSERT_LT(doneBeforeKill, 30) << "the kill came after the victim's last picture";

    const CliResult restart =
        RunCli(arguments(victim) + QStringList{"--skip-existing"}, dir.path());
    EXPECT_EQ(restart.exitCode, 0) << restart.err.toStdString();

    const QStringList written = DirEntries(dir.filePath("out"));
    EXPECT_EQ(QSet<QString>(written.begin(), written.end()), expected) << "and nothing else";
    QStringList reportedWritten;
    qsizetype skipped = 0;
    for (const QJsonObject& line : ReportLines(dir.filePath("report.jsonl"))) {
        if (line["status"] == "written")
            reportedWritten << QFileInfo(line["output"].toString()).fileName();
        skipped += line["status"] == "skipped";
    }
    EXPECT_EQ(reportedWritten.size(), 30);
    EXPECT_EQ(QSet<QString>(reportedWritten.begin(), reportedWritten.end()), expected);
    EXPECT_EQ(skipped, doneBeforeKill - (30 - shardInputs[victim].size()));
}

TEST(ClusterRunTest, StopSignalEndsTheRunAfterThePictureInProgress) {
    for (const auto& [signal, status] : {std::pair(SIGINT, 130), std::pair(SIGTERM, 143)}) {
        SCOPED_TRACE(signal);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        QProcess run;
        Start(run, MakeInputs(dir.path(), 8) + QStringList{"-d", "out"} + kSlowRender, dir.path());
        ASSERT_TRUE(WaitFor([&] { return !DirEntries(dir.filePath("out")).isEmpty(); }));
        ASSERT_EQ(::kill(static_cast<pid_t>(run.processId()), signal), 0);
        ASSERT_TRUE(run.waitForFinished(60'000));

        EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(run.exitCode(), status);
        const QString err = QString::fromLocal8Bit(run.readAllStandardError());
        EXPECT_TRUE(err.contains("stopped by") && err.contains("not started")) << err.toStdString();
        const QStringList written = DirEntries(dir.filePath("out"));
        EXPECT_LT(written.size(), 8);
        for (const QString& name : written)
            EXPECT_EQ(QImage(dir.filePath("out/" + name)).width(), 1600)
                << "whole: " << name.toStdString();
    }
}

} // namespace
} // namespace kolvira::cli::test
