#pragma once

class LC_Form3_pic;

// Freehand drawing and fill, the colour swatches, saving and copying, with their keys.
void installDrawSaveAndCopy(LC_Form3_pic* editor);
