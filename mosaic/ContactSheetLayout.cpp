#include "mosaic/ContactSheetLayout.h"

#include <algorithm>

namespace kolvira {

ContactSheetLayout::ContactSheetLayout(int count, int thumbWidth, int thumbHeight, double pageWidth,
                                       double pageHeight)
    : count_(std::max(0, count)), cellWidth_(std::max(0, thumbWidth) + kCellGap),
      cellHeight_(std::max(0, thumbHeight) + kCellGap),
      columns_(static_cast<int>(std::max(0.0, pageWidth) / cellWidth_)),
      rows_(static_cast<int>(std::max(0.0, pageHeight) / cellHeight_)) {
    if (columns_ == 0 || rows_ == 0) {
        // Large thumbnails on a small page: one cell per page, shrunk to fit.
        columns_ = 0;
        rows_ = 0;
        cellScale_ = std::max(0.0, std::min(pageWidth / cellWidth_, pageHeight / cellHeight_));
    }
}

int ContactSheetLayout::CellsPerPage() const {
    return columns_ > 0 ? columns_ * rows_ : 1;
}

int ContactSheetLayout::PageCount() const {
    const int perPage = CellsPerPage();
    return std::max(1, static_cast<int>((static_cast<long long>(count_) + perPage - 1) / perPage));
}

int ContactSheetLayout::FirstIndexOnPage(int page) const {
    return (page - 1) * CellsPerPage();
}

CellPlace ContactSheetLayout::Place(int index) const {
    const int perPage = CellsPerPage();
    const int onPage = index % perPage;
    CellPlace place;
    place.page = index / perPage + 1;
    if (columns_ > 0) {
        place.x = static_cast<double>(onPage % columns_) * cellWidth_;
        place.y = static_cast<double>(onPage / columns_) * cellHeight_;
    }
    return place;
}

} // namespace kolvira
