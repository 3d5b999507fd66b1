#include "framework/KolviraDoc.h"

#include <algorithm>

CKolviraDoc::CKolviraDoc(CMultiDocTemplate* docTemplate, QString defaultTitle)
    : template_(docTemplate), title_(std::move(defaultTitle)) {}

void CKolviraDoc::SetTitle(const QString& title) {
    if (title == title_)
        return;
    title_ = title;
    emit titleChanged();
}

void CKolviraDoc::AddView(CView* view) {
    views_.push_back(view);
    emit viewsChanged();
}

void CKolviraDoc::RemoveView(CView* view) {
    std::erase(views_, view);
    emit viewsChanged();
}
