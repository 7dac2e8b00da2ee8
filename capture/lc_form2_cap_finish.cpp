// Finishing a capture on the overlay: which pixels, from where, and where they go.
#include "capture/area_grab.h"
#include "capture/capture_outcome.h"
#include "capture/editor_handover.h"
#include "capture/lc_form2_cap.h"
#include "capture/screen_settle.h"
#include "capture/selection_geometry.h"
#include "ui/forms.h"
#include "ui/notice_window.h"

namespace {

// Once hidden, the overlay may stay on the screen for a frame or a fade of the compositor.
constexpr SettleTiming kOverlayGone{.firstMs = 30, .pollMs = 30, .maxMs = 1500};

}  // namespace

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
    const QSize screen = screenSize();
    const std::optional<QRect> source = sourceArea(corners, screen);
    if (!source) {
        cancel();
        return;
    }
    if (!still_.isNull()) {
        leaveScreen();
        handOver(area_grab::cut(still_, *source));
        return;
    }
    // Live screen: the pixels are read only once the overlay has left them.
    QImage withOverlay = area_grab::grab(*source, screen);
    leaveScreen();
    grabWhenSettled(this, *source, screen, std::move(withOverlay), kOverlayGone,
                    [this](const QImage& picture) { handOver(picture); });
}

void LC_Form2_cap::leaveScreen() {
    releaseKeyboard();
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

void LC_Form2_cap::handOver(const QImage& picture) {
    unloadForm();  // the next capture makes a new overlay
    if (picture.isNull()) {
        capture_outcome::failed(QStringLiteral("o sistema não entregou a imagem da tela"));
        return;
    }
    editor_handover::putCapture(picture, true);
    capture_outcome::deliver(capture_outcome::Kind::Area, picture.size());
}
