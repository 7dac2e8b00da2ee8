#pragma once

#include <cstdint>
#include <vector>

struct FillSpan {
    int y;
    int left;
    int right;
};

struct FillRun {
    int left;
    int right;
    int parent;  // union-find link, never to a later run
};

// Working memory of the fills, kept by its owner from one fill to the next: fresh memory costs
// a page fault for every page touched, which on a large picture is a good share of a fill.
struct FillScratch {
    std::vector<std::uint64_t> visited;
    std::vector<FillSpan> spans;
    std::vector<FillRun> runs;
    std::vector<int> bandTop;       // first row of each band of identical rows
    std::vector<int> bandFirstRun;  // first run of each band
    std::vector<FillRun> selected;
    std::vector<std::uint64_t> walls;
    std::vector<std::uint64_t> wallsAbove;

    // Gives back memory beyond what an ordinary fill of a large screen needs.
    void trim() {
        constexpr std::size_t kKeepBytes = 64u << 20;
        if (runs.capacity() * sizeof(FillRun) > kKeepBytes) {
            runs = {};
        }
        if (spans.capacity() * sizeof(FillSpan) > kKeepBytes) {
            spans = {};
        }
    }
};
