// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

#include "battle/sheet/SheetFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const battle::SheetFileResult read = battle::readSheetFile(bytes);
    FUZZ_REQUIRE(read.sheet.has_value() != !read.problem.empty());
    if (read.sheet) {
        // Whatever it accepts, it writes back so that it reads the same again.
        const battle::SheetFileResult again =
            battle::readSheetFile(battle::writeSheetFile(*read.sheet));
        FUZZ_REQUIRE(again.sheet && *again.sheet == *read.sheet);
        FUZZ_REQUIRE(read.sheet->activePage >= 0 && read.sheet->activePage <= 6);
    }
    return 0;
}
