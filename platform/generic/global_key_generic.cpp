#include "platform/global_key.h"

namespace platform {

// Built without the X11 unit: no system this build runs on lets a program take a key.
struct GlobalKey::Grab {};

GlobalKey::GlobalKey(Key key, QObject* parent) : QObject(parent), key_(key) {}

GlobalKey::~GlobalKey() = default;

bool GlobalKey::grab(QString* reason) {
    *reason = QStringLiteral("este sistema não deixa um programa reservar uma tecla");
    return false;
}

}  // namespace platform
