#pragma once

#include "ui/lc_form.h"

class QLabel;
class QFrame;
class QTimer;

// The short-lived notice: a small borderless window with one line of text that closes itself.
class LC_Form8_aviso : public LcForm {
    Q_OBJECT
public:
    static constexpr int kWidthTw = 1890;
    static constexpr int kHeightTw = 540;

    LC_Form8_aviso();
    void Form_Load() override;

    QLabel* lblAviso = nullptr;
    QFrame* Shape1 = nullptr;
    QTimer* TimerAviso = nullptr;

private:
    void TimerAviso_Timer();
};
