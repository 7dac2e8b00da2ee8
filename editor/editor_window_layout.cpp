// The editor's load, its layout for the window's size, scrolling, and the capture's entry.
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include "editor/canvas.h"
#include "editor/canvas_layout.h"
#include "editor/draw_tool.h"
#include "editor/editor_resize.h"
#include "editor/editor_window.h"
#include "editor/number_tool.h"
#include "editor/picture_holder.h"
#include "editor/sticker_panel.h"
#include "editor/tool_selector.h"
#include "ui/forms.h"
#include "ui/main_face.h"
#include "ui/screen_place.h"
#include "ui/units.h"
#include "ui/window_metrics.h"

namespace {

int twOf(int pixels) {
    return units::tw(pixels);
}

// Qt scroll bars need min <= max, while a bar's value here is the canvas offset, 0 at the near
// end down to a negative Max at the far end. The Qt value is minus the offset.
void applyBar(QScrollBar* bar, const BarLayout& b) {
    const QSignalBlocker block(bar);
    if (!b.shown) {
        bar->hide();
        bar->setRange(0, 0);
        return;
    }
    units::place(bar, b.geometry.x(), b.geometry.y(), b.geometry.width(), b.geometry.height());
    bar->setRange(0, -b.max);
    bar->setPageStep(b.largeChange);
    bar->setSingleStep(std::max(1, b.smallChange));
    bar->show();
}

}  // namespace

void LC_Form3_pic::Form_Load() {
    drawTool_->penDown = false;
    history_.erase();
    history_.historyLocked = false;
    fraText->hide();
    labels_.lblDraw = QStringLiteral("1");
    PicDrawBox->setLineWidth(1);
    if (MainFace* face = Forms::instance().mainFace()) {
        setWindowIcon(face->mainWindow()->windowIcon());
    }
    const double left = (window_metrics::widthTw(this) - twOf(fraMain->width())) / 2.0 - 120;
    fraMain->move(units::px(left), fraMain->y());
    if (window_metrics::heightTw(this) > 1350) {
        LayoutCanvas();
    }
    stickerPanel_->loadStickers();
}

void LC_Form3_pic::resizeEvent(QResizeEvent* event) {
    LcForm::resizeEvent(event);
    Form_Resize();
}

void LC_Form3_pic::Form_Resize() {
    EditorResizeInput in;
    in.windowW = window_metrics::widthTw(this);
    in.windowH = window_metrics::heightTw(this);
    in.canvasW = PicDrawBox->widthTw();
    in.canvasH = PicDrawBox->heightTw();
    in.fraMainW = twOf(fraMain->width());
    in.fraMainH = twOf(fraMain->height());
    in.fraPictureW = twOf(fraPicture->width());
    const EditorResizeLayout r = resizeEditor(in);

    fraMain->move(units::px(r.fraMainLeft), units::px(r.fraMainTop));
    fraPicture->move(units::px(r.fraPictureLeft), 0);
    PicDrawBox->move(units::px(r.canvasLeft), PicDrawBox->y());
    fraText->move(units::px(r.fraTextLeft), fraText->y());
    fraIcons->move(units::px(r.fraIconsLeft), 0);
    if (r.viewportLeft) {
        PicOuter->move(units::px(*r.viewportLeft), PicOuter->y());
    }
    fraMain->resize(units::px(r.fraMainW), units::px(r.fraMainH));
    TextPic->move(TextPic->x(), 0);
    if (r.layoutCanvas) {
        LayoutCanvas();
    }
    PicOuter->resize(fraMain->width(), PicOuter->height());
}

void LC_Form3_pic::LayoutCanvas() {
    CanvasLayoutInput in;
    in.minimised = isMinimized();
    in.viewportBorderW = twOf(PicOuter->width() - PicOuter->contentsRect().width());
    in.viewportBorderH = twOf(PicOuter->height() - PicOuter->contentsRect().height());
    in.canvasW = PicDrawBox->widthTw();
    in.canvasH = PicDrawBox->heightTw();
    in.clientW = twOf(width());
    in.clientH = twOf(height());
    in.hBarHeight = twOf(HBar->height());
    in.vBarWidth = twOf(VBar->width());
    const CanvasLayout l = layoutCanvas(in);
    if (l.skipped) {
        return;
    }
    units::place(PicOuter, l.viewport.x(), l.viewport.y(), l.viewport.width(), l.viewport.height());
    applyBar(HBar, l.hBar);
    applyBar(VBar, l.vBar);
    // While a bar is shown its value is the canvas offset; with no vertical bar the canvas
    // sits at the top (the horizontal place of an unscrolled canvas is the frame's business).
    if (l.hBar.shown) {
        scrollTo(HBar, true);
    }
    if (l.vBar.shown) {
        scrollTo(VBar, false);
    } else {
        PicDrawBox->move(PicDrawBox->x(), 0);
    }
}

void LC_Form3_pic::scrollTo(QScrollBar* bar, bool horizontal) {
    const int offset = units::px(-bar->value());
    if (horizontal) {
        PicDrawBox->move(offset, PicDrawBox->y());
    } else {
        PicDrawBox->move(PicDrawBox->x(), offset);
    }
}

void LC_Form3_pic::putCapture(const QImage& picture, bool keepAsUnedited) {
    tools_->cancelUse();
    PicDrawBox->setImage(picture);
    PicOuter->resize(PicDrawBox->width(), PicOuter->height());
    if (keepAsUnedited) {
        PicBackBG->setPicture(PicDrawBox->image());
    }
    // A new picture numbers from 1 again, and the tool keys work at once.
    tools_->numberTool().setNext(1);
    PicDrawBox->setFocus(Qt::OtherFocusReason);
    PicDrawBox->update();
}

void LC_Form3_pic::placeEditor(const EditorPlacement& p, const EditorScreen& on) {
    if (on.screen) {
        // The canvas takes its size from the density of the screen the editor opens on.
        setScreen(on.screen);
        PicDrawBox->fitToScale();
    }
    fraMain->resize(units::px(p.fraMainWidthTw), units::px(p.fraMainHeightTw));
    window_metrics::setWidthTw(this, p.windowWidthTw);
    window_metrics::setHeightTw(this, p.windowHeightTw);
    if (p.meHeightTw) {
        labels_.lblMeHeight = QString::number(*p.meHeightTw);
        labels_.lblMeHeightIni = labels_.lblMeHeight;
    }
    if (!on.area.isEmpty()) {
        screen_place::centreInside(this, on.area);
    }
    // A hidden window gets its resize event only when shown; lay out now as well.
    Form_Resize();
}
