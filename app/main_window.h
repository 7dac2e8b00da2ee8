#pragma once

#include <QTimer>

#include "ui/lc_form.h"
#include "ui/main_face.h"
#include "ui/main_labels.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class PictureButton;
class CommandRunner;
class TrayIcon;
class WindowDrag;
struct CommandLine;

// The main window: the start-up window and the hub of the program. Its hidden labels hold the
// program's run-time state; the other windows reach it through its MainFace side.
class LC_Form1_Ini : public LcForm, public MainFace {
    Q_OBJECT
public:
    static constexpr int kClientWidthTw = 3720;
    static constexpr int kClientHeightTw = 1725;
    static constexpr int kWidthTw = 3810;

    LC_Form1_Ini();
    ~LC_Form1_Ini() override;

    // Start-up: reads the settings row into the labels, places the window and shows the face in
    // use. Throws SettingsError when the settings cannot be used.
    void Form_Load() override;
    void Form_Unload() override;

    // MainFace
    QWidget* mainWindow() override { return this; }
    MainLabels& labels() override { return labels_; }
    QWidget* faceInUse() override;
    void hideSoon() override;
    void unloadSoon(const QString& formName) override;
    void endMessage() override;
    CaptureOrder captureOrder() const override { return order_; }
    void captureEnded(bool delivered, const QString& failure) override;
    CaptureMode captureMode() const override { return order_.mode; }
    QString fixedWidthText() const override;
    QString fixedHeightText() const override;
    bool hideAfterCapture() const override;

    // Unloads every window and ends the program.
    void UnloadAllForms();

    // Press effect, slot 1 (the editor's buttons use it too) and slot 2.
    void desceBotao(QWidget* botao) override;
    void sobeBotao(QWidget* botao) override;

    // Hides the face in use and puts the program's icon in the tray; a click on the icon brings
    // the face back. Without a tray on the desktop the face is minimised to the taskbar.
    void minimize_to_tray() override;
    // Minimises the main window to the taskbar.
    void MinimizeToTaskbar() override;

    // Start with the compact toolbar as the face in use (hidden in the tray when asked).
    void startCompactFace(bool inTray);

    // Switches to the compact toolbar.
    void btnMini_Click();
    // Opens the options window.
    void btnConfig_Click();

    // Opens a secondary window beside this one: same left edge, same vertical centre.
    void openBeside(QWidget* target, const QString& formName);

    // Area capture (selection or fixed-area mode): brings up the selection overlay. Also
    // started by the compact toolbar.
    void FunctionCapture() override;
    // Whole-screen capture into the editor's canvas, then the edit or copy action.
    void CaptureWholeScreen();

    // How the program shows itself when it starts; set before the main window is loaded.
    enum class StartFace {
        AsStored,  // as the settings say
        InTray,    // hidden in the tray (--tray)
        NotYet,    // not yet: a capture asked for at the start brings it when it ends
    };
    static void setStartFace(StartFace face);

    // A command from this start's arguments or from a second start (see CommandRunner).
    CommandRunner& commands() { return *commands_; }
    // The window's choices as the order of a capture.
    CaptureOrder choices() const;
    // Starts a capture with that order.
    void startCapture(const CaptureOrder& order);
    bool captureUnderWay() const { return captureUnderWay_; }
    // The program is out of sight: in the tray, or its face minimised.
    bool outOfSight() const;
    // Brings the face in use forward, also from the tray or the taskbar.
    void bringForward();

    // Controls, by their names.
    QGroupBox* Frame1 = nullptr;
    QRadioButton* OptCapture0 = nullptr;
    QRadioButton* OptCapture1 = nullptr;
    QRadioButton* OptCapture2 = nullptr;
    PictureButton* BtnCapture = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtWidth = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtHeight = nullptr;
    PictureButton* btnSaveText = nullptr;
    QLabel* Label1 = nullptr;
    QRadioButton* OptAction0 = nullptr;
    QRadioButton* OptAction1 = nullptr;
    QFrame* Shape1 = nullptr;
    QCheckBox* chkHide = nullptr;
    QLabel* lblMensagem = nullptr;
    PictureButton* btnMini = nullptr;
    PictureButton* btnMinimize = nullptr;
    PictureButton* btnPosition = nullptr;
    PictureButton* btnConfig = nullptr;
    PictureButton* btnHelp = nullptr;
    PictureButton* btnAbout = nullptr;
    QWidget* SoftIcon = nullptr;

    QTimer* TimerMensagem = nullptr;
    QTimer* TimerHideForm = nullptr;
    QTimer* TimerFormNothing = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void buildControls();
    void buildHiddenArea();
    void wireControls();
    void wireHiding();
    void wireFixedSize();

    void OptCapture_Click();
    void wireInfoButtons();
    void btnHelp_Click();
    void btnAbout_Click();
    void BtnCapture_Click();
    void rememberSize();
    void chkHide_Click();
    void TimerMensagem_Timer();
    void TimerHideForm_Timer();
    void TimerFormNothing_Timer();
    void TrayIcon_Click();
    void btnPosition_Click();
    void txtWidth_Change();
    void txtHeight_Change();
    void btnSaveText_Click();

    void beginAreaCapture();
    void beginWholeScreen();

    MainLabels labels_;
    WindowDrag* drag_ = nullptr;
    TrayIcon* tray_ = nullptr;
    CommandRunner* commands_ = nullptr;
    CaptureOrder order_;
    bool captureUnderWay_ = false;
};
