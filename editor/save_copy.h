#pragma once

#include "platform/services.h"

class LC_Form3_pic;

// Taking the picture out of the editor: the whole canvas at full size, also what is scrolled
// out of view.
//
// SaveImage asks for a file name and type (BMP, the default, PNG or JPEG) and writes the canvas
// as a file of that type, then confirms with a notice over the editor; a failure is told in a
// message box and leaves any file of that name as it was. A cancelled dialog ends quietly.
void SaveImage(LC_Form3_pic* editor);
// The save dialog's question: the file types offered (BMP, the default, then PNG and JPEG) and
// the name written for a name typed with one of them chosen.
platform::SaveDialogRequest saveRequest();
// Puts the canvas on the clipboard; a failure is told in a message box.
void copyToClipboard(LC_Form3_pic* editor);

// btnSave, btnClipboard and Ctrl+C on the canvas.
void wireSaveAndCopy(LC_Form3_pic* editor);
