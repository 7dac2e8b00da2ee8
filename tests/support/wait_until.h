#pragma once

#include <QImage>
#include <functional>

// Waits until `predicate` holds, polling every 50 ms; false after `timeoutMs`.
bool waitUntil(const std::function<bool()>& predicate, int timeoutMs = 5000);

// Waits for `read` to give a picture other than `previous` (a new clipboard picture); a null
// picture when none came.
QImage waitForNewPicture(const std::function<QImage()>& read, const QImage& previous,
                         int timeoutMs);
