// SPDX-License-Identifier: MIT
#pragma once

// Writes battery saves of the English Red, Blue and Yellow games (and the Japanese layout's
// markers) straight from the published layout, for the tests, the fuzzer's seeds and the README's
// screenshot only.

#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace savewriter {

struct Mon {
    std::uint8_t species; // internal index
    QString nickname;
    int level, status, hp;
    std::array<int, 5> stats; // maximum HP, Attack, Defense, Speed, Special
    std::array<std::uint8_t, 2> types;
    std::array<std::uint8_t, 4> moves;
    std::array<int, 4> pp, ppUps;
    std::array<int, 4> dvs; // Attack, Defense, Speed, Special
    std::array<int, 5> statExp;
};

// Letters, digits and the signs the tests use, in the English font.
inline std::string encode(const QString& text)
{
    static const std::vector<std::pair<QChar, int>> signs = {
        {u' ', 0x7F},  {u'(', 0x9A}, {u')', 0x9B}, {u':', 0x9C}, {u';', 0x9D}, {u'é', 0xBA},
        {u'\'', 0xE0}, {u'-', 0xE3}, {u'?', 0xE6}, {u'!', 0xE7}, {u'.', 0xE8}, {u'♂', 0xEF},
        {u'×', 0xF1},  {u'/', 0xF3}, {u',', 0xF4}, {u'♀', 0xF5}};
    std::string bytes;
    for (const QChar c : text) {
        int code = 0xFF; // nothing the tests use
        if (c >= u'A' && c <= u'Z')
            code = 0x80 + (c.unicode() - u'A');
        else if (c >= u'a' && c <= u'z')
            code = 0xA0 + (c.unicode() - u'a');
        else if (c >= u'0' && c <= u'9')
            code = 0xF6 + (c.unicode() - u'0');
        for (const auto& [sign, signCode] : signs) {
            if (c == sign)
                code = signCode;
        }
        bytes += char(code);
    }
    return bytes;
}

inline void put(std::string& save, std::size_t at, int value, int size = 1)
{
    for (int i = size - 1; i >= 0; --i, value >>= 8)
        save[at + i] = char(value & 0xFF);
}

inline void putName(std::string& save, std::size_t at, const QString& name, std::size_t room = 11)
{
    const std::string bytes = (encode(name) + '\x50').substr(0, room);
    save.replace(at, bytes.size(), bytes);
}

inline void putChecksum(std::string& save, std::size_t from, std::size_t at)
{
    int sum = 0;
    for (std::size_t i = from; i < at; ++i)
        sum += static_cast<unsigned char>(save[i]);
    put(save, at, 0xFF - sum % 256);
}

inline void putMon(std::string& save, std::size_t at, const Mon& mon)
{
    put(save, at, mon.species);
    put(save, at + 0x01, mon.hp, 2);
    put(save, at + 0x04, mon.status);
    put(save, at + 0x05, mon.types[0]);
    put(save, at + 0x06, mon.types[1]);
    for (int i = 0; i < 4; ++i) {
        put(save, at + 0x08 + i, mon.moves[i]);
        put(save, at + 0x1D + i, mon.ppUps[i] << 6 | mon.pp[i]);
    }
    for (int i = 0; i < 5; ++i) {
        put(save, at + 0x11 + 2 * i, mon.statExp[i], 2);
        put(save, at + 0x22 + 2 * i, mon.stats[i], 2);
    }
    put(save, at + 0x1B, mon.dvs[0] << 4 | mon.dvs[1]);
    put(save, at + 0x1C, mon.dvs[2] << 4 | mon.dvs[3]);
    put(save, at + 0x21, mon.level);
}

// An English save: Yellow's when its starter was Pikachu.
inline std::string englishSave(const QString& player, const std::vector<Mon>& party,
                               bool yellow = false)
{
    std::string save(0x8000, '\0');
    putName(save, 0x2598, player);
    put(save, 0x29C3, yellow ? 0x54 : 0xB0);
    put(save, 0x2F2C, int(party.size()));
    for (std::size_t i = 0; i < party.size(); ++i) {
        put(save, 0x2F2D + i, party[i].species);
        putMon(save, 0x2F34 + 44 * i, party[i]);
        putName(save, 0x303C + 11 * i, player);
        putName(save, 0x307E + 11 * i, party[i].nickname);
    }
    put(save, 0x2F2D + party.size(), 0xFF);
    put(save, 0x30C1, 0xFF); // an empty current box
    putChecksum(save, 0x2598, 0x3523);
    return save;
}

// The tests' two parties. Stats worked out by hand from the base stats, DVs, stat experience and
// level.
// clang-format off
inline const Mon mrMime   {0x2A, "MR.MIME",    50, 0x40, 100, {113, 70, 89, 119, 131}, {0x18, 0x18}, {0x5E, 0x70, 0x71, 0x73}, {14, 30, 36, 5},  {3, 0, 1, 2}, {12, 10, 14, 15}, {10000, 5000, 6000, 7000, 8000}};
inline const Mon nidoranF {0x0F, "NIDORAN♀",   12, 0x08, 30,  {37, 18, 19, 16, 16},    {0x03, 0x03}, {0x2D, 0x21, 0x0A, 0x00}, {61, 35, 20, 0},  {3, 0, 0, 0}, {9, 8, 8, 8},     {0, 0, 0, 0, 0}};
inline const Mon farfetchd{0x40, "FARFETCH'D", 30, 0x00, 0,   {99, 71, 65, 68, 67},    {0x00, 0x02}, {0x40, 0x1C, 0x2B, 0x1F}, {35, 15, 30, 20}, {0, 0, 0, 0}, {15, 15, 15, 15}, {65535, 65535, 65535, 65535, 65535}};
inline const Mon gengar   {0x0E, "Spo×k:-?!",  100, 0x05, 301, {301, 188, 166, 297, 333}, {0x08, 0x03}, {0x5F, 0x8A, 0x65, 0x55}, {20, 15, 15, 15}, {0, 0, 0, 0}, {7, 3, 11, 6}, {30000, 25000, 20000, 40000, 50000}};
inline const Mon pikachu  {0x54, "PIKACHU",    25, 0x10, 50,  {57, 39, 26, 58, 37},    {0x17, 0x17}, {0x54, 0x2D, 0x62, 0x56}, {42, 40, 30, 20}, {2, 0, 0, 0}, {10, 9, 13, 11},  {800, 900, 700, 1200, 600}};
inline const Mon jynx     {0x48, "JYNX",       40, 0x20, 115, {115, 55, 50, 89, 94},   {0x19, 0x18}, {0x08, 0x8E, 0x00, 0x00}, {15, 10, 0, 0},   {0, 0, 0, 0}, {5, 14, 2, 9},    {4000, 4100, 4200, 4300, 4400}};
// clang-format on

inline std::string redSave()
{
    return englishSave("Red♂", {mrMime, nidoranF, farfetchd, gengar});
}

inline std::string yellowSave()
{
    return englishSave("ASH", {pikachu, jynx}, true);
}

// A Japanese save's markers: its lists and checksum where the Japanese games keep them.
inline std::string japaneseSave()
{
    std::string save(0x8000, '\0');
    putName(save, 0x2598, QStringLiteral("RED"), 6);
    put(save, 0x2ED5, 1);
    put(save, 0x2ED6, 0x54);
    put(save, 0x2ED7, 0xFF);
    put(save, 0x302E, 0xFF);
    putChecksum(save, 0x2598, 0x3594);
    return save;
}

} // namespace savewriter
