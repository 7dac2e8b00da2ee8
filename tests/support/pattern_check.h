#pragma once

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QSize>
#include <QString>
#include <optional>

// Captures of the coordinate test pattern (support/test_pattern.h), checked pixel by pixel.

// Where `picture` differs from the pattern's area starting at `origin` (pixels that no monitor
// in `shown` shows must be black; rows from `ignoreFromY` on are not compared): a description,
// or empty.
QString differenceFromPattern(const QImage& picture, QPoint origin, const QRegion& shown,
                              int ignoreFromY = 1 << 30);
// Where a capture of the pattern (whose top-left pixel came from `origin`) is shown on the
// screen now, other than at `origin` itself unless that is the only place.
std::optional<QPoint> findPicture(const QImage& screen, QPoint origin, QSize size);
// The same on one screen of `screen` at (0, 0).
QString differenceFromPattern(const QImage& picture, QPoint origin, QSize screen,
                              int ignoreFromY = 1 << 30);
