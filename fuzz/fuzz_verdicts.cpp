// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

#include "battle/common/Conversions.h"
#include "battle/classic/Rolls.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> f = splitFields(data, size, 5);
    BytesDraws draws{f[4]};
    const battle::DrawSource draw = [&draws] { return draws(); };

    // The verdicts draw once whatever the text; the hit decision only for three numbers.
    const auto status = battle::statusVerdict(f[0], draw);
    FUZZ_REQUIRE(draws.used == 1 && (!status || *status == "YES" || *status == "NO"));
    const auto critical = battle::criticalVerdict(f[1], draw);
    FUZZ_REQUIRE(draws.used == 2);
    FUZZ_REQUIRE(!critical || *critical == "Critical Hit!" || *critical == "Normal Damage.");
    const auto hit = battle::hitDecision(f[2], f[3], f[2], draw);
    FUZZ_REQUIRE(draws.used == (hit ? 3 : 2) && (!hit || !hit->chanceText.empty()));

    // Whatever the presses, a counter that starts in range stays within 0 to 6.
    std::string counter = "0";
    for (const char press : f[3]) {
        const auto table =
            (press & 2) ? battle::MultiplierTable::Accuracy : battle::MultiplierTable::Evasion;
        const battle::CounterPress step =
            battle::pressCounter(counter, (press & 1) ? 1 : -1, table);
        counter = step.settled;
        const std::optional<double> value = battle::textToNumber(counter);
        FUZZ_REQUIRE(step.step && step.multiplier && value && *value >= 0 && *value <= 6);
    }
    return 0;
}
