#include "editor/fill/span_fill.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "editor/fill/fill_scan.h"
#include "editor/fill/visited_bits.h"

namespace {

using fill_scan::kRgbMask;

// Every span is painted when it is found and queued once, to look for open runs in the rows
// above and below it. The visited bits, not the colours, say what is done: the fill colour may
// already be present in the region.
class SpanFiller {
public:
    SpanFiller(QImage& image, std::uint32_t fill, std::uint32_t border, qsizetype budget,
               FillScratch& scratch)
        : image_(image),
          width_(image.width()),
          height_(image.height()),
          fill_(fill),
          border_(border),
          budget_(budget),
          visited_(scratch.visited, width_, height_),
          stack_(scratch.spans) {
        stack_.clear();
    }

    std::optional<qsizetype> run(QPoint start) {
        const std::uint32_t* pixels = row(start.y());
        if ((pixels[start.x()] & kRgbMask) == border_) {
            return 0;
        }
        int left = start.x();
        while (left > 0 && (pixels[left - 1] & kRgbMask) != border_) {
            --left;
        }
        const int right = fill_scan::firstBorder(pixels, start.x(), width_, border_) - 1;
        paint(start.y(), left, right);
        while (!stack_.empty()) {
            if (spans_ > budget_) {
                return std::nullopt;
            }
            const FillSpan s = stack_.back();
            stack_.pop_back();
            if (s.y + 1 < height_) {
                paintRuns(s.y + 1, s.left, s.right);
            }
            if (s.y > 0) {
                paintRuns(s.y - 1, s.left, s.right);
            }
        }
        return painted_;
    }

private:
    std::uint32_t* row(int y) { return reinterpret_cast<std::uint32_t*>(image_.scanLine(y)); }

    void paint(int y, int left, int right) {
        std::fill(row(y) + left, row(y) + right + 1, fill_);
        VisitedBits::setRange(visited_.row(y), left, right);
        painted_ += right - left + 1;
        ++spans_;
        stack_.push_back({y, left, right});
    }

    // The first open pixel (neither painted nor border) in [x, last], or last + 1.
    int nextOpen(const std::uint32_t* pixels, const std::uint64_t* seen, int x, int last) const {
        while (x <= last) {
            const std::uint64_t unseen = ~seen[x >> 6] >> (x & 63);
            if (unseen == 0) {
                x = (x | 63) + 1;  // the rest of this word is painted
                continue;
            }
            x += std::countr_zero(unseen);
            if (x > last) {
                break;
            }
            if ((pixels[x] & kRgbMask) != border_) {
                return x;
            }
            ++x;
        }
        return last + 1;
    }

    // The first closed pixel (painted or border) from x on, or the row's width.
    int nextClosed(const std::uint32_t* pixels, const std::uint64_t* seen, int x) const {
        while (x < width_) {
            const std::uint64_t painted = seen[x >> 6] >> (x & 63);
            const int wordEnd = std::min((x | 63) + 1, width_);
            const int end = painted ? std::min(x + std::countr_zero(painted), wordEnd) : wordEnd;
            const int b = fill_scan::firstBorder(pixels, x, end, border_);
            if (b < end || end < wordEnd) {
                return b;
            }
            x = end;
        }
        return width_;
    }

    // Paints every open run of row y that touches [left, right], each as long as it goes.
    void paintRuns(int y, int left, int right) {
        const std::uint32_t* pixels = row(y);
        const std::uint64_t* seen = visited_.row(y);
        int x = nextOpen(pixels, seen, left, right);
        while (x <= right) {
            int start = x;
            if (start == left) {
                while (start > 0 && !VisitedBits::test(seen, start - 1) &&
                       (pixels[start - 1] & kRgbMask) != border_) {
                    --start;
                }
            }
            const int end = nextClosed(pixels, seen, x) - 1;
            paint(y, start, end);
            x = nextOpen(pixels, seen, end + 1, right);
        }
    }

    QImage& image_;
    const int width_;
    const int height_;
    const std::uint32_t fill_;
    const std::uint32_t border_;
    const qsizetype budget_;
    VisitedBits visited_;
    std::vector<FillSpan>& stack_;
    qsizetype painted_ = 0;
    qsizetype spans_ = 0;
};

}  // namespace

std::optional<qsizetype> spanFill(QImage& image, QPoint start, std::uint32_t fill,
                                  std::uint32_t border, qsizetype spanBudget,
                                  FillScratch& scratch) {
    return SpanFiller(image, fill, border, spanBudget, scratch).run(start);
}
