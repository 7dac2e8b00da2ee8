#pragma once

#include <QString>

// The overlay's corner labels: the two rectangles that finishing a capture reads, as decimal
// twips. lblX1/lblY1 hold the press point (every mode), lblX2/lblY2 the release point
// (selection mode), lblIniX..lblFimY the fixed rectangle's corners (fixed-area mode).
struct OverlayCorners {
    QString lblX1 = "0";
    QString lblY1 = "0";
    QString lblX2 = "0";
    QString lblY2 = "0";
    QString lblIniX = "0";
    QString lblIniY = "0";
    QString lblFimX = "0";
    QString lblFimY = "0";
};
