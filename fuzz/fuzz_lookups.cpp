// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

#include "battle/classic/AccuracyTable.h"
#include "battle/classic/AttackTable.h"
#include "battle/classic/SpeciesTable.h"
#include "battle/game/GameData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> f = splitFields(data, size, 2);
    const std::string& key = f[0];
    BytesDraws draws{f[1]};

    // An unknown key sets only empty notes and no class, drawing nothing.
    const battle::AttackChoice choice = battle::chooseAttack(key, [&draws] { return draws(); });
    FUZZ_REQUIRE(draws.used <= 3);
    FUZZ_REQUIRE(battle::findAttack(key) != nullptr || choice == battle::AttackChoice{});

    for (const auto& accuracy :
         {battle::baseAccuracyAsChosen(key), battle::baseAccuracyAsTyped(key)})
        FUZZ_REQUIRE(!accuracy || (*accuracy >= 29.7 && *accuracy <= 99.6));
    const std::optional<int> critical = battle::findBaseCritical(key);
    FUZZ_REQUIRE(!critical || (*critical >= 12 && *critical <= 37));

    // Team text of any bytes: a loose match finds its own name again; exact names match loosely.
    using namespace battle::game;
    const Species* species = findSpeciesLoosely(key);
    FUZZ_REQUIRE(!species || findSpeciesLoosely(species->name) == species);
    FUZZ_REQUIRE(!speciesForProgramName(key) || speciesForProgramName(key) == species);
    const Move* move = findMoveLoosely(key);
    FUZZ_REQUIRE(!move || findMoveLoosely(move->name) == move);
    FUZZ_REQUIRE(!moveForProgramName(key) || moveForProgramName(key) == move);
    return 0;
}
