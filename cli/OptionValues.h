// Parsers for the values of the command-line options. They accept the whole
// text or nothing, independently of the user's locale, and say what is wrong
// in a few words that the caller puts after the option's name.
#pragma once

#include "render/Colorref.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace kolvira::cli {

template <typename T> struct ParsedValue {
    T value{};
    QString problem; // empty when `value` holds the parsed text
    bool ok() const { return problem.isEmpty(); }
};

// A slider value as the render settings store it: a decimal number from 0.0 to 1.0.
ParsedValue<double> ParseLevel(const QString& text);

// A decimal 32-bit integer, optionally signed.
ParsedValue<std::int32_t> ParseInt32(const QString& text);

// RRGGBB as six hex digits, optionally after '#', turned into a COLORREF.
ParsedValue<COLORREF> ParseHexColor(const QString& text);

// One of the style names (pen, pencil, ..., effects), turned into its style number.
ParsedValue<std::int32_t> ParseStyleName(const QString& text);

// The style names in style-number order, for the help text and messages.
QString StyleNameList(const QString& separator);

} // namespace kolvira::cli
