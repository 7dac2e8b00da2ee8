#pragma once

#include <QColor>

class QWidget;

// The colour swatches lblCorFG and lblCorBG hold the editor's colours as their background.
namespace swatch {

QColor color(const QWidget* swatch);
void setColor(QWidget* swatch, const QColor& color);

}  // namespace swatch
