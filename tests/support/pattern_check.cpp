#include "support/pattern_check.h"

#include "support/test_pattern.h"

QString differenceFromPattern(const QImage& picture, QPoint origin, QSize screen, int ignoreFromY) {
    return differenceFromPattern(picture, origin, QRegion(QRect(QPoint(0, 0), screen)),
                                 ignoreFromY);
}

QString differenceFromPattern(const QImage& picture, QPoint origin, const QRegion& onScreen,
                              int ignoreFromY) {
    int wrong = 0;
    QString first;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint s = origin + QPoint(x, y);
            if (s.y() >= ignoreFromY) {
                continue;
            }
            const QRgb want = onScreen.contains(s) ? test_pattern::at(s.x(), s.y()) : qRgb(0, 0, 0);
            const QRgb got = picture.pixel(x, y) | 0xff000000u;
            if (got != want) {
                if (wrong++ == 0) {
                    first = QStringLiteral("(%1,%2) is %3, not %4 (screen %5,%6)")
                                .arg(x)
                                .arg(y)
                                .arg(got, 8, 16)
                                .arg(want, 8, 16)
                                .arg(s.x())
                                .arg(s.y());
                }
            }
        }
    }
    return wrong == 0 ? QString()
                      : QStringLiteral("%1 pixels differ; first %2").arg(wrong).arg(first);
}

std::optional<QPoint> findPicture(const QImage& screen, QPoint origin, QSize size) {
    const QRgb first = test_pattern::at(origin.x(), origin.y());
    const QPoint last = origin + QPoint(size.width() - 1, size.height() - 1);
    std::optional<QPoint> found;
    for (int y = 0; y + size.height() <= screen.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = 0; x + size.width() <= screen.width(); ++x) {
            if ((line[x] | 0xff000000) != first ||
                (screen.pixel(x + size.width() - 1, y + size.height() - 1) | 0xff000000) !=
                    test_pattern::at(last.x(), last.y())) {
                continue;
            }
            if (QPoint(x, y) != origin) {
                return QPoint(x, y);
            }
            found = QPoint(x, y);
        }
    }
    return found;
}
