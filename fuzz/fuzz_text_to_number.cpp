// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

#include "battle/common/Conversions.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> number = battle::textToNumber(text);
    if (!number)
        return 0;
    // A number is always finite, and the text the program writes for it reads back as one.
    FUZZ_REQUIRE(std::isfinite(*number));
    const std::string written = battle::numberToText(*number);
    FUZZ_REQUIRE(!written.empty() && written.size() <= 24);
    const std::optional<double> reread = battle::textToNumber(written);
    FUZZ_REQUIRE(reread && std::isfinite(*reread));
    return 0;
}
