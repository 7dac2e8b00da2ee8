// Shows the coordinate test pattern over the whole virtual desktop (every monitor, and what lies
// between them), one pattern pixel per device pixel at any density, below every other window,
// and prints "ready" once it is on the screen. Runs until it is terminated.
// On Wayland, where a program cannot place its windows, it shows one window per screen, titled
// "pattern " and the screen's name, each with the pattern of the screen's device pixels (the
// screen's logical corner, then its size at its density). The desktop is to lay each over its
// whole screen, below the windows of others: tiled, without borders or gaps (not full screen,
// which would hide them).
// With --moving X,Y,W,H (X11) that rectangle changes every frame (60 a second): frame n fills it
// with the colour (255, n mod 200, 255), a pink that nothing else on the test screens shows and
// that no two frames in a row share.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <memory>
#include <vector>

#include "support/test_pattern.h"

namespace {

// Windows not painted yet: "ready" comes once every one has been.
int unpainted = 0;

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

    // The pattern of one screen, in its device pixels.
    explicit PatternWindow(QScreen* screen) {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setWindowTitle(QStringLiteral("pattern ") + screen->name());
        setScreen(screen);
        const qreal s = screen->devicePixelRatio();
        const QRect g = screen->geometry();
        const QRect device(g.topLeft(), (QSizeF(g.size()) * s).toSize());
        picture_ = QImage(device.size(), QImage::Format_RGB32);
        for (int y = 0; y < device.height(); ++y) {
            for (int x = 0; x < device.width(); ++x) {
                picture_.setPixel(x, y, test_pattern::at(device.x() + x, device.y() + y));
            }
        }
        picture_.setDevicePixelRatio(s);
        setGeometry(g);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        if (picture_.devicePixelRatio() != 1) {
            p.drawImage(QPoint(0, 0), picture_);
        } else {
            p.drawImage(event->rect().topLeft(), picture_, event->rect());
        }
        if (!moving_.isEmpty()) {
            p.fillRect(moving_.intersected(event->rect()), QColor(255, frame_ % 200, 255));
        }
        if (!announced_ && --unpainted == 0) {
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
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::vector<std::unique_ptr<PatternWindow>> windows;
        unpainted = static_cast<int>(QGuiApplication::screens().size());
        for (QScreen* screen : QGuiApplication::screens()) {
            windows.push_back(std::make_unique<PatternWindow>(screen));
            windows.back()->show();
        }
        return QApplication::exec();
    }
    unpainted = 1;
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
