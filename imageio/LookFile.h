// A look: every value of a rendering by name, in a small JSON file that the
// photo windows, Render Selection and kolvira-render all read and write the
// same way, so that a look tuned on screen renders the same picture
// anywhere. Saved looks live in $XDG_DATA_HOME/kolvira/looks/NAME.json, and
// every drawing carries the look it was made with (PictureMetadata.h).
//
//   {
//       "kolvira-look": 1,           the format version
//       "program": "Kolvira 1.2",    the program that wrote it
//       "style": "pen",              pen ... revolution, or effects
//       "pen-press": 0.25, ...       the slider values, 0.0 to 1.0
//       "blur": false, ...           the eight effect switches
//       "old-color": "#000000", ...  the colour replacement and its depth
//       "brush-size": 2              the impression brush, at least 1
//   }
//
// The keys are kolvira-render's option names. Reading is strict: a key
// missing or unknown, a value of the wrong kind or out of range, or a newer
// format version is refused with a message, never replaced by a default.
#pragma once

#include "imageio/writing/WriteOutcome.h"
#include "render/RenderParameters.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace kolvira {

// The format version this program writes and the newest it reads.
inline constexpr int kLookFormatVersion = 1;

// The names of the values a look holds, in the order the options list them.
const QStringList& LookSettingNames();

// The style names (pen, pencil, ..., effects) in style-number order.
const QStringList& StyleNames();

// #RRGGBB and back; nullopt unless `text` is six hex digits after an optional '#'.
QString HexColor(COLORREF color);
std::optional<COLORREF> ColorFromHex(const QString& text);

enum class LookLayout { Indented, OneLine };

// The look of `settings` (whose `active` it does not hold: a look always
// renders). Indented ends with a newline; OneLine is what a picture carries.
QByteArray LookToJson(const RenderParameters& settings, LookLayout layout = LookLayout::Indented);

// kolvira-render's options that set the values of `settings`: the style,
// every level and colour exactly, the depth and brush size, and the
// switches that are on.
QStringList LookToArguments(const RenderParameters& settings);

struct LookReading {
    RenderParameters settings; // active, when `error` is empty
    QString error;             // one sentence naming the problem
    bool ok() const { return error.isEmpty(); }
};

LookReading LookFromJson(const QByteArray& json);

// A look file by its path; the error names the file.
LookReading ReadLookFile(const QString& path);

// The look a picture file carries; the error says when it carries none.
LookReading ReadLookFromPicture(const QString& path);

// A saved look's name, or a path (it holds a '/' or ends in .json).
LookReading ReadLook(const QString& nameOrFile);

// Writes the look atomically.
WriteOutcome WriteLookFile(const QString& path, const RenderParameters& settings);

// Where the saved looks are, their names in order, and the file of one.
QString LooksFolder();
QStringList SavedLookNames();
QString SavedLookPath(const QString& name);

// What is wrong with `name` as a saved look's name, or an empty string.
QString LookNameProblem(const QString& name);

} // namespace kolvira
