#include "cli/RenderRun.h"
#include "cli/MessageStream.h"

#include "cli/FailureReport.h"
#include "cli/InputProtection.h"
#include "cli/NativeNames.h"
#include "cli/PictureWriting.h"
#include "cli/ProgressBar.h"
#include "cli/RunReport.h"
#include "cli/StopSignals.h"
#include "mosaic/BatchRendering.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace kolvira::cli {
namespace {

std::optional<Failure> PrepareOutputDir(const QString& dir) {
    if (IsLossyName(dir))
        return Failure{dir, UnspellableNameReason()};
    const QFileInfo info(dir);
    if (info.exists() && !info.isDir())
        return Failure{dir, QCoreApplication::translate("RenderRun", "exists and is not a folder")};
    if (!info.exists() && !QDir().mkpath(dir))
        return Failure{dir,
                       QCoreApplication::translate("RenderRun", "cannot create the output folder")};
    return std::nullopt;
}

// What became of one input.
struct Outcome {
    InputStatus status = InputStatus::Written;
    Failure failure; // the file and why, when skipped or failed
    std::int64_t pixels = 0;
};

Outcome Failed(const QString& file, const QString& reason) {
    return {InputStatus::Failed, {file, reason}};
}

class Run {
public:
    Run(const CliOptions& options, qsizetype count)
        : options_(options), inputs_(InputFiles(options.inputs)), count_(count),
          progress_(Messages(), !options.quiet && IsTerminal(Messages())) {}

    // `number` counts from 1 among the run's inputs.
    Outcome RenderFile(const QString& input, const QString& output, qsizetype number) {
        const OutputDecision decision = outputs_.Decide(input, output, NativeFileName(output));
        if (decision.kind == OutputDecision::Kind::AlreadyTaken)
            return Failed(input, QCoreApplication::translate(
                                     "RenderRun", "not written: '%1' is already the output of '%2'")
                                     .arg(output, decision.detail));
        if (IsLossyName(output))
            return Failed(output, UnspellableNameReason());
        if (decision.kind == OutputDecision::Kind::Protected)
            return Failed(output, decision.detail);
        // Outputs appear only once complete, so one that exists is a finished picture.
        if (options_.skipExisting && decision.exists)
            return {InputStatus::Skipped,
                    {input,
                     QCoreApplication::translate("RenderRun", "'%1' already exists").arg(output)}};

        PhotoRenderJob job;
        job.input = input;
        job.nativeInput = NativeFileName(input);
        job.output = output;
        job.writerFormat = options_.writerFormat;
        job.settings = options_.settings;
        job.width = options_.width;
        job.threads = options_.threads;
        job.carryMetadata = !options_.strip;
        ProgressShown shown(*this, input, number);
        const PhotoRenderOutcome outcome = RenderPhotoFile(job, shown);
        if (outcome.status != PhotoRenderOutcome::Status::Written)
            return Failed(outcome.failedFile, outcome.reason);
        return {
            InputStatus::Written, {}, std::int64_t{outcome.size.width()} * outcome.size.height()};
    }

private:
    // The decoder's warnings, then the progress bar while the pass runs.
    class ProgressShown : public PhotoRenderObserver {
    public:
        ProgressShown(Run& run, const QString& input, qsizetype number)
            : run_(run), input_(input), number_(number) {}
        void Loaded(const QStringList& warnings) override {
            if (!run_.options_.quiet) {
                for (const QString& warning : warnings)
                    Report(
                        {input_, QCoreApplication::translate("RenderRun", "warning: ") + warning});
            }
            run_.progress_.Start(QFileInfo(input_).fileName(),
                                 run_.count_ > 1
                                     ? QStringLiteral("%1/%2").arg(number_).arg(run_.count_)
                                     : QString());
        }
        void Progress(int percent) override { run_.progress_.Show(percent); }
        bool Rendered() override {
            // The pass reports the cells it starts, so it stops short of 100.
            run_.progress_.Show(100);
            run_.progress_.Finish();
            return true;
        }

    private:
        Run& run_;
        const QString& input_;
        const qsizetype number_;
    };

