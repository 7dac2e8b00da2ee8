#include "editor/fill/run_fill.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "editor/fill/fill_scan.h"
#include "editor/fill/wall_bits.h"

namespace {

using Run = FillRun;

// Rows with the same walls are taken together as one band: their runs are the same and touch
// each other, so a band is labelled once. Pictures are mostly like that (flat areas, straight
// lines), which keeps the number of runs far below the number of rows times runs per row.
class RunLabels {
public:
    RunLabels(const QImage& image, std::uint32_t border, FillScratch& scratch)
        : runs_(scratch.runs), bandTop_(scratch.bandTop), bandFirstRun_(scratch.bandFirstRun) {
        const int width = image.width();
        const size_t words = (static_cast<size_t>(width) + 63) / 64 + 1;
        std::vector<std::uint64_t>& walls = scratch.walls;
        std::vector<std::uint64_t>& above = scratch.wallsAbove;
        walls.resize(words);
        above.resize(words);
        runs_.clear();
        bandTop_.clear();
        bandFirstRun_.clear();
        for (int y = 0; y < image.height(); ++y) {
            wallBits(reinterpret_cast<const std::uint32_t*>(image.constScanLine(y)), width, border,
                     walls.data());
            walls.back() = ~0ull;  // closes a run that reaches the right edge
            if (y > 0 && walls == above) {
                continue;  // same band
            }
            bandTop_.push_back(y);
            bandFirstRun_.push_back(static_cast<int>(runs_.size()));
            addRuns(walls.data(), static_cast<int>(words));
            if (bandTop_.size() > 1) {
                joinWithBandAbove();
            }
            walls.swap(above);
        }
        bandTop_.push_back(image.height());
        bandFirstRun_.push_back(static_cast<int>(runs_.size()));
    }

    // The run that holds (x, y), or -1 (a border pixel).
    int runAt(int x, int y) const {
        const size_t band =
            std::upper_bound(bandTop_.begin(), bandTop_.end(), y) - bandTop_.begin() - 1;
        const Run* first = runs_.data() + bandFirstRun_[band];
        const Run* last = runs_.data() + bandFirstRun_[band + 1];
        const Run* it =
            std::lower_bound(first, last, x, [](const Run& r, int v) { return r.right < v; });
        return it != last && it->left <= x ? static_cast<int>(it - runs_.data()) : -1;
    }

    qsizetype paint(QImage& image, int startRun, std::uint32_t fill, std::vector<Run>& selected) {
        // A run's parent never comes after it, so one forward pass settles every label.
        for (Run& r : runs_) {
            r.parent = runs_[r.parent].parent;
        }
        const int label = runs_[startRun].parent;
        qsizetype painted = 0;
        for (size_t band = 0; band + 1 < bandTop_.size(); ++band) {
            selected.clear();
            for (int r = bandFirstRun_[band]; r < bandFirstRun_[band + 1]; ++r) {
                if (runs_[r].parent == label) {
                    selected.push_back(runs_[r]);
                }
            }
            if (selected.empty()) {
                continue;
            }
            for (int y = bandTop_[band]; y < bandTop_[band + 1]; ++y) {
                auto* pixels = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
                for (const Run& r : selected) {
                    fill_scan::paint(pixels + r.left, pixels + r.right + 1, fill);
                    painted += r.right - r.left + 1;
                }
            }
        }
        return painted;
    }

private:
    // Cuts a row into the runs between its wall bits: every change between wall and open is
    // one set bit of `edges`, so the work is per run, not per pixel.
    void addRuns(const std::uint64_t* walls, int words) {
        std::uint64_t before = 1;  // left of the row counts as wall
        int start = 0;
        for (int w = 0; w < words; ++w) {
            const std::uint64_t bits = walls[w];
            std::uint64_t edges = bits ^ ((bits << 1) | before);
            before = bits >> 63;
            while (edges) {
                const int x = w * 64 + std::countr_zero(edges);
                edges &= edges - 1;
                if (bits >> (x & 63) & 1) {
                    runs_.push_back({start, x - 1, static_cast<int>(runs_.size())});
                } else {
                    start = x;
                }
            }
        }
    }

    // Runs of neighbouring bands touch (4-connected) when their column ranges overlap. A merge
    // of the two sorted lists; each run of the new band keeps its current root at hand, since
    // only its own joins change it while the merge is on it.
    void joinWithBandAbove() {
        const size_t band = bandFirstRun_.size() - 1;
        int a = bandFirstRun_[band - 1];
        const int aEnd = bandFirstRun_[band];
        int b = bandFirstRun_[band];
        const int bEnd = static_cast<int>(runs_.size());
        int rootOfB = b;
        while (a < aEnd && b < bEnd) {
            if (runs_[a].right < runs_[b].left) {
                ++a;
                continue;
            }
            if (runs_[b].right < runs_[a].left) {
                rootOfB = ++b;
                continue;
            }
            const int rootOfA = find(a);
            if (rootOfA != rootOfB) {
                // Every link points to the earlier run: labels settle in one forward pass.
                runs_[std::max(rootOfA, rootOfB)].parent = std::min(rootOfA, rootOfB);
                rootOfB = std::min(rootOfA, rootOfB);
            }
            if (runs_[a].right < runs_[b].right) {
                ++a;
            } else {
                rootOfB = ++b;
            }
        }
    }

    int find(int r) {
        while (runs_[r].parent != r) {
            runs_[r].parent = runs_[runs_[r].parent].parent;
            r = runs_[r].parent;
        }
        return r;
    }

    std::vector<Run>& runs_;
    std::vector<int>& bandTop_;
    std::vector<int>& bandFirstRun_;
};

}  // namespace

qsizetype runFill(QImage& image, QPoint start, std::uint32_t fill, std::uint32_t border,
                  FillScratch& scratch) {
    RunLabels labels(image, border, scratch);
    const int startRun = labels.runAt(start.x(), start.y());
    return startRun < 0 ? 0 : labels.paint(image, startRun, fill, scratch.selected);
}
