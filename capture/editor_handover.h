#pragma once

#include <QImage>
#include <QRect>

#include "editor/editor_placement.h"

// Everything the capture asks of the editor window, in one place: its canvas is the capture
// buffer for every mode and both actions.
namespace editor_handover {

// Hides the editor (loading it, hidden, when it is not loaded yet).
void hideEditor();
// The editor's frame on the screen while it is shown; empty otherwise.
QRect shownEditorFrame();
// The capture becomes the canvas picture; with keepAsUnedited it is also what Reset paints back.
void putCapture(const QImage& picture, bool keepAsUnedited);
// The canvas picture.
QImage canvasImage();
// Sizes the editor for the capture and shows it.
void showEditor(const EditorPlacement& placement);

}  // namespace editor_handover
