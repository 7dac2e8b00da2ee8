#include "platform/program_dir.h"

#include <QCoreApplication>

namespace platform {

namespace {
QString& dirSlot() {
    static QString dir;
    return dir;
}
}  // namespace

QString programDir() {
    return dirSlot().isEmpty() ? QCoreApplication::applicationDirPath() : dirSlot();
}

void setProgramDir(const QString& dir) {
    dirSlot() = dir;
}

}  // namespace platform
