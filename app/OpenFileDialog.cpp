#include "app/OpenFileDialog.h"

#include "framework/FileDialogs.h"
#include "mosaic/ImageDiscovery.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTimer>

namespace kolvira {

namespace {

const char* const kAllFilesFilter = QT_TRANSLATE_NOOP("OpenFileDialog", "All Files (*)");

QString Translated(const char* text) {
    return QCoreApplication::translate("OpenFileDialog", text);
}

// The patterns the image filter stands for.
QStringList ImageFilePatterns() {
    return {QStringLiteral("*.bmp"), QStringLiteral("*.gif"), QStringLiteral("*.jpg"),
            QStringLiteral("*.png"), QStringLiteral("*.tif")};
}

// Every extension a Mosaic lists, in the order of its tables.
QStringList AllPicturePatterns() {
    QStringList patterns;
    const auto add = [&patterns](const auto& extensions) {
        for (std::string_view extension : extensions)
            patterns << QStringLiteral("*.") +
                            QString::fromLatin1(extension.data(), extension.size()).toLower();
    };
    add(kolvira::imageExtensions);
    add(kolvira::phoneAndCameraExtensions);
    return patterns;
}

QString AllPicturesFilter() {
    return QStringLiteral("%1 (%2)").arg(Translated(kAllPicturesName),
                                         AllPicturePatterns().join(QLatin1Char(' ')));
}

// The filter's label separates its patterns with "; ", which the file dialog
// would take as part of each pattern, and the dialog would match names case
// by case; the list shows what the filter says, in any letter case.
void ApplyPatterns(QFileDialog& dialog) {
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (model == nullptr)
        return;
    const QString chosen = dialog.selectedNameFilter();
    if (chosen == Translated(kImageFilesFilter))
        model->setNameFilters(ImageFilePatterns());
    else if (chosen.startsWith(Translated(kAllPicturesName)))
        model->setNameFilters(AllPicturePatterns());
    else
        model->setNameFilters({QStringLiteral("*")});
}

} // namespace

void PrepareImageFileDialog(QFileDialog& dialog) {
    dialog.setWindowTitle(QCoreApplication::translate("OpenFileDialog", "Open"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(
        {Translated(kImageFilesFilter), AllPicturesFilter(), Translated(kAllFilesFilter)});
    dialog.selectNameFilter(Translated(kImageFilesFilter));
    ApplyPatterns(dialog);
    // The dialog sets its own patterns when a filter is chosen; ours follow.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog] {
        QTimer::singleShot(0, &dialog, [&dialog] { ApplyPatterns(dialog); });
    });
}

namespace {

// The same three filters for a platform dialog: one pattern per name, each
// in any letter case, since those dialogs match case by case.
QStringList PlatformDialogFilters() {
    return {AnyCaseFilter(QCoreApplication::translate("OpenFileDialog", "Image Files"),
                          ImageFilePatterns()),
            AnyCaseFilter(Translated(kAllPicturesName), AllPicturePatterns()),
            Translated(kAllFilesFilter)};
}

} // namespace

std::string AskForImageFile(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("OpenFileDialog", "Open"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(PlatformDialogFilters());
    if (RunFileDialog(dialog, PrepareImageFileDialog) != QDialog::Accepted ||
        dialog.selectedFiles().isEmpty())
        return {};
    return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

} // namespace kolvira
