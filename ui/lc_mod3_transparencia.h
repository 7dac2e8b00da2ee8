#pragma once

class QWidget;

// Window translucency: the whole window, its contents included, drawn at a given opacity.
class LC_Mod3_Transparencia {
public:
    // The opacity as a byte: percent / 100 x 255, to the nearest with halves to even, within
    // 0..255. 30 percent gives 76.
    static int alphaFor(int percent);

    // Makes `window` `percent` percent opaque (on) or fully opaque again (off). The native
    // window is created first when needed, because the opacity only reaches the window system
    // through it.
    static void SetTransparency(QWidget* window, int percent, bool on);
};
