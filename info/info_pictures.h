#pragma once

#include <QPixmap>
#include <QPoint>

// Pictures of the help and about windows, drawn in code in the program's picture style (slate
// outlines, one blue accent, transparent background).
namespace info_pictures {

// The program's logo, 55 x 55.
QPixmap logo();
// The capture mark that sits inside the program's name, 21 x 21.
QPixmap nameMark();
// The button to the maker's web page, 57 x 38; its lower part stays clear for the address.
QPixmap siteButton();
// The ReadMe document buttons, 32 x 32: 1 information, 2 licence, 3 features.
QPixmap document(int which);
// The hand pointer shown over the buttons, 32 x 32, and where it points.
QPixmap pointer();
QPoint pointerHotSpot();

}  // namespace info_pictures
