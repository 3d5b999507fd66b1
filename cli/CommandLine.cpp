#include "cli/CommandLine.h"

#include "cli/OptionValues.h"
#include "imageio/LookFile.h"
#include "imageio/writing/PictureFiles.h"
#include "imageio/writing/WritableFormats.h"
#include "mosaic/BatchRendering.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

namespace kolvira::cli {
namespace {

// Applies an option's value to the options; returns what is wrong with the
// value, or an empty string.
using ValueSetter = std::function<QString(CliOptions&, const QString&)>;
using Switch = bool RenderParameters::*;

struct OptionDefinition {
    const char* longName; // without the leading "--"
    char shortName;       // 0 when there is none
    bool takesValue;
    ValueSetter apply;
};

template <typename T> QString Store(const ParsedValue<T>& parsed, T& target) {
    if (parsed.ok())
        target = parsed.value;
    return parsed.problem;
}

ValueSetter SetLevel(double RenderParameters::*field) {
    return [field](CliOptions& o, const QString& v) {
        return Store(ParseLevel(v), o.settings.*field);
    };
}

ValueSetter SetSwitch(Switch field) {
    return [field](CliOptions& o, const QString&) {
        o.settings.*field = true;
        return QString();
    };
}

ValueSetter SetColor(COLORREF RenderParameters::*field) {
    return [field](CliOptions& o, const QString& v) {
        return Store(ParseHexColor(v), o.settings.*field);
    };
}

// An integer option that must be at least `minimum`.
ValueSetter SetCount(int CliOptions::*field, int minimum) {
    return [field, minimum](CliOptions& o, const QString& v) {
        const ParsedValue<std::int32_t> parsed = ParseInt32(v);
        if (!parsed.ok())
            return parsed.problem;
        if (parsed.value < minimum)
            return QCoreApplication::translate("CommandLine", "must be at least %1").arg(minimum);
        o.*field = parsed.value;
        return QString();
    };
}

// An integer option that must lie in minimum..maximum.
ValueSetter SetRanged(int CliOptions::*field, int minimum, int maximum) {
    return [field, minimum, maximum](CliOptions& o, const QString& v) {
        const ParsedValue<std::int32_t> parsed = ParseInt32(v);
        if (!parsed.ok())
            return parsed.problem;
        if (parsed.value < minimum || parsed.value > maximum)
            return QCoreApplication::translate("CommandLine", "must be from %1 to %2")
                .arg(minimum)
                .arg(maximum);
        o.*field = parsed.value;
        return QString();
    };
}

ValueSetter SetPath(QString CliOptions::*field) {
    return [field](CliOptions& o, const QString& v) {
        o.*field = v;
        return v.isEmpty() ? QCoreApplication::translate("CommandLine", "must not be empty")
                           : QString();
    };
}

QString SetFormat(CliOptions& o, const QString& v) {
    o.batchSuffix = (v.startsWith(u'.') ? v.mid(1) : v).toLower();
    return o.batchSuffix.isEmpty() ? QCoreApplication::translate("CommandLine", "must not be empty")
                                   : QString();
}

QString SetBrushSize(CliOptions& o, const QString& v) {
    const QString problem = Store(ParseInt32(v), o.settings.brushSize);
    // The brush dialog never stores an edge below one pixel.
    o.settings.brushSize = std::max(o.settings.brushSize, 1);
    return problem;
}

QString SetQuiet(CliOptions& o, const QString&) {
    o.quiet = true;
    return {};
}

QString SetContactSheet(CliOptions& o, const QString& v) {
    o.action = CliAction::ContactSheet;
    o.sheetFolder = v;
    return v.isEmpty() ? QCoreApplication::translate("CommandLine", "must not be empty")
                       : QString();
}

// A whole look in place of the settings so far; options after it change single values.
ValueSetter SetLook(LookReading (*read)(const QString&)) {
    return [read](CliOptions& o, const QString& v) {
        const LookReading look = read(v);
        if (look.ok())
            o.settings = look.settings;
        return look.error;
    };
}

ValueSetter SetFlag(bool CliOptions::*field, bool value) {
    return [field, value](CliOptions& o, const QString&) {
        o.*field = value;
        return QString();
    };
}

ValueSetter SetAction(CliAction action) {
    return [action](CliOptions& o, const QString&) {
        o.action = action;
        return QString();
    };
}

const std::vector<OptionDefinition>& OptionTable() {
    static const std::vector<OptionDefinition> table = {
        {"output", 'o', true, SetPath(&CliOptions::outputFile)},
        {"output-dir", 'd', true, SetPath(&CliOptions::outputDir)},
        {"format", 0, true, SetFormat},
        {"style", 0, true,
         [](CliOptions& o, const QString& v) {
             return Store(ParseStyleName(v), o.settings.style);
         }},
        {"pen-press", 0, true, SetLevel(&RenderParameters::penPress)},
        {"details", 0, true, SetLevel(&RenderParameters::details)},
        {"brightness", 0, true, SetLevel(&RenderParameters::brightness)},
        {"red", 0, true, SetLevel(&RenderParameters::redLevel)},
        {"green", 0, true, SetLevel(&RenderParameters::greenLevel)},
        {"blue", 0, true, SetLevel(&RenderParameters::blueLevel)},
        {"invert", 0, false, SetSwitch(&RenderParameters::invertColors)},
        {"shift", 0, false, SetSwitch(&RenderParameters::shiftColors)},
        {"sandy-sky", 0, false, SetSwitch(&RenderParameters::sandySky)},
        {"blur", 0, false, SetSwitch(&RenderParameters::blur)},
        {"impression-brush", 0, false, SetSwitch(&RenderParameters::impressionBrush)},
        {"stamp", 0, false, SetSwitch(&RenderParameters::stamp)},
        {"bw-photo", 0, false, SetSwitch(&RenderParameters::blackWhitePhoto)},
        {"bw-dream", 0, false, SetSwitch(&RenderParameters::blackWhiteDream)},
        {"old-color", 0, true, SetColor(&RenderParameters::oldColor)},
        {"new-color", 0, true, SetColor(&RenderParameters::newColor)},
        {"depth", 0, true,
         [](CliOptions& o, const QString& v) {
             return Store(ParseInt32(v), o.settings.replaceDepth);
         }},
        {"brush-size", 0, true, SetBrushSize},
        {"look", 0, true, SetLook(ReadLook)},
        {"look-from", 0, true, SetLook(ReadLookFromPicture)},
        {"print-look", 0, false, SetAction(CliAction::PrintLook)},
        {"width", 0, true, SetCount(&CliOptions::width, 1)},
        {"threads", 0, true, SetCount(&CliOptions::threads, 0)},
        {"contact-sheet", 0, true, SetContactSheet},
        {"thumb-width", 0, true,
         SetRanged(&CliOptions::thumbWidth, kMinThumbWidth, kMaxThumbWidth)},
        {"dpi", 0, true, SetRanged(&CliOptions::sheetDpi, kMinSheetDpi, kMaxSheetDpi)},
        {"quiet", 'q', false, SetQuiet},
        {"strip", 0, false,
         [](CliOptions& o, const QString&) {
             o.strip = true;
             return QString();
         }},
        {"shard", 0, true,
         [](CliOptions& o, const QString& v) { return Store(ParseShard(v), o.shard); }},
        {"skip-existing", 0, false, SetFlag(&CliOptions::skipExisting, true)},
        {"files-from", 0, true, SetPath(&CliOptions::filesFrom)},
        {"null", '0', false, SetFlag(&CliOptions::nulSeparated, true)},
        {"report", 0, true, SetPath(&CliOptions::reportFile)},
        {"no-thumbnail-cache", 0, false, SetFlag(&CliOptions::writeThumbnailCache, false)},
        {"help", 'h', false, SetAction(CliAction::ShowHelp)},
        {"version", 0, false, SetAction(CliAction::ShowVersion)},
    };
    return table;
}

const OptionDefinition* FindLong(const QString& name) {
    for (const OptionDefinition& option : OptionTable()) {
        if (name == QLatin1String(option.longName))
            return &option;
    }
    return nullptr;
}

const OptionDefinition* FindShort(QChar name) {
    for (const OptionDefinition& option : OptionTable()) {
        if (option.shortName != 0 && name == QLatin1Char(option.shortName))
            return &option;
    }
    return nullptr;
}

// An option as it stood on the command line.
struct GivenOption {
    const OptionDefinition* option;
    QString shownName;
};

bool IsOneOf(const OptionDefinition* option, std::initializer_list<const char*> longNames) {
    return std::any_of(longNames.begin(), longNames.end(), [option](const char* name) {
        return QLatin1String(option->longName) == QLatin1String(name);
    });
}

// The options that make sense for a contact sheet; the drawing, effect and
// output-folder options would be silently ignored, so they are refused.
bool AppliesToContactSheet(const OptionDefinition* option) {
    return IsOneOf(option, {"output", "contact-sheet", "thumb-width", "dpi", "threads", "quiet",
                            "no-thumbnail-cache"});
}

// An option that sets a value of the look, named as in a look file.
bool SetsLookValue(const OptionDefinition* option) {
    return LookSettingNames().contains(QLatin1String(option->longName));
}

bool SetsWholeLook(const OptionDefinition* option) {
    return IsOneOf(option, {"look", "look-from"});
}

// A value given before a whole look would be lost without a word.
QString CheckLookOrder(const OptionDefinition* option, const QString& shownName,
                       const std::vector<GivenOption>& given) {
    if (!SetsWholeLook(option))
        return {};
    for (const GivenOption& g : given) {
        if (SetsLookValue(g.option) || SetsWholeLook(g.option))
            return QStringLiteral("%1 comes before %2, which sets every value: put it after")
                .arg(g.shownName, shownName);
    }
    return {};
}

// --print-look takes the look's options only, and no pictures.
QString CheckPrintLook(const CliOptions& o, const std::vector<GivenOption>& given) {
    for (const GivenOption& g : given) {
        if (!SetsLookValue(g.option) && !SetsWholeLook(g.option) &&
            !IsOneOf(g.option, {"print-look"}))
            return QStringLiteral("%1 cannot be used with --print-look").arg(g.shownName);
    }
    if (!o.inputs.isEmpty())
        return QStringLiteral("--print-look takes no input pictures (got '%1')")
            .arg(o.inputs.first());
    return {};
}

QString CheckContactSheet(const CliOptions& o, const std::vector<GivenOption>& given) {
    for (const GivenOption& g : given) {
        if (!AppliesToContactSheet(g.option))
            return QCoreApplication::translate("CommandLine",
                                               "%1 cannot be used with --contact-sheet")
                .arg(g.shownName);
    }
    if (!o.inputs.isEmpty())
        return QCoreApplication::translate(
                   "CommandLine",
                   "--contact-sheet takes no input pictures, only its folder (got '%1')")
            .arg(o.inputs.first());
    if (o.outputFile.isEmpty())
        return QCoreApplication::translate("CommandLine", "no output given: use -o SHEET.pdf");
    // The sheet is always a PDF; a picture's name would hide that.
    if (QFileInfo(o.outputFile).suffix().compare(u"pdf", Qt::CaseInsensitive) != 0)
        return QCoreApplication::translate("CommandLine",
                                           "a contact sheet is a PDF: name it SHEET.pdf (got '%1')")
            .arg(o.outputFile);
    return {};
}

// Checks the combination of inputs and outputs once every option is read,
// and settles the output format.
QString CheckOutputs(CliOptions& o, const std::vector<GivenOption>& given) {
    for (const GivenOption& g : given) {
        if (IsOneOf(g.option, {"thumb-width", "dpi", "no-thumbnail-cache"}))
            return QCoreApplication::translate("CommandLine",
                                               "%1 applies only with --contact-sheet")
                .arg(g.shownName);
    }
    if (o.nulSeparated && o.filesFrom.isEmpty())
        return QCoreApplication::translate("CommandLine", "-0 applies only with --files-from");
    if (!o.filesFrom.isEmpty() && !o.outputFile.isEmpty())
        return QCoreApplication::translate(
            "CommandLine", "--files-from takes several inputs: use -d OUTDIR, not -o");
    if (o.inputs.isEmpty() && o.filesFrom.isEmpty())
        return QCoreApplication::translate("CommandLine", "no input picture given");
    if (o.inputs.contains(QString()))
        return QCoreApplication::translate("CommandLine", "an input file name is empty");
    const bool toFile = !o.outputFile.isEmpty();
    const bool toDir = !o.outputDir.isEmpty();
    if (toFile && toDir)
        return QCoreApplication::translate("CommandLine", "-o and -d cannot be used together");
    if (!toFile && !toDir)
        return QCoreApplication::translate("CommandLine",
                                           "no output given: use -o OUTPUT or -d OUTDIR");
    if (toFile && o.inputs.size() > 1)
        return QCoreApplication::translate(
            "CommandLine", "-o takes a single input picture; use -d OUTDIR for several");
    if (toFile && !o.batchSuffix.isEmpty())
        return QStringLiteral(
            "--format applies only with -d; with -o the extension names the format");
    if (toFile) {
        const QString suffix = QFileInfo(o.outputFile).suffix();
        o.writerFormat = WriterFormatForSuffix(suffix);
        if (o.writerFormat.isEmpty())
            return QCoreApplication::translate(
                       "CommandLine",
                       "cannot tell the output format from '%1': use an extension such "
                       "as .png or .jpg")
                .arg(o.outputFile);
        return {};
    }
    if (o.batchSuffix.isEmpty())
        o.batchSuffix = WritableFormats().front().suffixes.first();
    o.writerFormat = WriterFormatForSuffix(o.batchSuffix);
    if (o.writerFormat.isEmpty())
        return QCoreApplication::translate("CommandLine", "unknown output format '%1' for --format")
            .arg(o.batchSuffix);
    return {};
}

} // namespace

RenderParameters DefaultRenderSettings() {
    return kolvira::DefaultRenderSettings();
}

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
    ParsedCommandLine result;
    CliOptions& o = result.options;
    o.settings = DefaultRenderSettings();
    auto fail = [&result](const QString& problem) {
        result.error = problem;
        return result;
    };

