// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

#include "battle/Conversions.h"
#include "battle/Rolls.h"

namespace {

// The counter as the accuracy finder keeps it: a step, then the rule on every change of the
// text. Writing the text a field already holds is no change, which is what ends the rule.
std::string stepCounter(const std::string& counter, int delta)
{
    std::string text = battle::counterStepWrite(counter, delta).value_or(counter);
    for (int changes = 0; changes < 8; ++changes) {
        const std::optional<std::string> ruled = battle::counterRuleWrite(text);
        if (!ruled || *ruled == text)
            return text;
        text = *ruled;
    }
    FUZZ_REQUIRE(!"the counter rule keeps changing the counter");
    return text;
}

} // namespace

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
        counter = stepCounter(counter, (press & 1) ? 1 : -1);
        const std::optional<double> value = battle::textToNumber(counter);
        FUZZ_REQUIRE(value && *value >= 0 && *value <= 6);
        FUZZ_REQUIRE(battle::multiplierText(counter, battle::MultiplierTable::Accuracy));
    }
    return 0;
}
