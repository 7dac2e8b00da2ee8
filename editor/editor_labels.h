#pragma once

#include <QString>

// The editor's hidden state. Numbers are decimal text (twips), flags "0"/"1"; the other
// windows and the editor's tools read and write them by name.
struct EditorLabels {
    QString lblDraw = "0";                // "1" freehand drawing, "0" fill; set to "1" at load
    QString lblMeHeight = "0";            // the editor window's target height
    QString lblMeHeightIni = "0";         // the window height at capture time
    QString lblAddHeight = "0";           // running total of the space the grow buttons added
    QString lblImg = "ImgFim1";           // selected sticker
    QString lblCheckImg = "0";            // "1" while the selected sticker is enlarged
    QString lblBackColor = "lblImgFim1";  // highlighted sticker background
    QString lblText = "0";                // "1" while the text frame is shown
    QString lblNumHeight = "1";
    QString lblScaleMode = "1";
    QString txtX = "0";
    QString txtY = "0";
};
