#include "app/size_box_check.h"

namespace size_box {

namespace {

QString digitsOf(const QString& text) {
    QString digits;
    for (QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits += c;
        }
    }
    return digits;
}

}  // namespace

QString checked(const QString& text, int limit) {
    const QString digits = digitsOf(text);
    if (digits.isEmpty()) {
        return QString::number(kMinSize);
    }
    // Any length of digits reads without overflow: too many digits is simply above the limit.
    bool ok = false;
    const qulonglong v = digits.toULongLong(&ok);
    if (!ok || v > static_cast<qulonglong>(limit)) {
        return QString::number(limit);
    }
    if (v < kMinSize) {
        return QString::number(kMinSize);
    }
    return digits;
}

}  // namespace size_box
