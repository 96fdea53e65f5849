// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

#include "battle/sheet/TeamText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const battle::TeamImport team = battle::readTeamText(text);
    FUZZ_REQUIRE(team.pages.size() <= 6);
    FUZZ_REQUIRE(!team.moreThanSix || team.pages.size() == 6);
    battle::SheetRecord sheet;
    for (std::size_t page = 0; page < team.pages.size(); ++page) {
        FUZZ_REQUIRE(!team.pages[page].species.empty() && !team.pages[page].type1.empty());
        sheet.pages[page] = team.pages[page];
    }
    // What it read, written as team text, reads back as the same Pokémon with the same attacks.
    const battle::TeamImport again = battle::readTeamText(battle::writeTeamText(sheet));
    FUZZ_REQUIRE(again.pages.size() == team.pages.size() && again.unusedLines.empty());
    for (std::size_t page = 0; page < team.pages.size(); ++page) {
        FUZZ_REQUIRE(again.pages[page].species == team.pages[page].species);
        FUZZ_REQUIRE(again.pages[page].attacks == team.pages[page].attacks);
    }
    return 0;
}
