// Shows the coordinate test pattern over the whole virtual desktop (every monitor, and what lies
// between them), one pattern pixel per device pixel at any density, below every other window,
// and prints "ready" once it is on the screen. Runs until it is terminated.
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
    PatternWindow() {
        // Not managed: it lies exactly over the screen and stays below what the tests start.
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(QGuiApplication::primaryScreen()->virtualGeometry());
        picture_ = test_pattern::make(size());
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        p.drawImage(event->rect().topLeft(), picture_, event->rect());
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
    bool announced_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    // The pattern is in device pixels: no scaling by Xft.dpi or QT_SCALE_FACTOR.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    QApplication app(argc, argv);
    PatternWindow window;
    window.show();
    window.lower();
    return QApplication::exec();
}
