#include "imageio/LookFile.h"

#include "imageio/PictureMetadata.h"
#include "imageio/writing/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <limits>

#ifndef KOLVIRA_VERSION
#define KOLVIRA_VERSION "unknown"
#endif

namespace kolvira {
namespace {

constexpr char kFormatKey[] = "kolvira-look";
constexpr char kProgramKey[] = "program";
constexpr char kStyleKey[] = "style";
constexpr qint64 kMaxLookFileSize = 64 * 1024;

// One value of a look: exactly one of the member pointers is set.
struct LookField {
    const char* name;
    double RenderParameters::*level = nullptr;
    bool RenderParameters::*flag = nullptr;
    COLORREF RenderParameters::*color = nullptr;
    std::int32_t RenderParameters::*number = nullptr;
    std::int32_t minimum = std::numeric_limits<std::int32_t>::min();
};

// The style comes first and is read on its own (it has names).
const std::vector<LookField>& Fields() {
    using P = RenderParameters;
    static const std::vector<LookField> fields = {
        {"pen-press", &P::penPress},
        {"details", &P::details},
        {"brightness", &P::brightness},
        {"red", &P::redLevel},
        {"green", &P::greenLevel},
        {"blue", &P::blueLevel},
        {"invert", nullptr, &P::invertColors},
        {"shift", nullptr, &P::shiftColors},
        {"sandy-sky", nullptr, &P::sandySky},
        {"blur", nullptr, &P::blur},
        {"impression-brush", nullptr, &P::impressionBrush},
        {"stamp", nullptr, &P::stamp},
        {"bw-photo", nullptr, &P::blackWhitePhoto},
        {"bw-dream", nullptr, &P::blackWhiteDream},
        {"old-color", nullptr, nullptr, &P::oldColor},
        {"new-color", nullptr, nullptr, &P::newColor},
        {"depth", nullptr, nullptr, nullptr, &P::replaceDepth},
        // The brush dialog never stores an edge below one pixel.
        {"brush-size", nullptr, nullptr, nullptr, &P::brushSize, 1},
    };
    return fields;
}

QString Shown(const QJsonValue& value) {
    if (value.isString())
        return u'"' + value.toString() + u'"';
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
        .chopped(1)
        .mid(1);
}

// Stores `value` into the field; the problem with it, or an empty string.
QString ReadField(const LookField& field, const QJsonValue& value, RenderParameters& settings) {
    const QString name = QString::fromLatin1(field.name);
    if (field.level != nullptr) {
        const double level = value.toDouble(-1.0);
        if (!value.isDouble() || !(level >= 0.0 && level <= 1.0))
            return QCoreApplication::translate("kolvira::LookFile",
                                               "'%1' must be a number from 0.0 to 1.0, not %2")
                .arg(name, Shown(value));
        settings.*field.level = level + 0.0; // + 0.0 turns -0.0 into 0.0
    } else if (field.flag != nullptr) {
        if (!value.isBool())
            return QCoreApplication::translate("kolvira::LookFile",
                                               "'%1' must be true or false, not %2")
                .arg(name, Shown(value));
        settings.*field.flag = value.toBool();
    } else if (field.color != nullptr) {
        const std::optional<COLORREF> color = ColorFromHex(value.toString());
        if (!value.isString() || !color)
            return QCoreApplication::translate("kolvira::LookFile",
                                               "'%1' must be a colour \"#RRGGBB\", not %2")
                .arg(name, Shown(value));
        settings.*field.color = *color;
    } else {
        const double number = value.toDouble(0.5);
        if (!value.isDouble() || std::trunc(number) != number || number < field.minimum ||
            number > std::numeric_limits<std::int32_t>::max())
            return QCoreApplication::translate("kolvira::LookFile",
                                               "'%1' must be a whole number from %2 to %3, not %4")
                .arg(name)
                .arg(field.minimum)
                .arg(std::numeric_limits<std::int32_t>::max())
                .arg(Shown(value));
        settings.*field.number = static_cast<std::int32_t>(number);
    }
    return {};
}

QJsonValue FieldValue(const LookField& field, const RenderParameters& settings) {
    if (field.level != nullptr)
        return settings.*field.level;
    if (field.flag != nullptr)
        return settings.*field.flag;
    if (field.color != nullptr)
        return HexColor(settings.*field.color);
    return settings.*field.number;
}

// The format version's problem, or an empty string.
QString CheckFormat(const QJsonObject& look) {
    const QJsonValue version = look.value(QLatin1String(kFormatKey));
    if (version.isUndefined())
        return QCoreApplication::translate(
            "kolvira::LookFile", "not a Kolvira look: it has no \"kolvira-look\" format version");
    const double number = version.toDouble(0.0);
    if (!version.isDouble() || std::trunc(number) != number || number < 1)
        return QCoreApplication::translate(
                   "kolvira::LookFile", "\"kolvira-look\" must be a format version from 1, not %1")
            .arg(Shown(version));
    if (number > kLookFormatVersion)
        return QCoreApplication::translate(
                   "kolvira::LookFile",
                   "the look was made by a newer Kolvira (look format %1; this one reads format "
                   "%2): update Kolvira to use it")
            .arg(number)
            .arg(kLookFormatVersion);
    return {};
}

LookReading Failed(const QString& problem) {
    return {{}, problem};
}

} // namespace

const QStringList& LookSettingNames() {
    static const QStringList names = [] {
        QStringList all{QLatin1String(kStyleKey)};
        for (const LookField& field : Fields())
            all << QLatin1String(field.name);
        return all;
    }();
    return names;
}

const QStringList& StyleNames() {
    static const QStringList names = {"pen",     "pencil",  "coal",       "water-color",
                                      "picasso", "rainbow", "revolution", "effects"};
    return names;
}

QString HexColor(COLORREF color) {
    return QStringLiteral("#%1%2%3")
        .arg(RedOf(color), 2, 16, QLatin1Char('0'))
        .arg(GreenOf(color), 2, 16, QLatin1Char('0'))
        .arg(BlueOf(color), 2, 16, QLatin1Char('0'));
}

std::optional<COLORREF> ColorFromHex(const QString& text) {
    const QString digits = text.startsWith(u'#') ? text.mid(1) : text;
    const auto isHex = [](QChar c) {
        return c.isDigit() || QStringLiteral("abcdefABCDEF").contains(c);
    };
    if (digits.size() != 6 || !std::all_of(digits.begin(), digits.end(), isHex))
        return std::nullopt;
    const unsigned rgb = digits.toUInt(nullptr, 16);
    return MakeColorref(rgb >> 16, rgb >> 8, rgb);
}

QByteArray LookToJson(const RenderParameters& settings, LookLayout layout) {
    QJsonObject look;
    look.insert(QLatin1String(kFormatKey), kLookFormatVersion);
    look.insert(QLatin1String(kProgramKey), QStringLiteral("Kolvira " KOLVIRA_VERSION));
    const bool named = settings.style >= 0 && settings.style < StyleNames().size();
    look.insert(QLatin1String(kStyleKey),
                named ? QJsonValue(StyleNames()[settings.style]) : QJsonValue(settings.style));
    for (const LookField& field : Fields())
        look.insert(QLatin1String(field.name), FieldValue(field, settings));
    return QJsonDocument(look).toJson(layout == LookLayout::Indented ? QJsonDocument::Indented
                                                                     : QJsonDocument::Compact);
}

QStringList LookToArguments(const RenderParameters& settings) {
    QStringList arguments{QStringLiteral("--style"), StyleNames().value(settings.style)};
    for (const LookField& field : Fields()) {
        const QString option = QStringLiteral("--") + QLatin1String(field.name);
        if (field.flag != nullptr) {
            if (settings.*field.flag)
                arguments << option;
        } else if (field.level != nullptr) {
            // The shortest text that reads back as the same double.
            arguments << option
                      << QString::number(settings.*field.level, 'g',
                                         QLocale::FloatingPointShortest);
        } else if (field.color != nullptr) {
            arguments << option << HexColor(settings.*field.color);
        } else {
            arguments << option << QString::number(settings.*field.number);
        }
    }
    return arguments;
}

LookReading LookFromJson(const QByteArray& json) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return Failed(
            QCoreApplication::translate("kolvira::LookFile", "not valid JSON: %1 at character %2")
                .arg(parseError.errorString())
                .arg(parseError.offset));
    if (!document.isObject())
        return Failed(QCoreApplication::translate(
            "kolvira::LookFile", "not a Kolvira look: the file holds no JSON object"));
    const QJsonObject look = document.object();
    if (const QString problem = CheckFormat(look); !problem.isEmpty())
        return Failed(problem);
    for (auto it = look.begin(); it != look.end(); ++it) {
        if (it.key() != QLatin1String(kFormatKey) && it.key() != QLatin1String(kProgramKey) &&
            !LookSettingNames().contains(it.key()))
            return Failed(QCoreApplication::translate("kolvira::LookFile", "unknown setting '%1'")
                              .arg(it.key()));
    }
    for (const QString& name : LookSettingNames()) {
        if (!look.contains(name))
            return Failed(
                QCoreApplication::translate("kolvira::LookFile", "the setting '%1' is missing")
                    .arg(name));
    }

