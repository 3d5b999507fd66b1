// Where each thumbnail of a contact sheet goes: cells of the thumbnail size
// plus a gap, packed row by row from the top-left corner of every page, in
// the screen's pixels at their physical size (the printer's scaling turns
// them into dots). The page count comes from the same grid, so every
// thumbnail is printed and no page is left blank but that of an empty sheet.
#pragma once

namespace kolvira {

struct CellPlace {
    int page = 1; // from 1
    double x = 0; // the cell's top-left corner on its page, logical units
    double y = 0;
};

class ContactSheetLayout {
public:
    // The gap right of and below each thumbnail, logical units.
    static constexpr int kCellGap = 10;

    // `pageWidth` x `pageHeight` is the printable area in logical units
    // (screen pixels).
    ContactSheetLayout(int count, int thumbWidth, int thumbHeight, double pageWidth,
                       double pageHeight);

    int Count() const { return count_; }
    int CellWidth() const { return cellWidth_; }
    int CellHeight() const { return cellHeight_; }
    // The grid of one page; 0 when the page cannot hold a whole cell.
    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    // Columns x rows, or 1 when the page holds no whole cell: then every
    // page gets one cell, shrunk by CellScale to fit.
    int CellsPerPage() const;
    double CellScale() const { return cellScale_; }
    // At least 1: an empty sheet still prints one blank page.
    int PageCount() const;
    // The index of the first thumbnail on `page` (from 1).
    int FirstIndexOnPage(int page) const;
    CellPlace Place(int index) const;

private:
    int count_;
    int cellWidth_;
    int cellHeight_;
    int columns_;
    int rows_;
    double cellScale_ = 1.0;
};

} // namespace kolvira
