// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

#include "battle/Damage.h"

namespace {

bool fitsItsField(const battle::OutputText& output)
{
    return output.maxLength == 0 || static_cast<int>(output.text.size()) <= output.maxLength;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> f = splitFields(data, size, 11);
    const battle::DamageInputs inputs{f[0], f[1], f[2], f[3], f[4],  f[5],
                                      f[6], f[7], f[8], f[9], f[10]};
    const battle::DamageOutcome outcome = battle::computeDamage(inputs);
    if (!outcome.writesFields) {
        // Nothing written: there must be one message saying why.
        FUZZ_REQUIRE(!outcome.message.empty());
        return 0;
    }
    FUZZ_REQUIRE(fitsItsField(outcome.normal) && !outcome.normal.text.empty());
    FUZZ_REQUIRE(fitsItsField(outcome.critical) && !outcome.critical.text.empty());
    FUZZ_REQUIRE(outcome.normal.maxLength >= 1 && outcome.normal.maxLength <= 5);
    FUZZ_REQUIRE(outcome.critical.maxLength >= 1 && outcome.critical.maxLength <= 4);
    FUZZ_REQUIRE(outcome.poison.maxLength == 0 && !outcome.poison.text.empty());
    // The only message that comes with written fields is the over-999 warning.
    FUZZ_REQUIRE(outcome.message.empty() || outcome.normal.text == ">999");
    return 0;
}
