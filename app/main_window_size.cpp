// The fixed capture size: the two boxes, their range check and storing them.
#include <QLineEdit>

#include "app/main_window.h"
#include "app/size_box_check.h"
#include "platform/screens.h"
#include "platform/services.h"
#include "settings/statements.h"
#include "settings/store_setting.h"
#include "ui/notice.h"
#include "ui/picture_button.h"
#include "ui/size_key_filter.h"
#include "ui/window_metrics.h"

namespace {

// The largest fixed size: the largest screen, in its own (device) pixels, read at every check.
QSize screenLimit() {
    const QSize largest = platform::largestDeviceSize();
    return largest.isEmpty() ? QSize(size_box::kMinSize, size_box::kMinSize) : largest;
}

void checkBox(QLineEdit* box, int limit) {
    const QString fixed = size_box::checked(box->text(), limit);
    if (fixed != box->text()) {
        box->setText(fixed);  // runs the check again, which finds the value in range
        box->setCursorPosition(static_cast<int>(fixed.size()));
    }
}

}  // namespace

void LC_Form1_Ini::wireFixedSize() {
    auto* keys = new SizeKeyFilter(this);
    txtWidth->installEventFilter(keys);
    txtHeight->installEventFilter(keys);
    connect(txtWidth, &QLineEdit::textChanged, this, &LC_Form1_Ini::txtWidth_Change);
    connect(txtHeight, &QLineEdit::textChanged, this, &LC_Form1_Ini::txtHeight_Change);
    connect(btnSaveText, &PictureButton::clicked, this, &LC_Form1_Ini::btnSaveText_Click);
}

void LC_Form1_Ini::txtWidth_Change() {
    checkBox(txtWidth, screenLimit().width());
}

void LC_Form1_Ini::txtHeight_Change() {
    checkBox(txtHeight, screenLimit().height());
}

void LC_Form1_Ini::btnSaveText_Click() {
    const int w = txtWidth->text().toInt();
    const int h = txtHeight->text().toInt();
    if (!storeSetting(this, statements::updateFixedSize(w, h))) {
        return;
    }
    platform::services().beep();
    showNotice(QStringLiteral("Valores salvos!"), window_metrics::leftTw(this) + 960,
               window_metrics::topTw(this) + 765, false);
}