    std::vector<GivenOption> given;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (optionsEnded || !arg.startsWith(u'-') || arg == u"-") {
            o.inputs << arg;
            continue;
        }
        if (arg == u"--") {
            optionsEnded = true;
            continue;
        }

        // Split "--name=value", "-xVALUE", "--name" and "-x" into option and inline value.
        const OptionDefinition* option = nullptr;
        QString shownName = arg;
        std::optional<QString> inlineValue;
        if (arg.startsWith(u"--")) {
            const qsizetype equals = arg.indexOf(u'=');
            shownName = equals < 0 ? arg : arg.left(equals);
            if (equals >= 0)
                inlineValue = arg.mid(equals + 1);
            option = FindLong(shownName.mid(2));
        } else {
            shownName = arg.left(2);
            option = FindShort(arg[1]);
            if (arg.size() > 2 && option != nullptr && option->takesValue) {
                inlineValue = arg.mid(2);
            } else if (arg.size() > 2) {
                option = nullptr; // switches are not bundled: "-qh" is not "-q -h"
                shownName = arg;
            }
        }
        if (option == nullptr)
            return fail(
                QCoreApplication::translate("CommandLine", "unknown option '%1'").arg(shownName));

        QString value;
        if (option->takesValue) {
            if (inlineValue) {
                value = *inlineValue;
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i]; // taken as is, so "--depth -5" works
            } else {
                return fail(QCoreApplication::translate("CommandLine", "option '%1' needs a value")
                                .arg(shownName));
            }
        } else if (inlineValue) {
            return fail(QCoreApplication::translate("CommandLine", "option '%1' takes no value")
                            .arg(shownName));
        }

        if (const QString misplaced = CheckLookOrder(option, shownName, given);
            !misplaced.isEmpty())
            return fail(misplaced);
        const QString problem = option->apply(o, value);
        if (!problem.isEmpty())
            return fail(QCoreApplication::translate("CommandLine", "invalid value '%1' for %2: %3")
                            .arg(value, shownName, problem));
        if (o.action == CliAction::ShowHelp || o.action == CliAction::ShowVersion)
            return result;
        given.push_back({option, shownName});
    }
    if (o.action == CliAction::ContactSheet)
        result.error = CheckContactSheet(o, given);
    else if (o.action == CliAction::PrintLook)
        result.error = CheckPrintLook(o, given);
    else
        result.error = CheckOutputs(o, given);
    return result;
}

bool AsksForContactSheet(const QStringList& arguments) {
    for (const QString& arg : arguments) {
        if (arg == u"--")
            return false;
        if (arg == u"--contact-sheet" || arg.startsWith(u"--contact-sheet="))
            return true;
    }
    return false;
}

bool NeedsFonts(const QStringList& arguments) {
    const auto metafile = [](const QString& arg) {
        return arg.endsWith(u".wmf", Qt::CaseInsensitive) ||
               arg.endsWith(u".emf", Qt::CaseInsensitive);
    };
    const auto list = [](const QString& arg) {
        return arg == u"--files-from" || arg.startsWith(u"--files-from=");
    };
    return AsksForContactSheet(arguments) ||
           std::any_of(arguments.begin(), arguments.end(), metafile) ||
           std::any_of(arguments.begin(), arguments.end(), list);
}

} // namespace kolvira::cli
