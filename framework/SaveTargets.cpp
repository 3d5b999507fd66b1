#include "framework/SaveTargets.h"

#include "framework/EscapeWatch.h"
#include "framework/FileDialogs.h"
#include "framework/WaitCursor.h"
#include "imageio/writing/PictureFiles.h"
#include "imageio/writing/WritableFormats.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QVBoxLayout>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>

namespace kolvira {

QString RefusalToReplacePhoto(const QString& target, const kolvira::ProtectedFiles& openPhotos) {
    if (openPhotos.FileAt(target).isEmpty())
        return {};
    // Named as the user chose it, not as the photo's own window shows it.
    return QCoreApplication::translate("SaveTargets",
                                       "%1 is a photo, and Kolvira never writes over a photo: "
                                       "choose another name.")
        .arg(QFileInfo(target).fileName());
}

namespace {

// "Kolvira saves pictures as PNG, JPEG, ...: end the name with .png, .jpg, ..."
QString UnsavedSuffixReason() {
    QStringList names;
    QStringList endings;
    for (const WritableFormat& format : WritableFormats()) {
        names.append(format.name);
        endings.append(u'.' + format.suffixes.first());
    }
    return QCoreApplication::translate("SaveTargets",
                                       "Kolvira saves pictures as %1: end the name with %2.")
        .arg(JoinedInSentence(names), JoinedInSentence(endings));
}

// The writer format for the name's extension (the first writable format when
// it has none), or empty with the reason in `failure`.
QByteArray SavedFormat(const QImage& picture, const QString& path, QString& failure) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (!suffix.isEmpty() && WritableFormatOf(suffix) == nullptr) {
        failure = UnsavedSuffixReason();
        return {};
    }
    const QByteArray format = WriterFormatForSuffix(
        suffix.isEmpty() ? WritableFormats().front().suffixes.first() : suffix);
    if (format.isEmpty())
        failure = QCoreApplication::translate("SaveTargets", "This system cannot write .%1 files.")
                      .arg(suffix);
    else if (picture.isNull())
        failure = QCoreApplication::translate("SaveTargets", "There is no picture to save.");
    return failure.isEmpty() ? format : QByteArray();
}

// A file written under a name of its own beside its target, then either
// renamed over the target or, when the save was stopped, removed by
// whichever of the writer and the stopper comes last.
struct SideFile {
    QString path;
    std::mutex mutex;
    bool written = false;
    bool stopped = false;

    void Finish(bool byWriter) {
        const std::lock_guard lock(mutex);
        (byWriter ? written : stopped) = true;
        if (written && stopped)
            QFile::remove(path);
    }
};

} // namespace

WriteOutcome SavePictureFile(const QImage& picture, const QString& path,
                             const CarriedMetadata& metadata) {
    QString failure;
    const QByteArray format = SavedFormat(picture, path, failure);
    if (format.isEmpty())
        return WriteOutcome::Failed(failure);
    const WaitCursor busy;
    return WritePicture(picture, path, format, metadata);
}

WriteOutcome SavePictureFileUnlessEscaped(const QImage& picture, const QString& path,
                                          const CarriedMetadata& metadata) {
    QString failure;
    const QByteArray format = SavedFormat(picture, path, failure);
    if (format.isEmpty())
        return WriteOutcome::Failed(failure);
    auto side = std::make_shared<SideFile>();
    {
        // A free name, given back at once: the writer makes the file anew,
        // with the permissions of a new file.
        QTemporaryFile unused(QFileInfo(path).absolutePath() + QStringLiteral("/.kolvira-XXXXXX"));
        if (!unused.open())
            return WriteOutcome::Failed(unused.errorString());
        side->path = unused.fileName();
    }
    auto result = std::make_shared<WriteOutcome>(WriteOutcome::Stopped());
    const WaitCursor busy;
    const bool finished = RunUnlessEscaped([side, result, picture, format, metadata] {
        *result = WritePicture(picture, side->path, format, metadata);
        side->Finish(/*byWriter=*/true);
    });
    if (!finished) {
        side->Finish(/*byWriter=*/false);
        return WriteOutcome::Stopped();
    }
    // A file replaced keeps its permissions, as with every other save.
    if (result->IsWritten() && QFile::exists(path))
        QFile::setPermissions(side->path, QFile::permissions(path));
    if (result->IsWritten() && ::rename(QFile::encodeName(side->path).constData(),
                                        QFile::encodeName(path).constData()) != 0)
        *result = WriteOutcome::Failed(QString::fromLocal8Bit(std::strerror(errno)));
    if (!result->IsWritten())
        QFile::remove(side->path);
    return *result;
}

