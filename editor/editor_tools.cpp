#include "editor/editor_tools.h"

#include "editor/colour_swatches.h"
#include "editor/draw_tool.h"
#include "editor/editor_keys.h"
#include "editor/save_copy.h"

void installDrawSaveAndCopy(LC_Form3_pic* editor) {
    new DrawTool(editor);    // owned by the editor
    new EditorKeys(editor);  // owned by the editor
    wireColourSwatches(editor);
    wireSaveAndCopy(editor);
}
