#include "framework/ChildFrame.h"

#include "framework/Document.h"
#include "framework/View.h"

#include <QCloseEvent>
#include <QWidget>

namespace kolvira {

ChildFrame::ChildFrame(View* view) : view_(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view->Widget());
}

ChildFrame::~ChildFrame() {
    DetachView();
}

void ChildFrame::CloseWithoutQuestions() {
    askView_ = false;
    close();
}

void ChildFrame::closeEvent(QCloseEvent* event) {
    if (askView_ && view_ != nullptr && !view_->CanClose()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

void ChildFrame::DetachView() {
    if (view_ == nullptr)
        return;
    View* view = view_;
    view_ = nullptr;
    if (Document* document = view->GetDocument())
        document->RemoveView(view);
}

} // namespace kolvira
