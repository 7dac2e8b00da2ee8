// Finishing a capture on the overlay: which pixels, from where, and where they go.
#include "capture/area_grab.h"
#include "capture/capture_outcome.h"
#include "capture/editor_handover.h"
#include "capture/lc_form2_cap.h"
#include "capture/overlay_pane.h"
#include "capture/screen_settle.h"
#include "capture/selection_geometry.h"
#include "platform/screen_geometry.h"
#include "ui/forms.h"
#include "ui/notice_window.h"

void LC_Form2_cap::CopyArea() {
    if (finishing_) {
        return;
    }
    finishing_ = true;
    using namespace selection_geometry;
    TwipsRect corners;
    switch (mode()) {
        case Mode::Selection:
            corners = {labelTwips(corners_.lblX1), labelTwips(corners_.lblY1),
                       labelTwips(corners_.lblX2), labelTwips(corners_.lblY2)};
            break;
        case Mode::FixedArea:
            corners = {labelTwips(corners_.lblIniX), labelTwips(corners_.lblIniY),
                       labelTwips(corners_.lblFimX), labelTwips(corners_.lblFimY)};
            break;
        case Mode::None:
            break;
    }
    const std::optional<QRect> source = sourceArea(corners, desktop().size());
    if (!source) {
        cancel();
        return;
    }
    if (!scene_.still.isNull()) {
        leaveScreen();
        handOver(area_grab::cut(scene_.still, scene_.origin, *source), *source);
        return;
    }
    // Live screen: the pixels are read only once the compositor has drawn the screen without
    // the overlay.
    QList<QWidget*> overlay{this};
    for (OverlayPane* pane : panes_) {
        overlay.push_back(pane);
    }
    screen_settle::afterLeaving(
        this, overlay, screen_settle::kOverlayGoneMs, [this] { leaveScreen(); },
        [this, area = *source] {
            handOver(area_grab::grab(area, platform::deviceRects(screens_)), area);
        });
}

void LC_Form2_cap::leaveScreen() {
    releaseKeyboard();
    for (OverlayPane* pane : panes_) {
        pane->hide();
    }
    hide();
    // A notice shown over the overlay meanwhile (a request refused) must not be captured.
    if (auto* notice = Forms::instance().ifLoaded<LC_Form8_aviso>()) {
        notice->unloadForm();
    }
}

void LC_Form2_cap::cancel() {
    leaveScreen();
    capture_outcome::nothingCaptured();
    unloadForm();
}

void LC_Form2_cap::handOver(const QImage& picture, const QRect& source) {
    const QList<QRect> screens = platform::deviceRects(screens_);
    const QString rejected = area_grab::rejection(picture, source, screens, screenSeen_);
    // The capture belongs to the screen that holds most of it.
    const int home = screen_geometry::nearest(screens, source);
    const platform::ScreenArea screen = home < 0 ? platform::ScreenArea{} : screens_[home];
    unloadForm();  // the next capture makes a new overlay
    if (!rejected.isEmpty()) {
        capture_outcome::failed(rejected);
        return;
    }
    editor_handover::putCapture(picture, true);
    capture_outcome::deliver(capture_outcome::Kind::Area, picture.size(), screen);
}
