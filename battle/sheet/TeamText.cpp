// SPDX-License-Identifier: MIT
#include "battle/sheet/TeamText.h"

#include "battle/common/Conversions.h"
#include "battle/game/GameData.h"
#include "battle/game/GameStats.h"
#include "battle/sheet/SheetFields.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <optional>

namespace battle {
namespace {

using game::Move;
using game::Species;

constexpr int pagesKept = SheetRecord::pageCount;
constexpr int attacksKept = 4;

// Lines a Pokémon may carry that say nothing the sheet keeps.
constexpr std::string_view ignoredKeys[] = {
    "Ability",    "Shiny",         "Happiness", "Tera Type",
    "Gigantamax", "Dynamax Level", "Pokeball",  "Hidden Power",
};

// A pasted line may still end in the carriage return of its line break.
std::string_view trim(std::string_view text)
{
    return trimBlanks(text, " \t\r");
}

std::optional<int> wholeNumber(std::string_view text)
{
    text = trim(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The design texts the sheet's attack names start with: no attack named.
bool isNamedAttack(std::string_view name)
{
    name = trim(name);
    return !name.empty() &&
           !(name.size() == 7 && name.starts_with("Attack") && name[6] >= '1' && name[6] <= '4');
}

// One Pokémon as read so far.
struct Entry {
    const Species* species = nullptr;
    std::string nickname;
    int level = game::maxLevel;
    game::Dvs dvs{game::maxDv, game::maxDv, game::maxDv, game::maxDv};
    game::StatExp statExp{game::maxStatExp, game::maxStatExp, game::maxStatExp, game::maxStatExp,
                          game::maxStatExp};
    std::vector<const Move*> moves;
};

// "Nickname (Species) (M) @ Item" as the format splits it: the item after the last " @ ", then a
// gender mark, then the species in the last " (…)" closing the line; names may hold "@" and "(".
std::optional<Entry> readHeader(std::string_view line)
{
    if (const std::size_t item = line.rfind(" @ "); item != std::string_view::npos)
        line = line.substr(0, item);
    for (std::string_view gender : {" (M)", " (F)"}) {
        if (line.ends_with(gender))
            line.remove_suffix(gender.size());
    }
    Entry entry;
    const std::size_t open = line.rfind(" (");
    if (line.ends_with(')') && open != std::string_view::npos) {
        entry.species = game::findSpeciesLoosely(line.substr(open + 2, line.size() - open - 3));
        entry.nickname = std::string(trim(line.substr(0, open)));
    } else {
        entry.species = game::findSpeciesLoosely(line);
    }
    if (!entry.species)
        return std::nullopt;
    if (entry.nickname == entry.species->name)
        entry.nickname.clear();
    // A nickname the sheet's field cannot hold whole is no nickname.
    if (fieldLength(entry.nickname) > fieldLengthLimit)
        return std::nullopt;
    return entry;
}

// "252 HP / 4 Atk / 252 Spe": calls `apply` with each figure and its stat; false on any fault.
template <typename Apply> bool readSpread(std::string_view spread, Apply apply)
{
    while (!spread.empty()) {
        const std::size_t slash = spread.find('/');
        const std::string_view part = trim(spread.substr(0, slash));
        spread = slash == std::string_view::npos ? std::string_view() : spread.substr(slash + 1);
        const std::size_t blank = part.find(' ');
        if (blank == std::string_view::npos)
            return false;
        const std::optional<int> value = wholeNumber(part.substr(0, blank));
        if (!value || *value < 0 || !apply(*value, trim(part.substr(blank + 1))))
            return false;
    }
    return true;
}

// The format counts every IV the line leaves out as 31.
bool readIvs(Entry& entry, std::string_view spread)
{
    game::Dvs dvs{game::maxDv, game::maxDv, game::maxDv, game::maxDv};
    const bool read = readSpread(spread, [&dvs](int iv, std::string_view stat) {
        const int dv = std::min(iv, 31) / 2;
        if (stat == "Atk")
            dvs.attack = dv;
        else if (stat == "Def")
            dvs.defense = dv;
        else if (stat == "Spe")
            dvs.speed = dv;
        else if (stat == "SpA" || stat == "Spc")
            dvs.special = dv;
        else
            return stat == "HP" || stat == "SpD"; // HP's DV follows the others; SpD is Special
        return true;
    });
    if (read)
        entry.dvs = dvs;
    return read;
}

// The format counts every EV the line leaves out as 0.
bool readEvs(Entry& entry, std::string_view spread)
{
    game::StatExp statExp{};
    const bool read = readSpread(spread, [&statExp](int ev, std::string_view stat) {
        // The bonus is ⌊EV ÷ 4⌋ where the game has ⌊⌈√stat experience⌉ ÷ 4⌋.
        const int bonusRoot = std::min(ev, 255);
        const int exp = bonusRoot * bonusRoot;
        if (stat == "HP")
            statExp.hp = exp;
        else if (stat == "Atk")
            statExp.attack = exp;
        else if (stat == "Def")
            statExp.defense = exp;
        else if (stat == "Spe")
            statExp.speed = exp;
        else if (stat == "SpA" || stat == "Spc")
            statExp.special = exp;
        else
            return stat == "SpD";
        return true;
    });
    if (read)
        entry.statExp = statExp;
    return read;
}

// A line inside a Pokémon's block; false when it cannot be used.
bool readDetail(Entry& entry, std::string_view line)
{
    if (line.starts_with('-')) {
        const Move* move = game::findMoveLoosely(trim(line.substr(1)));
        if (!move || entry.moves.size() == attacksKept)
            return false;
        entry.moves.push_back(move);
        return true;
    }
    const std::size_t colon = line.find(':');
    const std::string_view key = trim(line.substr(0, colon));
    const std::string_view value =
        colon == std::string_view::npos ? std::string_view() : trim(line.substr(colon + 1));
    if (colon != std::string_view::npos && key == "Level") {
        const std::optional<int> level = wholeNumber(value);
        if (!level || *level < game::minLevel || *level > game::maxLevel)
            return false;
        entry.level = *level;
        return true;
    }
    if (colon != std::string_view::npos && key == "IVs")
        return readIvs(entry, value);
    if (colon != std::string_view::npos && key == "EVs")
        return readEvs(entry, value);
    if (colon != std::string_view::npos) {
        for (std::string_view ignored : ignoredKeys) {
            if (key == ignored)
                return true;
        }
        return false;
    }
    return line.ends_with(" Nature");
}

std::string text(std::string_view view)
{
    return std::string(view);
}

PageRecord fillPage(const Entry& entry)
{
    const Species& species = *entry.species;
    const game::Stats stats =
        game::computeStats(species.base, entry.dvs, entry.statExp, entry.level);
    PageRecord page;
    page.species = text(game::programNameOf(species));
    page.nickname = entry.nickname;
    page.level = std::to_string(entry.level);
    page.training = game::Training{entry.dvs, entry.statExp};
    page.hp = page.hpMaximum = std::to_string(stats.hp);
    page.attack = std::to_string(stats.attack);
    page.defense = std::to_string(stats.defense);
    page.speed = std::to_string(stats.speed);
    page.specialAttack = page.specialDefense = std::to_string(stats.special);
    page.type1 = text(game::typeName(species.type1));
    if (species.type2)
        page.type2 = text(game::typeName(*species.type2));
    for (std::size_t slot = 0; slot < page.attacks.size(); ++slot) {
        AttackRecord& attack = page.attacks[slot];
        if (slot < entry.moves.size()) {
            const Move& move = *entry.moves[slot];
            const std::string_view programName = game::programNameOf(move);
            attack.name = text(programName.empty() ? move.name : programName);
            attack.pp = attack.ppMaximum = std::to_string(move.pp);
        } else {
            attack.name = attackPlaceholder(slot);
        }
    }
    return page;
}

// The sheet keeps stats, not levels: the level whose stats, with the reader's defaults for DVs
// and stat experience, come nearest the page's (the highest on a tie), so a pasted team comes
// back at its level.
int levelOf(const Species& species, const PageRecord& page)
{
    const std::optional<int> figures[] = {wholeNumber(page.hpMaximum), wholeNumber(page.attack),
                                          wholeNumber(page.defense), wholeNumber(page.speed),
                                          wholeNumber(page.specialAttack)};
    const Entry defaults;
    int best = game::maxLevel;
    long long bestDistance = -1;
    for (int level = game::maxLevel; level >= game::minLevel; --level) {
        const game::Stats stats =
            game::computeStats(species.base, defaults.dvs, defaults.statExp, level);
        const int computed[] = {stats.hp, stats.attack, stats.defense, stats.speed, stats.special};
        long long distance = 0;
        for (std::size_t i = 0; i < std::size(computed); ++i) {
            if (figures[i])
                distance += std::abs(static_cast<long long>(*figures[i]) - computed[i]);
        }
        if (bestDistance < 0 || distance < bestDistance) {
            best = level;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

std::string writeTeamText(const SheetRecord& sheet)
{
    std::string out;
    for (const PageRecord& page : sheet.pages) {
        const std::string_view typed = trim(page.species);
        if (typed.empty())
            continue;
        const Species* species = game::findSpeciesLoosely(typed);
        const std::string name = species ? text(species->name) : text(typed);
        const std::string_view nickname = trim(page.nickname);
        if (!out.empty())
            out += '\n';
        const std::string header =
            nickname.empty() || nickname == name ? name : text(nickname) + " (" + name + ")";
        // The item follows the last " @ ": a nickname holding one needs an item after it.
        out += header + (header.find(" @ ") == std::string::npos ? "\n" : " @ No Item\n");
        if (species) {
            const std::optional<int> typedLevel = wholeNumber(trim(page.level));
            const int level =
                typedLevel && *typedLevel >= game::minLevel && *typedLevel <= game::maxLevel
                    ? *typedLevel
                    : levelOf(*species, page);
            if (level != game::maxLevel)
                out += "Level: " + std::to_string(level) + '\n';
        }
        for (const AttackRecord& attack : page.attacks) {
            if (!isNamedAttack(attack.name))
                continue;
            const Move* move = game::findMoveLoosely(trim(attack.name));
            out += "- " + (move ? text(move->name) : text(trim(attack.name))) + '\n';
        }
    }
    return out;
}

TeamImport readTeamText(std::string_view text)
{
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(byteOrderMark))
        text.remove_prefix(byteOrderMark.size());
    TeamImport result;
    std::optional<Entry> entry;
    bool inBlock = false;
    const auto finish = [&] {
        if (entry) {
            if (static_cast<int>(result.pages.size()) < pagesKept)
                result.pages.push_back(fillPage(*entry));
            else
                result.moreThanSix = true;
        }
        entry.reset();
        inBlock = false;
    };
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::string_view line = trim(raw);
        if (line.empty()) {
            finish();
            continue;
        }
        if (line.starts_with("===") && line.ends_with("===")) {
            finish();
            continue;
        }
        if (!inBlock) {
            inBlock = true;
            entry = readHeader(line);
            if (!entry)
                result.unusedLines.emplace_back(line);
            continue;
        }
        // The lines of a Pokémon whose name could not be read are left out with it.
        if (!entry || !readDetail(*entry, line))
            result.unusedLines.emplace_back(line);
    }
    finish();
    return result;
}

} // namespace battle
