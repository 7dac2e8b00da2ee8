// Shows the coordinate test pattern over the whole virtual desktop (every monitor, and what lies
// between them), one pattern pixel per device pixel at any density, below every other window,
// and prints "ready" once it is on the screen. Runs until it is terminated.
// With --moving X,Y,W,H that rectangle changes every frame (60 a second): frame n fills it with
// the colour (255, n mod 200, 255), a pink that nothing else on the test screens shows and that
// no two frames in a row share.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "support/test_pattern.h"

namespace {

class PatternWindow : public QWidget {
public:
    explicit PatternWindow(QRect moving) : moving_(moving) {
        // Not managed: it lies exactly over the screen and stays below what the tests start.
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(QGuiApplication::primaryScreen()->virtualGeometry());
        picture_ = test_pattern::make(size());
        if (!moving_.isEmpty()) {
            auto* frames = new QTimer(this);  // owned by the window
            connect(frames, &QTimer::timeout, this, [this] {
                ++frame_;
                update(moving_);
            });
            frames->start(16);
        }
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        p.drawImage(event->rect().topLeft(), picture_, event->rect());
        if (!moving_.isEmpty()) {
            p.fillRect(moving_.intersected(event->rect()), QColor(255, frame_ % 200, 255));
        }
        if (!announced_) {
            announced_ = true;
            QTimer::singleShot(100, this, [] {
                std::printf("ready\n");
                std::fflush(stdout);
            });
        }
    }

private:
    QImage picture_;
    QRect moving_;
    int frame_ = 0;
    bool announced_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    // The pattern is in device pixels: no scaling by Xft.dpi or QT_SCALE_FACTOR.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    QApplication app(argc, argv);
    QRect moving;
    const QStringList args = QCoreApplication::arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--moving"));
    if (at >= 0 && at + 1 < args.size()) {
        const QStringList n = args[at + 1].split(QLatin1Char(','));
        if (n.size() == 4) {
            moving = QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt());
        }
    }
    PatternWindow window(moving);
    window.show();
    window.lower();
    return QApplication::exec();
}
