#include "app/CommandIcons.h"

#include "framework/CommandIds.h"

#include <QString>

#include <algorithm>
#include <array>

// The icon files are compiled into this static library; nothing else refers
// to them there, so the linker would leave them out unless asked for.
static void RegisterIconFiles() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)registered;
}

namespace kolvira {
namespace {

// An SVG from res/icons: drawn afresh at each size and pixel ratio asked for,
// so the icons stay sharp on HiDPI screens.
QIcon IconFile(const char* name) {
    RegisterIconFiles();
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

struct CommandIconFile {
    int commandId;
    const char* name;
};

constexpr std::array kCommandIconFiles{
    CommandIconFile{ID_FILE_OPEN, "open"},
    CommandIconFile{ID_FILE_PRINT_PREVIEW, "print-preview"},
    CommandIconFile{ID_FILE_PRINT, "print"},
    CommandIconFile{ID_REFRESH_MOSAIC, "refresh-mosaic"},
    CommandIconFile{ID_MORE_SIZE, "more-size"},
    CommandIconFile{ID_LESS_SIZE, "less-size"},
    CommandIconFile{ID_PAINT, "paint"},
    CommandIconFile{ID_PHOTO_EDITOR, "photo-editor"},
};

} // namespace

QIcon CommandIcon(int commandId) {
    const auto found =
        std::find_if(kCommandIconFiles.begin(), kCommandIconFiles.end(),
                     [&](const CommandIconFile& file) { return file.commandId == commandId; });
    return found == kCommandIconFiles.end() ? QIcon() : IconFile(found->name);
}

QIcon ApplicationIcon() {
    return IconFile("kolvira");
}

QIcon PhotoWindowIcon() {
    return IconFile("photo-window");
}

QIcon MosaicWindowIcon() {
    return IconFile("mosaic-window");
}

} // namespace kolvira
