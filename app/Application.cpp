#include "app/Application.h"

#include "app/AboutDialog.h"
#include "app/CommandIcons.h"
#include "app/MainWindow.h"
#include "app/OpenFileDialog.h"
#include "app/StatusBar.h"
#include "app/WindowActivation.h"
#include "framework/ChildFrame.h"
#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "framework/DocumentTemplate.h"
#include "framework/StatusProgress.h"
#include "imageio/NativePath.h"
#include "mosaic/FreedesktopThumbnails.h"
#include "mosaic/ImageDiscovery.h"
#include "mosaicwindow/MosaicView.h"
#include "photowindow/PaintDialog.h"
#include "photowindow/PhotoEditorDialog.h"
#include "photowindow/PhotoView.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>

#include <sys/stat.h>

namespace kolvira {

namespace {

const char* const kWriteSharedThumbnailsKey = "Mosaic/writeSharedThumbnails";

} // namespace

Application::Application() : recentFiles_(kRecentFileCount) {}

Application::~Application() {
    ExitInstance();
}

bool Application::InitInstance() {
    recentFiles_.Load();
    // Thumbnails go to the desktop's shared folders unless turned off.
    kolvira::FreedesktopThumbnails::SetWriting(
        QSettings().value(QLatin1String(kWriteSharedThumbnailsKey), true).toBool());
    // The photo template comes first: the search for an open document by
    // file name walks the templates in this order.
    templates_.push_back(std::make_unique<DocumentTemplate>(
        DocumentKind::Photo, QStringLiteral("Kolvira"), PhotoWindowIcon(),
        [](Document& document) { return new PhotoView(static_cast<PhotoDocument&>(document)); },
        // A new photo document is for the photo last opened from a Mosaic.
        [this](DocumentTemplate* owner, QString title) {
            return new PhotoDocument(owner, std::move(title), lastOpenedPhoto_);
        }));
    photoTemplate = templates_.back().get();
    templates_.push_back(
        std::make_unique<DocumentTemplate>(DocumentKind::Mosaic, QString(), MosaicWindowIcon(),
                                           [this](Document&) { return new MosaicView(this); }));
    mosaicTemplate = templates_.back().get();

    mainFrame_ = std::make_unique<MainWindow>(*this);
    for (const auto& docTemplate : templates_) {
        docTemplate->SetMdiArea(mainFrame_->MdiArea());
        docTemplate->SetHost(this);
    }
    mainFrame_->show();
    return true;
}

void Application::ExitInstance() {
    // The questions were asked when the main window closed; what is left
    // now goes without them.
    if (mainFrame_ != nullptr) {
        for (QMdiSubWindow* window : mainFrame_->MdiArea()->subWindowList()) {
            if (auto* frame = qobject_cast<ChildFrame*>(window))
                frame->CloseWithoutQuestions();
            else
                window->close();
        }
    }
    mainFrame_.reset();
    photoTemplate = nullptr;
    mosaicTemplate = nullptr;
    templates_.clear();
}

std::vector<DocumentTemplate*> Application::Templates() const {
    std::vector<DocumentTemplate*> list;
    for (const auto& docTemplate : templates_)
        list.push_back(docTemplate.get());
    return list;
}

QPrinter& Application::Printer() {
    // Pages start at the printer's own printable area: its margins are
    // those its driver gives, or Qt's for a PDF, never the paper's edge.
    if (printer_ == nullptr)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void Application::ShowStatusMessage(const QString& text) {
    if (mainFrame_ == nullptr)
        return;
    mainFrame_->StatusBar()->showMessage(text);
    // Shown at once: the message often comes just before a long decode or
    // a modal box.
    mainFrame_->StatusBar()->repaint();
}

StatusProgress* Application::Progress() {
    return mainFrame_ != nullptr ? mainFrame_->Progress() : nullptr;
}

void Application::OpenPhotoWindow(const std::string& path) {
    // The Mosaic asking is the active window; the photo window steps
    // through it with Next and Previous Photo.
    auto* mosaic =
        mainFrame_ != nullptr ? dynamic_cast<MosaicView*>(mainFrame_->ActiveView()) : nullptr;
    lastOpenedPhoto_ = path;
    if (photoTemplate == nullptr)
        return;
    Document* opened = photoTemplate->OpenDocumentFile({}, true);
    if (opened == nullptr)
        return;
    for (ChildFrame* frame : FramesOf(opened)) {
        if (auto* view = dynamic_cast<PhotoView*>(frame->DocumentView()))
            view->SetPhotoSequence(PhotoSequenceLink(mosaic));
    }
}

kolvira::ProtectedFiles Application::OpenPhotos() const {
    kolvira::ProtectedFiles photos;
    if (mainFrame_ == nullptr)
        return photos;
    for (QMdiSubWindow* window : mainFrame_->MdiArea()->subWindowList()) {
        const auto* frame = qobject_cast<ChildFrame*>(window);
        if (frame == nullptr || frame->DocumentView() == nullptr)
            continue;
        for (const kolvira::NativePath& path : frame->DocumentView()->PhotoFiles())
            photos.Add(path);
    }
    return photos;
}

QWidget* Application::DialogParent() const {
    return mainFrame_.get();
}

namespace {

template <class Dialog> bool RunLookDialog(kolvira::RenderSettings& look, QWidget* parent) {
    Dialog dialog(look, {}, parent);
    return dialog.DoModal() == Dialog::kIdOk;
}

} // namespace

bool Application::EditLook(kolvira::RenderParameters& look, int commandId, QWidget* parent) {
    // No view: the dialogs' Apply writes the record and has nothing to redraw.
    kolvira::RenderSettings edited;
    static_cast<kolvira::RenderParameters&>(edited) = look;
    bool ok = false;
    if (commandId == ID_PAINT)
        ok = RunLookDialog<PaintDialog>(edited, parent);
    else if (commandId == ID_PHOTO_EDITOR)
        ok = RunLookDialog<PhotoEditorDialog>(edited, parent);
    if (ok)
        look = edited.Parameters();
    return ok;
}

std::optional<PhotoWindowLook> Application::ActivePhotoWindowLook() const {
    const PhotoView* view = LastActivePhotoView();
    if (view == nullptr)
        return std::nullopt;
    return PhotoWindowLook{view->Photo().Settings().Parameters(),
                           qRound(view->pictureWidth * view->DeviceRatio())};
}

// The photo window with a photo that was active last. The MDI area's
// history lists every window, those never activated as the oldest.
const PhotoView* Application::LastActivePhotoView() const {
    if (mainFrame_ == nullptr)
        return nullptr;
    const QList<QMdiSubWindow*> windows =
        mainFrame_->MdiArea()->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto window = windows.crbegin(); window != windows.crend(); ++window) {
        const auto* frame = qobject_cast<const ChildFrame*>(*window);
        const auto* view =
            frame != nullptr ? dynamic_cast<const PhotoView*>(frame->DocumentView()) : nullptr;
        if (view != nullptr && !view->Photo().Image().isNull())
            return view;
    }
    return nullptr;
}

void Application::CommandStateChanged() {
    if (mainFrame_ != nullptr)
        mainFrame_->UpdateCommandUI();
}

Document* Application::OpenDocumentFile(const std::string& path) {
    QString error;
    Document* made = mosaicTemplate->OpenDocumentFile(path, true, &error);
    if (made == nullptr) {
        QMessageBox::warning(mainFrame_.get(), QStringLiteral("Kolvira"),
                             QCoreApplication::translate("Application", "Cannot open %1:\n%2.")
                                 .arg(ShownPath(path), error));
        recentFiles_.Remove(path);
        return nullptr;
    }
    recentFiles_.Add(path);
    // The standard open: the first document already open under this path,
    // searched template by template, comes to the front.
    for (DocumentTemplate* docTemplate : Templates()) {
        if (Document* open = docTemplate->FindDocument(path)) {
            const std::vector<ChildFrame*> frames = FramesOf(open);
            if (!frames.empty()) {
                mainFrame_->MdiArea()->setActiveSubWindow(frames.front());
                frames.front()->raise();
            }
            return open;
        }
    }
    return made;
}

// The Mosaic open over the file's folder that lists it, made the active
// window with the file selected; null when no open Mosaic lists it.
MosaicView* Application::ShowInOpenMosaic(const std::string& path) {
    const std::string folder = GetDirectory(path);
    for (Document* document : mosaicTemplate->Documents()) {
        if (GetDirectory(document->GetPathName()) != folder)
            continue;
        for (ChildFrame* frame : FramesOf(document)) {
            auto* mosaic = dynamic_cast<MosaicView*>(frame->DocumentView());
            if (mosaic != nullptr && mosaic->SelectPhotoFile(path)) {
                mainFrame_->MdiArea()->setActiveSubWindow(frame);
                recentFiles_.Add(path);
                return mosaic;
            }
        }
    }
    return nullptr;
}

void Application::OpenFiles(const std::vector<std::string>& paths, const QString& activationToken) {
    for (const std::string& path : paths) {
        // A folder already open is not opened again: its Mosaic comes forward.
        if (ShowInOpenMosaic(path) != nullptr)
            continue;
        // As a file manager shows the file it was asked to show, the file is
        // the one selected in its Mosaic.
        if (Document* opened = OpenDocumentFile(path)) {
            for (ChildFrame* frame : FramesOf(opened)) {
                if (auto* mosaic = dynamic_cast<MosaicView*>(frame->DocumentView()))
                    mosaic->SelectPhotoFile(path);
            }
        }
    }
    BringToFront(mainFrame_.get(), activationToken);
}

void Application::OpenDroppedFiles(const std::vector<std::string>& paths) {
    std::vector<std::string> files;
    for (const std::string& path : paths) {
        struct stat status;
        if (stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode))
            OpenFolder(path);
        else
            files.push_back(path);
    }
    OpenFiles(files);
}

