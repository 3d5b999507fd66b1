// The photo view's look commands: Save Look writes the window's settings as
// a look file (in the looks folder, where Apply Look lists it, or anywhere
// else to give away), Apply Look and Apply Look From File draw the photo
// with a saved look, a look file or a drawing's own look, as OK in the
// Paint dialog does, and Copy Render Command puts on the clipboard the
// kolvira-render line that makes the window's drawing.
#include "photowindow/PhotoView.h"

#include "framework/CommandIds.h"
#include "framework/FileDialogs.h"
#include "framework/WindowHost.h"
#include "imageio/LookFile.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace kolvira {
namespace {

// The save dialog's "As shown" choice, which Copy Render Command follows.
constexpr int kAsShown = 0;

// `argument` as a POSIX shell reads it back.
QString ShellQuoted(const QString& argument) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_@%+=:,./-]+$"));
    if (plain.match(argument).hasMatch())
        return argument;
    QString quoted = argument;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + quoted + u'\'';
}

} // namespace

bool PhotoView::HandlesLookCommand(int commandId) const {
    const bool hasPhoto = !document_.Image().isNull();
    switch (commandId) {
    case ID_SAVE_LOOK:
    case ID_COPY_RENDER_COMMAND:
        return hasPhoto && document_.Settings().active;
    case ID_APPLY_LOOK:
    case ID_APPLY_LOOK_FROM_FILE:
        return hasPhoto;
    default:
        return false;
    }
}

void PhotoView::OnLookCommand(int commandId) {
    switch (commandId) {
    case ID_SAVE_LOOK:
        SaveLook();
        break;
    case ID_APPLY_LOOK:
        ApplySavedLook();
        break;
    case ID_APPLY_LOOK_FROM_FILE:
        ApplyLookFromFile();
        break;
    case ID_COPY_RENDER_COMMAND:
        QApplication::clipboard()->setText(RenderCommand());
        break;
    default:
        break;
    }
}

QWidget* PhotoView::LookDialogParent() const {
    return Host() != nullptr ? Host()->DialogParent() : window();
}

void PhotoView::SaveLook() {
    QDir().mkpath(LooksFolder());
    QFileDialog dialog(LookDialogParent(), PhotoView::tr("Save Look"), LooksFolder(),
                       PhotoView::tr("Looks (*.json)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("json"));
    if (RunFileDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    const QString problem = LookNameProblem(QFileInfo(path).completeBaseName());
    const QString failure =
        problem.isEmpty() ? WriteLookFile(path, document_.Settings()).Reason() : problem;
    if (!failure.isEmpty())
        QMessageBox::warning(
            LookDialogParent(), PhotoView::tr("Save Look"),
            PhotoView::tr("The look could not be saved as %1: %2").arg(path, failure));
}

void PhotoView::ApplySavedLook() {
    const QStringList names = SavedLookNames();
    if (names.isEmpty()) {
        QMessageBox::information(
            LookDialogParent(), PhotoView::tr("Apply Look"),
            PhotoView::tr("There are no saved looks yet: Save Look... keeps the "
                          "settings of a window as one (in %1).")
                .arg(LooksFolder()));
        return;
    }
    bool chosen = false;
    const QString name = QInputDialog::getItem(LookDialogParent(), PhotoView::tr("Apply Look"),
                                               PhotoView::tr("Look:"), names, 0, false, &chosen);
    if (chosen)
        ApplyLook(ReadLookFile(SavedLookPath(name)));
}

void PhotoView::ApplyLookFromFile() {
    QFileDialog dialog(LookDialogParent(), PhotoView::tr("Apply Look From File"), LooksFolder());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({AnyCaseFilter(PhotoView::tr("Looks and drawings"),
                                         {"*.json", "*.png", "*.jpg", "*.jpeg", "*.tif", "*.tiff"}),
                           PhotoView::tr("All files (*)")});
    if (RunFileDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    ApplyLook(path.endsWith(u".json", Qt::CaseInsensitive) ? ReadLookFile(path)
                                                           : ReadLookFromPicture(path));
}

void PhotoView::ApplyLook(const LookReading& look) {
    if (!look.ok()) {
        // A look that cannot be used changes nothing.
        QMessageBox::warning(LookDialogParent(), PhotoView::tr("Apply Look"), look.error);
        return;
    }
    static_cast<RenderParameters&>(document_.Settings()) = look.settings;
    document_.KeepDrawing(FinalPicture(/*showProgress=*/true), DeviceRatio(),
                          QSize(pictureWidth, pictureHeight));
}

QString PhotoView::RenderCommand() const {
    QStringList arguments{QStringLiteral("kolvira-render")};
    arguments += LookToArguments(document_.Settings());
    if (SaveOption() == kAsShown)
        arguments << QStringLiteral("--width")
                  << QString::number(qRound(pictureWidth * DeviceRatio()));
    const QFileInfo photo(QFile::decodeName(QByteArray::fromStdString(document_.PhotoPath())));
    arguments << photo.absoluteFilePath() << QStringLiteral("-o")
              << photo.completeBaseName() + QStringLiteral("-drawing.png");
    QStringList quoted;
    for (const QString& argument : arguments)
        quoted << ShellQuoted(argument);
    return quoted.join(u' ');
}

} // namespace kolvira
