#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

// The picture a desktop's Screenshot portal gives, brought to the program's device pixels. The
// portal draws the whole layout of screens (logical pixels) at one density, the highest of its
// screens; a screen of a lower density comes back at its own pixels by taking, for each of them,
// the portal's pixel under its centre. Parts that no screen shows, transparent in the portal's
// picture, are black; everything else is opaque.
namespace portal_picture {

struct Screen {
    QRect logical;  // on the desktop's layout
    QRect device;   // its pixels on the program's virtual desktop
};

// The virtual desktop (the rectangle holding every screen's device pixels) as an RGB32 picture,
// from the portal's picture of the layout; null when there is nothing to make it from.
QImage desktop(const QImage& portal, const QList<Screen>& screens);

// Whether the portal's file is the program's to remove once read: it lies in one of the
// temporary folders `temporary` (or below), and not in one of the folders `kept` (the user's
// pictures folder, where some desktops keep every screenshot by design).
bool removable(const QString& file, const QStringList& temporary, const QStringList& kept);

}  // namespace portal_picture
