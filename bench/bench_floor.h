#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <limits>

// Times `operation` against `floor` (the least the same work can cost), interleaved in every
// iteration so that both see the same machine. "x_floor" compares the fastest iteration of
// each, which other programs on a busy machine disturb least; "x_floor_mean" compares the
// means.
inline void timeAgainstFloor(benchmark::State& state, const std::function<void()>& floor,
                             const std::function<void()>& operation) {
    auto now = [] {
        timespec t{};
        clock_gettime(CLOCK_MONOTONIC, &t);
        return t.tv_sec + t.tv_nsec * 1e-9;
    };
    double floorBest = std::numeric_limits<double>::max();
    double operationBest = std::numeric_limits<double>::max();
    double floorSum = 0, operationSum = 0;
    for (auto _ : state) {
        const double t0 = now();
        floor();
        const double t1 = now();
        operation();
        const double t2 = now();
        floorBest = std::min(floorBest, t1 - t0);
        operationBest = std::min(operationBest, t2 - t1);
        floorSum += t1 - t0;
        operationSum += t2 - t1;
        state.SetIterationTime(t2 - t1);
    }
    if (floorSum > 0) {
        state.counters["x_floor"] = operationBest / floorBest;
        state.counters["x_floor_mean"] = operationSum / floorSum;
    }
}
