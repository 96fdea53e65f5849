// SPDX-License-Identifier: MIT
#include "battle/save/SaveFile.h"

#include "battle/sheet/SheetFields.h"
#include "battle/sheet/SheetUpdates.h"

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

struct SpeciesRow {
    std::uint8_t index;
    std::uint8_t dexNumber;
};

// The game's internal species index and the Pokédex number; indices missing here are glitches.
// clang-format off
constexpr std::array<SpeciesRow, 151> speciesRows{{
    {0x01, 112}, // Rhydon
    {0x02, 115}, // Kangaskhan
    {0x03,  32}, // Nidoran♂
    {0x04,  35}, // Clefairy
    {0x05,  21}, // Spearow
    {0x06, 100}, // Voltorb
    {0x07,  34}, // Nidoking
    {0x08,  80}, // Slowbro
    {0x09,   2}, // Ivysaur
    {0x0A, 103}, // Exeggutor
    {0x0B, 108}, // Lickitung
    {0x0C, 102}, // Exeggcute
    {0x0D,  88}, // Grimer
    {0x0E,  94}, // Gengar
    {0x0F,  29}, // Nidoran♀
    {0x10,  31}, // Nidoqueen
    {0x11, 104}, // Cubone
    {0x12, 111}, // Rhyhorn
    {0x13, 131}, // Lapras
    {0x14,  59}, // Arcanine
    {0x15, 151}, // Mew
    {0x16, 130}, // Gyarados
    {0x17,  90}, // Shellder
    {0x18,  72}, // Tentacool
    {0x19,  92}, // Gastly
    {0x1A, 123}, // Scyther
    {0x1B, 120}, // Staryu
    {0x1C,   9}, // Blastoise
    {0x1D, 127}, // Pinsir
    {0x1E, 114}, // Tangela
    {0x21,  58}, // Growlithe
    {0x22,  95}, // Onix
    {0x23,  22}, // Fearow
    {0x24,  16}, // Pidgey
    {0x25,  79}, // Slowpoke
    {0x26,  64}, // Kadabra
    {0x27,  75}, // Graveler
    {0x28, 113}, // Chansey
    {0x29,  67}, // Machoke
    {0x2A, 122}, // Mr. Mime
    {0x2B, 106}, // Hitmonlee
    {0x2C, 107}, // Hitmonchan
    {0x2D,  24}, // Arbok
    {0x2E,  47}, // Parasect
    {0x2F,  54}, // Psyduck
    {0x30,  96}, // Drowzee
    {0x31,  76}, // Golem
    {0x33, 126}, // Magmar
    {0x35, 125}, // Electabuzz
    {0x36,  82}, // Magneton
    {0x37, 109}, // Koffing
    {0x39,  56}, // Mankey
    {0x3A,  86}, // Seel
    {0x3B,  50}, // Diglett
    {0x3C, 128}, // Tauros
    {0x40,  83}, // Farfetch'd
    {0x41,  48}, // Venonat
    {0x42, 149}, // Dragonite
    {0x46,  84}, // Doduo
    {0x47,  60}, // Poliwag
    {0x48, 124}, // Jynx
    {0x49, 146}, // Moltres
    {0x4A, 144}, // Articuno
    {0x4B, 145}, // Zapdos
    {0x4C, 132}, // Ditto
    {0x4D,  52}, // Meowth
    {0x4E,  98}, // Krabby
    {0x52,  37}, // Vulpix
    {0x53,  38}, // Ninetales
    {0x54,  25}, // Pikachu
    {0x55,  26}, // Raichu
    {0x58, 147}, // Dratini
    {0x59, 148}, // Dragonair
    {0x5A, 140}, // Kabuto
    {0x5B, 141}, // Kabutops
    {0x5C, 116}, // Horsea
    {0x5D, 117}, // Seadra
    {0x60,  27}, // Sandshrew
    {0x61,  28}, // Sandslash
    {0x62, 138}, // Omanyte
    {0x63, 139}, // Omastar
    {0x64,  39}, // Jigglypuff
    {0x65,  40}, // Wigglytuff
    {0x66, 133}, // Eevee
    {0x67, 136}, // Flareon
    {0x68, 135}, // Jolteon
    {0x69, 134}, // Vaporeon
    {0x6A,  66}, // Machop
    {0x6B,  41}, // Zubat
    {0x6C,  23}, // Ekans
    {0x6D,  46}, // Paras
    {0x6E,  61}, // Poliwhirl
    {0x6F,  62}, // Poliwrath
    {0x70,  13}, // Weedle
    {0x71,  14}, // Kakuna
    {0x72,  15}, // Beedrill
    {0x74,  85}, // Dodrio
    {0x75,  57}, // Primeape
    {0x76,  51}, // Dugtrio
    {0x77,  49}, // Venomoth
    {0x78,  87}, // Dewgong
    {0x7B,  10}, // Caterpie
    {0x7C,  11}, // Metapod
    {0x7D,  12}, // Butterfree
    {0x7E,  68}, // Machamp
    {0x80,  55}, // Golduck
    {0x81,  97}, // Hypno
    {0x82,  42}, // Golbat
    {0x83, 150}, // Mewtwo
    {0x84, 143}, // Snorlax
    {0x85, 129}, // Magikarp
    {0x88,  89}, // Muk
    {0x8A,  99}, // Kingler
    {0x8B,  91}, // Cloyster
    {0x8D, 101}, // Electrode
    {0x8E,  36}, // Clefable
    {0x8F, 110}, // Weezing
    {0x90,  53}, // Persian
    {0x91, 105}, // Marowak
    {0x93,  93}, // Haunter
    {0x94,  63}, // Abra
    {0x95,  65}, // Alakazam
    {0x96,  17}, // Pidgeotto
    {0x97,  18}, // Pidgeot
    {0x98, 121}, // Starmie
    {0x99,   1}, // Bulbasaur
    {0x9A,   3}, // Venusaur
    {0x9B,  73}, // Tentacruel
    {0x9D, 118}, // Goldeen
    {0x9E, 119}, // Seaking
    {0xA3,  77}, // Ponyta
    {0xA4,  78}, // Rapidash
    {0xA5,  19}, // Rattata
    {0xA6,  20}, // Raticate
    {0xA7,  33}, // Nidorino
    {0xA8,  30}, // Nidorina
    {0xA9,  74}, // Geodude
    {0xAA, 137}, // Porygon
    {0xAB, 142}, // Aerodactyl
    {0xAD,  81}, // Magnemite
    {0xB0,   4}, // Charmander
    {0xB1,   7}, // Squirtle
    {0xB2,   5}, // Charmeleon
    {0xB3,   8}, // Wartortle
    {0xB4,   6}, // Charizard
    {0xB9,  43}, // Oddish
    {0xBA,  44}, // Gloom
    {0xBB,  45}, // Vileplume
    {0xBC,  69}, // Bellsprout
    {0xBD,  70}, // Weepinbell
    {0xBE,  71}, // Victreebel
}};

