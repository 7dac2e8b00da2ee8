#include "platform/colour_dialog.h"

#include <QColorDialog>

namespace platform {

std::optional<QColor> realChooseColor(QWidget* parent, const QColor& initial) {
    // Custom colours picked last time are not kept: every dialog starts with black ones.
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        QColorDialog::setCustomColor(i, Qt::black);
    }
    QColorDialog dialog(initial, parent);
    dialog.setObjectName(QStringLiteral("ColorDialog"));
    // Qt's own dialog: the platform's may have no custom colours to preset.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.selectedColor();
}

}  // namespace platform
