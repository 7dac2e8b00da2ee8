// The canvas tools on a 3840 x 2160 canvas: pixelating all of it against a memcpy of the
// canvas, and one pointer move of a rectangle drag (the preview repainted and sent to the X
// server) against repainting one 64 x 64 tile of the canvas.
#include <QApplication>
#include <QMouseEvent>
#include <cstring>
#include <vector>

#include "bench_floor.h"
#include "bench_main.h"
#include "editor/canvas.h"
#include "editor/editor_window.h"
#include "editor/shapes/pixelate.h"
#include "editor/tool_selector.h"
#include "ui/forms.h"

namespace {

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;

QImage screenshotLike() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            line[x] = qRgb(x & 255, y & 255, (x ^ y) & 255);
        }
    }
    return image;
}

void BM_PixelateWholeCanvas(benchmark::State& state) {
    QImage canvas = screenshotLike();
    const QImage original = canvas;
    std::vector<uchar> copy(static_cast<size_t>(canvas.sizeInBytes()));
    timeAgainstFloor(
        state,
        [&] {
            std::memcpy(copy.data(), canvas.constBits(), copy.size());
            benchmark::DoNotOptimize(copy.data());
        },
        [&] { pixelate::apply(canvas, canvas.rect()); },
        // Every pass starts from the screenshot again, not from blocks already even.
        [&] { std::memcpy(canvas.bits(), original.constBits(), copy.size()); });
}

void sendMove(Canvas* canvas, QPoint picturePos) {
    const QPointF local = picturePos + QPointF(Canvas::kBorderPx, Canvas::kBorderPx);
    QMouseEvent move(QEvent::MouseMove, local, canvas->mapToGlobal(local), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &move);
}

void BM_RectanglePreviewMove(benchmark::State& state) {
    LC_Form3_pic* editor = Forms::instance().get<LC_Form3_pic>();
    editor->putCapture(screenshotLike(), true);
    // The whole canvas on the screen: the window is as large as the canvas and its toolbar.
    const int w = kWidth * 15, h = kHeight * 15;
    editor->placeEditor({w + 160, h + 2590, w + 760, h + 1300, h + 1300});
    editor->show();
    QCoreApplication::processEvents();
    Canvas* canvas = editor->PicDrawBox;
    editor->tools().choose(ToolKind::Rectangle);
    const QPointF start(10 + Canvas::kBorderPx, 10 + Canvas::kBorderPx);
    QMouseEvent press(QEvent::MouseButtonPress, start, canvas->mapToGlobal(start), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &press);
    sendMove(canvas, {3700, 2000});
    QCoreApplication::processEvents();

    int step = 0;
    timeAgainstFloor(
        state,
        [&] {
            canvas->updatePicture(QRect(100, 100, 64, 64));
            QCoreApplication::processEvents();
        },
        [&] {
            // The pointer wanders a few pixels at a time near the far corner.
            ++step;
            sendMove(canvas, {3700 + (step % 40), 2000 + (step % 30)});
            QCoreApplication::processEvents();
        });
    editor->tools().cancelUse();
}

}  // namespace

BENCHMARK(BM_PixelateWholeCanvas)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_RectanglePreviewMove)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2);

// The preview needs an application object, and the editor the registry of windows.
int main(int argc, char** argv) {
    return runInApplication(argc, argv);
}
