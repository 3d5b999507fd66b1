// The contact sheet's grid and page count: every thumbnail gets a cell on
// some page, pages hold whole rows and columns of cells, and the count of
// pages is what the grid fills, whatever the printer's resolution.
#include "mosaic/ContactSheetLayout.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace kolvira {
namespace {

// An A4 sheet (8.27 x 11.69 inches) printed at `dpi`, in the pixels of a
// 96-DPI screen, as the printer's scaling makes it.
struct A4 {
    static constexpr double kWidthInches = 210.0 / 25.4;
    static constexpr double kHeightInches = 297.0 / 25.4;
    explicit A4(int dpi)
        : width(static_cast<int>(kWidthInches * dpi) * 96.0 / dpi),
          height(static_cast<int>(kHeightInches * dpi) * 96.0 / dpi) {}
    double width;
    double height;
};

TEST(ContactSheetLayout, A4At600DpiHolds7By13DefaultCells) {
    const A4 page(600);
    const ContactSheetLayout layout(200, 100, 75, page.width, page.height);
    EXPECT_EQ(layout.CellWidth(), 110);
    EXPECT_EQ(layout.CellHeight(), 85);
    EXPECT_EQ(layout.Columns(), 7);
    EXPECT_EQ(layout.Rows(), 13);
    EXPECT_EQ(layout.CellsPerPage(), 91);
    EXPECT_DOUBLE_EQ(layout.CellScale(), 1.0);
}

TEST(ContactSheetLayout, PagesAreThoseTheThumbnailsFill) {
    const A4 page(600);
    const std::tuple<int, int> cases[] = {
        {0, 1},                     // an empty sheet still prints one blank page
        {1, 1},  {90, 1},  {91, 1}, // a full page, no blank one after it
        {92, 2}, {182, 2}, {200, 3},
    };
    for (const auto& [count, pages] : cases) {
        const ContactSheetLayout layout(count, 100, 75, page.width, page.height);
        EXPECT_EQ(layout.PageCount(), pages) << count << " thumbnails";
    }
}

// The count once came from the printer's dots divided by six, which lost
// thumbnails on fine printers and added blank pages on coarse ones.
TEST(ContactSheetLayout, ResolutionChangesNeitherGridNorPageCount) {
    for (int dpi : {150, 300, 600, 720, 1200, 2400}) {
        const A4 page(dpi);
        const ContactSheetLayout layout(200, 100, 75, page.width, page.height);
        EXPECT_EQ(layout.CellsPerPage(), 91) << dpi << " DPI";
        EXPECT_EQ(layout.PageCount(), 3) << dpi << " DPI";
    }
}

TEST(ContactSheetLayout, CellsAreNumberedAcrossRowsAndPages) {
    const A4 page(600);
    const ContactSheetLayout layout(200, 100, 75, page.width, page.height);
    const struct {
        int index;
        int page;
        double x;
        double y;
    } cells[] = {
        {0, 1, 0, 0},       {1, 1, 110, 0}, {6, 1, 660, 0}, {7, 1, 0, 85},
        {90, 1, 660, 1020}, {91, 2, 0, 0},  {182, 3, 0, 0}, {199, 3, 330, 170},
    };
    for (const auto& cell : cells) {
        const CellPlace place = layout.Place(cell.index);
        EXPECT_EQ(place.page, cell.page) << cell.index;
        EXPECT_DOUBLE_EQ(place.x, cell.x) << cell.index;
        EXPECT_DOUBLE_EQ(place.y, cell.y) << cell.index;
    }
    EXPECT_EQ(layout.FirstIndexOnPage(2), 91);
    EXPECT_EQ(layout.FirstIndexOnPage(3), 182);

    // No two thumbnails share a cell, and every cell lies on its page.
    std::set<std::tuple<int, double, double>> used;
    for (int index = 0; index < layout.Count(); ++index) {
        const CellPlace place = layout.Place(index);
        EXPECT_TRUE(used.emplace(place.page, place.x, place.y).second) << index;
        EXPECT_LE(place.x + layout.CellWidth(), page.width) << index;
        EXPECT_LE(place.y + layout.CellHeight(), page.height) << index;
    }
}

TEST(ContactSheetLayout, LargerThumbnailsFitFewerPerPage) {
    const A4 page(600);
    const ContactSheetLayout layout(200, 200, 150, page.width, page.height);
    EXPECT_EQ(layout.Columns(), 3);
    EXPECT_EQ(layout.Rows(), 7);
    EXPECT_EQ(layout.PageCount(), 10);
}

// A page smaller than one cell (a label printer, say) still prints every
// thumbnail: one per page, shrunk to fit.
TEST(ContactSheetLayout, PageSmallerThanACellGetsOneShrunkenCell) {
    const ContactSheetLayout narrow(5, 200, 150, 105, 400);
    EXPECT_EQ(narrow.Columns(), 0);
    EXPECT_EQ(narrow.CellsPerPage(), 1);
    EXPECT_EQ(narrow.PageCount(), 5);
    EXPECT_DOUBLE_EQ(narrow.CellScale(), 0.5);
    EXPECT_EQ(narrow.Place(3).page, 4);
    EXPECT_DOUBLE_EQ(narrow.Place(3).x, 0);

    const ContactSheetLayout flat(0, 100, 75, 500, 40);
    EXPECT_EQ(flat.PageCount(), 1);
    EXPECT_DOUBLE_EQ(flat.CellScale(), 40.0 / 85);
}

} // namespace
} // namespace kolvira
