// SPDX-License-Identifier: MIT
#pragma once

// What both benchmark tools print: one line per figure with its bound, its ratio and PASS or
// FAIL, and a "verdict" line that scripts/bench.sh gathers into the summary at the end.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace bench {

// The sample below which `share` of the samples lie (nearest rank); 0.5 gives the median.
inline double percentile(std::vector<double> samples, double share)
{
    if (samples.empty())
        return NAN;
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(std::ceil(share * double(samples.size())));
    return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
}

inline double median(std::vector<double> samples)
{
    if (samples.empty())
        return NAN;
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

inline std::string format(const char* pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

inline void printHeader()
{
    std::printf("  %-44s %-26s %-18s %-20s %s\n", "figure", "measured", "bound", "ratio",
                "verdict");
}

// A figure held to a fixed bound, in the same unit as the measure; the ratio is measure / bound.
inline bool reportAgainstBound(const std::string& name, const std::string& measured, double value,
                               double bound, const char* unit)
{
    const bool held = value <= bound;
    const std::string boundText = "<= " + format("%g ", bound) + unit;
    const std::string ratio = format("%.2f of bound", value / bound);
    std::printf("  %-44s %-26s %-18s %-20s %s\n", name.c_str(), measured.c_str(), boundText.c_str(),
                ratio.c_str(), held ? "PASS" : "FAIL");
    std::printf("verdict %s  %s: %s (bound %s)\n", held ? "PASS" : "FAIL", name.c_str(),
                measured.c_str(), boundText.c_str());
    std::fflush(stdout);
    return held;
}

// A figure held to a multiple of the bare window's; the ratio is program / bare window.
inline bool reportAgainstBare(const std::string& name, const std::string& measured, double ratio,
                              double allowedRatio)
{
    const bool held = ratio <= allowedRatio;
    const std::string boundText = format("<= %.2fx bare", allowedRatio);
    const std::string ratioText = format("%.2fx bare", ratio);
    std::printf("  %-44s %-26s %-18s %-20s %s\n", name.c_str(), measured.c_str(), boundText.c_str(),
                ratioText.c_str(), held ? "PASS" : "FAIL");
    std::printf("verdict %s  %s: %s (bound %s)\n", held ? "PASS" : "FAIL", name.c_str(),
                ratioText.c_str(), boundText.c_str());
    std::fflush(stdout);
    return held;
}

// Peak resident memory in kB as the kernel counts it; -1 where there is no such count.
inline long peakResidentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:"))
            return std::stol(line.substr(6));
    }
    return -1;
}

} // namespace bench
