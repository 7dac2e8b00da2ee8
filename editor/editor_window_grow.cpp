// Grow up, grow down, crop and reset: the edits that change the canvas's size.
#include <QLineEdit>
#include <QPainter>
#include <algorithm>
#include <new>

#include "editor/canvas.h"
#include "editor/canvas_limits.h"
#include "editor/editor_window.h"
#include "editor/number_tool.h"
#include "editor/picture_holder.h"
#include "editor/swatch.h"
#include "editor/tool_selector.h"
#include "platform/services.h"
#include "ui/picture_button.h"
#include "ui/units.h"
#include "ui/window_metrics.h"

void LC_Form3_pic::btnUpMais_Click() {
    grow(true);
}
void LC_Form3_pic::btnDownMais_Click() {
    grow(false);
}

int LC_Form3_pic::growAmountTw() const {
    // The box takes digits only, so anything but a positive number means nothing to add.
    return units::tw(txtNumHeight->text().toInt());
}

void LC_Form3_pic::grow(bool up) {
    const int n = growAmountTw();
    if (n <= 0) {
        return;
    }
    const QImage kept = PicDrawBox->image();
    const int band = units::px(n);
    const QString refused = canvas_limits::growRefusal(kept.width(), kept.height(), band);
    if (!refused.isEmpty()) {
        platform::services().message(this, QStringLiteral("Lumacap"), refused,
                                     platform::MessageIcon::Critical);
        return;
    }
    const bool grew = withMemory(QStringLiteral("aumentar a imagem em %1 pixels").arg(band), [&] {
        const int h = PicDrawBox->heightTw();
        QImage grown(kept.width(), kept.height() + band, QImage::Format_RGB32);
        if (grown.isNull()) {
            throw std::bad_alloc();
        }
        recordStep();  // the step holds the picture before the growth
        const QColor fill = swatch::color(lblCorBG);
        if (up) {
            grown.fill(PicDrawBox->backColor());
            QPainter p(&grown);
            p.fillRect(QRect(0, 0, grown.width(), band), fill);
            p.drawImage(0, band, kept);
        } else {
            // The fill colour becomes the canvas's background from here on.
            PicDrawBox->setBackColor(fill);
            grown.fill(fill);
            QPainter p(&grown);
            p.drawImage(0, 0, kept);
        }
        PicDrawBox->setImage(grown);
        labels_.lblAddHeight = QString::number(labels_.lblAddHeight.toInt() + n);
        // The window grows by the band as the canvas shows it: n twips where a picture pixel is
        // a logical pixel, less where the screen is denser.
        labels_.lblMeHeight = QString::number(PicDrawBox->heightTw() + 1030);
        fraMain->resize(fraMain->width(), units::px(h + 1030));
    });
    if (!grew) {
        return;
    }
    setWindowHeightTw(labels_.lblMeHeight.toInt());
    afterCanvasResize();
    PicDrawBox->setFocus();
    PicDrawBox->setForeColor(swatch::color(lblCorFG));
}

bool LC_Form3_pic::cropCanvas(const QRect& area) {
    const QRect part = area.intersected(PicDrawBox->image().rect());
    if (part.isEmpty() || part == PicDrawBox->image().rect()) {
        return false;
    }
    const bool cropped = edit([&] {
        QImage kept = PicDrawBox->image().copy(part);
        if (kept.isNull()) {
            throw std::bad_alloc();
        }
        PicDrawBox->setImage(kept);
        // The window takes the canvas's height as after a grow; the step recorded before keeps
        // the height of the window before.
        labels_.lblMeHeight = QString::number(PicDrawBox->heightTw() + 1030);
    });
    if (!cropped) {
        return false;
    }
    setWindowHeightTw(labels_.lblMeHeight.toInt());
    afterCanvasResize();
    PicDrawBox->setFocus();
    return true;
}

void LC_Form3_pic::btnReset_Click() {
    // With no unedited capture kept there is nothing to go back to: the canvas stays.
    if (PicBackBG->isEmpty()) {
        return;
    }
    tools_->cancelUse();
    const bool reset = withMemory(QStringLiteral("voltar à imagem capturada"), [this] {
        const QImage& stored = PicBackBG->picture();
        // The capture's size again, also after a crop; a canvas wider than the kept capture (a
        // later capture kept none) keeps its width.
        QImage fresh(std::max(PicDrawBox->image().width(), stored.width()), stored.height(),
                     QImage::Format_RGB32);
        if (fresh.isNull()) {
            throw std::bad_alloc();
        }
        history_.reset();
        PicDrawBox->setBackColor(Qt::white);
        fresh.fill(Qt::white);
        {
            QPainter p(&fresh);
            p.drawImage(0, 0, stored);
        }
        PicDrawBox->setImage(fresh);
        // The stored heights follow the canvas, so that a step recorded from here keeps a
        // window that fits it.
        labels_.lblMeHeight = QString::number(PicDrawBox->heightTw() + 1030);
        labels_.lblAddHeight = QStringLiteral("0");
        tools_->numberTool().setNext(1);
    });
    if (!reset) {
        return;
    }
    setWindowHeightTw(labels_.lblMeHeight.toInt());
    afterCanvasResize();
}

void LC_Form3_pic::setWindowHeightTw(int height) {
    // A maximised window keeps its size; only the canvas changes.
    if (!isMaximized()) {
        window_metrics::setHeightTw(this, height);
    }
}

void LC_Form3_pic::afterCanvasResize() {
    // The window may not have changed size (maximised, or already that tall), and a hidden
    // window hears of it only when shown: lay out for the new canvas either way.
    Form_Resize();
    PicDrawBox->update();
}
