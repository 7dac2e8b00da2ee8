#include "platform/program_dir.h"

#include <QCoreApplication>
#include <optional>

namespace platform {

namespace {
std::optional<ProgramLayout>& layoutSlot() {
    static std::optional<ProgramLayout> layout;
    return layout;
}
}  // namespace

const ProgramLayout& programLayout() {
    if (!layoutSlot()) {
        layoutSlot() = layoutAround(QCoreApplication::applicationDirPath());
    }
    return *layoutSlot();
}

void setProgramLayout(const ProgramLayout& layout) {
    layoutSlot() = layout;
}

QString programDir() {
    return programLayout().dataDir;
}

}  // namespace platform
