#include "platform/wayland/portal_picture.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace portal_picture {

namespace {

// The portal's pixel under the centre of device pixel `i` (the screen's part of the portal
// starting at `from`, `step` portal pixels per device pixel). The desktop drew a screen of a
// lower density larger by smoothing, and a centre on the border of two of its pixels (an even
// ratio) takes the later one, which holds most of the pixel (grim's smoothing rounds down).
int under(double from, double step, int i) {
    return static_cast<int>(std::floor(from + (i + 0.5) * step + 1e-9));
}

// One screen of `portal` (whose layout starts at `origin`, `scale` picture pixels per logical
// pixel in each direction) into `out` at its device pixels.
void drawScreen(QImage& out, QPoint outOrigin, const QImage& portal, QPoint origin, QSizeF scale,
                const Screen& s) {
    const QRectF from((s.logical.x() - origin.x()) * scale.width(),
                      (s.logical.y() - origin.y()) * scale.height(),
                      s.logical.width() * scale.width(), s.logical.height() * scale.height());
    const QRect to = s.device.translated(-outOrigin);
    const double stepX = from.width() / to.width();
    const double stepY = from.height() / to.height();
    std::vector<int> columns(static_cast<size_t>(to.width()));
    for (int x = 0; x < to.width(); ++x) {
        columns[static_cast<size_t>(x)] = under(from.x(), stepX, x);
    }
    for (int y = 0; y < to.height(); ++y) {
        const int sy = under(from.y(), stepY, y);
        if (sy < 0 || sy >= portal.height()) {
            continue;
        }
        const auto* in = reinterpret_cast<const QRgb*>(portal.constScanLine(sy));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(to.y() + y));
        for (int x = 0; x < to.width(); ++x) {
            const int sx = columns[static_cast<size_t>(x)];
            if (sx >= 0 && sx < portal.width() && qAlpha(in[sx]) != 0) {
                // What no screen shows is transparent, and stays black. At a screen's edge the
                // smoothing mixed the screen with that nothing: the colour is the screen's.
                line[to.x() + x] = in[sx] | 0xff000000u;
            }
        }
    }
}

}  // namespace

QImage desktop(const QImage& portal, const QList<Screen>& screens) {
    QRect layout;
    QRect all;
    for (const Screen& s : screens) {
        layout |= s.logical;
        all |= s.device;
    }
    if (portal.isNull() || layout.isEmpty() || all.isEmpty()) {
        return {};
    }
    const QImage picture =
        portal.format() == QImage::Format_ARGB32 || portal.format() == QImage::Format_RGB32
            ? portal
            : portal.convertToFormat(QImage::Format_ARGB32);
    // One screen drawn at its own density, opaque: the portal's picture is the desktop as it is.
    if (screens.size() == 1 && picture.size() == all.size() &&
        picture.format() == QImage::Format_RGB32) {
        return picture;
    }
    QImage out(all.size(), QImage::Format_RGB32);
    if (out.isNull()) {
        return {};
    }
    out.fill(Qt::black);
    const QSizeF scale(double(picture.width()) / layout.width(),
                       double(picture.height()) / layout.height());
    for (const Screen& s : screens) {
        drawScreen(out, all.topLeft(), picture, layout.topLeft(), scale, s);
    }
    return out;
}

namespace {

bool within(const QString& folder, const QStringList& roots) {
    for (const QString& r : roots) {
        const QString root = QDir(r).canonicalPath();
        if (!root.isEmpty() && (folder == root || folder.startsWith(root + QLatin1Char('/')))) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool removable(const QString& file, const QStringList& temporary, const QStringList& kept) {
    const QString folder = QFileInfo(file).absoluteDir().canonicalPath();
    return !folder.isEmpty() && within(folder, temporary) && !within(folder, kept);
}

}  // namespace portal_picture
