// The application object: starts the program (settings, the recent-file
// list, the photo and Mosaic templates, the main window), owns the open
// path by which every chosen file becomes a Mosaic window, and handles the
// application-wide commands (New, Open, Print Setup, About, Exit, recent files).
// It is the host the document windows reach the program through.
#pragma once

#include "app/RecentFiles.h"
#include "framework/WindowHost.h"
#include "mosaicwindow/LookSource.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <string>
#include <vector>

class QPrinter;

namespace kolvira {

class ChildFrame;
class Document;
class PhotoView;
class MosaicView;
class MainWindow;
class DocumentTemplate;

class Application : public QObject, public WindowHost, public LookSource {
    Q_OBJECT

public:
    Application();
    ~Application() override;

    // Makes the templates and the main window and shows it; false when the
    // program cannot run.
    bool InitInstance();
    // Closes every window; after this no document or view exists.
    void ExitInstance();

    // Opens a Mosaic window over the file's folder, then brings the first
    // window opened on that file to the front. A file that cannot be opened
    // is reported once, in one message box. Returns the document in front.
    Document* OpenDocumentFile(const std::string& path);
    // Opens each file as File → Open does (files given on the command line
    // or handed over by a later start), then brings the program to the front
    // with the desktop's activation token, if it gave one.
    void OpenFiles(const std::vector<std::string>& paths, const QString& activationToken = {});

    // Opens what was dropped on the main window: photos as OpenFiles does,
    // a folder as its Mosaic (brought forward when one is open).
    void OpenDroppedFiles(const std::vector<std::string>& paths);

    bool HandlesCommand(int commandId) const;
    void OnCommand(int commandId);

    DocumentTemplate* photoTemplate = nullptr;
    DocumentTemplate* mosaicTemplate = nullptr;

    std::vector<DocumentTemplate*> Templates() const;
    MainWindow* MainFrame() const { return mainFrame_.get(); }
    RecentFiles& Recent() { return recentFiles_; }

    // What the document windows ask of the program.
    void ShowStatusMessage(const QString& text) override;
    StatusProgress* Progress() override;
    void OpenPhotoWindow(const std::string& path) override;
    kolvira::ProtectedFiles OpenPhotos() const override;
    QPrinter& Printer() override;
    QWidget* DialogParent() const override;
    void CommandStateChanged() override;

    // Where Render Selection finds its look.
    bool EditLook(RenderParameters& look, int commandId, QWidget* parent) override;
    std::optional<PhotoWindowLook> ActivePhotoWindowLook() const override;

private:
    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnAppAbout();
    void OnRecentFile(int index);
    const PhotoView* LastActivePhotoView() const;
    MosaicView* ShowInOpenMosaic(const std::string& path);
    void OpenFolder(const std::string& folder);

    RecentFiles recentFiles_;
    std::vector<std::unique_ptr<DocumentTemplate>> templates_;
    std::unique_ptr<MainWindow> mainFrame_;
    std::unique_ptr<QPrinter> printer_;
    std::string lastOpenedPhoto_; // what New shows: the photo last opened from a Mosaic
};

} // namespace kolvira
