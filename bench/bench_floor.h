#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <limits>

// Times `operation` against `floor` (the least the same work can cost), interleaved in every
// iteration so that both see the same machine; `prepare`, when given, runs untimed before each
// pair. Reported in milliseconds for both: the fastest iteration (best_ms, floor_best_ms), the
// mean and the slowest; and three ratios: "x_floor", the headline, compares the means (what a user
// meets on average), "x_floor_best" the fastest iterations, which other programs on a busy
// machine disturb least, and "x_floor_worst" the slowest. The means are also returned.
struct FloorMeans {
    double operation = 0;  // seconds
    double floor = 0;
};
inline FloorMeans timeAgainstFloor(benchmark::State& state, const std::function<void()>& floor,
                                   const std::function<void()>& operation,
                                   const std::function<void()>& prepare = {}) {
    auto now = [] {
        timespec t{};
        clock_gettime(CLOCK_MONOTONIC, &t);
        return t.tv_sec + t.tv_nsec * 1e-9;
    };
    struct Times {
        double best = std::numeric_limits<double>::max();
        double worst = 0;
        double sum = 0;
        void add(double t) {
            best = std::min(best, t);
            worst = std::max(worst, t);
            sum += t;
        }
    } floorTimes, operationTimes;
    int iterations = 0;
    for (auto _ : state) {
        if (prepare) {
            prepare();
        }
        const double t0 = now();
        floor();
        const double t1 = now();
        operation();
        const double t2 = now();
        floorTimes.add(t1 - t0);
        operationTimes.add(t2 - t1);
        ++iterations;
        state.SetIterationTime(t2 - t1);
    }
    if (iterations == 0 || floorTimes.sum <= 0) {
        return {};
    }
    state.counters["best_ms"] = operationTimes.best * 1e3;
    state.counters["mean_ms"] = operationTimes.sum / iterations * 1e3;
    state.counters["worst_ms"] = operationTimes.worst * 1e3;
    state.counters["floor_best_ms"] = floorTimes.best * 1e3;
    state.counters["floor_mean_ms"] = floorTimes.sum / iterations * 1e3;
    state.counters["floor_worst_ms"] = floorTimes.worst * 1e3;
    state.counters["x_floor"] = operationTimes.sum / floorTimes.sum;
    state.counters["x_floor_best"] = operationTimes.best / floorTimes.best;
    state.counters["x_floor_worst"] = operationTimes.worst / floorTimes.worst;
    return {operationTimes.sum / iterations, floorTimes.sum / iterations};
}
