// SPDX-License-Identifier: MIT
#include "battle/save/SaveFile.h"

#include "battle/save/SaveCodes.h"

#include <algorithm>
#include <cstdio>

namespace battle::save {
namespace {

// Where things are in the file; every number in it is big-endian.
constexpr std::size_t saveSize = 0x8000;
constexpr std::array<std::size_t, 3> acceptedSizes = {saveSize, saveSize + 44, saveSize + 48};
constexpr std::size_t gameDataStart = 0x2598; // the player's name opens it
constexpr std::size_t checksumAt = 0x3523;    // of the game data, which ends just before it
constexpr std::size_t starterAt = 0x29C3;
constexpr std::size_t partyAt = 0x2F2C; // count, species list, structures, OT names, nicknames
constexpr std::size_t currentBoxAt = 0x30C0;
constexpr std::size_t nameLength = 11;
constexpr std::size_t monLength = 44;
constexpr int partyLimit = 6;
constexpr int boxLimit = 20;
constexpr std::uint8_t listEnd = 0xFF;
constexpr std::uint8_t nameEnd = 0x50;
constexpr std::uint8_t pikachuIndex = 0x54;

// The Japanese games keep shorter names and larger boxes, so everything after the player's name
// sits elsewhere.
constexpr std::size_t japaneseChecksumAt = 0x3594;
constexpr std::size_t japanesePartyAt = 0x2ED5;
constexpr std::size_t japaneseBoxAt = 0x302D;
constexpr int japaneseBoxLimit = 30;

// Inside one party structure.
constexpr std::size_t monHp = 0x01, monStatus = 0x04, monTypes = 0x05, monMoves = 0x08;
constexpr std::size_t monStatExp = 0x11, monDvs = 0x1B, monPp = 0x1D, monLevel = 0x21;
constexpr std::size_t monStats = 0x22;

constexpr int sleepMask = 0x07;
constexpr int ppMask = 0x3F;
constexpr int ppUpShift = 6;
constexpr int maxPpUpStep = 7;

std::string hex(int byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte & 0xFF);
    return text;
}

class Reader {
public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}

    int byte(std::size_t at) const { return static_cast<unsigned char>(m_bytes[at]); }
    int word(std::size_t at) const { return byte(at) << 8 | byte(at + 1); }

    // Adds every byte of [start, end) modulo 256 and inverts the sum, as the game does.
    int checksum(std::size_t start, std::size_t end) const
    {
        int sum = 0;
        for (std::size_t at = start; at < end; ++at)
            sum += byte(at);
        return ~sum & 0xFF;
    }

    // A species list: the count, that many entries, then the end mark.
    bool listIsSound(std::size_t at, int limit) const
    {
        const int count = byte(at);
        if (count > limit || byte(at + 1 + count) != listEnd)
            return false;
        for (int entry = 0; entry < count; ++entry) {
            if (byte(at + 1 + entry) == listEnd)
                return false;
        }
        return true;
    }

    bool looksJapanese() const
    {
        return checksum(gameDataStart, japaneseChecksumAt) == byte(japaneseChecksumAt) &&
               listIsSound(japanesePartyAt, partyLimit) &&
               listIsSound(japaneseBoxAt, japaneseBoxLimit);
    }

    bool isBlank() const
    {
        const auto data = m_bytes.substr(gameDataStart, checksumAt + 1 - gameDataStart);
        return data.find_first_not_of('\0') == std::string_view::npos ||
               data.find_first_not_of('\xFF') == std::string_view::npos;
    }

    // The name's text up to its end mark; what cannot be shown becomes U+FFFD and is noted.
    std::string name(std::size_t at, std::size_t length, const std::string& whose,
                     std::vector<std::string>& notes) const
    {
        std::string text;
        std::vector<std::string> unknown;
        bool ended = false;
        for (std::size_t i = 0; i < length && !ended; ++i) {
            const int code = byte(at + i);
            if (code == nameEnd) {
                ended = true;
            } else if (code == 0x00) {
                notes.push_back(whose + ": the name ends with 0x00 instead of its end mark.");
                ended = true;
            } else if (const std::string_view shown = characterText(code); !shown.empty()) {
                text += shown;
            } else {
                text += "\uFFFD";
                unknown.push_back(hex(code));
            }
        }
        if (!unknown.empty()) {
            std::string codes;
            for (const std::string& code : unknown)
                codes += (codes.empty() ? "" : ", ") + code;
            notes.push_back(whose + ": the name holds characters the English games cannot show (" +
                            codes + "), shown as \uFFFD.");
        }
        if (!ended)
            notes.push_back(whose + ": the name has no end mark; all " + std::to_string(length) +
                            " characters were read.");
        return text;
    }

private:
    std::string_view m_bytes;
};

Status statusOf(int byte, const std::string& whose, std::vector<std::string>& notes)
{
    int conditions = 0;
    Status status = Status::None;
    const auto flag = [&](bool set, Status meaning) {
        if (set) {
            ++conditions;
            status = meaning;
        }
    };
    flag((byte & sleepMask) != 0, Status::Asleep);
    flag((byte & 0x08) != 0, Status::Poisoned);
    flag((byte & 0x10) != 0, Status::Burned);
    flag((byte & 0x20) != 0, Status::Frozen);
    flag((byte & 0x40) != 0, Status::Paralyzed);
    if (conditions > 1 || (byte & 0x80) != 0)
        notes.push_back(whose + ": the status byte " + hex(byte) +
                        " is no single condition; the last one it names was taken.");
    return status;
}