    LookReading reading;
    RenderParameters& settings = reading.settings;
    settings.active = true;
    const QJsonValue style = look.value(QLatin1String(kStyleKey));
    settings.style = static_cast<std::int32_t>(StyleNames().indexOf(style.toString()));
    if (!style.isString() || settings.style < 0)
        return Failed(
            QCoreApplication::translate("kolvira::LookFile", "'style' must be one of %1, not %2")
                .arg(StyleNames().join(QStringLiteral(", ")), Shown(style)));
    for (const LookField& field : Fields()) {
        if (const QString problem =
                ReadField(field, look.value(QLatin1String(field.name)), settings);
            !problem.isEmpty())
            return Failed(problem);
    }
    return reading;
}

LookReading ReadLookFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failed(
            QCoreApplication::translate("kolvira::LookFile", "cannot read the look '%1': %2")
                .arg(path, file.errorString()));
    if (file.size() > kMaxLookFileSize)
        return Failed(
            QCoreApplication::translate("kolvira::LookFile", "'%1' is too large to be a look")
                .arg(path));
    LookReading reading = LookFromJson(file.readAll());
    if (!reading.ok())
        reading.error =
            QCoreApplication::translate("kolvira::LookFile", "the look '%1' cannot be used: %2")
                .arg(path, reading.error);
    return reading;
}