namespace {

// The choice's radio buttons in a row, named "saveOption0", "saveOption1"...
QButtonGroup* AddChoiceButtons(const SaveChoice& choice, QWidget* owner, QHBoxLayout* row) {
    auto* group = new QButtonGroup(owner);
    for (int k = 0; k < choice.options.size(); ++k) {
        auto* button = new QRadioButton(choice.options[k], owner);
        button->setObjectName(QStringLiteral("saveOption%1").arg(k));
        button->setChecked(k == choice.chosen);
        group->addButton(button, k);
        row->addWidget(button);
    }
    row->addStretch();
    return group;
}

// Qt's own dialog takes the choice as a last row of its grid, under the
// file type.
QButtonGroup* AddChoiceToOwnDialog(const SaveChoice& choice, QFileDialog& dialog) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (grid == nullptr)
        return nullptr;
    auto* row = new QHBoxLayout;
    QButtonGroup* group = AddChoiceButtons(choice, &dialog, row);
    const int at = grid->rowCount();
    grid->addWidget(new QLabel(choice.label, &dialog), at, 0);
    grid->addLayout(row, at, 1, 1, grid->columnCount() - 1);
    return group;
}

// After a platform dialog: false when the user cancels.
bool AskChoiceAfterwards(QWidget* parent, const QString& caption, SaveChoice& choice) {
    QDialog dialog(parent);
    dialog.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(choice.label, &dialog));
    auto* row = new QHBoxLayout;
    QButtonGroup* group = AddChoiceButtons(choice, &dialog, row);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice.chosen = group->checkedId();
    return true;
}

} // namespace

QString AskForSaveName(QWidget* parent, const QString& caption, const QString& suggested,
                       const QStringList& filters, const QString& defaultSuffix,
                       SaveChoice* choice) {
    QFileDialog dialog(parent, caption);
    // The caller asks about replacing a file, once it knows the file may be
    // written at all.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(defaultSuffix);
    // A name typed without an extension takes the chosen type's.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
            static const QRegularExpression firstPattern(QStringLiteral("\\*\\.(\\w+)"));
            if (const auto match = firstPattern.match(filter); match.hasMatch())
                dialog.setDefaultSuffix(match.captured(1));
        });
    dialog.setDirectory(QFileInfo(suggested).absolutePath());
    dialog.selectFile(QFileInfo(suggested).fileName());
    const bool offersChoice = choice != nullptr && choice->options.size() > 1;
    QButtonGroup* ownChoice = nullptr;
    const auto prepareOwn = [&](QFileDialog& own) {
        if (offersChoice)
            ownChoice = AddChoiceToOwnDialog(*choice, own);
    };
    if (RunFileDialog(dialog, prepareOwn) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (ownChoice != nullptr)
        choice->chosen = ownChoice->checkedId();
    else if (offersChoice && !AskChoiceAfterwards(parent, caption, *choice))
        return {};
    return dialog.selectedFiles().constFirst();
}

bool ConfirmReplace(QWidget* parent, const QString& path) {
    if (!QFileInfo::exists(path))
        return true;
    const QString text =
        QCoreApplication::translate("SaveTargets", "%1 already exists.\nDo you want to replace it?")
            .arg(QFileInfo(path).fileName());
    return QMessageBox::question(
               parent, QCoreApplication::translate("SaveTargets", "Confirm Save As"), text,
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void ReportSaveFailure(QWidget* parent, const QString& path, const QString& reason) {
    QMessageBox::warning(parent, QStringLiteral("Kolvira"),
                         QCoreApplication::translate("SaveTargets", "Cannot save %1:\n%2")
                             .arg(QDir::toNativeSeparators(path), reason));
}

} // namespace kolvira
