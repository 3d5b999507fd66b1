// Splitting one input list into N slices for N independent runs (hosts,
// array jobs). An input's slice comes from a hash of its path's bytes only,
// so every run agrees on the slices however its copy of the list is ordered.
#pragma once

#include "cli/OptionValues.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace kolvira::cli {

struct Shard {
    int index = 0; // 1-based; 0 when the run takes every input
    int count = 0;
    bool IsWhole() const { return index == 0; }
};

// "K/N" with 1 <= K <= N.
ParsedValue<Shard> ParseShard(const QString& text);

// 64-bit FNV-1a of the bytes. Part of the command line's contract: a change
// would move inputs between slices for runs of different versions.
std::uint64_t PathHash(const QByteArray& path);

// The 1-based slice of `count` that `path` falls in.
int ShardOf(const QByteArray& path, int count);

} // namespace kolvira::cli
