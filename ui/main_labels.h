#pragma once

#include <QString>

// The main window's hidden state. Other windows read and write these texts; flags are "0"/"1"
// and numbers decimal text, compared as text where the behaviour compares text.
struct MainLabels {
    QString lblMax = "0";        // stored start face: "1" main window, "0" compact toolbar
    QString lblToggleMax = "1";  // face in use now: "1" main window, "0" compact toolbar
    QString lblMinimized = "0";  // stored: start hidden in the tray
    QString lblTaskbar = "0";    // stored hide target when the editor closes: "1" taskbar
    QString lblDesktop = "0";    // shortcut flags
    QString lblMenu = "0";
    QString lblWindows = "0";
    QString lblMiniLeft = "0";  // compact toolbar's stored position, twips ("0": centred)
    QString lblMiniTop = "0";
    QString lblCheckTop = "0";  // compact toolbar kept on top during this run
    QString lblCopy = "0";      // after capture: "0" edit, anything else copy
    QString MeWidth = "0";      // main window size at the last capture, twips
    QString MeHeight = "0";
    QString lblFormNothing = "";  // window that TimerFormNothing unloads
    QString lblPosLeft = "0";     // press-effect slot 1
    QString lblPosTop = "0";
    QString lblPosLeft2 = "0";  // press-effect slot 2
    QString lblPosTop2 = "0";
    QString lblMeLeft = "0";
    QString lblMeTop = "0";
    QString lblTransparencia = "10";
};
