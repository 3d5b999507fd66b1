// What every document has, whatever its kind: a path name that lets an open
// document be found again by file, a title that the window captions show,
// and its views; it lives as long as it has views. A kind of window that
// keeps data of its own (the photo window's PhotoDocument) derives from it.
#pragma once

#include <QObject>
#include <QString>

#include <string>
#include <vector>

namespace kolvira {

class View;
class DocumentTemplate;

class Document : public QObject {
    Q_OBJECT

public:
    Document(DocumentTemplate* docTemplate, QString defaultTitle);

    // Native bytes of the file the document was opened from; empty for a new one.
    const std::string& GetPathName() const { return pathName_; }
    void SetPathName(const std::string& pathName) { pathName_ = pathName; }

    const QString& GetTitle() const { return title_; }
    void SetTitle(const QString& title);

    DocumentTemplate* GetDocTemplate() const { return template_; }

    const std::vector<View*>& Views() const { return views_; }
    void AddView(View* view);
    // Its template destroys the document when the last view has gone.
    void RemoveView(View* view);

signals:
    void titleChanged();
    void viewsChanged();

private:
    DocumentTemplate* template_;
    std::string pathName_;
    QString title_;
    std::vector<View*> views_;
};

} // namespace kolvira
