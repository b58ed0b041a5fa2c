// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Repeated timing of one step and the line each benchmark prints: median,
// spread and the ratio to the reference measured in the same run.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace tinctora::bench {

struct Figure {
    double median = 0;
    double p1 = 0;
    double p99 = 0;
};

inline Figure Summarise(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const auto at = [&samples](double q) {
        return samples[static_cast<std::size_t>(q * static_cast<double>(samples.size() - 1))];
    };
    return Figure{at(0.5), at(0.01), at(0.99)};
}

// Times each call of step in microseconds, after a few warm-up calls; prepare
// runs untimed before each step.
inline Figure TimeMicroseconds(int runs, const std::function<void(int)>& step,
                               const std::function<void(int)>& prepare = {}) {
    for (int i = 0; i < 20; ++i) {
        if (prepare) {
            prepare(i);
        }
        step(i);
    }
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        if (prepare) {
            prepare(i);
        }
        const auto start = std::chrono::steady_clock::now();
        step(i);
        const auto end = std::chrono::steady_clock::now();
        samples.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    return Summarise(std::move(samples));
}

inline void Print(const std::string& name, const Figure& f, const char* unit,
                  const std::string& reference = {}, double referenceValue = 0) {
    std::printf("%-34s median %9.2f %s  p1 %9.2f  p99 %9.2f", name.c_str(), f.median, unit, f.p1,
                f.p99);
    if (!reference.empty() && referenceValue > 0) {
        std::printf("  ratio %.2f to %s", f.median / referenceValue, reference.c_str());
    }
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace tinctora::bench