    const CliOptions& options_;
    const ProtectedFiles inputs_;
    const qsizetype count_;
    ProgressBar progress_;
    OutputPlanner outputs_{inputs_};
};

struct Tally {
    qsizetype written = 0;
    qsizetype skipped = 0;
    qsizetype failed = 0;
    qsizetype Done() const { return written + skipped + failed; }
};

QString SignalName(int signal) {
    return signal == SIGINT ? QStringLiteral("Ctrl+C (SIGINT)") : QStringLiteral("SIGTERM");
}

// "shard 2/8: 120 of 1000 inputs: 100 written, 20 skipped, 0 failed"
QString Summary(const CliOptions& options, qsizetype total, qsizetype count, const Tally& tally,
                int stopSignal) {
    QString text;
    if (!options.shard.IsWhole())
        text = QCoreApplication::translate("RenderRun", "shard %1/%2: %3 of %4 inputs: ")
                   .arg(options.shard.index)
                   .arg(options.shard.count)
                   .arg(count)
                   .arg(total);
    if (stopSignal != 0)
        text +=
            QCoreApplication::translate("RenderRun", "stopped by %1: ").arg(SignalName(stopSignal));
    text += QCoreApplication::translate("RenderRun", "%1 written, %2 skipped, %3 failed")
                .arg(tally.written)
                .arg(tally.skipped)
                .arg(tally.failed);
    if (tally.Done() < count)
        text +=
            QCoreApplication::translate("RenderRun", ", %1 not started").arg(count - tally.Done());
    return text;
}

// The inputs that fall in the run's slice, in the order given.
QStringList InputsOfShard(const QStringList& inputs, const Shard& shard) {
    if (shard.IsWhole())
        return inputs;
    QStringList taken;
    for (const QString& input : inputs) {
        if (ShardOf(NativeFileName(input), shard.count) == shard.index)
            taken << input;
    }
    return taken;
}

} // namespace

int RunRender(const CliOptions& options) {
    const bool batch = !options.outputDir.isEmpty();
    if (batch) {
        if (const auto failure = PrepareOutputDir(options.outputDir)) {
            Report(*failure);
            return 1;
        }
    }
    ReportFile report;
    if (!options.reportFile.isEmpty()) {
        if (const QString reason = report.Open(NativeFileName(options.reportFile));
            !reason.isEmpty()) {
            Report({options.reportFile,
                    QCoreApplication::translate("RenderRun", "cannot open the report: ") + reason});
            return 1;
        }
    }

    const QStringList inputs = InputsOfShard(options.inputs, options.shard);
    CatchStopSignals();
    Run run(options, inputs.size());
    Tally tally;
    bool reportFailed = false;
    for (qsizetype k = 0; k < inputs.size() && StopSignal() == 0; ++k) {
        const QString& input = inputs[k];
        const QString output = batch
                                   ? BatchOutputPath(options.outputDir, input, options.batchSuffix)
                                   : options.outputFile;
        QElapsedTimer timer;
        timer.start();
        const Outcome outcome = run.RenderFile(input, output, k + 1);
        switch (outcome.status) {
        case InputStatus::Written:
            ++tally.written;
            break;
        case InputStatus::Skipped:
            ++tally.skipped;
            if (!options.quiet)
                Report(
                    {outcome.failure.file, QCoreApplication::translate("RenderRun", "skipped: ") +
                                               outcome.failure.reason});
            break;
        case InputStatus::Failed:
            ++tally.failed;
            Report(outcome.failure);
            break;
        }
        if (report.IsOpen() && !reportFailed) {
            const ReportEntry entry{NativeFileName(input),  NativeFileName(output), outcome.status,
                                    outcome.failure.reason, timer.elapsed(),        outcome.pixels};
            if (const WriteOutcome added = report.Append(ReportLine(entry)); !added.IsWritten()) {
                Report({options.reportFile,
                        QCoreApplication::translate("RenderRun", "cannot add to the report: ") +
                            added.Reason()});
                reportFailed = true; // said once; the pictures go on
            }
        }
    }

    const int stopSignal = StopSignal();
    const bool pieceOfAJob = !options.shard.IsWhole() || options.skipExisting;
    if (stopSignal != 0 || (pieceOfAJob && !options.quiet))
        std::fprintf(
            Messages(), "kolvira-render: %s\n",
            qPrintable(Summary(options, options.inputs.size(), inputs.size(), tally, stopSignal)));
    if (stopSignal != 0)
        return StoppedExitStatus(stopSignal);
    return tally.failed > 0 || reportFailed ? 1 : 0;
}

} // namespace kolvira::cli
