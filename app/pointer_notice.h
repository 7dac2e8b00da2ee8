#pragma once

#include <QString>

// A notice centred on the screen the user is looking at: the one under the pointer (the
// primary screen when the pointer is on none).
void noticeUnderPointer(const QString& text);
