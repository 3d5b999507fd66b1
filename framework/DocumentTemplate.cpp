#include "framework/DocumentTemplate.h"

#include "framework/ChildFrame.h"
#include "framework/Document.h"
#include "framework/View.h"
#include "imageio/NativePath.h"
#include "imageio/PhotoDecoding.h"
#include "mosaic/ImageDiscovery.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace kolvira {

namespace {

// New windows take three quarters of the area, as a new MDI child usually does.
QSize DefaultFrameSize(const QMdiArea* area) {
    const QSize room = area->viewport()->size();
    return QSize(std::max(320, room.width() * 3 / 4), std::max(240, room.height() * 3 / 4));
}

// New windows cascade from the top-left corner, each one a title bar's
// height further in, and start again at the corner when the next would not
// fit; left to itself the MDI area puts a window where it overlaps least,
// which is often mostly outside the visible area.
QPoint CascadePosition(const QMdiArea* area, const QMdiSubWindow* frame) {
    const int step = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame) + 4;
    const QSize room = area->viewport()->size();
    const int others = static_cast<int>(area->subWindowList().size()) - 1;
    const int fitting = std::max(1, std::min((room.width() - frame->width()) / step,
                                             (room.height() - frame->height()) / step) +
                                        1);
    const int place = std::max(others, 0) % fitting;
    return QPoint(place * step, place * step);
}

} // namespace

DocumentTemplate::DocumentTemplate(DocumentKind kind, QString documentName, QIcon icon,
                                   ViewFactory makeView, DocumentFactory makeDocument)
    : kind_(kind), documentName_(std::move(documentName)), icon_(std::move(icon)),
      makeView_(std::move(makeView)), makeDocument_(std::move(makeDocument)) {}

DocumentTemplate::~DocumentTemplate() = default;

Document* DocumentTemplate::OpenDocumentFile(const std::string& path, bool makeVisible,
                                             QString* error) {
    if (!path.empty()) {
        // Only the path matters to a document, but a file that cannot be
        // opened for reading is reported rather than shown as an empty window.
        QString reason;
        if (!kolvira::OpenPhotoFile(QByteArray::fromStdString(path), reason)) {
            if (error != nullptr)
                *error = reason;
            return nullptr;
        }
    }
    const QString title = path.empty() ? documentName_ + QString::number(++untitledCount_)
                                       : ShownPath(kolvira::GetFileName(path));
    Document* document = makeDocument_ ? makeDocument_(this, title) : new Document(this, title);
    document->setParent(this); // whatever is open when the program ends goes with its template
    document->SetPathName(path);
    documents_.push_back(document);
    connect(document, &Document::titleChanged, this, [this, document] {
        UpdateCaptions(document);
        emit documentsChanged();
    });
    connect(document, &Document::viewsChanged, this,
            [this, document] { OnViewsChanged(document); });
    MakeFrame(document, makeVisible);
    emit documentsChanged();
    return document;
}

ChildFrame* DocumentTemplate::OpenNewFrame(Document* document) {
    return MakeFrame(document, true);
}

ChildFrame* DocumentTemplate::MakeFrame(Document* document, bool makeVisible) {
    View* view = makeView_(*document);
    view->AttachDocument(document);
    view->AttachHost(host_);
    auto* frame = new ChildFrame(view);
    frame->setWindowIcon(icon_);
    document->AddView(view);
    if (mdiArea_ != nullptr) {
        mdiArea_->addSubWindow(frame);
        frame->resize(DefaultFrameSize(mdiArea_));
        frame->move(CascadePosition(mdiArea_, frame));
    }
    view->OnInitialUpdate();
    UpdateCaptions(document);
    if (makeVisible) {
        frame->show();
        if (mdiArea_ != nullptr)
            mdiArea_->setActiveSubWindow(frame);
        view->Widget()->setFocus();
    }
    return frame;
}

Document* DocumentTemplate::FindDocument(const std::string& path) const {
    const auto found = std::find_if(documents_.begin(), documents_.end(),
                                    [&](const Document* d) { return d->GetPathName() == path; });
    return found == documents_.end() ? nullptr : *found;
}

// Documents opened earlier under the same title number the later ones, so
// that no two windows look alike ("photo.jpg", "photo.jpg (2)").
QString DocumentTemplate::DistinctTitle(const Document* document) const {
    const auto own = std::find(documents_.begin(), documents_.end(), document);
    const auto sameTitle = std::count_if(documents_.begin(), own, [document](const Document* d) {
        return d->GetTitle() == document->GetTitle();
    });
    if (sameTitle == 0)
        return document->GetTitle();
    return QStringLiteral("%1 (%2)").arg(document->GetTitle()).arg(sameTitle + 1);
}

void DocumentTemplate::UpdateCaptions(Document* document) {
    const std::vector<ChildFrame*> frames = FramesOf(document);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        QString caption = DistinctTitle(document);
        if (frames.size() > 1)
            caption += QStringLiteral(":%1").arg(i + 1);
        frames[i]->setWindowTitle(caption);
    }
}

void DocumentTemplate::OnViewsChanged(Document* document) {
    if (!document->Views().empty()) {
        UpdateCaptions(document);
        return;
    }
    std::erase(documents_, document);
    document->deleteLater();
    emit documentsChanged();
}

std::vector<ChildFrame*> FramesOf(const Document* document) {
    std::vector<ChildFrame*> frames;
    for (View* view : document->Views()) {
        for (QWidget* w = view->Widget(); w != nullptr; w = w->parentWidget()) {
            if (auto* frame = qobject_cast<ChildFrame*>(w)) {
                frames.push_back(frame);
                break;
            }
        }
    }
    return frames;
}

} // namespace kolvira
