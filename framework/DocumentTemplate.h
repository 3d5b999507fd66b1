// A document template pairs the document class with a frame and a kind of
// view: it opens documents (from a file or new), makes their windows in the
// main window's MDI area, and keeps the list of its open documents.
#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QMdiArea;

namespace kolvira {

class ChildFrame;
class Document;
class View;
class WindowHost;

enum class DocumentKind { Photo, Mosaic };

class DocumentTemplate : public QObject {
    Q_OBJECT

public:
    // Makes a view on `document`, which already has views when the view is
    // a further window on it ("New Window").
    using ViewFactory = std::function<View*(Document& document)>;
    // Makes a document with its default title; its template sets the path.
    using DocumentFactory = std::function<Document*(DocumentTemplate* owner, QString title)>;

    // `documentName` gives new documents their default titles (name + running
    // number); empty for a template that only opens files. Without
    // `makeDocument` the documents are plain Documents.
    DocumentTemplate(DocumentKind kind, QString documentName, QIcon icon, ViewFactory makeView,
                     DocumentFactory makeDocument = {});
    ~DocumentTemplate() override;

    DocumentKind Kind() const { return kind_; }

    // Where the windows go, and the host their views reach the program
    // through; set once the main window exists.
    void SetMdiArea(QMdiArea* area) { mdiArea_ = area; }
    void SetHost(WindowHost* host) { host_ = host; }

    // An empty path makes a new, untitled document. A path is first checked
    // to be a readable file (nothing of it is read); on failure `error`
    // says why and no document is made.
    Document* OpenDocumentFile(const std::string& path, bool makeVisible, QString* error = nullptr);

    // A further window on an open document ("New Window").
    ChildFrame* OpenNewFrame(Document* document);

    Document* FindDocument(const std::string& path) const;
    const std::vector<Document*>& Documents() const { return documents_; }

signals:
    // A document has been opened or closed, or its title has changed.
    void documentsChanged();

private:
    ChildFrame* MakeFrame(Document* document, bool makeVisible);
    QString DistinctTitle(const Document* document) const;
    void UpdateCaptions(Document* document);
    void OnViewsChanged(Document* document);

    DocumentKind kind_;
    QString documentName_;
    QIcon icon_;
    ViewFactory makeView_;
    DocumentFactory makeDocument_;
    QMdiArea* mdiArea_ = nullptr;
    WindowHost* host_ = nullptr;
    int untitledCount_ = 0;
    std::vector<Document*> documents_;
};

// The frames that show views of `document`, in the order they were opened.
std::vector<ChildFrame*> FramesOf(const Document* document);

} // namespace kolvira
