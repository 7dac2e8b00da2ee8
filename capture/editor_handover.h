#pragma once

#include <QImage>
#include <QRect>

class QWidget;

#include "editor/editor_placement.h"

// Everything the capture asks of the editor window, in one place: its canvas is the capture
// buffer for every mode and both actions.
namespace editor_handover {

// Hides the editor (loading it, hidden, when it is not loaded yet).
void hideEditor();
// The editor while it is shown; null otherwise.
QWidget* shownEditor();
// The capture becomes the canvas picture; with keepAsUnedited it is also what Reset paints back.
void putCapture(const QImage& picture, bool keepAsUnedited);
// The canvas picture.
QImage canvasImage();
// Sizes the editor for the capture and shows it on the capture's screen.
void showEditor(const EditorPlacement& placement, const EditorScreen& screen);

}  // namespace editor_handover
