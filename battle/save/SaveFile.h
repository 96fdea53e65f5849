// SPDX-License-Identifier: MIT
#pragma once

// The battery save of the English Red, Blue and Yellow games: the player's name and party read
// from the file's bytes, and a trainer sheet filled from that party. Everything stored is read as
// stored (the stats are what the player sees in the game); what looks odd is read as far as it is
// sound and listed in notes, never mended by guessing.

#include "battle/game/GameData.h"
#include "battle/game/GameStats.h"
#include "battle/sheet/SheetRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace battle::save {

enum class Status : std::uint8_t { None, Asleep, Poisoned, Burned, Frozen, Paralyzed };

struct SavedMove {
    int index = 0;                        // the game's move number; 0 for an empty slot
    const game::Move* move = nullptr;     // nullptr for an empty slot or an unknown number
    int pp = 0, ppUps = 0, ppMaximum = 0; // ppMaximum counts the PP Ups
};

struct SavedPokemon {
    int speciesIndex = 0;                   // the game's internal index, not the Pokédex number
    const game::Species* species = nullptr; // nullptr for a glitch index
    std::string nickname;                   // UTF-8
    int level = 0;
    Status status = Status::None;
    int hp = 0, hpMaximum = 0;
    int attack = 0, defense = 0, speed = 0, special = 0;
    std::array<SavedMove, 4> moves;
    std::optional<game::Type> type1, type2; // empty when the byte names no type
    game::Dvs dvs;
    game::StatExp statExp;
};

struct SavedParty {
    std::string playerName;            // UTF-8
    bool yellow = false;               // the starter was Pikachu
    std::vector<SavedPokemon> pokemon; // in party order, at most six
    std::vector<std::string> notes;    // oddities met while reading, for the user
};

struct SaveFileResult {
    std::optional<SavedParty> party;
    std::string problem; // why the file cannot be read, for the user, when there is no party
};

SaveFileResult readSaveFile(std::string_view bytes);

struct SheetFill {
    SheetRecord sheet; // each filled page with its level, DVs and stat experience
};

// One page per party member in order, the rest cleared; the first page Active.
SheetFill sheetFromParty(const SavedParty& party);

} // namespace battle::save
