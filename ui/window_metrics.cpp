#include "ui/window_metrics.h"

#include <QVariant>
#include <QWidget>

#include "ui/units.h"

namespace window_metrics {

namespace {

constexpr const char* kBorderProperty = "lumacapBorder";

Border borderOf(const QWidget* w) {
    const QVariant v = w->property(kBorderProperty);
    return v.isValid() ? static_cast<Border>(v.toInt()) : Border::Fixed;
}

}  // namespace

void setBorder(QWidget* window, Border border) {
    window->setProperty(kBorderProperty, static_cast<int>(border));
}

// A fixed single border is 3 pixels a side under an 18-pixel caption; a sizeable one 4 pixels.
int frameWidthTw(const QWidget* window) {
    switch (borderOf(window)) {
        case Border::None:
            return 0;
        case Border::Fixed:
            return units::tw(6);
        case Border::Sizeable:
            return units::tw(8);
    }
    return 0;
}

int frameHeightTw(const QWidget* window) {
    switch (borderOf(window)) {
        case Border::None:
            return 0;
        case Border::Fixed:
            return units::tw(24);
        case Border::Sizeable:
            return units::tw(26);
    }
    return 0;
}

int leftTw(const QWidget* window) {
    return units::tw(window->pos().x());
}
int topTw(const QWidget* window) {
    return units::tw(window->pos().y());
}
int widthTw(const QWidget* window) {
    return units::tw(window->width()) + frameWidthTw(window);
}
int heightTw(const QWidget* window) {
    return units::tw(window->height()) + frameHeightTw(window);
}

void setLeftTw(QWidget* window, int left) {
    window->move(units::px(left), window->pos().y());
}
void setTopTw(QWidget* window, int top) {
    window->move(window->pos().x(), units::px(top));
}
void moveTw(QWidget* window, int left, int top) {
    window->move(units::px(left), units::px(top));
}

void setWidthTw(QWidget* window, int width) {
    window->resize(units::px(width - frameWidthTw(window)), window->height());
}

void setHeightTw(QWidget* window, int height) {
    window->resize(window->width(), units::px(height - frameHeightTw(window)));
}

}  // namespace window_metrics
