// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// A fuzzer's bytes as `count` field texts split at newlines, so the seed corpus stays readable.
inline std::vector<std::string> splitFields(const std::uint8_t* data, std::size_t size,
                                            std::size_t count)
{
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < size && fields.size() <= count; ++i) {
        if (data[i] == '\n')
            fields.emplace_back();
        else
            fields.back().push_back(static_cast<char>(data[i]));
    }
    fields.resize(count);
    return fields;
}

// A draw source fed from the fuzzer's bytes: every value in [0, 1), like the real sequence.
struct BytesDraws {
    std::string_view bytes;
    int used = 0;

    float operator()()
    {
        const std::size_t at = static_cast<std::size_t>(used++);
        return bytes.empty() ? 0.5f : static_cast<unsigned char>(bytes[at % bytes.size()]) / 256.0f;
    }
};

#define FUZZ_REQUIRE(condition)                                                                    \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
