#include "mosaicwindow/ListViewPhotos.h"

#include "framework/CommandIds.h"
#include "framework/KolviraDoc.h"
#include "framework/StatusProgress.h"
#include "framework/WindowHost.h"
#include "imageio/NativePath.h"
#include "mosaic/ContactSheet.h"
#include "mosaic/ImageDiscovery.h"
#include "mosaic/ThumbnailBuilder.h"
#include "mosaic/ThumbnailCache.h"
#include "mosaic/ThumbnailDecoding.h"
#include "mosaicwindow/RenderSelectionDialog.h"
#include "mosaicwindow/SelectionRendering.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>

using namespace kolvira;

namespace {

// The tooltip of an entry: its whole name, which the caption may shorten,
// and the photo's size.
QString EntryToolTip(const QString& label, QSize photoSize) {
    if (!photoSize.isValid())
        return label;
    return QStringLiteral("%1\n%2 × %3 pixels")
        .arg(label)
        .arg(photoSize.width())
        .arg(photoSize.height());
}

} // namespace

CListView_Photos::CListView_Photos() {
    setWhatsThis(QStringLiteral(
        "The Mosaic: a thumbnail of every image file in the folder. Double-click a "
        "thumbnail or press Enter to open the photo; Delete takes entries off the list "
        "(never off the disk); keypad + and - change the thumbnail size. File → Render "
        "Selection renders the selected photos into drawing files."));
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTextElideMode(Qt::ElideMiddle);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    delegate_ = new ThumbnailDelegate(this);
    setItemDelegate(delegate_);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) { currentItem = row; });
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { OpenEntry(row(item)); });
    // Render Selection is there only while something is selected.
    connect(this, &QListWidget::itemSelectionChanged, this, [this, had = false]() mutable {
        const bool has = !selectedItems().isEmpty();
        if (has == had || Host() == nullptr)
            return;
        had = has;
        Host()->CommandStateChanged();
    });
}

void CListView_Photos::OnInitialUpdate() {
    const std::string directory = GetDirectory(GetDocument()->GetPathName());
    GetDocument()->SetTitle(directory.empty() ? QStringLiteral("/") : ShownPath(directory));
    ScanDirectory(directory, photoPaths, {});
    scannedPaths_ = photoPaths;
    BuildMosaic();
}

std::string CListView_Photos::PhotoBeside(const std::string& path, int step) const {
    // From where the photo stood in the folder, so that one taken off the
    // list since still has neighbours.
    const auto scanned = std::find(scannedPaths_.begin(), scannedPaths_.end(), path);
    if (scanned == scannedPaths_.end() || step == 0)
        return {};
    const std::ptrdiff_t direction = step > 0 ? 1 : -1;
    int remaining = std::abs(step);
    const auto listed = [this](const std::string& candidate) {
        return std::find(photoPaths.begin(), photoPaths.end(), candidate) != photoPaths.end();
    };
    for (std::ptrdiff_t k = (scanned - scannedPaths_.begin()) + direction;
         k >= 0 && k < static_cast<std::ptrdiff_t>(scannedPaths_.size()); k += direction) {
        if (listed(scannedPaths_[k]) && --remaining == 0)
            return scannedPaths_[k];
    }
    return {};
}

bool CListView_Photos::SelectPhotoFile(const std::string& path) {
    const std::string name = GetFileName(path);
    for (std::size_t k = 0; k < photoPaths.size(); ++k) {
        if (GetFileName(photoPaths[k]) == name) {
            setCurrentRow(static_cast<int>(k));
            scrollToItem(item(static_cast<int>(k)));
            return true;
        }
    }
    return false;
}

bool CListView_Photos::HandlesCommand(int commandId) const {
    return commandId == ID_REFRESH_MOSAIC || commandId == ID_MORE_SIZE ||
           commandId == ID_LESS_SIZE || IsSaveCommand(commandId) || IsPrintCommand(commandId) ||
           (commandId == ID_RENDER_SELECTION && !selectedItems().isEmpty());
}

void CListView_Photos::OnCommand(int commandId) {
    switch (commandId) {
    case ID_REFRESH_MOSAIC:
        BuildMosaic();
        break;
    case ID_MORE_SIZE:
        MoreSize();
        break;
    case ID_LESS_SIZE:
        LessSize();
        break;
    case ID_RENDER_SELECTION:
        RenderSelection();
        break;
    default:
        if (Host() != nullptr)
            RunFileCommand(commandId, *this, *this, *Host());
        break;
    }
}

