// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

#include "battle/save/SaveFile.h"
#include "battle/sheet/SheetFile.h"

#include <algorithm>

namespace {

// Random bytes almost never pass a checksum, so the first byte chooses: the rest as the whole
// file, or the player's name (11 bytes) and the party block laid into a save whose checksum is
// then made good, the English or the Japanese one. The seeds stay small that way.
std::string saveFrom(const std::uint8_t* data, std::size_t size)
{
    if (size == 0 || data[0] % 3 == 0)
        return std::string(reinterpret_cast<const char*>(data) + (size ? 1 : 0),
                           size ? size - 1 : 0);
    const bool japanese = data[0] % 3 == 2;
    const std::size_t nameAt = 0x2598, checksumAt = japanese ? 0x3594 : 0x3523;
    const std::size_t partyAt = japanese ? 0x2ED5 : 0x2F2C;
    std::string save(0x8000, '\0');
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    save.replace(nameAt, std::min<std::size_t>(rest.size(), 11), rest.substr(0, 11));
    if (rest.size() > 11)
        save.replace(partyAt, std::min(rest.size() - 11, checksumAt - partyAt), rest.substr(11));
    save.resize(0x8000);
    int sum = 0;
    for (std::size_t at = nameAt; at < checksumAt; ++at)
        sum += static_cast<unsigned char>(save[at]);
    save[checksumAt] = static_cast<char>(~sum & 0xFF);
    return save;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string save = saveFrom(data, size);
    const battle::save::SaveFileResult read = battle::save::readSaveFile(save);
    FUZZ_REQUIRE(read.party.has_value() != !read.problem.empty());
    if (!read.party)
        return 0;
    FUZZ_REQUIRE(read.party->pokemon.size() <= 6);
    for (const battle::save::SavedPokemon& pokemon : read.party->pokemon) {
        for (const battle::save::SavedMove& move : pokemon.moves)
            FUZZ_REQUIRE(move.ppUps <= 3 && move.pp <= 63 && (move.move || move.ppMaximum == 0));
    }
    // Whatever lands in a sheet must survive the sheet's own file unchanged.
    const battle::save::SheetFill fill = battle::save::sheetFromParty(*read.party);
    const battle::SheetFileResult again = battle::readSheetFile(battle::writeSheetFile(fill.sheet));
    FUZZ_REQUIRE(again.sheet && *again.sheet == fill.sheet);
    return 0;
}