SavedMove moveOf(const Reader& file, std::size_t mon, int slot, const std::string& whose,
                 std::vector<std::string>& notes)
{
    SavedMove saved;
    saved.index = file.byte(mon + monMoves + slot);
    const int ppByte = file.byte(mon + monPp + slot);
    saved.pp = ppByte & ppMask;
    saved.ppUps = ppByte >> ppUpShift;
    const auto moves = game::allMoves();
    if (saved.index == 0)
        return saved;
    if (saved.index > static_cast<int>(moves.size())) {
        notes.push_back(whose + ": move " + std::to_string(slot + 1) + " is the unknown number " +
                        std::to_string(saved.index) + ".");
        return saved;
    }
    saved.move = &moves[saved.index - 1];
    saved.ppMaximum = saved.move->pp + saved.ppUps * std::min(saved.move->pp / 5, maxPpUpStep);
    if (saved.pp > saved.ppMaximum)
        notes.push_back(whose + ": " + std::string(saved.move->name) + " has " +
                        std::to_string(saved.pp) + " PP, more than its maximum " +
                        std::to_string(saved.ppMaximum) + ".");
    return saved;
}

SavedPokemon pokemonOf(const Reader& file, int slot, std::vector<std::string>& notes)
{
    const std::size_t mon = partyAt + 8 + slot * monLength;
    std::string whose = "Pokémon " + std::to_string(slot + 1);
    SavedPokemon saved;
    saved.nickname =
        file.name(partyAt + 8 + partyLimit * (monLength + nameLength) + slot * nameLength,
                  nameLength, whose, notes);
    if (!saved.nickname.empty())
        whose += " (" + saved.nickname + ")";

    saved.speciesIndex = file.byte(mon);
    saved.species = speciesOfIndex(static_cast<std::uint8_t>(saved.speciesIndex));
    if (!saved.species)
        notes.push_back(whose + ": the species index " + hex(saved.speciesIndex) +
                        " is a glitch, no species of the game.");
    if (const int listed = file.byte(partyAt + 1 + slot); listed != saved.speciesIndex)
        notes.push_back(whose + ": the party list names the species index " + hex(listed) +
                        ", the Pokémon itself " + hex(saved.speciesIndex) +
                        "; the Pokémon's was taken.");

    saved.level = file.byte(mon + monLevel);
    if (saved.level < game::minLevel || saved.level > game::maxLevel)
        notes.push_back(whose + ": level " + std::to_string(saved.level) + " is outside 1 to 100.");
    saved.status = statusOf(file.byte(mon + monStatus), whose, notes);
    saved.hp = file.word(mon + monHp);
    saved.hpMaximum = file.word(mon + monStats);
    if (saved.hp > saved.hpMaximum)
        notes.push_back(whose + ": " + std::to_string(saved.hp) + " HP is above the maximum " +
                        std::to_string(saved.hpMaximum) + ".");
    saved.attack = file.word(mon + monStats + 2);
    saved.defense = file.word(mon + monStats + 4);
    saved.speed = file.word(mon + monStats + 6);
    saved.special = file.word(mon + monStats + 8);

    for (int type = 0; type < 2; ++type) {
        const int byte = file.byte(mon + monTypes + type);
        (type == 0 ? saved.type1 : saved.type2) = typeOfByte(byte);
        if (!typeOfByte(byte))
            notes.push_back(whose + ": the type byte " + hex(byte) + " names no type.");
    }
    for (int move = 0; move < 4; ++move)
        saved.moves[move] = moveOf(file, mon, move, whose, notes);

    const int attackDefense = file.byte(mon + monDvs);
    const int speedSpecial = file.byte(mon + monDvs + 1);
    saved.dvs = {attackDefense >> 4, attackDefense & 0x0F, speedSpecial >> 4, speedSpecial & 0x0F};
    saved.statExp = {file.word(mon + monStatExp), file.word(mon + monStatExp + 2),
                     file.word(mon + monStatExp + 4), file.word(mon + monStatExp + 6),
                     file.word(mon + monStatExp + 8)};
    return saved;
}

} // namespace

SaveFileResult readSaveFile(std::string_view bytes)
{
    if (std::find(acceptedSizes.begin(), acceptedSizes.end(), bytes.size()) == acceptedSizes.end())
        return {std::nullopt, "This is no save of Pokémon Red, Blue or Yellow: it has " +
                                  std::to_string(bytes.size()) + " bytes, a save has 32768."};
    const Reader file(bytes);
    if (file.isBlank())
        return {std::nullopt, "This save file is blank: it holds no saved game."};
    const bool checksumHolds = file.checksum(gameDataStart, checksumAt) == file.byte(checksumAt);
    if (!checksumHolds || !file.listIsSound(partyAt, partyLimit)) {
        if (file.looksJapanese())
            return {std::nullopt, "This is a save of a Japanese edition of Pokémon Red, Green, "
                                  "Blue or Yellow, which lays out its data differently; only "
                                  "the English editions' saves can be read."};
        if (!checksumHolds)
            return {std::nullopt, "This save file is damaged: its checksum does not match, so "
                                  "the game itself would not load it."};
        if (file.byte(partyAt) > partyLimit)
            return {std::nullopt, "This save file is damaged: it counts " +
                                      std::to_string(file.byte(partyAt)) +
                                      " Pokémon in the party, and a party holds at most six."};
        return {std::nullopt, "This save file is damaged: its list of the party's species is "
                              "broken."};
    }

    SavedParty party;
    party.playerName = file.name(gameDataStart, nameLength, "The player", party.notes);
    party.yellow = file.byte(starterAt) == pikachuIndex;
    for (int slot = 0; slot < file.byte(partyAt); ++slot)
        party.pokemon.push_back(pokemonOf(file, slot, party.notes));
    return {std::move(party), {}};
}

} // namespace battle::save
