// SPDX-License-Identifier: MIT
// Names of the game data: the lookups by the game's names, by looser spellings, and the
// program's own spellings of species and attacks.
#include "battle/classic/AttackTable.h"
#include "battle/common/Lookup.h"
#include "battle/game/GameData.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace battle::game {
namespace {

struct Spelling {
    std::string_view program;
    std::string_view game;
};

// Only the names the program spells differently from the game.
// clang-format off
constexpr std::array<Spelling, 4> speciesSpellings{{
    {"NidoranF",     "Nidoran-F"},
    {"NidoranM",     "Nidoran-M"},
    {"Ninetails",    "Ninetales"},
    {"Farfetch'd",   "Farfetch’d"},
}};

constexpr std::array<Spelling, 9> moveSpellings{{
    {"Bubblebeam",   "Bubble Beam"},
    {"Doubleslap",   "Double Slap"},
    {"Hi Jump Kick", "High Jump Kick"},
    {"Poisonpowder", "Poison Powder"},
    {"Selfdestruct", "Self-Destruct"},
    {"Softboiled",   "Soft-Boiled"},
    {"Sonicboom",    "Sonic Boom"},
    {"Thundershock", "Thunder Shock"},
    {"Vicegrip",     "Vise Grip"},
}};
// clang-format on

std::string_view gameSpelling(std::span<const Spelling> spellings, std::string_view program)
{
    const Spelling* spelling = findByName(spellings, program, &Spelling::program);
    return spelling ? spelling->game : program;
}

std::string_view programSpelling(std::span<const Spelling> spellings, std::string_view game)
{
    const Spelling* spelling = findByName(spellings, game, &Spelling::game);
    return spelling ? spelling->program : game;
}

// Lower-case ASCII letters, digits and other non-ASCII signs; the gender signs become the
// letters that stand for them and the typographic apostrophe goes with the other punctuation.
std::string looseKey(std::string_view text)
{
    constexpr std::pair<std::string_view, std::string_view> signs[] = {
        {"♀", "f"}, {"♂", "m"}, {"’", ""}};
    std::string key;
    for (std::size_t at = 0; at < text.size();) {
        const std::string_view rest = text.substr(at);
        const auto sign =
            std::find_if(std::begin(signs), std::end(signs),
                         [rest](const auto& pair) { return rest.starts_with(pair.first); });
        if (sign != std::end(signs)) {
            key += sign->second;
            at += sign->first.size();
            continue;
        }
        const char c = text[at++];
        if (c >= 'A' && c <= 'Z')
            key += static_cast<char>(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                 static_cast<unsigned char>(c) >= 0x80)
            key += c;
    }
    return key;
}

// The entries' loose keys, in the entries' order.
template <typename Entry> std::vector<std::string> looseKeys(std::span<const Entry> entries)
{
    std::vector<std::string> keys;
    keys.reserve(entries.size());
    for (const Entry& entry : entries)
        keys.push_back(looseKey(entry.name));
    return keys;
}

template <typename Entry>
const Entry* findLoosely(std::span<const Entry> entries, const std::vector<std::string>& keys,
                         std::span<const Spelling> spellings, std::string_view text)
{
    const std::string key = looseKey(text);
    if (key.empty())
        return nullptr;
    const auto found = std::find(keys.begin(), keys.end(), key);
    if (found != keys.end())
        return &entries[static_cast<std::size_t>(found - keys.begin())];
    for (const Spelling& spelling : spellings) {
        if (looseKey(spelling.program) == key)
            return findByName(entries, spelling.game, &Entry::name);
    }
    return nullptr;
}

} // namespace

std::optional<Type> typeFromName(std::string_view name)
{
    constexpr int typeCount = static_cast<int>(Type::Dragon) + 1;
    for (int index = 0; index < typeCount; ++index) {
        const auto type = static_cast<Type>(index);
        if (typeName(type) == name)
            return type;
    }
    return std::nullopt;
}

const Species* findSpecies(std::string_view gameName)
{
    return findByName(allSpecies(), gameName, &Species::name);
}

const Move* findMove(std::string_view gameName)
{
    return findByName(allMoves(), gameName, &Move::name);
}

const Species* findSpeciesLoosely(std::string_view text)
{
    static const std::vector<std::string> keys = looseKeys(allSpecies());
    return findLoosely(allSpecies(), keys, std::span<const Spelling>(speciesSpellings), text);
}

const Move* findMoveLoosely(std::string_view text)
{
    static const std::vector<std::string> keys = looseKeys(allMoves());
    return findLoosely(allMoves(), keys, std::span<const Spelling>(moveSpellings), text);
}

const Species* speciesForProgramName(std::string_view programName)
{
    return findSpecies(gameSpelling(speciesSpellings, programName));
}

const Move* moveForProgramName(std::string_view programName)
{
    return findMove(gameSpelling(moveSpellings, programName));
}

std::string_view programNameOf(const Species& species)
{
    return programSpelling(speciesSpellings, species.name);
}

std::string_view programNameOf(const Move& move)
{
    const std::string_view name = programSpelling(moveSpellings, move.name);
    return findAttack(name) ? name : std::string_view();
}

} // namespace battle::game
