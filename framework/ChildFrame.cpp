#include "framework/ChildFrame.h"

#include "framework/CView.h"
#include "framework/KolviraDoc.h"

#include <QCloseEvent>
#include <QWidget>

CChildFrame::CChildFrame(CView* view) : view_(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view->Widget());
}

CChildFrame::~CChildFrame() {
    DetachView();
}

void CChildFrame::CloseWithoutQuestions() {
    askView_ = false;
    close();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (askView_ && view_ != nullptr && !view_->CanClose()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

void CChildFrame::DetachView() {
    if (view_ == nullptr)
        return;
    CView* view = view_;
    view_ = nullptr;
    if (CKolviraDoc* document = view->GetDocument())
        document->RemoveView(view);
}
