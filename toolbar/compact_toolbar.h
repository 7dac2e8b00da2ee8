#pragma once

#include "ui/lc_form.h"

class QFrame;
class QLabel;
class PictureButton;
class WindowDrag;

// The compact toolbar: a small borderless bar that stands in for the main window.
class LC_Form7_mini : public LcForm {
    Q_OBJECT
public:
    static constexpr int kClientWidthTw = 900;
    static constexpr int kClientHeightTw = 465;

    LC_Form7_mini();
    void Form_Load() override;

    // Starts an area capture (whatever the main window's mode), then hides the bar.
    void btnCap_Click();
    void btnTop_Click();
    void btnPosition_Click();
    void btnCloseMini_Click();
    void btnTray_Click();

    PictureButton* btnCap = nullptr;
    PictureButton* btnTop = nullptr;
    PictureButton* btnPosition = nullptr;
    PictureButton* btnCloseMini = nullptr;
    PictureButton* btnTray = nullptr;
    QLabel* imgTopSim = nullptr;
    QLabel* imgTopNao = nullptr;
    QLabel* lblCheckTop = nullptr;
    QFrame* shpForm1 = nullptr;
    QFrame* shpForm2 = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Keep-on-top on or off: layering, picture, tooltip and both labels.
    void setOnTop(bool onTop);

    WindowDrag* drag_ = nullptr;
};
