#pragma once

#include <QColor>
#include <optional>

class LC_Form3_pic;
class QWidget;

// The colour dialog preset to `initial`; nullopt only when it was cancelled.
std::optional<QColor> ShowColorDialog(QWidget* owner, const QColor& initial);

// Clicking a swatch chooses its colour. The stroke colour also becomes the canvas's drawing
// colour at once; the fill colour is read from its swatch when it is used.
void wireColourSwatches(LC_Form3_pic* editor);
