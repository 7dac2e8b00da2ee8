// Saving a 3840 x 2160 canvas as a bitmap against one write() and fsync() of the same number of
// bytes.
#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <vector>

#include "bench_floor.h"
#include "bench_target.h"
#include "editor/bmp_file.h"

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

}  // namespace

BENCHMARK(BM_SaveBmp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
