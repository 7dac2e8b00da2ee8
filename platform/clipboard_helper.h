#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Starts the clipboard helper `program` (installed beside this one) in a session of its own,
// so that it outlives this program, hands it the PNG picture on its standard input (an 8-byte
// little-endian length, then the bytes) and waits for its one-line answer. True once the helper
// holds the clipboard; false with the reason (the helper's own words when it gave some).
bool startClipboardHelper(const QString& program, const QByteArray& png, QString* reason);

}  // namespace platform
