#include "app/KolviraApp.h"

#include "app/AboutDialog.h"
#include "app/CommandIcons.h"
#include "app/MainFrame.h"
#include "app/OpenFileDialog.h"
#include "app/StatusBar.h"
#include "framework/ChildFrame.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/KolviraDoc.h"
#include "framework/StatusProgress.h"
#include "imageio/NativePath.h"
#include "mosaic/FreedesktopThumbnails.h"
#include "mosaic/ImageDiscovery.h"
#include "mosaicwindow/ListViewPhotos.h"
#include "photowindow/CurrentSettings.h"
#include "photowindow/KolviraView.h"
#include "photowindow/PaintDialog.h"
#include "photowindow/PhotoEditorDialog.h"

#include <QMdiArea>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>

using namespace kolvira;

CKolviraApp* theApp = nullptr;

namespace {

const char* const kWriteSharedThumbnailsKey = "Mosaic/writeSharedThumbnails";

} // namespace

CKolviraApp::CKolviraApp() : recentFiles_(kRecentFileCount) {
    theApp = this;
}

CKolviraApp::~CKolviraApp() {
    ExitInstance();
    theApp = nullptr;
}

bool CKolviraApp::InitInstance() {
    recentFiles_.Load();
    // Thumbnails go to the desktop's shared folders unless turned off.
    kolvira::FreedesktopThumbnails::SetWriting(
        QSettings().value(QLatin1String(kWriteSharedThumbnailsKey), true).toBool());
    // The photo template comes first: the search for an open document by
    // file name walks the templates in this order.
    templates_.push_back(std::make_unique<CMultiDocTemplate>(
        129, DocumentKind::Photo, QStringLiteral("Kolvira"), PhotoWindowIcon(),
        [](const CView* sibling) {
            // A further window shows its document's photo.
            if (const auto* view = dynamic_cast<const CKolviraView*>(sibling))
                return new CKolviraView(view->photoPath);
            return new CKolviraView();
        }));
    photoTemplate = templates_.back().get();
    templates_.push_back(std::make_unique<CMultiDocTemplate>(
        130, DocumentKind::Mosaic, QString(), MosaicWindowIcon(),
        [](const CView*) { return new CListView_Photos(); }));
    mosaicTemplate = templates_.back().get();

    mainFrame_ = std::make_unique<CMainFrame>(*this);
    for (const auto& docTemplate : templates_) {
        docTemplate->SetMdiArea(mainFrame_->MdiArea());
        docTemplate->SetHost(this);
    }
    mainFrame_->show();
    return true;
}

