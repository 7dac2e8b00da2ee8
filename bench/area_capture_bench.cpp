// An area capture in this process, from the release of the mouse on the overlay until the
// picture is in the editor's canvas (the editor being shown), against one bare
// QScreen::grabWindow of the same area in the same iteration: on a still screen, and on a
// screen where a region under the area changes every frame. Run it with and without a
// compositing manager (./bench.sh does); with one, the overlay is live and the capture waits
// for it to leave the screen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/main_window.h"
#include "app/program.h"
#include "bench_target.h"
#include "capture/lc_form2_cap.h"
#include "editor/editor_window.h"
#include "platform/services.h"
#include "qt_bench_main.h"
#include "ui/forms.h"

namespace {

using Clock = std::chrono::steady_clock;

// Quits `loop` when `watched` is shown.
class ShowSpy : public QObject {
public:
    explicit ShowSpy(QEventLoop* loop) : loop_(loop) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            shownAt = Clock::now();
            loop_->quit();
        }
        return false;
    }
    Clock::time_point shownAt;

private:
    QEventLoop* loop_;
};

// The screen pattern tool, with a region that changes every frame when `moving` is given.
class Pattern {
public:
    explicit Pattern(const QString& moving) {
        QStringList args;
        if (!moving.isEmpty()) {
            args << QStringLiteral("--moving") << moving;
        }
        process_.start(QStringLiteral(LUMACAP_PATTERN_PROGRAM), args);
        QElapsedTimer t;
        t.start();
        while (!process_.readAllStandardOutput().contains("ready") && t.elapsed() < 10000) {
            process_.waitForReadyRead(50);
        }
    }
    ~Pattern() {
        process_.terminate();
        process_.waitForFinished(3000);
    }

private:
    QProcess process_;
};

void areaCapture(benchmark::State& state, const QString& moving, const std::string& name) {
    Pattern pattern(moving);
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area(300, 200, 1280, 720);
    auto* main = Forms::instance().ifLoaded<LC_Form1_Ini>();
    // A capture first grabs the main window to see that the screen's grabs work: it must be
    // on the screen, painted.
    main->show();
    if (!QTest::qWaitForWindowExposed(main)) {
        state.SkipWithError("the main window did not come up");
        return;
    }
    QTest::qWait(300);
    double bare = 0, capture = 0;
    int done = 0;
    for (auto _ : state) {
        main->FunctionCapture();
        LC_Form2_cap* overlay = nullptr;
        const bool up = QTest::qWaitFor(
            [&] {
                overlay = Forms::instance().ifLoaded<LC_Form2_cap>();
                return overlay && overlay->isVisible();
            },
            5000);
        auto* editor = Forms::instance().ifLoaded<LC_Form3_pic>();
        if (!up || !editor) {
            state.SkipWithError("the overlay did not come up");
            return;
        }
        QTest::qWait(200);  // the overlay on the screen, as the user sees it before dragging
        const QPoint from = area.topLeft() - QPoint(1, 1), to = area.bottomRight();
        QTest::mousePress(overlay, Qt::LeftButton, {}, from);
        QTest::mouseMove(overlay, (from + to) / 2);
        QTest::mouseMove(overlay, to);
        QTest::qWait(100);

        QEventLoop loop;
        ShowSpy spy(&loop);
        editor->installEventFilter(&spy);
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        const auto released = Clock::now();
        QTest::mouseRelease(overlay, Qt::LeftButton, {}, to);
        if (spy.shownAt == Clock::time_point()) {
            loop.exec();
        }
        editor->removeEventFilter(&spy);
        if (spy.shownAt == Clock::time_point()) {
            state.SkipWithError("the editor did not show the capture");
            return;
        }
        const double op = std::chrono::duration<double>(spy.shownAt - released).count();
        editor->hide();
        QTest::qWait(100);
        const auto t0 = Clock::now();
        const QPixmap floor =
            screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        benchmark::DoNotOptimize(floor);
        bare += std::chrono::duration<double>(Clock::now() - t0).count();
        capture += op;
        ++done;
        state.SetIterationTime(op);
    }
    const double opMean = capture / done, bareMean = bare / done;
    state.counters["capture_ms"] = opMean * 1e3;
    state.counters["grab_ms"] = bareMean * 1e3;
    state.counters["x_grab"] = opMean / bareMean;
    const bool live = platform::services().compositorActive();
    reportTarget(
        "area release -> canvas, " + name + (live ? ", compositor" : ", no compositor"),
        opMean / bareMean, 3.0, "bare grab of area",
        "release to canvas " + ms(opMean) + ", grab of 1280x720 " + ms(bareMean) + " (means)");
}

void BM_AreaCaptureStillScreen(benchmark::State& state) {
    areaCapture(state, {}, "still screen");
}
void BM_AreaCaptureScreenChangingEveryFrame(benchmark::State& state) {
    areaCapture(state, QStringLiteral("700,400,400,300"), "changing screen");
}
BENCHMARK(BM_AreaCaptureStillScreen)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);
BENCHMARK(BM_AreaCaptureScreenChangingEveryFrame)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);

}  // namespace

// The program's windows in this process, from a folder of its own.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir folder;
    std::filesystem::copy(LUMACAP_DATA_DIR, folder.path().toStdString(),
                          std::filesystem::copy_options::recursive);
    // A message would wait for a click nobody gives: it is printed, and the benchmark stops.
    platform::services().message = [](QWidget*, const QString&, const QString& text,
                                      platform::MessageIcon) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        std::exit(1);
    };
    Forms forms;
    if (startProgram(folder.path()) != 0) {
        return 1;
    }
    return runBenchmarks(argc, argv);
}
