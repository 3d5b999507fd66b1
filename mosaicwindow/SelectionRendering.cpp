#include "mosaicwindow/SelectionRendering.h"

#include "framework/EscapeWatch.h"
#include "framework/StatusProgress.h"
#include "framework/WaitCursor.h"
#include "framework/WindowHost.h"
#include "imageio/writing/PictureFiles.h"
#include "mosaic/BatchRendering.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace kolvira {

namespace {

// Shows the pass on the status bar and stops before the write once Esc
// has been pressed.
class BatchProgress : public PhotoRenderObserver {
public:
    BatchProgress(StatusProgress* progress, EscapeWatch& escape)
        : progress_(progress), escape_(escape) {}

    void Progress(int percent) override {
        if (progress_ != nullptr)
            progress_->SetPosition(percent);
        escape_.Pressed();
    }
    bool Rendered() override { return !escape_.Pressed(); }

private:
    StatusProgress* progress_;
    EscapeWatch& escape_;
};

struct Failure {
    QString name;
    QString reason;
};

QString NameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

QString Summary(qsizetype rendered, qsizetype total, const QString& folder, qsizetype kept,
                qsizetype notStarted, const QList<Failure>& failures) {
    QString text =
        QCoreApplication::translate("SelectionRendering", "Rendered %1 of %2 photos into %3.")
            .arg(rendered)
            .arg(total)
            .arg(QDir::toNativeSeparators(folder));
    if (notStarted > 0)
        text += QCoreApplication::translate("SelectionRendering",
                                            "\nStopped with Esc: %1 not rendered.")
                    .arg(notStarted);
    if (kept > 0)
        text += QCoreApplication::translate("SelectionRendering", "\n%1 existing drawings kept.")
                    .arg(kept);
    if (!failures.isEmpty()) {
        text += QCoreApplication::translate("SelectionRendering", "\n\nNot rendered:");
        for (const Failure& failure : failures)
            text += QStringLiteral("\n%1: %2").arg(failure.name, failure.reason);
    }
    return text;
}

} // namespace

QString RenderSelectedPhotos(const std::vector<std::string>& photos,
                             const SelectionRenderRequest& request,
                             const ProtectedFiles& protectedFiles, WindowHost& host,
                             QWidget* parent) {
    const QString folder = request.outputFolder;
    const qsizetype total = static_cast<qsizetype>(photos.size());
    const QString caption = QCoreApplication::translate("SelectionRendering", "Render Selection");
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        const QString text =
            QCoreApplication::translate("SelectionRendering", "Cannot create the folder \"%1\".")
                .arg(folder);
        QMessageBox::warning(parent, caption, text);
        return text;
    }

    // Every name is settled before anything is written.
    QList<Failure> failures;
    QList<PlannedDrawing> planned;
    QList<qsizetype> existing; // indexes into planned
    for (PlannedDrawing& drawing :
         PlanDrawings(photos, folder, request.suffix, kDrawingNameEnding, protectedFiles)) {
        switch (drawing.decision.kind) {
        case OutputDecision::Kind::AlreadyTaken:
            failures.append(
                {NameOf(drawing.photo),
                 QCoreApplication::translate("SelectionRendering",
                                             "another selected photo has the same name, so its "
                                             "drawing is \"%1\"")
                     .arg(NameOf(drawing.output))});
            break;
        case OutputDecision::Kind::Protected:
            failures.append({NameOf(drawing.photo), drawing.decision.detail});
            break;
        case OutputDecision::Kind::Write:
            if (drawing.decision.exists)
                existing.append(planned.size());
            planned.append(std::move(drawing));
            break;
        }
    }

    qsizetype kept = 0;
    if (!existing.isEmpty()) {
        const auto answer = QMessageBox::question(
            parent, caption,
            QCoreApplication::translate("SelectionRendering",
                                        "%1 of the drawings already exist in %2. Replace them?")
                .arg(existing.size())
                .arg(QDir::toNativeSeparators(folder)),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
        if (answer == QMessageBox::Cancel)
            return {};
        if (answer == QMessageBox::No) {
            for (auto k = existing.size(); k-- > 0;)
                planned.removeAt(existing[k]);
            kept = existing.size();
        }
    }

    PhotoRenderJob job;
    job.settings = request.settings;
    job.width = request.width;
    job.writerFormat = WriterFormatForSuffix(request.suffix);
    qsizetype rendered = 0;
    qsizetype notStarted = 0;
    {
        const WaitCursor busy;
        EscapeWatch escape;
        StatusProgress* progress = host.Progress();
        BatchProgress observer(progress, escape);
        for (qsizetype k = 0; k < planned.size(); ++k) {
            if (escape.Pressed()) {
                notStarted = planned.size() - k;
                break;
            }
            const PlannedDrawing& drawing = planned[k];
            if (progress != nullptr)
                progress->Show(QStringLiteral("%1/%2 %3")
                                   .arg(k + 1)
                                   .arg(planned.size())
                                   .arg(NameOf(drawing.photo)));
            job.input = drawing.photo;
            job.nativeInput = drawing.nativePhoto;
            job.output = drawing.output;
            const PhotoRenderOutcome outcome = RenderPhotoFile(job, observer);
            if (outcome.status == PhotoRenderOutcome::Status::Written) {
                ++rendered;
            } else if (outcome.status == PhotoRenderOutcome::Status::Stopped) {
                notStarted = planned.size() - k;
                break;
            } else {
                failures.append({NameOf(drawing.photo), outcome.reason});
            }
        }
        if (progress != nullptr)
            progress->Finish();
    }

    const QString text = Summary(rendered, total, folder, kept, notStarted, failures);
    if (failures.isEmpty())
        QMessageBox::information(parent, caption, text);
    else
        QMessageBox::warning(parent, caption, text);
    return text;
}

} // namespace kolvira
