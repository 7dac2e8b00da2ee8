#pragma once

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QString>

// The program's own pictures, drawn in code so that every size stays crisp and every button
// shares one look: dark slate glyphs with one blue accent on a transparent background.
namespace pictures {

// The program icon: one icon with images of several sizes, shared by every window and the tray.
QIcon programIcon();
// The program icon drawn at one size.
QPixmap programIconPixmap(int size);
// The program icon drawn on a 24 x 24 grid with any painter (the scalable icon is made so).
void paintProgramIcon(QPainter& p);

// A button picture by name, size x size pixels. Names: "capture", "mini", "tray", "position",
// "config", "help", "about", "save", and the editor's "pen", "bucket", "text", "stickers",
// "growup", "growdown", "clipboard", "reset", "rotate", "close", the canvas tools' "line",
// "arrow", "rectangle", "ellipse", "marker", "pixelate", "number", "crop", and "down", the
// backdrop of the tool in use. An unknown name gives an empty picture.
QPixmap button(const QString& name, int size);

}  // namespace pictures
