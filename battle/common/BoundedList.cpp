// SPDX-License-Identifier: MIT
#include "battle/common/BoundedList.h"

namespace battle {
namespace {

// The text cut after `width` characters of UTF-8, never inside one.
std::string cut(std::string_view text, std::size_t width)
{
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if ((static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
            continue;
        if (characters++ == width)
            return std::string(text.substr(0, at)) + "…";
    }
    return std::string(text);
}

} // namespace

std::string boundedList(const std::vector<std::string>& lines)
{
    std::string out;
    for (std::size_t index = 0; index < lines.size() && index < listedLines; ++index) {
        if (index > 0)
            out += '\n';
        out += cut(lines[index], listedWidth);
    }
    if (lines.size() > listedLines)
        out += "\n… and " + std::to_string(lines.size() - listedLines) + " more";
    return out;
}

} // namespace battle
