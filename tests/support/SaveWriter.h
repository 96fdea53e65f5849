// SPDX-License-Identifier: MIT
#pragma once

// Writes battery saves of the English Red, Blue and Yellow games (and the Japanese layout's
// markers) straight from the published layout, for the tests and the fuzzer's seeds only.

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
