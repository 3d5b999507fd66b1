#include "mosaicwindow/MosaicView.h"

#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "framework/StatusProgress.h"
#include "framework/WindowHost.h"
#include "imageio/NativePath.h"
#include "mosaic/ContactSheet.h"
#include "mosaic/FileUri.h"
#include "mosaic/FreedesktopThumbnails.h"
#include "mosaic/ImageDiscovery.h"
#include "mosaic/ThumbnailCache.h"
#include "mosaic/ThumbnailDecoding.h"
#include "mosaicwindow/RenderSelectionDialog.h"
#include "mosaicwindow/SelectionRendering.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDrag>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPixmap>
#include <QScrollBar>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <numeric>
#include <unordered_set>
#include <utility>

#include <dirent.h>

namespace kolvira {

namespace {

// The tooltip of an entry whose thumbnail a stopped build did not make.
QString NotBuiltToolTip(const QString& label) {
    return QCoreApplication::translate("MosaicView",
                                       "%1\nThumbnail not built yet: Refresh (R) makes it.")
        .arg(label);
}

// Why the folder's names cannot be read, or empty when they can.
QString ListingFailure(const std::string& directory) {
    DIR* listing = opendir(directory.empty() ? "/" : directory.c_str());
    if (listing == nullptr)
        return QString::fromLocal8Bit(std::strerror(errno));
    closedir(listing);
    return {};
}

// The sort commands of View → Sort By and their orders.
constexpr std::pair<int, SortKey> kSortCommands[] = {{ID_SORT_BY_NAME, SortKey::Name},
                                                     {ID_SORT_BY_DATE_TAKEN, SortKey::DateTaken},
                                                     {ID_SORT_BY_FILE_DATE, SortKey::FileDate},
                                                     {ID_SORT_BY_SIZE, SortKey::Size},
                                                     {ID_SORT_BY_TYPE, SortKey::Type}};

const std::pair<int, SortKey>* SortCommand(int commandId) {
    for (const auto& command : kSortCommands) {
        if (command.first == commandId)
            return &command;
    }
    return nullptr;
}

// Files as file managers and other programs take them from a drag or the
// clipboard: file URLs (the bytes of names that are not UTF-8 kept), GNOME's
// list for pasting them as a copy, and the paths as text.
QMimeData* FilesMimeData(const std::vector<std::string>& paths) {
    QList<QUrl> urls;
    QByteArray copied("copy");
    QStringList lines;
    for (const std::string& path : paths) {
        const auto uri = FileUri(QByteArray::fromStdString(path));
        if (!uri)
            continue;
        urls << QUrl::fromEncoded(*uri);
        copied += '\n' + *uri;
        lines << QFile::decodeName(QByteArray::fromStdString(path));
    }
    auto* data = new QMimeData;
    data->setUrls(urls);
    data->setData(QStringLiteral("x-special/gnome-copied-files"), copied);
    data->setText(lines.join(QLatin1Char('\n')));
    return data;
}

} // namespace

QString MosaicView::EntryToolTip(const QString& label, QSize photoSize) {
    if (!photoSize.isValid())
        return label;
    return QCoreApplication::translate("MosaicView", "%1\n%2 × %3 pixels")
        .arg(label)
        .arg(photoSize.width())
        .arg(photoSize.height());
}

void MosaicView::SetEntryTip(QListWidgetItem& entry, const QString& tip) {
    entry.setToolTip(tip);
    entry.setData(Qt::AccessibleDescriptionRole, tip.section(QLatin1Char('\n'), 1));
}

MosaicView::MosaicView(LookSource* looks) : looks_(looks), store_(SharedThumbnailCache()) {
    setWhatsThis(QCoreApplication::translate(
        "MosaicView",
        "The Mosaic: a thumbnail of every image file in the folder. Double-click a "
        "thumbnail or press Enter to open the photo; Delete takes entries off the list "
        "(never off the disk); keypad + and - change the thumbnail size; Esc stops making "
        "thumbnails. File → Render Selection renders the selected photos into drawing "
        "files."));
    setAccessibleName(QCoreApplication::translate("MosaicView", "Mosaic"));
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTextElideMode(Qt::ElideMiddle);
    setUniformItemSizes(true);
    // A folder of thousands is laid out in steps between events, not in one go.
    setLayoutMode(QListView::Batched);
    setBatchSize(2000);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Entries drag out to other programs as their files; nothing drops in.
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    delegate_ = new ThumbnailDelegate(this);
    delegate_->SetSource(&store_, [this](int row) {
        return row >= 0 && row < static_cast<int>(photoPaths.size())
                   ? QByteArray::fromStdString(photoPaths[row])
                   : QByteArray();
    });
    setItemDelegate(delegate_);
    // Thumbnails that come back to cells painted without them.
    connect(&store_, &ThumbnailStore::Fetched, viewport(), qOverload<>(&QWidget::update));
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &MosaicView::LookAround);
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, &MosaicView::LookAround);
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

