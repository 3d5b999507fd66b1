// The command identifiers of the menus, the toolbar and the accelerators.
// The framework commands keep their customary numbers, the program's own
// commands theirs; each QAction carries its id as data.
#pragma once

namespace kolvira {

enum CommandId : int {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_DIRECT = 57608,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FIRST = 57616, // the ten recent files are 57616..57625
    ID_FILE_MRU_LAST = 57631,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_WINDOW_NEW = 57648,
    ID_WINDOW_ARRANGE = 57649,
    ID_WINDOW_CASCADE = 57650,
    ID_WINDOW_TILE = 57651,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_FINDER = 57667,
    ID_CONTEXT_HELP = 57669,
    ID_HELP = 57670,
    ID_DEFAULT_HELP = 57671,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,

    ID_PAINT = 32771,
    ID_PHOTO_EDITOR = 32774,
    ID_REFRESH_MOSAIC = 32783,
    ID_MORE_SIZE = 32786,
    ID_LESS_SIZE = 32787,
    ID_RENDER_SELECTION = 32790,
    ID_SHOW_ORIGINAL = 32791,
    ID_SPLIT_VIEW = 32792,
    ID_REVERT_TO_PHOTO = 32793,
    ID_NEXT_PHOTO = 32794,
    ID_PREVIOUS_PHOTO = 32795,
    ID_FULL_SCREEN = 32796,
    ID_ASK_TO_SAVE_DRAWINGS = 32797,
    ID_SAVE_LOOK = 32798,
    ID_APPLY_LOOK = 32799,
    ID_APPLY_LOOK_FROM_FILE = 32800,
    ID_COPY_RENDER_COMMAND = 32801,
    ID_SORT_BY_NAME = 32802,
    ID_SORT_BY_DATE_TAKEN = 32803,
    ID_SORT_BY_FILE_DATE = 32804,
    ID_SORT_BY_SIZE = 32805,
    ID_SORT_BY_TYPE = 32806,
    ID_SORT_REVERSE = 32807,
};

inline constexpr int kRecentFileCount = 10;

} // namespace kolvira