void CKolviraApp::ExitInstance() {
    // The questions were asked when the main window closed; what is left
    // now goes without them.
    if (mainFrame_ != nullptr) {
        for (QMdiSubWindow* window : mainFrame_->MdiArea()->subWindowList()) {
            if (auto* frame = qobject_cast<CChildFrame*>(window))
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

std::vector<CMultiDocTemplate*> CKolviraApp::Templates() const {
    std::vector<CMultiDocTemplate*> list;
    for (const auto& docTemplate : templates_)
        list.push_back(docTemplate.get());
    return list;
}

QPrinter& CKolviraApp::Printer() {
    // Pages start at the printer's own printable area: its margins are
    // those its driver gives, or Qt's for a PDF, never the paper's edge.
    if (printer_ == nullptr)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void CKolviraApp::ShowStatusMessage(const QString& text) {
    if (mainFrame_ == nullptr)
        return;
    mainFrame_->StatusBar()->showMessage(text);
    // Shown at once: the message often comes just before a long decode or
    // a modal box.
    mainFrame_->StatusBar()->repaint();
}

StatusProgress* CKolviraApp::Progress() {
    return theProgress;
}

void CKolviraApp::OpenPhotoWindow(const std::string& path) {
    // The Mosaic asking is the active window; the photo window steps
    // through it with Next and Previous Photo.
    QWidget* mosaic = nullptr;
    if (mainFrame_ != nullptr && mainFrame_->ActiveView() != nullptr)
        mosaic = mainFrame_->ActiveView()->Widget();
    pendingPhotoPath = path;
    if (photoTemplate == nullptr)
        return;
    CKolviraDoc* opened = photoTemplate->OpenDocumentFile({}, true);
    if (opened == nullptr)
        return;
    for (CChildFrame* frame : FramesOf(opened)) {
        if (auto* view = dynamic_cast<CKolviraView*>(frame->View()))
            view->SetPhotoSequence(mosaic);
    }
}

kolvira::ProtectedFiles CKolviraApp::OpenPhotos() const {
    kolvira::ProtectedFiles photos;
    if (mainFrame_ == nullptr)
        return photos;
    for (QMdiSubWindow* window : mainFrame_->MdiArea()->subWindowList()) {
        const auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame == nullptr || frame->View() == nullptr)
            continue;
        for (const kolvira::NativePath& path : frame->View()->PhotoFiles())
            photos.Add(path);
    }
    return photos;
}

QWidget* CKolviraApp::DialogParent() const {
    return mainFrame_.get();
}

namespace {

template <class Dialog> bool RunLookDialog(kolvira::RenderSettings& look, QWidget* parent) {
    Dialog dialog(parent);
    currentSettings = &look;
    const bool ok = dialog.DoModal() == CDialog::kIdOk;
    currentSettings = nullptr;
    return ok;
}

} // namespace

bool CKolviraApp::EditLook(kolvira::RenderParameters& look, int commandId, QWidget* parent) {
    // No view: the dialogs' Apply writes the record and has nothing to redraw.
    kolvira::RenderSettings edited;
    static_cast<kolvira::RenderParameters&>(edited) = look;
    bool ok = false;
    if (commandId == ID_PAINT)
        ok = RunLookDialog<CDia_Paint>(edited, parent);
    else if (commandId == ID_PHOTO_EDITOR)
        ok = RunLookDialog<CDia_PhotoEditor>(edited, parent);
    if (ok)
        look = edited.Parameters();
    return ok;
}

std::optional<PhotoWindowLook> CKolviraApp::ActivePhotoWindowLook() const {
    const CKolviraView* view = LastActivePhotoView();
    if (view == nullptr)
        return std::nullopt;
    return PhotoWindowLook{view->settings.Parameters(),
                           qRound(view->pictureWidth * view->DeviceRatio())};
}

// The photo window with a photo that was active last. The MDI area's
// history lists every window, those never activated as the oldest.
const CKolviraView* CKolviraApp::LastActivePhotoView() const {
    if (mainFrame_ == nullptr)
        return nullptr;
    const QList<QMdiSubWindow*> windows =
        mainFrame_->MdiArea()->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto window = windows.crbegin(); window != windows.crend(); ++window) {
        const auto* frame = qobject_cast<const CChildFrame*>(*window);
        const auto* view =
            frame != nullptr ? dynamic_cast<const CKolviraView*>(frame->View()) : nullptr;
        if (view != nullptr && !view->photo.isNull())
            return view;
    }
    return nullptr;
}

void CKolviraApp::CommandStateChanged() {
    if (mainFrame_ != nullptr)
        mainFrame_->UpdateCommandUI();
}

CKolviraDoc* CKolviraApp::OpenDocumentFile(const std::string& path) {
    QString error;
    CKolviraDoc* made = mosaicTemplate->OpenDocumentFile(path, true, &error);
    if (made == nullptr) {
        QMessageBox::warning(mainFrame_.get(), QStringLiteral("Kolvira"),
                             QStringLiteral("Cannot open %1:\n%2.").arg(ShownPath(path), error));
        recentFiles_.Remove(path);
        return nullptr;
    }
    recentFiles_.Add(path);
    // The standard open: the first document already open under this path,
    // searched template by template, comes to the front.
    for (CMultiDocTemplate* docTemplate : Templates()) {
        if (CKolviraDoc* open = docTemplate->FindDocument(path)) {
            const std::vector<CChildFrame*> frames = FramesOf(open);
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
CListView_Photos* CKolviraApp::ShowInOpenMosaic(const std::string& path) {
    const std::string folder = GetDirectory(path);
    for (CKolviraDoc* document : mosaicTemplate->Documents()) {
        if (GetDirectory(document->GetPathName()) != folder)
            continue;
        for (CChildFrame* frame : FramesOf(document)) {
            auto* mosaic = dynamic_cast<CListView_Photos*>(frame->View());
            if (mosaic != nullptr && mosaic->SelectPhotoFile(path)) {
                mainFrame_->MdiArea()->setActiveSubWindow(frame);
                recentFiles_.Add(path);
                return mosaic;
            }
        }
    }
    return nullptr;
}

void CKolviraApp::OpenFiles(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        // A folder already open is not opened again: its Mosaic comes forward.
        if (ShowInOpenMosaic(path) != nullptr)
            continue;
        // As a file manager shows the file it was asked to show, the file is
        // the one selected in its Mosaic.
        if (CKolviraDoc* opened = OpenDocumentFile(path)) {
            for (CChildFrame* frame : FramesOf(opened)) {
                if (auto* mosaic = dynamic_cast<CListView_Photos*>(frame->View()))
                    mosaic->SelectPhotoFile(path);
            }
        }
    }
    if (mainFrame_ == nullptr)
        return;
    if (mainFrame_->isMinimized())
        mainFrame_->showNormal();
    mainFrame_->raise();
    mainFrame_->activateWindow();
}

bool CKolviraApp::HandlesCommand(int commandId) const {
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

void CKolviraApp::OnCommand(int commandId) {
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
void CKolviraApp::OnFileNew() {
    photoTemplate->OpenDocumentFile({}, true);
}

void CKolviraApp::OnFileOpen() {
    const std::string path = AskForImageFile(mainFrame_.get());
    if (!path.empty())
        OpenDocumentFile(path);
}

void CKolviraApp::OnFilePrintSetup() {
    QPageSetupDialog dialog(&Printer(), mainFrame_.get());
    dialog.exec();
}

void CKolviraApp::OnAppAbout() {
    CDia_About about(mainFrame_.get());
    about.DoModal();
}

void CKolviraApp::OnRecentFile(int index) {
    const std::vector<std::string>& paths = recentFiles_.Paths();
    if (index >= 0 && index < static_cast<int>(paths.size()))
        OpenDocumentFile(std::string(paths[index])); // a copy: opening reorders the list
}
