// SPDX-License-Identifier: MIT
// A trainer sheet filled from a party read from a save.
#include "battle/save/SaveFile.h"

#include "battle/sheet/SheetFields.h"
#include "battle/sheet/SheetUpdates.h"

namespace battle::save {
namespace {

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
