#include "framework/ChildFrame.h"

#include "framework/CView.h"
#include "framework/KolviraDoc.h"

#include <QWidget>

CChildFrame::CChildFrame(CView* view) : view_(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view->Widget());
}

CChildFrame::~CChildFrame() {
    DetachView();
}

void CChildFrame::DetachView() {
    if (view_ == nullptr)
        return;
    CView* view = view_;
    view_ = nullptr;
    if (CKolviraDoc* document = view->GetDocument())
        document->RemoveView(view);
}
