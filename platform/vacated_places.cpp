#include "platform/vacated_places.h"

#include <algorithm>

void VacatedPlaces::add(quint32 window, const QRegion& place) {
    if (!place.isEmpty()) {
        places_.push_back({window, place, false});
    }
}

void VacatedPlaces::left(quint32 window) {
    for (Place& p : places_) {
        p.gone = p.gone || p.window == window;
    }
}

void VacatedPlaces::drawn(const QRect& rect) {
    for (Place& p : places_) {
        if (p.gone) {
            p.undrawn -= rect;
        }
    }
}

bool VacatedPlaces::done() const {
    return std::all_of(places_.begin(), places_.end(),
                       [](const Place& p) { return p.gone && p.undrawn.isEmpty(); });
}