// The type bytes that name a type; the others (Bird and the unused ones) name none.
struct TypeRow {
    std::uint8_t byte;
    game::Type type;
};
constexpr std::array<TypeRow, 15> typeRows{{
    {0x00, game::Type::Normal},   {0x01, game::Type::Fighting}, {0x02, game::Type::Flying},
    {0x03, game::Type::Poison},   {0x04, game::Type::Ground},   {0x05, game::Type::Rock},
    {0x07, game::Type::Bug},      {0x08, game::Type::Ghost},    {0x14, game::Type::Fire},
    {0x15, game::Type::Water},    {0x16, game::Type::Grass},    {0x17, game::Type::Electric},
    {0x18, game::Type::Psychic},  {0x19, game::Type::Ice},      {0x1A, game::Type::Dragon},
}};

// The English font, sixteen codes a row from the row's first; "" where it has no glyph. The
// control codes print as the words the game expands them to; 0xE1 0xE2 are the PK MN tiles.
struct CharacterRow {
    std::uint8_t first;
    std::array<std::string_view, 16> texts;
};
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

constexpr std::array<std::uint8_t, 256> dexNumberByIndex = [] {
    std::array<std::uint8_t, 256> numbers{};
    for (const SpeciesRow& row : speciesRows)
        numbers[row.index] = row.dexNumber;
    return numbers;
}();