void CListView_Photos::BuildMosaic() {
    const std::size_t count = photoPaths.size();
    setUpdatesEnabled(false);
    clear();
    thumbnails.clear();
    const QSize thumbBox(thumbWidth, thumbHeight);
    const QSize cell = MosaicCellSize(fontMetrics(), thumbBox);
    setIconSize(thumbBox);
    setGridSize(cell);
    delegate_->SetSizes(thumbBox, cell);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    StatusProgress* progress = Host() != nullptr ? Host()->Progress() : nullptr;
    if (progress != nullptr)
        progress->Show(QStringLiteral(" "));

    std::vector<QByteArray> paths;
    paths.reserve(count);
    for (const std::string& path : photoPaths)
        paths.push_back(QByteArray::fromStdString(path));
    std::vector<bool> readable(count, false);
    // Decoded in screen pixels, so that they are sharp on a high-density
    // screen; cells and layout stay in logical pixels.
    const qreal ratio = devicePixelRatioF();
    BuildThumbnails(paths, qRound(thumbWidth * ratio), SharedThumbnailCache(),
                    [&](std::size_t k, const QImage& thumbnail, QSize photoSize) {
                        if (thumbnail.isNull())
                            return;
                        readable[k] = true;
                        thumbnails.push_back(thumbnail);
                        const QString label = EntryLabel(photoPaths[k]);
                        QPixmap pixmap = QPixmap::fromImage(thumbnail);
                        pixmap.setDevicePixelRatio(ratio);
                        auto* entry = new QListWidgetItem(QIcon(pixmap), label);
                        entry->setToolTip(EntryToolTip(label, photoSize));
                        addItem(entry);
                        if (progress != nullptr)
                            progress->SetPosition(static_cast<int>(100 * k / count));
                    });
    // A file that is no image gets no entry and leaves the list, so that
    // entry k always stands for path k.
    std::vector<std::string> readablePaths;
    for (std::size_t k = 0; k < count; ++k) {
        if (readable[k])
            readablePaths.push_back(std::move(photoPaths[k]));
    }
    photoPaths = std::move(readablePaths);

    setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();
    if (progress != nullptr)
        progress->Finish();
    currentItem = 0;
}

void CListView_Photos::SetThumbWidth(int width) {
    thumbWidth = width;
    thumbHeight = ThumbCellHeight(width);
    BuildMosaic();
}

void CListView_Photos::MoreSize() {
    if (thumbWidth < kLargestThumbWidth)
        SetThumbWidth(thumbWidth + kThumbWidthStep);
}

void CListView_Photos::LessSize() {
    if (thumbWidth > kSmallestThumbWidth)
        SetThumbWidth(thumbWidth - kThumbWidthStep);
}

void CListView_Photos::RemoveSelectedEntries() {
    std::vector<int> selected;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        selected.push_back(index.row());
    std::sort(selected.begin(), selected.end());
    // Each removal moves the later paths down by one.
    for (std::size_t i = 0; i < selected.size(); ++i)
        photoPaths.erase(photoPaths.begin() + (selected[i] - static_cast<int>(i)));
    BuildMosaic();
}

void CListView_Photos::OpenEntry(int index) {
    if (index < 0 || index >= static_cast<int>(photoPaths.size())) {
        QMessageBox::critical(this, QStringLiteral("Kolvira"),
                              QStringLiteral("Encountered an improper argument."));
        return;
    }
    if (Host() != nullptr)
        Host()->OpenPhotoWindow(photoPaths[index]);
}

std::vector<std::string> CListView_Photos::SelectedPhotoPaths() const {
    std::vector<std::string> paths;
    for (int k = 0; k < count() && k < static_cast<int>(photoPaths.size()); ++k) {
        if (item(k)->isSelected())
            paths.push_back(photoPaths[k]);
    }
    return paths;
}

void CListView_Photos::RenderSelection() {
    const std::vector<std::string> photos = SelectedPhotoPaths();
    if (Host() == nullptr || photos.empty())
        return;
    const QString folder = ShownPath(GetDirectory(GetDocument()->GetPathName()));
    CDia_RenderSelection dialog(*Host(), folder.isEmpty() ? QStringLiteral("/") : folder,
                                static_cast<int>(photos.size()), Host()->DialogParent());
    if (dialog.DoModal() != CDialog::kIdOk)
        return;
    // Never over a photo: neither one open anywhere nor one this Mosaic found.
    kolvira::ProtectedFiles protectedFiles = Host()->OpenPhotos();
    for (const std::string& path : scannedPaths_)
        protectedFiles.Add(NativePath(path));
    RenderSelectedPhotos(photos, dialog.Request(), protectedFiles, *Host(), Host()->DialogParent());
}

void CListView_Photos::keyPressEvent(QKeyEvent* event) {
    const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OpenEntry(currentItem);
        break;
    case Qt::Key_Delete:
        RemoveSelectedEntries();
        break;
    case Qt::Key_R:
        BuildMosaic();
        break;
    case Qt::Key_Plus:
        if (keypad)
            MoreSize();
        break;
    case Qt::Key_Minus:
        if (keypad)
            LessSize();
        break;
    default:
        break;
    }
    // The list's own keys (arrows, Home, End, letters) keep working.
    QListWidget::keyPressEvent(event);
}
