#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

// Printing a text and painting a picture into the canvas image. Only what is drawn changes
// canvas pixels: the text has no background and a picture's transparent pixels are skipped.
namespace canvas_stamp {

// A text drawn on a transparent picture. `origin` is where the top-left corner of the text's
// first line lies in `image` (a margin around the text keeps overhanging glyphs whole).
struct TextPicture {
    QImage image;
    QPoint origin;
};

// The text in `font` and `color`. Point sizes are taken at 96 dots per inch (15 twips to a
// logical pixel), as everywhere in the program, times `scale` picture pixels per logical pixel
// (so that the print is as large as the text box on the screen); line breaks start new lines.
// An empty text gives a null image.
TextPicture renderText(const QString& text, const QFont& font, const QColor& color,
                       qreal scale = 1);

// Prints the text with the top-left corner of its first line at `topLeft` (canvas pixels).
void printText(QImage& canvas, QPoint topLeft, const QString& text, const QFont& font,
               const QColor& color, qreal scale = 1);

// Paints `picture` stretched over `target` (canvas pixels).
void paintPicture(QImage& canvas, const QImage& picture, const QRect& target);

}  // namespace canvas_stamp
