#include "DamageSigns.h"

#include <array>

namespace kolvira {
namespace {

// Lower-case fragments of the codecs' messages about lost picture data.
constexpr std::array<const char*, 8> damageFragments = {
    "premature end", "corrupt jpeg data", "truncated",  "crc error",
    "read error",    "unexpected end",    "incomplete", "bad huffman",
};

// Corrupt in name only: the picture is complete, with a few bytes to spare.
constexpr const char* harmlessFragment = "extraneous bytes";

} // namespace

QString DamageSign(const QStringList& codecMessages) {
    for (const QString& message : codecMessages) {
        const QString lower = message.toLower();
        if (lower.contains(QLatin1String(harmlessFragment)))
            continue;
        for (const char* fragment : damageFragments) {
            if (lower.contains(QLatin1String(fragment)))
                return message;
        }
    }
    return {};
}

QString EndsEarlyReason() {
    return QStringLiteral("the file ends before the picture does");
}

} // namespace kolvira
