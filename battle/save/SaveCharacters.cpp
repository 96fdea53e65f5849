// SPDX-License-Identifier: MIT
#include "battle/save/SaveCodes.h"

#include <array>

namespace battle::save {
namespace {

// The English font, sixteen codes a row from the row's first; "" where it has no glyph. The
// control codes print as the words the game expands them to; 0xE1 0xE2 are the PK MN tiles.
struct CharacterRow {
    std::uint8_t first;
    std::array<std::string_view, 16> texts;
};
// clang-format off
constexpr std::array<CharacterRow, 9> characterRows{{
    {0x40, {"",  "",   "",   "",  "",    "",   "",   "",  "",  "",  "PKMN", "",   "",   "",        "",       ""}},
    {0x50, {"",  "",   "",   "",  "POKé", "",  "……", "",  "",  "",  "",     "PC", "TM", "TRAINER", "ROCKET", ""}},
    {0x70, {"‘", "’",  "“",  "”", "·",   "…",  "",   "",  "",  "┌", "─",    "┐",  "│",  "└",       "┘",      " "}},
    {0x80, {"A", "B",  "C",  "D", "E",   "F",  "G",  "H", "I", "J", "K",    "L",  "M",  "N",       "O",      "P"}},
    {0x90, {"Q", "R",  "S",  "T", "U",   "V",  "W",  "X", "Y", "Z", "(",    ")",  ":",  ";",       "[",      "]"}},
    {0xA0, {"a", "b",  "c",  "d", "e",   "f",  "g",  "h", "i", "j", "k",    "l",  "m",  "n",       "o",      "p"}},
    {0xB0, {"q", "r",  "s",  "t", "u",   "v",  "w",  "x", "y", "z", "é",    "'d", "'l", "'s",      "'t",     "'v"}},
    {0xE0, {"'", "PK", "MN", "-", "'r",  "'m", "?",  "!", ".", "",  "",     "",   "▷",  "▶",       "▼",      "♂"}},
    {0xF0, {"¥", "×",  ".",  "/", ",",   "♀",  "0",  "1", "2", "3", "4",    "5",  "6",  "7",       "8",      "9"}},
}};
// clang-format on

} // namespace

std::string_view characterText(std::uint8_t code)
{
    for (const CharacterRow& row : characterRows) {
        if (code >= row.first && code < row.first + 16)
            return row.texts[code - row.first];
    }
    return {};
}

} // namespace battle::save
