// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

#include "battle/Conversions.h"
#include "battle/Rolls.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> f = splitFields(data, size, 5);
    BytesDraws draws(f[4]);
    const battle::DrawSource draw = [&draws] { return draws(); };

    int before = draws.used();
    const auto status = battle::statusVerdict(f[0], draw);
    FUZZ_REQUIRE(draws.used() == before + 1);
    FUZZ_REQUIRE(!status || *status == "YES" || *status == "NO");

    before = draws.used();
    const auto critical = battle::criticalVerdict(f[1], draw);
    FUZZ_REQUIRE(draws.used() == before + 1);
    FUZZ_REQUIRE(!critical || *critical == "Critical Hit!" || *critical == "Normal Damage.");

    before = draws.used();
    const auto hit = battle::hitDecision(f[2], f[3], f[2], draw);
    FUZZ_REQUIRE(draws.used() == before + (hit ? 1 : 0));
    FUZZ_REQUIRE(!hit || !hit->chanceText.empty());

    // Whatever the presses, a counter that starts in range stays within 0 to 6.
    std::string counter = "0";
    for (const char press : f[3]) {
        const auto table =
            (press & 2) ? battle::MultiplierTable::Accuracy : battle::MultiplierTable::Evasion;
        const battle::CounterPress step =
            battle::pressCounter(counter, (press & 1) ? 1 : -1, table);
        counter = step.settled;
        const std::optional<double> value = battle::textToNumber(counter);
        FUZZ_REQUIRE(step.step && value && *value >= 0 && *value <= 6);
        FUZZ_REQUIRE(step.multiplier);
    }
    return 0;
}
