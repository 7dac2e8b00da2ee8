// The editor's side of the undo history: what it records, how a state is shown again, and
// edits that run out of memory.
#include <QPainter>
#include <new>

#include "editor/canvas.h"
#include "editor/editor_window.h"
#include "editor/number_tool.h"
#include "editor/tool_selector.h"
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
    tools_->cancelUse();
    withMemory(QStringLiteral("desfazer"),
               [this] { history_.pressKey(Qt::Key_Z, Qt::ControlModifier, *this); });
}
void LC_Form3_pic::redoKey() {
    tools_->cancelUse();
    withMemory(QStringLiteral("refazer"),
               [this] { history_.pressKey(Qt::Key_Y, Qt::ControlModifier, *this); });
}

bool LC_Form3_pic::withMemory(const QString& what, const std::function<void()>& operation) {
    try {
        operation();
        return true;
    } catch (const std::bad_alloc&) {
        platform::services().message(
            this, QStringLiteral("Lumacap"),
            QStringLiteral("Não foi possível %1: não há memória suficiente. A imagem ficou como "
                           "estava.")
                .arg(what),
            platform::MessageIcon::Critical);
        return false;
    }
}

bool LC_Form3_pic::edit(const std::function<void()>& draw, bool unlock) {
    const bool recorded = withMemory(QStringLiteral("desenhar na imagem"), [&] {
        if (!PicDrawBox->ownPixels()) {
            throw std::bad_alloc();
        }
        if (unlock) {
            recordStep();
        } else {
            SaveUndoStep();
        }
    });
    return recorded && continueEdit(draw);
}

bool LC_Form3_pic::continueEdit(const std::function<void()>& draw) {
    const bool drawn = withMemory(QStringLiteral("desenhar na imagem"), [&] {
        if (!PicDrawBox->ownPixels()) {
            throw std::bad_alloc();
        }
        draw();
    });
    if (!drawn) {
        // Whatever the edit drew so far goes: its step holds the picture from before it.
        try {
            history_.cancelStep(*this);
        } catch (const std::bad_alloc&) {
            // The canvas keeps what was drawn; the message has been given.
        }
    }
    PicDrawBox->update();
    return drawn;
}

void LC_Form3_pic::cancelEdit() {
    withMemory(QStringLiteral("desfazer o desenho"), [this] { history_.cancelStep(*this); });
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
int LC_Form3_pic::nextNumber() const {
    return tools_->numberTool().next();
}
void LC_Form3_pic::setNextNumber(int number) {
    tools_->numberTool().setNext(number);
}

void LC_Form3_pic::restoreState(const TiledSnapshot& picture, int canvasHeight,
                                std::optional<int> windowHeight) {
    QImage& image = PicDrawBox->image();
    // A crop changes the width too: the stored picture has the width of its time.
    const QSize size(picture.size().width(), Canvas::innerPixels(canvasHeight));
    if (image.size() == size && image.format() == picture.format()) {
        // Written in place, no new picture.
        if (!PicDrawBox->ownPixels()) {
            throw std::bad_alloc();
        }
        picture.writeInto(image);
        PicDrawBox->update();
    } else {
        // The stored picture goes at the top left of a canvas of the stored height and the
        // present width, over the background colour.
        QImage composed(size, QImage::Format_RGB32);
        if (composed.isNull()) {
            throw std::bad_alloc();
        }
        composed.fill(PicDrawBox->backColor());
        if (!picture.writeOverlapInto(composed)) {
            const QImage stored = picture.toImage();
            if (stored.isNull()) {
                throw std::bad_alloc();
            }
            QPainter(&composed).drawImage(0, 0, stored);
        }
        PicDrawBox->setImage(composed);
    }
    if (windowHeight) {
        setWindowHeightTw(*windowHeight);
        labels_.lblMeHeight = QString::number(*windowHeight);
    }
    afterCanvasResize();
}
