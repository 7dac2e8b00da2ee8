#pragma once

#include <QList>
#include <QRect>
#include <QString>

// One screen (`screen`, its device pixels on the desktop whose screens are `screens`) grabbed
// into the editor's canvas, also kept as the unedited capture. Why it could not be (empty when
// it was): see area_grab::rejection, also for `screenSeen`.
namespace whole_screen {
QString intoCanvas(const QRect& screen, const QList<QRect>& screens, bool screenSeen);
}
