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

class CChildFrame;
class CKolviraDoc;
class CView;
class CWindowHost;
class QMdiArea;

enum class DocumentKind { Photo, Mosaic };

class CMultiDocTemplate : public QObject {
    Q_OBJECT

public:
    // Makes a view; `sibling` is a view of the same document when the view
    // is a further window on it ("New Window"), else null.
    using ViewFactory = std::function<CView*(const CView* sibling)>;

    // `documentName` gives new documents their default titles (name + running
    // number); empty for a template that only opens files.
    CMultiDocTemplate(int resourceId, DocumentKind kind, QString documentName, QIcon icon,
                      ViewFactory makeView);
    ~CMultiDocTemplate() override;

    int ResourceId() const { return resourceId_; }
    DocumentKind Kind() const { return kind_; }

    // Where the windows go, and the host their views reach the program
    // through; set once the main window exists.
    void SetMdiArea(QMdiArea* area) { mdiArea_ = area; }
    void SetHost(CWindowHost* host) { host_ = host; }

    // An empty path makes a new, untitled document. A path is first checked
    // to be a readable file (nothing of it is read); on failure `error`
    // says why and no document is made.
    CKolviraDoc* OpenDocumentFile(const std::string& path, bool makeVisible,
                                  QString* error = nullptr);

    // A further window on an open document ("New Window").
    CChildFrame* OpenNewFrame(CKolviraDoc* document);

    CKolviraDoc* FindDocument(const std::string& path) const;
    const std::vector<CKolviraDoc*>& Documents() const { return documents_; }

signals:
    // A document has been opened or closed, or its title has changed.
    void documentsChanged();

private:
    CChildFrame* MakeFrame(CKolviraDoc* document, const CView* sibling, bool makeVisible);
    QString DistinctTitle(const CKolviraDoc* document) const;
    void UpdateCaptions(CKolviraDoc* document);
    void OnViewsChanged(CKolviraDoc* document);

    int resourceId_;
    DocumentKind kind_;
    QString documentName_;
    QIcon icon_;
    ViewFactory makeView_;
    QMdiArea* mdiArea_ = nullptr;
    CWindowHost* host_ = nullptr;
    int untitledCount_ = 0;
    std::vector<CKolviraDoc*> documents_;
};

// The frames that show views of `document`, in the order they were opened.
std::vector<CChildFrame*> FramesOf(const CKolviraDoc* document);
