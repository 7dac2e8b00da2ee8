#include "capture/area_grab.h"

#include <QPainter>
#include <QRegion>
#include <optional>

#include "platform/services.h"

namespace area_grab {

namespace {

// Blackens what no screen shows; `picture` holds `area`.
void blankUncovered(QImage& picture, const QRect& area, const QList<QRect>& screens) {
    QRegion uncovered(area);
    for (const QRect& s : screens) {
        uncovered -= s;
    }
    if (uncovered.isEmpty()) {
        return;
    }
    QPainter p(&picture);
    for (const QRect& r : uncovered) {
        p.fillRect(r.translated(-area.topLeft()), Qt::black);
    }
}

// Whether every pixel of `picture` inside `parts` (picture coordinates) has the colour of the
// first one looked at.
bool oneColourIn(const QImage& picture, const QList<QRect>& parts) {
    std::optional<QRgb> seen;
    for (const QRect& part : parts) {
        const QRect r = part.intersected(picture.rect());
        for (int y = r.top(); y <= r.bottom(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            for (int x = r.left(); x <= r.right(); ++x) {
                if (!seen) {
                    seen = line[x];
                } else if (line[x] != *seen) {
                    return false;
                }
            }
        }
    }
    return true;
}

}  // namespace

QImage cut(const QImage& desktop, QPoint origin, const QRect& area) {
    QImage out(area.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    const QRect inside = area.intersected(desktop.rect().translated(origin));
    if (!inside.isEmpty()) {
        QPainter p(&out);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(inside.topLeft() - area.topLeft(), desktop, inside.translated(-origin));
    }
    return out;
}

QImage grab(const QRect& area, const QList<QRect>& screens) {
    const QRect shown = area.intersected(bounds(screens));
    QImage out;
    if (shown == area) {
        out = platform::services().grabDesktop(area);
    } else {
        out = QImage(area.size(), QImage::Format_RGB32);
        out.fill(Qt::black);
        if (!shown.isEmpty()) {
            const QImage part = platform::services().grabDesktop(shown);
            if (part.isNull()) {
                return {};
            }
            QPainter(&out).drawImage(shown.topLeft() - area.topLeft(), part);
        }
    }
    if (out.isNull()) {
        return {};
    }
    if (out.format() != QImage::Format_RGB32) {
        out = out.convertToFormat(QImage::Format_RGB32);
    }
    blankUncovered(out, area, screens);
    return out;
}

QRect bounds(const QList<QRect>& screens) {
    QRect all;
    for (const QRect& s : screens) {
        all |= s;
    }
    return all;
}

bool oneColour(const QImage& picture) {
    return oneColourIn(picture, {picture.rect()});
}

QString oneColourReason() {
    return QStringLiteral("o sistema entregou uma imagem toda de uma só cor, que não é a da tela");
}

QString rejection(const QImage& picture, const QRect& area, const QList<QRect>& screens,
                  bool screenSeen) {
    if (picture.isNull()) {
        return QStringLiteral("o sistema não entregou a imagem da tela");
    }
    QList<QRect> shown;
    for (const QRect& s : screens) {
        shown.push_back(s.intersected(area).translated(-area.topLeft()));
    }
    if (screenSeen || !oneColourIn(picture, shown)) {
        return {};
    }
    // A uniform area may be just what the user framed; a whole desktop of one colour is not.
    const QRect all = bounds(screens);
    const QImage desktop = all == area ? picture : grab(all, screens);
    QList<QRect> everywhere;
    for (const QRect& s : screens) {
        everywhere.push_back(s.translated(-all.topLeft()));
    }
    if (!desktop.isNull() && !oneColourIn(desktop, everywhere)) {
        return {};
    }
    return oneColourReason();
}

}  // namespace area_grab