std::string_view characterText(std::uint8_t code)
{
    for (const CharacterRow& row : characterRows) {
        if (code >= row.first && code < row.first + 16)
            return row.texts[code - row.first];
    }
    return {};
}

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

std::optional<game::Type> typeOf(int byte)
{
    for (const TypeRow& row : typeRows) {
        if (row.byte == byte)
            return row.type;
    }
    return std::nullopt;
}

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
    if (const int number = dexNumberByIndex[saved.speciesIndex]; number != 0)
        saved.species = &game::allSpecies()[number - 1];
    else
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
        (type == 0 ? saved.type1 : saved.type2) = typeOf(byte);
        if (!typeOf(byte))
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

std::string statusText(Status status)
{
    switch (status) {
    case Status::None:
        return {};
    case Status::Asleep:
        return std::string(statusChanges[0]);
    case Status::Poisoned:
        return std::string(statusChanges[1]);
    case Status::Paralyzed:
        return std::string(statusChanges[2]);
    case Status::Burned:
        return std::string(statusChanges[3]);
    case Status::Frozen:
        return std::string(statusChanges[4]);
    }
    return {};
}

PageRecord pageOf(const SavedPokemon& pokemon)
{
    PageRecord page;
    if (pokemon.species)
        page.species = game::programNameOf(*pokemon.species);
    page.nickname = pokemon.nickname;
    // The game clears a fainted Pokémon's status; the sheet marks fainting in the notes.
    if (pokemon.hp == 0)
        page.notes = notesAfterFainting("");
    else
        page.status = statusText(pokemon.status);
    page.hp = std::to_string(pokemon.hp);
    page.hpMaximum = std::to_string(pokemon.hpMaximum);
    page.attack = std::to_string(pokemon.attack);
    page.defense = std::to_string(pokemon.defense);
    page.speed = std::to_string(pokemon.speed);
    page.specialAttack = page.specialDefense = std::to_string(pokemon.special);
    if (pokemon.type1)
        page.type1 = game::typeName(*pokemon.type1);
    if (pokemon.type2 && pokemon.type2 != pokemon.type1)
        page.type2 = game::typeName(*pokemon.type2);
    for (std::size_t slot = 0; slot < page.attacks.size(); ++slot) {
        AttackRecord& attack = page.attacks[slot];
        const SavedMove& move = pokemon.moves[slot];
        if (!move.move) {
            attack.name = attackPlaceholder(slot);
            continue;
        }
        const std::string_view programName = game::programNameOf(*move.move);
        attack.name = programName.empty() ? move.move->name : programName;
        attack.pp = std::to_string(move.pp);
        attack.ppMaximum = std::to_string(move.ppMaximum);
    }
    return page;
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

SheetFill sheetFromParty(const SavedParty& party)
{
    SheetFill fill;
    fill.sheet.trainerName = party.playerName;
    for (std::size_t page = 0; page < fill.sheet.pages.size(); ++page) {
        if (page >= party.pokemon.size()) {
            fill.sheet.pages[page] = blankPage();
            continue;
        }
        const SavedPokemon& pokemon = party.pokemon[page];
        fill.sheet.pages[page] = pageOf(pokemon);
        fill.sheet.pages[page].level = std::to_string(pokemon.level);
        fill.sheet.pages[page].training = game::Training{pokemon.dvs, pokemon.statExp};
    }
    fill.sheet.activePage = party.pokemon.empty() ? 0 : 1;
    return fill;
}

} // namespace battle::save
