// The panel's rotate button: a quarter turn clockwise of the selected sticker's picture. The
// turned picture stays in the panel; the canvas and the files are not touched.
#include "editor/editor_window.h"
#include "editor/picture_holder.h"
#include "editor/sticker_image.h"
#include "editor/sticker_rotation.h"

void LC_Form3_pic::btnRotate_Click() {
    selName = labels_.lblImg;
    selImage = stickerNamed(selName);
    if (selImage) {
        RotatePicture(PicIni, selImage);
    }
}

void LC_Form3_pic::RotatePicture(PictureHolder* box, StickerImage* sticker) {
    QImage picture = box->picture();
    sticker_rotation::turnClockwiseInPlace(picture);
    box->setPicture(picture);
    sticker->setPicture(picture);
}