// Closed while building: the job's threads are joined before the window's
// parts go, and the cursor and the bar are given back.
MosaicView::~MosaicView() {
    delete liveJob_;
    if (job_ == nullptr)
        return;
    delete job_;
    QApplication::restoreOverrideCursor();
    // Only the bar of a main window that still exists.
    if (progress_ != nullptr && Host() != nullptr && progress_ == Host()->Progress())
        progress_->Finish();
}

QImage MosaicView::DecodedThumbnails::operator[](std::size_t k) const {
    if (k >= view_.photoPaths.size())
        return {};
    return view_.store_.Decoded(QByteArray::fromStdString(view_.photoPaths[k]));
}

void MosaicView::OnInitialUpdate() {
    const std::string directory = GetDirectory(GetDocument()->GetPathName());
    GetDocument()->SetTitle(directory.empty() ? QStringLiteral("/") : ShownPath(directory));
    // The listing the folder's later changes are told from.
    stamps_ = StampedImageFiles(directory);
    photoPaths.clear();
    for (const auto& [path, stamp] : stamps_)
        photoPaths.push_back(path);
    order_.Sort(photoPaths);
    WatchFolder(directory);
    if (photoPaths.empty() && Host() != nullptr) {
        // A folder that may be entered but not listed would look empty.
        if (const QString reason = ListingFailure(directory); !reason.isEmpty())
            Host()->ShowStatusMessage(
                QCoreApplication::translate("MosaicView", "Cannot list the files of %1: %2")
                    .arg(GetDocument()->GetTitle(), reason));
    }
    scannedPaths_ = photoPaths;
    BuildMosaic();
}

