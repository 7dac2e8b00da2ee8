#pragma once

#include <QRect>
#include <QRegion>
#include <QtGlobal>
#include <vector>

// Whether the screen still shows windows that are leaving it. Each window leaves a place (the
// part of the screen it showed); the place is vacated once the window is off the screen and
// every pixel of it was drawn again after that, by what lies below or by a compositor's next
// frame. What was drawn there before the window left is its own picture and does not count.
// How fast the rest of the screen changes does not matter: motion is content.
class VacatedPlaces {
public:
    // A window (by the system's id) and the place it shows; an empty place is never waited for.
    void add(quint32 window, const QRegion& place);
    // The window is off the screen.
    void left(quint32 window);
    // Something drew this rectangle of the screen.
    void drawn(const QRect& rect);
    // Every place is vacated.
    bool done() const;

private:
    struct Place {
        quint32 window = 0;
        QRegion undrawn;
        bool gone = false;
    };
    std::vector<Place> places_;
};
