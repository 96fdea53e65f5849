// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// Splits a fuzzer's bytes into field texts at newlines, so the seed corpus stays readable.
inline std::vector<std::string> splitFields(const std::uint8_t* data, std::size_t size,
                                            std::size_t count)
{
    std::vector<std::string> fields(count);
    std::size_t field = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            if (++field == count)
                break;
            continue;
        }
        fields[field].push_back(static_cast<char>(data[i]));
    }
    return fields;
}

// A draw source fed from the fuzzer's bytes: every value in [0, 1), like the real sequence.
class BytesDraws {
public:
    explicit BytesDraws(std::string_view bytes) : m_bytes(bytes) {}
    float operator()()
    {
        ++m_used;
        if (m_bytes.empty())
            return 0.5f;
        const auto byte = static_cast<unsigned char>(m_bytes[m_at++ % m_bytes.size()]);
        return static_cast<float>(byte) / 256.0f;
    }
    int used() const { return m_used; }

private:
    std::string_view m_bytes;
    std::size_t m_at = 0;
    int m_used = 0;
};

#define FUZZ_REQUIRE(condition)                                                                \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__,       \
                         __LINE__);                                                            \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)
