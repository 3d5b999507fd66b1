#include "app/MenuResources.h"

#include "framework/CommandIds.h"

#include <map>

namespace kolvira {
namespace {

constexpr MenuItem kSeparator{0, nullptr};
constexpr MenuItem kRecentFiles{ID_FILE_MRU_FIRST, "Recent File"};

// View → Sort By: the Mosaic's orders.
const std::vector<MenuItem> kSortByItems{
    {ID_SORT_BY_NAME, "Name"},           {ID_SORT_BY_DATE_TAKEN, "Date Taken"},
    {ID_SORT_BY_FILE_DATE, "File Date"}, {ID_SORT_BY_SIZE, "Size"},
    {ID_SORT_BY_TYPE, "Type"},           kSeparator,
    {ID_SORT_REVERSE, "Reverse"}};

MenuPopup ViewPopupOfDocument(const char* refreshText) {
    return {"&View",
            {{ID_VIEW_TOOLBAR, "&Toolbar"},
             {ID_VIEW_STATUS_BAR, "&Status Bar"},
             kSeparator,
             {ID_PAINT, "&Paint"},
             {ID_PHOTO_EDITOR, "Photo &Editor"},
             {ID_REFRESH_MOSAIC, refreshText},
             {ID_MORE_SIZE, "More size"},
             {ID_LESS_SIZE, "Less size"},
             {0, "Sort By", &kSortByItems},
             kSeparator,
             {ID_SHOW_ORIGINAL, "Show Original\t\\"},
             {ID_SPLIT_VIEW, "Split View"},
             {ID_REVERT_TO_PHOTO, "Revert to Photo"},
             {ID_ASK_TO_SAVE_DRAWINGS, "Ask to Save Drawings"},
             kSeparator,
             {ID_SAVE_LOOK, "Save Look..."},
             {ID_APPLY_LOOK, "Apply Look..."},
             {ID_APPLY_LOOK_FROM_FILE, "Apply Look From File..."},
             {ID_COPY_RENDER_COMMAND, "Copy Render Command"},
             kSeparator,
             {ID_NEXT_PHOTO, "Next Photo\tAlt+Right"},
             {ID_PREVIOUS_PHOTO, "Previous Photo\tAlt+Left"},
             {ID_FULL_SCREEN, "Full Screen\tF11"}}};
}

const MenuPopup kHelpPopup{"&Help",
                           {{ID_HELP_FINDER, "&Help Topics"}, {ID_APP_ABOUT, "&About Kolvira..."}}};

// Menus 129 and 130 differ only in the text of the refresh command.
std::vector<MenuPopup> DocumentMenu(const char* refreshText) {
    return {{"&File",
             {{ID_FILE_OPEN, "&Open...\tCtrl+O"},
              {ID_FILE_CLOSE, "&Close"},
              {ID_FILE_SAVE_AS, "Save &As..."},
              {ID_RENDER_SELECTION, "R&ender Selection..."},
              kSeparator,
              {ID_FILE_PRINT, "&Print...\tCtrl+P"},
              {ID_FILE_PRINT_PREVIEW, "Print Pre&view"},
              {ID_FILE_PRINT_SETUP, "P&rint Setup..."},
              kSeparator,
              kRecentFiles,
              kSeparator,
              {ID_APP_EXIT, "E&xit"}}},
            ViewPopupOfDocument(refreshText),
            {"&Window",
             {{ID_WINDOW_NEW, "&New Window"},
              {ID_WINDOW_CASCADE, "&Cascade"},
              {ID_WINDOW_TILE, "&Tile"},
              {ID_WINDOW_ARRANGE, "&Arrange Icons"}}},
            kHelpPopup};
}

} // namespace

const std::vector<MenuPopup>& MenuResource(int menuId) {
    static const std::vector<MenuPopup> noDocument{
        {"&File",
         {{ID_FILE_OPEN, "&Open...\tCtrl+O"},
          kSeparator,
          {ID_FILE_PRINT, "&Print...\tCtrl+P"},
          {ID_FILE_PRINT_PREVIEW, "Print Pre&view"},
          {ID_FILE_PRINT_SETUP, "P&rint Setup..."},
          kSeparator,
          kRecentFiles,
          kSeparator,
          {ID_FILE_CLOSE, "&Close"},
          {ID_APP_EXIT, "E&xit"}}},
        {"&View", {{ID_VIEW_TOOLBAR, "&Toolbar"}, {ID_VIEW_STATUS_BAR, "&Status Bar"}}},
        kHelpPopup};
    static const std::vector<MenuPopup> photo = DocumentMenu("Refresh Mosaic");
    static const std::vector<MenuPopup> mosaic = DocumentMenu("Refresh");
    switch (menuId) {
    case kMenuPhoto:
        return photo;
    case kMenuMosaic:
        return mosaic;
    default:
        return noDocument;
    }
}

CommandPrompt PromptOf(int commandId) {
    // The program's own prompts, then the customary ones of the framework
    // commands: "prompt\ntooltip".
    static const std::map<int, const char*> prompts{
        {ID_PAINT, "Show Paint Dialog\nShow Paint Dialog"},
        {ID_PHOTO_EDITOR, "Show Photo Editor\nShow Photo Editor"},
        {ID_REFRESH_MOSAIC, "Refresh Mosaic\nRefresh Mosaic"},
        {ID_MORE_SIZE, "More size in mosaic\nMore size in mosaic"},
        {ID_LESS_SIZE, "Less size in mosaic\nLess size in mosaic"},
        {ID_SHOW_ORIGINAL, "Show the photo in place of the drawing (hold \\ for a moment)\nShow "
                           "Original"},
        {ID_SPLIT_VIEW, "Show the photo left of a movable line, the drawing right of it\nSplit "
                        "View"},
        {ID_REVERT_TO_PHOTO, "Drop the drawing and show the photo again\nRevert to Photo"},
        {ID_ASK_TO_SAVE_DRAWINGS, "Ask whether to save a drawing when its window closes or leaves "
                                  "its photo\nAsk to Save Drawings"},
        {ID_SAVE_LOOK, "Save the settings of this window as a look, by name or to a file\nSave "
                       "Look"},
        {ID_APPLY_LOOK, "Draw the photo with one of the saved looks\nApply Look"},
        {ID_APPLY_LOOK_FROM_FILE, "Draw the photo with the look of a look file or of a drawing "
                                  "Kolvira made\nApply Look From File"},
        {ID_COPY_RENDER_COMMAND, "Copy the kolvira-render command that makes this drawing\nCopy "
                                 "Render Command"},
        {ID_NEXT_PHOTO, "Show the next photo of the Mosaic in this window\nNext Photo"},
        {ID_PREVIOUS_PHOTO, "Show the previous photo of the Mosaic in this window\nPrevious Photo"},
        {ID_FULL_SCREEN, "Show the photo window on the whole screen; Esc leaves\nFull Screen"},
        {ID_RENDER_SELECTION, "Render the selected photos into drawing files\nRender Selection"},
        {ID_SORT_BY_NAME, "Show the photos in the order of their names\nSort by Name"},
        {ID_SORT_BY_DATE_TAKEN, "Show the photos in the order they were taken (the camera's date, "
                                "else the file's)\nSort by Date Taken"},
        {ID_SORT_BY_FILE_DATE, "Show the photos in the order their files were last changed\nSort "
                               "by File Date"},
        {ID_SORT_BY_SIZE, "Show the photos in the order of their files' sizes\nSort by Size"},
        {ID_SORT_BY_TYPE, "Show the photos in the order of their file types\nSort by Type"},
        {ID_SORT_REVERSE, "Show the photos in the opposite order\nReverse Order"},
        {ID_FILE_NEW, "Create a new document\nNew"},
        {ID_FILE_OPEN, "Open an existing document\nOpen"},
        {ID_FILE_CLOSE, "Close the active document\nClose"},
        {ID_FILE_SAVE, "Save the active document\nSave"},
        {ID_FILE_SAVE_AS, "Save the active document with a new name\nSave As"},
        {ID_FILE_PRINT_SETUP, "Change the printer and printing options\nPrint Setup"},
        {ID_FILE_PRINT, "Print the active document\nPrint"},
        {ID_FILE_PRINT_PREVIEW, "Display full pages\nPrint Preview"},
        {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
        {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
        {ID_WINDOW_NEW, "Open another window for the active document\nNew Window"},
        {ID_WINDOW_ARRANGE, "Arrange icons at the bottom of the window\nArrange Icons"},
        {ID_WINDOW_CASCADE, "Arrange windows so they overlap\nCascade Windows"},
        {ID_WINDOW_TILE, "Arrange windows as non-overlapping tiles\nTile Windows"},
        {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
        {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
        {ID_HELP_FINDER, "List Help topics\nHelp Topics"},
        {ID_HELP, "Display help for current task or command\nHelp"},
        {ID_CONTEXT_HELP, "Display help for clicked on buttons, menus and windows\nHelp"},
    };
    if (commandId >= ID_FILE_MRU_FIRST && commandId <= ID_FILE_MRU_LAST)
        return {QStringLiteral("Open this document"), QString()};
    const auto found = prompts.find(commandId);
    if (found == prompts.end())
        return {};
    const QString text = QString::fromLatin1(found->second);
    const qsizetype newline = text.indexOf(QLatin1Char('\n'));
    return {text.left(newline), text.mid(newline + 1)};
}

const std::vector<Accelerator>& Accelerators() {
    static const std::vector<Accelerator> table{
        {QKeySequence(Qt::CTRL | Qt::Key_N), ID_FILE_NEW},
        {QKeySequence(Qt::CTRL | Qt::Key_O), ID_FILE_OPEN},
        {QKeySequence(Qt::CTRL | Qt::Key_S), ID_FILE_SAVE},
        {QKeySequence(Qt::CTRL | Qt::Key_P), ID_FILE_PRINT},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), ID_EDIT_UNDO},
        {QKeySequence(Qt::CTRL | Qt::Key_X), ID_EDIT_CUT},
        {QKeySequence(Qt::CTRL | Qt::Key_C), ID_EDIT_COPY},
        {QKeySequence(Qt::CTRL | Qt::Key_V), ID_EDIT_PASTE},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), ID_EDIT_UNDO},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), ID_EDIT_CUT},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), ID_EDIT_COPY},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), ID_EDIT_PASTE},
        {QKeySequence(Qt::Key_F6), ID_NEXT_PANE},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), ID_PREV_PANE},
        {QKeySequence(Qt::SHIFT | Qt::Key_F1), ID_CONTEXT_HELP},
        {QKeySequence(Qt::Key_F1), ID_HELP},
        {QKeySequence(Qt::ALT | Qt::Key_Right), ID_NEXT_PHOTO},
        {QKeySequence(Qt::ALT | Qt::Key_Left), ID_PREVIOUS_PHOTO},
        {QKeySequence(Qt::Key_F11), ID_FULL_SCREEN},
    };
    return table;
}

} // namespace kolvira
