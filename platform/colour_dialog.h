#pragma once

#include <QColor>
#include <optional>

class QWidget;

namespace platform {
// The colour dialog, modal to `parent`, preset to `initial`, with its custom colours open and
// all sixteen of them black. Returns nullopt only when the user cancels, so black is a choice.
std::optional<QColor> realChooseColor(QWidget* parent, const QColor& initial);
}  // namespace platform
