#pragma once

#include "ui/lc_form.h"

class QLabel;
class QMouseEvent;
class PictureButton;
class WindowDrag;

// What the help and about windows share: a small fixed window that stands in for the main
// window while it is open (the main window hides 250 ms after it loads), can be dragged by its
// background, shows the hand pointer of `imgMouse` over its buttons, and on closing puts the
// main window back at its own left edge, centred on it vertically.
class InfoWindow : public LcForm {
    Q_OBJECT
public:
    static constexpr int kClientWidthTw = 3720;
    static constexpr int kClientHeightTw = 3105;

    void Form_Load() override;
    void Form_Unload() override;

    // The hidden picture used as the mouse pointer over the buttons.
    QLabel* imgMouse = nullptr;

protected:
    explicit InfoWindow(const char* name);

    // Shows the pointer of `imgMouse` over `control` once the mouse moves on it.
    void usePointerOf(PictureButton* control);

    void mousePressEvent(QMouseEvent* event) override;

private:
    WindowDrag* drag_ = nullptr;
};
