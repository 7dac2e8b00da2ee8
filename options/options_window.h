#pragma once

#include "ui/lc_form.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTimer;

// The options window: start face, start hidden, hiding target and the shortcuts.
class LC_Form4_config : public LcForm {
    Q_OBJECT
public:
    static constexpr int kClientWidthTw = 3720;
    static constexpr int kClientHeightTw = 3105;

    LC_Form4_config();
    void Form_Load() override;
    void Form_Unload() override;

    // "Ok": applies everything.
    void btnUpdate_Click();

    struct Labels {
        QString lblDesktop = "0";
        QString lblMenu = "0";
        QString lblWindows = "0";
    };
    Labels& labels() { return labels_; }

    QGroupBox* Frame1 = nullptr;
    QRadioButton* optMax = nullptr;
    QRadioButton* optMini = nullptr;
    QGroupBox* Frame3 = nullptr;
    QRadioButton* optTaskbar = nullptr;
    QRadioButton* optTray = nullptr;
    QGroupBox* frmInicio = nullptr;
    QRadioButton* optMinimized1 = nullptr;
    QRadioButton* optMinimized0 = nullptr;
    QGroupBox* frmAtalhos = nullptr;
    QCheckBox* chkDesktop = nullptr;
    QCheckBox* chkMenu = nullptr;
    QCheckBox* chkWindows = nullptr;
    QGroupBox* Frame2 = nullptr;
    QCheckBox* chkRemake = nullptr;
    QPushButton* btnUpdate = nullptr;
    QTimer* TimerMensagem = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildControls();
    // Puts the main window back where this window stands and asks it to unload this one.
    void handBack();

    Labels labels_;
    class WindowDrag* drag_ = nullptr;
};