LookReading ReadLookFromPicture(const QString& path) {
    const QByteArray json = CarriedMetadata::LookOf(QFile::encodeName(path));
    if (json.isEmpty())
        return Failed(QCoreApplication::translate(
                          "kolvira::LookFile",
                          "'%1' carries no look (it was not drawn by Kolvira, or its metadata was "
                          "stripped)")
                          .arg(path));
    LookReading reading = LookFromJson(json);
    if (!reading.ok())
        reading.error =
            QCoreApplication::translate("kolvira::LookFile", "the look in '%1' cannot be used: %2")
                .arg(path, reading.error);
    return reading;
}

LookReading ReadLook(const QString& nameOrFile) {
    if (nameOrFile.contains(u'/') || nameOrFile.endsWith(u".json", Qt::CaseInsensitive))
        return ReadLookFile(nameOrFile);
    const QString path = SavedLookPath(nameOrFile);
    if (!QFile::exists(path))
        return Failed(
            QCoreApplication::translate("kolvira::LookFile", "there is no saved look '%1' in %2")
                .arg(nameOrFile, LooksFolder()));
    return ReadLookFile(path);
}

WriteOutcome WriteLookFile(const QString& path, const RenderParameters& settings) {
    const QByteArray json = LookToJson(settings);
    return WriteFileAtomically(path, [&json](QIODevice& file) {
        if (file.write(json) != json.size())
            return WriteOutcome::Failed(file.errorString());
        return WriteOutcome::Written();
    });
}

QString LooksFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/kolvira/looks");
}

QStringList SavedLookNames() {
    QStringList names;
    const QStringList files =
        QDir(LooksFolder()).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        names << file.chopped(5);
    return names;
}

QString SavedLookPath(const QString& name) {
    return LooksFolder() + u'/' + name + QStringLiteral(".json");
}

QString LookNameProblem(const QString& name) {
    if (name.trimmed().isEmpty())
        return QCoreApplication::translate("kolvira::LookFile", "a look needs a name");
    if (name.contains(u'/') || name.startsWith(u'.') || name.contains(QChar(0)))
        return QCoreApplication::translate("kolvira::LookFile",
                                           "a look's name cannot start with '.' or hold '/'");
    return {};
}

} // namespace kolvira
