#include "cli/Sharding.h"

#include <QCoreApplication>

namespace kolvira::cli {

ParsedValue<Shard> ParseShard(const QString& text) {
    ParsedValue<Shard> result;
    const qsizetype slash = text.indexOf(u'/');
    const ParsedValue<std::int32_t> index = ParseInt32(slash < 0 ? text : text.left(slash));
    const ParsedValue<std::int32_t> count = ParseInt32(slash < 0 ? QString() : text.mid(slash + 1));
    if (!index.ok() || !count.ok())
        result.problem = QCoreApplication::translate(
            "CommandLine", "must be K/N, the K-th of N slices, such as 2/8");
    else if (count.value < 1)
        result.problem = QCoreApplication::translate("CommandLine", "N must be at least 1");
    else if (index.value < 1 || index.value > count.value)
        result.problem = QCoreApplication::translate("CommandLine", "K must be from 1 to N (%1)")
                             .arg(count.value);
    else
        result.value = Shard{index.value, count.value};
    return result;
}

std::uint64_t PathHash(const QByteArray& path) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char byte : path) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

int ShardOf(const QByteArray& path, int count) {
    // The high bits pick the slice: FNV-1a's low bits mix poorly (its lowest
    // is the parity of the bytes' lowest bits).
    const auto scaled =
        static_cast<unsigned __int128>(PathHash(path)) * static_cast<unsigned>(count);
    return static_cast<int>(scaled >> 64) + 1;
}

} // namespace kolvira::cli