void Application::OpenFolder(const std::string& folder) {
    std::string directory = folder;
    while (directory.size() > 1 && directory.ends_with('/'))
        directory.pop_back();
    for (Document* document : mosaicTemplate->Documents()) {
        if (GetDirectory(document->GetPathName()) != directory)
            continue;
        if (const std::vector<ChildFrame*> frames = FramesOf(document); !frames.empty()) {
            mainFrame_->MdiArea()->setActiveSubWindow(frames.front());
            return;
        }
    }
    // A Mosaic opens over a photo's folder: the folder's first photo's.
    std::vector<std::string> photos;
    if (ScanDirectory(directory == "/" ? std::string() : directory, photos, {}) == 0) {
        ShowStatusMessage(tr("No photos in %1").arg(ShownPath(directory)));
        return;
    }
    OpenDocumentFile(photos.front());
}

bool Application::HandlesCommand(int commandId) const {
    switch (commandId) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_FILE_PRINT_SETUP:
    case ID_APP_ABOUT:
    case ID_APP_EXIT:
        return true;
    default:
        return commandId >= ID_FILE_MRU_FIRST &&
               commandId < ID_FILE_MRU_FIRST + static_cast<int>(recentFiles_.Paths().size());
    }
}

void Application::OnCommand(int commandId) {
    switch (commandId) {
    case ID_FILE_NEW:
        OnFileNew();
        break;
    case ID_FILE_OPEN:
        OnFileOpen();
        break;
    case ID_FILE_PRINT_SETUP:
        OnFilePrintSetup();
        break;
    case ID_APP_ABOUT:
        OnAppAbout();
        break;
    case ID_APP_EXIT:
        mainFrame_->close();
        break;
    default:
        if (commandId >= ID_FILE_MRU_FIRST && commandId <= ID_FILE_MRU_LAST)
            OnRecentFile(commandId - ID_FILE_MRU_FIRST);
        break;
    }
}

// New makes a photo window, the only kind with a name for New; it shows the
// photo last opened from a Mosaic, or nothing.
void Application::OnFileNew() {
    photoTemplate->OpenDocumentFile({}, true);
}

void Application::OnFileOpen() {
    const std::string path = AskForImageFile(mainFrame_.get());
    if (!path.empty())
        OpenDocumentFile(path);
}

void Application::OnFilePrintSetup() {
    QPageSetupDialog dialog(&Printer(), mainFrame_.get());
    dialog.exec();
}

void Application::OnAppAbout() {
    AboutDialog about(mainFrame_.get());
    about.DoModal();
}

void Application::OnRecentFile(int index) {
    const std::vector<std::string>& paths = recentFiles_.Paths();
    if (index >= 0 && index < static_cast<int>(paths.size()))
        OpenDocumentFile(std::string(paths[index])); // a copy: opening reorders the list
}

} // namespace kolvira
