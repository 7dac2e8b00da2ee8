// The editor's side of the undo history: what it records and how a state is shown again.
#include <QPainter>

#include "editor/canvas.h"
#include "editor/editor_window.h"
#include "platform/services.h"
#include "ui/units.h"
#include "ui/window_metrics.h"

void LC_Form3_pic::recordStep() {
    history_.recordStep(*this);
}
void LC_Form3_pic::SaveUndoStep() {
    history_.SaveUndoStep(*this);
}
void LC_Form3_pic::SaveRedoTip() {
    history_.SaveRedoTip(*this);
}
void LC_Form3_pic::UndoStep() {
    history_.UndoStep(*this);
}
void LC_Form3_pic::RedoStep() {
    history_.RedoStep(*this);
}

void LC_Form3_pic::undoKey() {
    history_.pressKey(Qt::Key_Z, Qt::ControlModifier, *this);
}
void LC_Form3_pic::redoKey() {
    history_.pressKey(Qt::Key_Y, Qt::ControlModifier, *this);
}

const QImage& LC_Form3_pic::canvasPicture() const {
    return PicDrawBox->image();
}
int LC_Form3_pic::canvasHeightTw() const {
    // Counted in picture pixels, so that a step gives back the picture's own height at any
    // density.
    return units::tw(PicDrawBox->image().height()) + 2 * Canvas::kBorderTw;
}
int LC_Form3_pic::windowHeightTw() const {
    return labels_.lblMeHeight.toInt();
}
bool LC_Form3_pic::maximised() const {
    return isMaximized();
}

void LC_Form3_pic::restoreState(const TiledSnapshot& picture, int canvasHeight,
                                std::optional<int> windowHeight) {
    QImage& image = PicDrawBox->image();
    const QSize size(image.width(), Canvas::innerPixels(canvasHeight));
    // Same size: written in place, no new picture. Otherwise composed afresh.
    if (image.size() == size && picture.writeInto(image)) {
        PicDrawBox->update();
    } else {
        // The stored picture goes at the top left of a canvas of the stored height and the
        // present width, over the background colour.
        QImage composed(size, QImage::Format_RGB32);
        if (composed.isNull()) {
            platform::services().message(
                this, QStringLiteral("Lumacap"),
                QStringLiteral("Não foi possível desfazer: não há memória suficiente para uma "
                               "imagem desse tamanho."),
                platform::MessageIcon::Critical);
            return;
        }
        composed.fill(PicDrawBox->backColor());
        QPainter p(&composed);
        p.drawImage(0, 0, picture.toImage());
        p.end();
        PicDrawBox->setImage(composed);
    }
    if (windowHeight) {
        setWindowHeightTw(*windowHeight);
        labels_.lblMeHeight = QString::number(*windowHeight);
    }
    afterCanvasResize();
}
