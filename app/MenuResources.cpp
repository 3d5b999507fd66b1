#include "app/MenuResources.h"

#include "framework/CommandIds.h"

#include <QCoreApplication>

#include <map>

namespace kolvira {
namespace {

constexpr MenuItem kSeparator{0, nullptr};
constexpr MenuItem kRecentFiles{ID_FILE_MRU_FIRST, QT_TRANSLATE_NOOP("FileMenu", "Recent File")};

// View → Sort By: the Mosaic's orders.
const MenuPopup kSortByPopup{QT_TRANSLATE_NOOP("ViewMenu", "Sort By"),
                             "SortMenu",
                             {{ID_SORT_BY_NAME, QT_TRANSLATE_NOOP("SortMenu", "Name")},
                              {ID_SORT_BY_DATE_TAKEN, QT_TRANSLATE_NOOP("SortMenu", "Date Taken")},
                              {ID_SORT_BY_FILE_DATE, QT_TRANSLATE_NOOP("SortMenu", "File Date")},
                              {ID_SORT_BY_SIZE, QT_TRANSLATE_NOOP("SortMenu", "Size")},
                              {ID_SORT_BY_TYPE, QT_TRANSLATE_NOOP("SortMenu", "Type")},
                              kSeparator,
                              {ID_SORT_REVERSE, QT_TRANSLATE_NOOP("SortMenu", "Reverse")}}};

MenuPopup ViewPopupOfDocument(const char* refreshText) {
    return {QT_TRANSLATE_NOOP("MenuBar", "&View"),
            "ViewMenu",
            {{ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("ViewMenu", "&Toolbar")},
             {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("ViewMenu", "&Status Bar")},
             kSeparator,
             {ID_PAINT, QT_TRANSLATE_NOOP("ViewMenu", "&Paint")},
             {ID_PHOTO_EDITOR, QT_TRANSLATE_NOOP("ViewMenu", "Photo &Editor")},
             {ID_REFRESH_MOSAIC, refreshText},
             {ID_MORE_SIZE, QT_TRANSLATE_NOOP("ViewMenu", "More size")},
             {ID_LESS_SIZE, QT_TRANSLATE_NOOP("ViewMenu", "Less size")},
             {0, QT_TRANSLATE_NOOP("ViewMenu", "Sort By"), &kSortByPopup},
             kSeparator,
             {ID_SHOW_ORIGINAL, QT_TRANSLATE_NOOP("ViewMenu", "Show Original\t\\")},
             {ID_SPLIT_VIEW, QT_TRANSLATE_NOOP("ViewMenu", "Split View")},
             {ID_REVERT_TO_PHOTO, QT_TRANSLATE_NOOP("ViewMenu", "Revert to Photo")},
             {ID_ASK_TO_SAVE_DRAWINGS, QT_TRANSLATE_NOOP("ViewMenu", "Ask to Save Drawings")},
             kSeparator,
             {ID_SAVE_LOOK, QT_TRANSLATE_NOOP("ViewMenu", "Save Look...")},
             {ID_APPLY_LOOK, QT_TRANSLATE_NOOP("ViewMenu", "Apply Look...")},
             {ID_APPLY_LOOK_FROM_FILE, QT_TRANSLATE_NOOP("ViewMenu", "Apply Look From File...")},
             {ID_COPY_RENDER_COMMAND, QT_TRANSLATE_NOOP("ViewMenu", "Copy Render Command")},
             kSeparator,
             {ID_NEXT_PHOTO, QT_TRANSLATE_NOOP("ViewMenu", "Next Photo\tAlt+Right")},
             {ID_PREVIOUS_PHOTO, QT_TRANSLATE_NOOP("ViewMenu", "Previous Photo\tAlt+Left")},
             {ID_FULL_SCREEN, QT_TRANSLATE_NOOP("ViewMenu", "Full Screen\tF11")}}};
}

const MenuPopup kHelpPopup{QT_TRANSLATE_NOOP("MenuBar", "&Help"),
                           "HelpMenu",
                           {{ID_HELP_FINDER, QT_TRANSLATE_NOOP("HelpMenu", "&Help Topics")},
                            {ID_APP_ABOUT, QT_TRANSLATE_NOOP("HelpMenu", "&About Kolvira...")}}};

// Menus 129 and 130 differ only in the text of the refresh command.
std::vector<MenuPopup> DocumentMenu(const char* refreshText) {
    return {{QT_TRANSLATE_NOOP("MenuBar", "&File"),
             "FileMenu",
             {{ID_FILE_OPEN, QT_TRANSLATE_NOOP("FileMenu", "&Open...\tCtrl+O")},
              {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("FileMenu", "&Close")},
              {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("FileMenu", "Save &As...")},
              {ID_RENDER_SELECTION, QT_TRANSLATE_NOOP("FileMenu", "R&ender Selection...")},
              kSeparator,
              {ID_FILE_PRINT, QT_TRANSLATE_NOOP("FileMenu", "&Print...\tCtrl+P")},
              {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("FileMenu", "Print Pre&view")},
              {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("FileMenu", "P&rint Setup...")},
              kSeparator,
              kRecentFiles,
              kSeparator,
              {ID_APP_EXIT, QT_TRANSLATE_NOOP("FileMenu", "E&xit")}}},
            ViewPopupOfDocument(refreshText),
            {QT_TRANSLATE_NOOP("MenuBar", "&Window"),
             "WindowMenu",
             {{ID_WINDOW_NEW, QT_TRANSLATE_NOOP("WindowMenu", "&New Window")},
              {ID_WINDOW_CASCADE, QT_TRANSLATE_NOOP("WindowMenu", "&Cascade")},
              {ID_WINDOW_TILE, QT_TRANSLATE_NOOP("WindowMenu", "&Tile")},
              {ID_WINDOW_ARRANGE, QT_TRANSLATE_NOOP("WindowMenu", "&Arrange Icons")}}},
            kHelpPopup};
}

} // namespace

const std::vector<MenuPopup>& MenuResource(int menuId) {
    static const std::vector<MenuPopup> noDocument{
        {QT_TRANSLATE_NOOP("MenuBar", "&File"),
         "FileMenu",
         {{ID_FILE_OPEN, QT_TRANSLATE_NOOP("FileMenu", "&Open...\tCtrl+O")},
          kSeparator,
          {ID_FILE_PRINT, QT_TRANSLATE_NOOP("FileMenu", "&Print...\tCtrl+P")},
          {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("FileMenu", "Print Pre&view")},
          {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("FileMenu", "P&rint Setup...")},
          kSeparator,
          kRecentFiles,
          kSeparator,
          {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("FileMenu", "&Close")},
          {ID_APP_EXIT, QT_TRANSLATE_NOOP("FileMenu", "E&xit")}}},
        {QT_TRANSLATE_NOOP("MenuBar", "&View"),
         "ViewMenu",
         {{ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("ViewMenu", "&Toolbar")},
          {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("ViewMenu", "&Status Bar")}}},
        kHelpPopup};
    static const std::vector<MenuPopup> photo =
        DocumentMenu(QT_TRANSLATE_NOOP("ViewMenu", "Refresh Mosaic"));
    static const std::vector<MenuPopup> mosaic =
        DocumentMenu(QT_TRANSLATE_NOOP("ViewMenu", "Refresh"));
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
        {ID_PAINT, QT_TRANSLATE_NOOP("CommandPrompt", "Show Paint Dialog\nShow Paint Dialog")},
        {ID_PHOTO_EDITOR,
         QT_TRANSLATE_NOOP("CommandPrompt", "Show Photo Editor\nShow Photo Editor")},
        {ID_REFRESH_MOSAIC, QT_TRANSLATE_NOOP("CommandPrompt", "Refresh Mosaic\nRefresh Mosaic")},
        {ID_MORE_SIZE,
         QT_TRANSLATE_NOOP("CommandPrompt", "More size in mosaic\nMore size in mosaic")},
        {ID_LESS_SIZE,
         QT_TRANSLATE_NOOP("CommandPrompt", "Less size in mosaic\nLess size in mosaic")},
        {ID_SHOW_ORIGINAL,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Show the photo in place of the drawing (hold \\ for a moment)\nShow "
                           "Original")},
        {ID_SPLIT_VIEW,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Show the photo left of a movable line, the drawing right of it\nSplit "
                           "View")},
        {ID_REVERT_TO_PHOTO,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Drop the drawing and show the photo again\nRevert to Photo")},
        {ID_ASK_TO_SAVE_DRAWINGS,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Ask whether to save a drawing when its window closes or leaves "
                           "its photo\nAsk to Save Drawings")},
        {ID_SAVE_LOOK,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Save the settings of this window as a look, by name or to a file\nSave "
                           "Look")},
        {ID_APPLY_LOOK,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Draw the photo with one of the saved looks\nApply Look")},
        {ID_APPLY_LOOK_FROM_FILE,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Draw the photo with the look of a look file or of a drawing "
                           "Kolvira made\nApply Look From File")},
        {ID_COPY_RENDER_COMMAND,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Copy the kolvira-render command that makes this drawing\nCopy "
                           "Render Command")},
        {ID_NEXT_PHOTO,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Show the next photo of the Mosaic in this window\nNext Photo")},
        {ID_PREVIOUS_PHOTO,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Show the previous photo of the Mosaic in this window\nPrevious Photo")},
        {ID_FULL_SCREEN,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Show the photo window on the whole screen; Esc leaves\nFull Screen")},
        {ID_RENDER_SELECTION,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Render the selected photos into drawing files\nRender Selection")},
        {ID_SORT_BY_NAME,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Show the photos in the order of their names\nSort by Name")},
        {ID_SORT_BY_DATE_TAKEN,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Show the photos in the order they were taken (the camera's date, "
                           "else the file's)\nSort by Date Taken")},
        {ID_SORT_BY_FILE_DATE,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Show the photos in the order their files were last changed\nSort "
                           "by File Date")},
        {ID_SORT_BY_SIZE,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Show the photos in the order of their files' sizes\nSort by Size")},
        {ID_SORT_BY_TYPE,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Show the photos in the order of their file types\nSort by Type")},
        {ID_SORT_REVERSE,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Show the photos in the opposite order\nReverse Order")},
        {ID_FILE_NEW, QT_TRANSLATE_NOOP("CommandPrompt", "Create a new document\nNew")},
        {ID_FILE_OPEN, QT_TRANSLATE_NOOP("CommandPrompt", "Open an existing document\nOpen")},
        {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("CommandPrompt", "Close the active document\nClose")},
        {ID_FILE_SAVE, QT_TRANSLATE_NOOP("CommandPrompt", "Save the active document\nSave")},
        {ID_FILE_SAVE_AS,
         QT_TRANSLATE_NOOP("CommandPrompt", "Save the active document with a new name\nSave As")},
        {ID_FILE_PRINT_SETUP,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Change the printer and printing options\nPrint Setup")},
        {ID_FILE_PRINT, QT_TRANSLATE_NOOP("CommandPrompt", "Print the active document\nPrint")},
        {ID_FILE_PRINT_PREVIEW,
         QT_TRANSLATE_NOOP("CommandPrompt", "Display full pages\nPrint Preview")},
        {ID_APP_ABOUT,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Display program information, version number and copyright\nAbout")},
        {ID_APP_EXIT, QT_TRANSLATE_NOOP("CommandPrompt",
                                        "Quit the application; prompts to save documents\nExit")},
        {ID_WINDOW_NEW,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Open another window for the active document\nNew Window")},
        {ID_WINDOW_ARRANGE,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Arrange icons at the bottom of the window\nArrange Icons")},
        {ID_WINDOW_CASCADE,
         QT_TRANSLATE_NOOP("CommandPrompt", "Arrange windows so they overlap\nCascade Windows")},
        {ID_WINDOW_TILE,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Arrange windows as non-overlapping tiles\nTile Windows")},
        {ID_VIEW_TOOLBAR,
         QT_TRANSLATE_NOOP("CommandPrompt", "Show or hide the toolbar\nToggle ToolBar")},
        {ID_VIEW_STATUS_BAR,
         QT_TRANSLATE_NOOP("CommandPrompt", "Show or hide the status bar\nToggle StatusBar")},
        {ID_HELP_FINDER, QT_TRANSLATE_NOOP("CommandPrompt", "List Help topics\nHelp Topics")},
        {ID_HELP,
         QT_TRANSLATE_NOOP("CommandPrompt", "Display help for current task or command\nHelp")},
        {ID_CONTEXT_HELP,
         QT_TRANSLATE_NOOP("CommandPrompt",
                           "Display help for clicked on buttons, menus and windows\nHelp")},
    };
    if (commandId >= ID_FILE_MRU_FIRST && commandId <= ID_FILE_MRU_LAST)
        return {QCoreApplication::translate("CommandPrompt", "Open this document"), QString()};
    const auto found = prompts.find(commandId);
    if (found == prompts.end())
        return {};
    const QString text = QCoreApplication::translate("CommandPrompt", found->second);
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
