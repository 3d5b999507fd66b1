#include "framework/Document.h"

#include <algorithm>

namespace kolvira {

Document::Document(DocumentTemplate* docTemplate, QString defaultTitle)
    : template_(docTemplate), title_(std::move(defaultTitle)) {}

void Document::SetTitle(const QString& title) {
    if (title == title_)
        return;
    title_ = title;
    emit titleChanged();
}

void Document::AddView(View* view) {
    views_.push_back(view);
    emit viewsChanged();
}

void Document::RemoveView(View* view) {
    std::erase(views_, view);
    emit viewsChanged();
}

} // namespace kolvira
