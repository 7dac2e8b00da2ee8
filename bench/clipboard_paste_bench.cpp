// Another program pasting a 3840 x 2160 capture from the clipboard as PNG (xclip), the way an
// image editor or chat window asks for it. Needs an X display and xclip.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <chrono>
#include <random>

#include "platform/encoded_image_mime.h"
#include "platform/services.h"
#include "qt_bench_main.h"

namespace {

// A capture of a busy 4K desktop: a gradient background under overlapping windows full of text.
QImage capture() {
    QImage image(3840, 2160, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient background(0, 0, 3840, 2160);
    background.setColorAt(0, QColor(30, 60, 120));
    background.setColorAt(1, QColor(200, 120, 60));
    p.fillRect(image.rect(), background);
    std::mt19937 rng(3);
    auto uniform = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    for (int i = 0; i < 25; ++i) {
        const QRect r(uniform(3000), uniform(1700), 400 + uniform(1200), 300 + uniform(700));
        p.fillRect(r, QColor(240, 240, 240));
        p.fillRect(r.x(), r.y(), r.width(), 30, QColor(40, 90, 200));
        for (int y = 40; y < r.height() - 20; y += 18) {
            p.drawText(r.x() + 10, r.y() + y,
                       QStringLiteral("Lorem ipsum dolor sit amet, consectetur adipiscing elit "
                                      "%1 sed do eiusmod tempor")
                           .arg(y * i));
        }
    }
    return image;
}

// Runs xclip to the end while this program's event loop serves the clipboard; the bytes read.
qint64 paste(const QString& target) {
    QProcess xclip;
    QEventLoop loop;
    QObject::connect(&xclip, &QProcess::finished, &loop, &QEventLoop::quit);
    xclip.start(QStringLiteral("xclip"), {"-selection", "clipboard", "-t", target, "-o"});
    if (xclip.state() != QProcess::NotRunning) {
        loop.exec();
    }
    return xclip.readAllStandardOutput().size();
}

void BM_PasteCapturePng(benchmark::State& state) {
    const QImage image = capture();
    QString error;
    if (!platform::services().putImageOnClipboard(image, &error)) {
        state.SkipWithError(error.toUtf8().constData());
        return;
    }
    // The encoding runs once, in the background, as soon as the picture is on the clipboard;
    // a paste right away waits for it once. Measured apart here.
    const auto t0 = std::chrono::steady_clock::now();
    const auto* mime =
        qobject_cast<const EncodedImageMime*>(QGuiApplication::clipboard()->mimeData());
    const qint64 pngBytes = mime ? mime->png().size() : 0;
    const double encodeMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();

    // The floor: the same program asking for the list of formats only (start-up and a round
    // trip, no picture).
    qint64 bytes = 0;
    double floorSeconds = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        paste(QStringLiteral("TARGETS"));
        const auto t1 = std::chrono::steady_clock::now();
        bytes = paste(QStringLiteral("image/png"));
        const auto t2 = std::chrono::steady_clock::now();
        floorSeconds += std::chrono::duration<double>(t1 - t0).count();
        state.SetIterationTime(std::chrono::duration<double>(t2 - t1).count());
    }
    state.counters["targets_ms"] = floorSeconds * 1000 / static_cast<double>(state.iterations());
    if (bytes != pngBytes || bytes == 0) {
        state.SkipWithError("the paste did not deliver the PNG");
    }
    state.counters["png_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["encode_wait_ms"] = encodeMs;
}
BENCHMARK(BM_PasteCapturePng)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

// The screen and the clipboard need an application object, made before any benchmark runs.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