std::string MosaicView::PhotoBeside(const std::string& path, int step) const {
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

bool MosaicView::SelectPhotoFile(const std::string& path) {
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

bool MosaicView::HandlesCommand(int commandId) const {
    if (commandId == ID_REFRESH_MOSAIC || commandId == ID_MORE_SIZE || commandId == ID_LESS_SIZE ||
        commandId == ID_SORT_REVERSE || SortCommand(commandId) != nullptr)
        return true;
    // What needs the whole list waits for the build.
    if (Building())
        return false;
    return IsSaveCommand(commandId) || IsPrintCommand(commandId) ||
           (commandId == ID_RENDER_SELECTION && looks_ != nullptr && !selectedItems().isEmpty());
}

void MosaicView::OnCommand(int commandId) {
    switch (commandId) {
    case ID_REFRESH_MOSAIC:
        RebuildKeepingPlace();
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
    case ID_SORT_REVERSE:
        SortBy(order_.Key(), !order_.Reversed());
        break;
    default:
        if (const auto* sort = SortCommand(commandId)) {
            SortBy(sort->second, order_.Reversed());
            break;
        }
        if (Host() != nullptr)
            RunFileCommand(commandId, *this, *this, *Host());
        break;
    }
}

bool MosaicView::IsCommandChecked(int commandId) const {
    if (commandId == ID_SORT_REVERSE)
        return order_.Reversed();
    const auto* sort = SortCommand(commandId);
    return sort != nullptr && sort->second == order_.Key();
}

void MosaicView::BuildMosaic() {
    if (job_ != nullptr)
        EndBuild(true); // replaced at once: nothing to report
    // Every entry's thumbnail is made anew, the live ones' too.
    delete liveJob_;
    liveJob_ = nullptr;
    liveWaiting_.clear();
    setUpdatesEnabled(false);
    clear();
    const QSize thumbBox(thumbWidth, thumbHeight);
    const QSize cell = MosaicCellSize(fontMetrics(), thumbBox);
    setIconSize(thumbBox);
    setGridSize(cell);
    delegate_->SetSizes(thumbBox, cell);
    const int deviceWidth = DeviceThumbWidth();
    store_.Reset(deviceWidth);
    built_ = 0;
    buildIndex_.resize(photoPaths.size());
    std::iota(buildIndex_.begin(), buildIndex_.end(), std::size_t{0});

    // All rows in one insertion: one by one, a large folder would take a
    // noticeable time. Their tooltips come with their thumbnails.
    std::vector<QByteArray> paths;
    paths.reserve(photoPaths.size());
    QStringList labels;
    labels.reserve(static_cast<qsizetype>(photoPaths.size()));
    for (const std::string& path : photoPaths) {
        paths.push_back(QByteArray::fromStdString(path));
        labels << EntryLabel(path);
    }
    addItems(labels);
    setUpdatesEnabled(true);
    currentItem = 0;
    if (paths.empty())
        return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    progress_ = Host() != nullptr ? Host()->Progress() : nullptr;
    if (progress_ != nullptr)
        progress_->Show(QStringLiteral(" "));
    // Without the shared thumbnails on disk, thumbnails out of sight come
    // back from a compressed copy.
    job_ = new ThumbnailBuildJob(
        std::move(paths), deviceWidth, SharedThumbnailCache(),
        {.keepCompressed = !FreedesktopThumbnails::Writing(), .decodeInSightOnly = true});
    job_->setParent(this);
    LookAround();
    connect(job_, &ThumbnailBuildJob::Arrived, this, &MosaicView::TakeThumbnails);
    connect(job_, &ThumbnailBuildJob::Finished, this, [this] { EndBuild(true); });
    job_->Start();
    if (Host() != nullptr)
        Host()->CommandStateChanged();
}

void MosaicView::TakeThumbnails(const std::vector<ThumbnailBuildJob::Result>& batch) {
    for (const ThumbnailBuildJob::Result& result : batch) {
        const int row = RowOfBuildIndex(result.k);
        if (row < 0)
            continue;
        if (result.image.isNull() && !result.ready) {
            // A file that is no image leaves the list, so that entry k still
            // stands for path k.
            RemoveRow(row);
            continue;
        }
        QListWidgetItem* entry = item(row);
        store_.Add(QByteArray::fromStdString(photoPaths[row]), result.image, result.photoSize,
                   result.compressed);
        SetEntryTip(*entry, EntryToolTip(entry->text(), result.photoSize));
        ++built_;
    }
    if (progress_ != nullptr && job_ != nullptr)
        progress_->SetPosition(static_cast<int>(100 * job_->Delivered() / job_->Count()));
    viewport()->update();
}

void MosaicView::LookAround() {
    const QSize grid = gridSize();
    if (count() == 0 || grid.isEmpty())
        return;
    // The cells stand in rows of equal cells from the top left.
    const int columns = std::max(1, viewport()->width() / grid.width());
    const int margin = viewport()->height() / 2;
    const int top = std::max(0, verticalOffset() - margin) / grid.height();
    const int bottom = (verticalOffset() + viewport()->height() + margin) / grid.height();
    const int first = std::min(top * columns, count() - 1);
    const int last = std::min((bottom + 1) * columns, count()) - 1;
    if (job_ != nullptr)
        job_->SetSight(buildIndex_[first], buildIndex_[last]);
    // Asked for before the cells in sight are painted, which come first.
    for (int row = first; row <= last; ++row) {
        const QByteArray path = QByteArray::fromStdString(photoPaths[row]);
        if (store_.Has(path))
            store_.Image(path);
    }
}

void MosaicView::CancelBuild() {
    if (job_ != nullptr)
        EndBuild(false);
}

void MosaicView::EndBuild(bool complete) {
    const std::size_t total = job_->Count();
    const std::size_t delivered = job_->Delivered();
    job_->Cancel();
    // Not deleted here: this may run inside one of the job's signals. Its
    // threads are joined when it goes.
    job_->deleteLater();
    job_ = nullptr;
    QApplication::restoreOverrideCursor();
    if (progress_ != nullptr)
        progress_->Finish();
    progress_ = nullptr;
    if (!complete) {
        const auto notBuilt = std::lower_bound(buildIndex_.begin(), buildIndex_.end(), delivered);
        for (int row = static_cast<int>(notBuilt - buildIndex_.begin()); row < count(); ++row)
            SetEntryTip(*item(row), NotBuiltToolTip(item(row)->text()));
        if (Host() != nullptr)
            Host()->ShowStatusMessage(
                QCoreApplication::translate(
                    "MosaicView", "Stopped: %1 of %2 thumbnails made; Refresh makes the rest.")
                    .arg(built_)
                    .arg(total));
    }
    // The rows dropped may have moved the selection out of sight.
    if (QListWidgetItem* current = QListWidget::currentItem();
        current != nullptr && current->isSelected())
        scrollToItem(current);
    if (Host() != nullptr)
        Host()->CommandStateChanged();
    // What the folder did meanwhile, now that rows may come and go.
    if (std::exchange(syncAfterBuild_, false))
        QTimer::singleShot(0, this, &MosaicView::SyncWithFolder);
    else if (!arriving_.empty())
        QTimer::singleShot(0, this, &MosaicView::TakeArrivingEntries);
}

int MosaicView::RowOfBuildIndex(std::size_t k) const {
    const auto found = std::lower_bound(buildIndex_.begin(), buildIndex_.end(), k);
    if (found == buildIndex_.end() || *found != k)
        return -1;
    return static_cast<int>(found - buildIndex_.begin());
}

void MosaicView::RemoveRow(int row) {
    delete takeItem(row);
    photoPaths.erase(photoPaths.begin() + row);
    buildIndex_.erase(buildIndex_.begin() + row);
}

void MosaicView::RebuildKeepingPlace(const std::function<void()>& change) {
    std::unordered_set<std::string> selected;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        selected.insert(photoPaths[index.row()]);
    const int current = QListWidget::currentRow();
    const std::string currentPath = current >= 0 && current < static_cast<int>(photoPaths.size())
                                        ? photoPaths[current]
                                        : std::string();
    const bool sameSize = iconSize() == QSize(thumbWidth, thumbHeight);
    const int scrolled = verticalScrollBar()->value();

    if (change)
        change();
    BuildMosaic();
    QItemSelection selection;
    for (int row = 0; row < count(); ++row) {
        if (selected.contains(photoPaths[row]))
            selection.select(model()->index(row, 0), model()->index(row, 0));
        if (!currentPath.empty() && photoPaths[row] == currentPath) {
            selectionModel()->setCurrentIndex(model()->index(row, 0),
                                              QItemSelectionModel::NoUpdate);
            currentItem = row;
        }
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    // Laid out now, so that the place can be found again.
    executeDelayedItemsLayout();
    if (sameSize)
        verticalScrollBar()->setValue(scrolled);
    else if (QListWidgetItem* entry = QListWidget::currentItem())
        scrollToItem(entry);
}

void MosaicView::SetThumbWidth(int width) {
    thumbWidth = width;
    thumbHeight = ThumbCellHeight(width);
    RebuildKeepingPlace();
}

void MosaicView::MoreSize() {
    if (thumbWidth < kLargestThumbWidth)
        SetThumbWidth(thumbWidth + kThumbWidthStep);
}

void MosaicView::LessSize() {
    if (thumbWidth > kSmallestThumbWidth)
        SetThumbWidth(thumbWidth - kThumbWidthStep);
}

void MosaicView::RemoveSelectedEntries() {
    std::vector<int> selected;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        selected.push_back(index.row());
    std::sort(selected.begin(), selected.end());
    // They stay off the list when their files change, until the window closes.
    for (int row : selected)
        dropped_.insert(photoPaths[row]);
    if (Building()) {
        // Entry and path leave together; the build goes on for the others.
        for (auto row = selected.rbegin(); row != selected.rend(); ++row)
            RemoveRow(*row);
        return;
    }
    // Each removal moves the later paths down by one.
    for (std::size_t i = 0; i < selected.size(); ++i)
        photoPaths.erase(photoPaths.begin() + (selected[i] - static_cast<int>(i)));
    BuildMosaic();
}

void MosaicView::OpenEntry(int index) {
    if (index < 0 || index >= static_cast<int>(photoPaths.size())) {
        QMessageBox::critical(
            this, QStringLiteral("Kolvira"),
            QCoreApplication::translate("MosaicView", "Encountered an improper argument."));
        return;
    }
    if (Host() != nullptr)
        Host()->OpenPhotoWindow(photoPaths[index]);
}

std::vector<std::string> MosaicView::SelectedPhotoPaths() const {
    std::vector<std::string> paths;
    for (int k = 0; k < count() && k < static_cast<int>(photoPaths.size()); ++k) {
        if (item(k)->isSelected())
            paths.push_back(photoPaths[k]);
    }
    return paths;
}

void MosaicView::CopySelectedFiles() const {
    const std::vector<std::string> paths = SelectedPhotoPaths();
    if (!paths.empty())
        QApplication::clipboard()->setMimeData(FilesMimeData(paths));
}

void MosaicView::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex index = indexAt(event->pos());
    if (!index.isValid())
        return;
    // As in file managers: an entry outside the selection becomes the selection.
    if (!selectionModel()->isSelected(index))
        setCurrentRow(index.row(), QItemSelectionModel::ClearAndSelect);
    QMenu menu(this);
    const QAction* open = menu.addAction(tr("Open"));
    const QAction* copy = menu.addAction(tr("Copy"));
    const QAction* chosen = menu.exec(event->globalPos());
    if (chosen == open) {
        for (const std::string& path : SelectedPhotoPaths()) {
            if (Host() != nullptr)
                Host()->OpenPhotoWindow(path);
        }
    } else if (chosen == copy) {
        CopySelectedFiles();
    }
}

void MosaicView::startDrag(Qt::DropActions) {
    const std::vector<std::string> paths = SelectedPhotoPaths();
    if (paths.empty())
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(FilesMimeData(paths));
    const QListWidgetItem* current = QListWidget::currentItem();
    if (current != nullptr && current->isSelected()) {
        const QImage thumbnail =
            store_.Decoded(QByteArray::fromStdString(photoPaths[row(current)]));
        if (!thumbnail.isNull())
            drag->setPixmap(QPixmap::fromImage(thumbnail.scaled(
                iconSize() * devicePixelRatioF(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
    // Copied or linked, never moved: a move would take the entries off.
    drag->exec(Qt::CopyAction | Qt::LinkAction, Qt::CopyAction);
}

void MosaicView::RenderSelection() {
    const std::vector<std::string> photos = SelectedPhotoPaths();
    if (Host() == nullptr || looks_ == nullptr || photos.empty())
        return;
    const QString folder = ShownPath(GetDirectory(GetDocument()->GetPathName()));
    RenderSelectionDialog dialog(*looks_, folder.isEmpty() ? QStringLiteral("/") : folder,
                                 static_cast<int>(photos.size()), Host()->DialogParent());
    if (dialog.DoModal() != Dialog::kIdOk)
        return;
    // Never over a photo: neither one open anywhere nor one this Mosaic found.
    kolvira::ProtectedFiles protectedFiles = Host()->OpenPhotos();
    for (const std::string& path : scannedPaths_)
        protectedFiles.Add(NativePath(path));
    RenderSelectedPhotos(photos, dialog.Request(), protectedFiles, *Host(), Host()->DialogParent());
}

void MosaicView::keyPressEvent(QKeyEvent* event) {
    const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OpenEntry(currentItem);
        break;
    case Qt::Key_Delete:
        // Shift+Delete is Cut's key, and Ctrl or Alt with it mean something
        // else again: only Delete alone takes entries off.
        if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
            RemoveSelectedEntries();
        break;
    case Qt::Key_Escape:
        CancelBuild();
        break;
    case Qt::Key_R:
        RebuildKeepingPlace();
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

} // namespace kolvira
