#include "cli/OptionValues.h"

#include <QCoreApplication>

#include "imageio/LookFile.h"

#include <charconv>
#include <cmath>
#include <string>

namespace kolvira::cli {
namespace {

// std::from_chars does not skip blanks or take a '+' sign, unlike strtod;
// a leading '+' is still accepted so that "+0.5" means what it says.
std::string NumberText(const QString& text) {
    std::string s = text.toStdString();
    if (s.size() > 1 && s[0] == '+' && s[1] != '-' && s[1] != '+')
        s.erase(0, 1);
    return s;
}

} // namespace

ParsedValue<double> ParseLevel(const QString& text) {
    const std::string s = NumberText(text);
    double value = 0.0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || end != s.data() + s.size() || error == std::errc::invalid_argument)
        return {0.0, QCoreApplication::translate("CommandLine", "not a number")};
    // Overflow and underflow both come back as result_out_of_range.
    if (error == std::errc::result_out_of_range || !std::isfinite(value) || value < 0.0 ||
        value > 1.0)
        return {0.0, QCoreApplication::translate("CommandLine", "must be from 0.0 to 1.0")};
    return {value + 0.0, {}}; // + 0.0 turns -0.0 into 0.0
}

ParsedValue<std::int32_t> ParseInt32(const QString& text) {
    const std::string s = NumberText(text);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || end != s.data() + s.size() || error == std::errc::invalid_argument)
        return {0, QCoreApplication::translate("CommandLine", "not an integer")};
    if (error == std::errc::result_out_of_range)
        return {0, QCoreApplication::translate("CommandLine", "out of the 32-bit integer range")};
    return {value, {}};
}

ParsedValue<COLORREF> ParseHexColor(const QString& text) {
    const std::optional<COLORREF> color = ColorFromHex(text);
    if (!color)
        return {0, QCoreApplication::translate("CommandLine", "expected six hex digits RRGGBB")};
    return {*color, {}};
}

ParsedValue<std::int32_t> ParseStyleName(const QString& text) {
    const qsizetype style = StyleNames().indexOf(text);
    if (style >= 0)
        return {static_cast<std::int32_t>(style), {}};
    return {0, QCoreApplication::translate("CommandLine", "expected one of ") +
                   StyleNameList(QStringLiteral(", "))};
}

QString StyleNameList(const QString& separator) {
    return StyleNames().join(separator);
}

} // namespace kolvira::cli
