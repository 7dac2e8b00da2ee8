#pragma once

#include <QString>

#include "ui/main_labels.h"

class QWidget;

// The main face as every other window sees it: the program's run-time state, the hand-over
// timers, hiding, and the main window's choices that a capture reads. The main window
// implements it; windows reach it through Forms::mainFace(), which never loads a window.
class MainFace {
public:
    enum class CaptureMode { Selection, FixedArea, WholeScreen };

    virtual ~MainFace() = default;

    virtual QWidget* mainWindow() = 0;
    virtual MainLabels& labels() = 0;
    // The window the user works with now, as lblToggleMax says: "1" the main window, "0" the
    // compact toolbar (loaded when needed).
    virtual QWidget* faceInUse() = 0;

    // Hand-over. A window that takes over hides the main window 250 ms later (TimerHideForm).
    // A window that hands back asks to be unloaded by name 250 ms later (lblFormNothing and
    // TimerFormNothing); that also drops a hiding still due, so a window closed within the
    // 250 ms never leaves the program without a window.
    virtual void hideSoon() = 0;
    virtual void unloadSoon(const QString& formName) = 0;
    // Clears the main window's message line and shows "Esconder" again (TimerMensagem's work).
    virtual void endMessage() = 0;

    virtual void minimize_to_tray() = 0;
    virtual void MinimizeToTaskbar() = 0;

    // How the capture under way (or the last one) is to end, fixed when it starts: the main
    // window's choices, or what a command asked for.
    struct CaptureOrder {
        CaptureMode mode = CaptureMode::Selection;
        bool copy = false;        // "Copiar" rather than "Editar"
        bool saveOnly = false;    // neither: the picture goes to a file (--output)
        bool stayHidden = false;  // asked for while the program was hidden: it stays so
        bool commanded = false;   // asked for by a command (a key): no pause meant for a person
    };
    virtual CaptureOrder captureOrder() const = 0;
    // Every capture ends here once: with its picture delivered (in the editor, on the
    // clipboard, or ready to be saved), with nothing captured, or failed (`failure` says why).
    virtual void captureEnded(bool delivered, const QString& failure) = 0;

    // The mode of the capture under way (captureOrder().mode), and the main window's choices
    // that a capture reads.
    virtual CaptureMode captureMode() const = 0;
    virtual QString fixedWidthText() const = 0;
    virtual QString fixedHeightText() const = 0;
    // "Esconder" (or a capture asked for while the program was hidden): hide the program after
    // a capture.
    virtual bool hideAfterCapture() const = 0;
    // Starts an area capture (selection or fixed-size overlay).
    virtual void FunctionCapture() = 0;

    // The press effect of the main window's buttons, whose slot the editor's buttons share.
    virtual void desceBotao(QWidget* botao) = 0;
    virtual void sobeBotao(QWidget* botao) = 0;
};
