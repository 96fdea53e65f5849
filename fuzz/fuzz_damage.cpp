// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

#include "battle/classic/Damage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> f = splitFields(data, size, 11);
    const battle::DamageOutcome outcome =
        battle::computeDamage({f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10]});
    // Nothing written: there must be one message saying why.
    FUZZ_REQUIRE(outcome.hasFigures || !outcome.message.empty());
    if (!outcome.hasFigures)
        return 0;
    // The figures fit their fields; the only message with written fields is the over-999 one.
    const battle::ShownFigure& normal = outcome.normal;
    const battle::ShownFigure& critical = outcome.critical;
    FUZZ_REQUIRE(!normal.text.empty() && int(normal.text.size()) <= normal.width);
    FUZZ_REQUIRE(!critical.text.empty() && int(critical.text.size()) <= critical.width);
    FUZZ_REQUIRE(normal.width <= 5 && critical.width <= 4);
    FUZZ_REQUIRE(outcome.poison.width == 0 && !outcome.poison.text.empty());
    FUZZ_REQUIRE(outcome.message.empty() || normal.text == ">999");
    return 0;
}
