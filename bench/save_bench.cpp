// Saving a 3840 x 2160 canvas as a bitmap against one write() and fsync() of the same number of
// bytes, and as PNG against Qt's own PNG writer at its default settings.
#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <random>
#include <vector>

#include "bench_floor.h"
#include "bench_target.h"
#include "editor/bmp_file.h"
#include "editor/picture_file.h"

namespace {

void BM_SaveBmp(benchmark::State& state) {
    QImage canvas(3840, 2160, QImage::Format_RGB32);
    for (int y = 0; y < canvas.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            line[x] = qRgb(x & 255, y & 255, (x ^ y) & 255);
        }
    }
    QTemporaryDir dir;  // both files in one folder, on one disk
    const QByteArray plain = QFile::encodeName(dir.filePath("plain.bin"));
    const QString saved = dir.filePath("canvas.bmp");
    const std::vector<char> bytes(bmp_file::kHeaderBytes + canvas.sizeInBytes(), 'x');
    QString reason;
    const FloorMeans means = timeAgainstFloor(
        state,
        [&] {
            // A save is on the disk when it ends: the floor syncs too.
            const int fd = ::open(plain.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
            ::fsync(fd);
            ::close(fd);
        },
        [&] {
            if (!bmp_file::save(canvas, saved, &reason)) {
                state.SkipWithError(qPrintable(reason));
            }
        });
    if (means.floor > 0) {
        reportTarget("save BMP 3840x2160", means.operation / means.floor, 3.0, "write()+fsync()",
                     "save " + ms(means.operation) + ", write " + ms(means.floor) + " (means)");
    }
}

// A desktop as screenshots show one: a gradient behind flat windows with title bars, lines of
// small dark marks like text, and a photo-like patch.
QImage desktopLike() {
    QImage image(3840, 2160, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)), image.width(),
                    qRgb(30, 60 + y / 20, 120 + y / 30));
    }
    std::mt19937 rng(7);
    auto box = [&](int x, int y, int w, int h, QRgb c) {
        for (int j = y; j < y + h; ++j) {
            std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(j)) + x, w, c);
        }
    };
    for (int win = 0; win < 6; ++win) {
        const int x = 100 + win * 560, y = 100 + (win % 3) * 620, w = 800, h = 800;
        box(x, y, w, h, qRgb(250, 250, 250));
        box(x, y, w, 40, qRgb(50, 90, 200));
        for (int line = y + 70; line + 14 < y + h - 300; line += 24) {
            for (int c = x + 20; c < x + w - 40; c += 9) {
                if (rng() % 7 == 0) {
                    c += 9;  // a space
                    continue;
                }
                box(c, line + int(rng() % 4), 2 + int(rng() % 5), 6 + int(rng() % 6),
                    qRgb(20, 20, 20));
            }
        }
        for (int j = y + h - 280; j < y + h - 20; ++j) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(j));
            for (int i = x + 20; i < x + w - 20; ++i) {
                row[i] = qRgb((i * 3 + j) & 255, (j * 2 + int(rng() % 8)) & 255, (i ^ j) & 255);
            }
        }
    }
    return image;
}

void BM_SavePng(benchmark::State& state) {
    const QImage screenshot = desktopLike();
    QTemporaryDir dir;
    const QString qt = dir.filePath("qt.png");
    const QString saved = dir.filePath("saved.png");
    QString reason;
    timeAgainstFloor(
        state,
        [&] {
            QImageWriter writer(qt, "png");
            if (!writer.write(screenshot)) {
                state.SkipWithError(qPrintable(writer.errorString()));
            }
        },
        [&] {
            if (!picture_file::save(screenshot, saved, picture_file::ImageType::Png, &reason)) {
                state.SkipWithError(qPrintable(reason));
            }
        });
    state.counters["png_MB"] = QFileInfo(saved).size() / 1e6;
    state.counters["qt_png_MB"] = QFileInfo(qt).size() / 1e6;
    state.counters["x_qt_size"] = double(QFileInfo(saved).size()) / QFileInfo(qt).size();
}

}  // namespace

BENCHMARK(BM_SavePng)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(5);
BENCHMARK(BM_SaveBmp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
